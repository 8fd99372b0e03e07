#include "server/storage/settingsstore.h"

#include "server/storage/database.h"

namespace PennibarServer {

std::optional<QString> SettingsStore::value(const QString& key)
{
    const auto rows =
        m_database.select(QStringLiteral("SELECT value FROM server_settings WHERE key = ?"), {key});
    if (!rows)
        return std::nullopt;
    return rows->isEmpty() ? QString() : rows->first().at(0).toString();
}

bool SettingsStore::setValue(const QString& key, const QString& value)
{
    return m_database.execute(QStringLiteral("INSERT INTO server_settings (key, value) VALUES (?, "
                                             "?) ON CONFLICT (key) DO UPDATE SET value = "
                                             "excluded.value"),
                              {key, value});
}

std::optional<QString> SettingsStore::valueOrInsert(const QString& key, const QString& value)
{
    if (!m_database.execute(QStringLiteral("INSERT INTO server_settings (key, value) VALUES (?, "
                                           "?) ON CONFLICT (key) DO NOTHING"),
                            {key, value}))
        return std::nullopt;
    return this->value(key);
}

} // namespace PennibarServer
