#include "server/storage/databasesettings.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

namespace PennibarServer {

std::optional<DatabaseSettings>
DatabaseSettings::fromSetting(const QString& database, const QString& dataDir, QString* error)
{
    if (database.isEmpty() || database == QLatin1String("sqlite"))
        return sqlite(QDir(dataDir).filePath(QStringLiteral("pennibar-server.db")));
    if (database.startsWith(QLatin1String("sqlite:")))
        return sqlite(QDir(dataDir).absoluteFilePath(database.mid(7)));
    return postgres(database, error);
}

DatabaseSettings DatabaseSettings::sqlite(const QString& path)
{
    DatabaseSettings settings;
    settings.kind = Kind::Sqlite;
    settings.path = path;
    return settings;
}

std::optional<DatabaseSettings> DatabaseSettings::postgres(const QString& text, QString* error)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") &&
                           url.scheme() != QLatin1String("postgres"))) {
        *error = QStringLiteral("the database URL is not a valid postgresql:// URL");
        return std::nullopt;
    }
    DatabaseSettings settings;
    settings.kind = Kind::Postgres;
    settings.host = url.host();
    settings.port = url.port(5432);
    settings.user = url.userName(QUrl::FullyDecoded);
    settings.password = url.password(QUrl::FullyDecoded);
    settings.databaseName = url.path(QUrl::FullyDecoded).mid(1);
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host")) {
            settings.host = value;
        } else if (key == QLatin1String("sslmode") || key == QLatin1String("connect_timeout") ||
                   key == QLatin1String("application_name")) {
            options.append(key + QLatin1Char('=') + value);
        } else {
            *error = QStringLiteral("unknown database URL parameter \"%1\"").arg(key);
            return std::nullopt;
        }
    }
    settings.options = options.join(QLatin1Char(';'));
    if (settings.databaseName.isEmpty()) {
        *error = QStringLiteral("the database URL names no database");
        return std::nullopt;
    }
    return settings;
}

} // namespace PennibarServer
