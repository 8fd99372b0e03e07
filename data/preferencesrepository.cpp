#include "data/preferencesrepository.h"

PreferencesRepository::PreferencesRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("preferences"), parent)
{
}

std::optional<QString> PreferencesRepository::getOptional(const QString& key) const
{
    QSqlQuery query = run(QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key});
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

QString PreferencesRepository::get(const QString& key, const QString& defaultValue) const
{
    return getOptional(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString& key, bool defaultValue) const
{
    const std::optional<QString> value = getOptional(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString& key, const QString& value)
{
    const bool ok = write(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON "
                                         "CONFLICT(key) DO UPDATE SET value = excluded.value"),
                          {key, value}, nullptr);
    if (ok)
        announce(key);
    return ok;
}

bool PreferencesRepository::setBool(const QString& key, bool value)
{
    return set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString& key, int value)
{
    return set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    return write(QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key}, nullptr);
}

void PreferencesRepository::emitChange(const QString& key)
{
    emit changed(key);
}
