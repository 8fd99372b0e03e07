#include "server/core/serverconfig.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace PennibarServer {

namespace {

const QStringList kKeys = {
    QStringLiteral("listen"),
    QStringLiteral("data_dir"),
    QStringLiteral("database"),
    QStringLiteral("realm"),
    QStringLiteral("client_ids"),
    QStringLiteral("tls_certificate"),
    QStringLiteral("tls_key"),
    QStringLiteral("allow_signup"),
    QStringLiteral("releases_dir"),
    QStringLiteral("max_body_bytes"),
    QStringLiteral("max_body_bytes_total"),
    QStringLiteral("max_connections"),
    QStringLiteral("max_connections_per_address"),
    QStringLiteral("request_head_seconds"),
    QStringLiteral("request_body_seconds"),
    QStringLiteral("workers"),
    QStringLiteral("trust_forwarded_for"),
    QStringLiteral("behind_tls_proxy"),
    QStringLiteral("access_token_minutes"),
    QStringLiteral("session_days"),
    QStringLiteral("group_seats"),
    QStringLiteral("jwt_secret_file"),
    QStringLiteral("mail_command"),
};

// First path segments the server itself serves; a realm with one of these names would shadow them.
const QStringList kReservedRealms = {
    QStringLiteral("api"),      QStringLiteral("sync"),    QStringLiteral("accounts"),
    QStringLiteral("profile"),  QStringLiteral("group"),   QStringLiteral("devices"),
    QStringLiteral("releases"), QStringLiteral("healthz"),
};

std::optional<bool> parseBool(const QString& text)
{
    const QString value = text.toLower();
    if (value == QLatin1String("true") || value == QLatin1String("yes") ||
        value == QLatin1String("on") || value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("no") ||
        value == QLatin1String("off") || value == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<qint64> parseRange(const QString& text, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

QString envName(const QString& key)
{
    return QStringLiteral("PENNIBAR_SERVER_") + key.toUpper();
}

} // namespace

QString ServerConfig::defaultClientId()
{
    return QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
}

std::optional<ServerConfig>
ServerConfig::load(const QString& filePath, const QProcessEnvironment& environment, QString* error)
{
    ServerConfig config;
    if (!filePath.isEmpty()) {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = QStringLiteral("cannot read %1: %2").arg(filePath, file.errorString());
            return std::nullopt;
        }
        int lineNumber = 0;
        while (!file.atEnd()) {
            ++lineNumber;
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            QString problem;
            const bool ok = equals > 0 && config.set(line.left(equals).trimmed(),
                                                     line.mid(equals + 1).trimmed(), &problem);
            if (!ok) {
                if (problem.isEmpty())
                    problem = QStringLiteral("expected key = value");
                *error = QStringLiteral("%1:%2: %3").arg(filePath).arg(lineNumber).arg(problem);
                return std::nullopt;
            }
        }
    }
    for (const QString& key : kKeys) {
        const QString name = envName(key);
        if (!environment.contains(name))
            continue;
        QString problem;
        if (!config.set(key, environment.value(name).trimmed(), &problem)) {
            *error = QStringLiteral("%1: %2").arg(name, problem);
            return std::nullopt;
        }
    }
    if (!config.finish(error))
        return std::nullopt;
    return config;
}

bool ServerConfig::set(const QString& key, const QString& value, QString* error)
{
    auto number = [&](qint64 low, qint64 high) -> std::optional<qint64> {
        const auto parsed = parseRange(value, low, high);
        if (!parsed)
            *error = QStringLiteral("%1 must be a whole number from %2 to %3")
                         .arg(key)
                         .arg(low)
                         .arg(high);
        return parsed;
    };
    auto flag = [&](bool* target) {
        const auto parsed = parseBool(value);
        if (!parsed)
            *error = QStringLiteral("%1 must be true or false").arg(key);
        else
            *target = *parsed;
        return parsed.has_value();
    };

    if (key == QLatin1String("listen")) {
        const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
        QString host = value.left(colon);
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        const auto port = parseRange(value.mid(colon + 1), 0, 65535);
        const QHostAddress address(host);
        if (colon <= 0 || !port || address.isNull()) {
            *error = QStringLiteral("listen must be ADDRESS:PORT, for example 127.0.0.1:8787");
            return false;
        }
        listenHost = address;
        listenPort = quint16(*port);
    } else if (key == QLatin1String("data_dir")) {
        dataDir = value;
    } else if (key == QLatin1String("database")) {
        database = value;
    } else if (key == QLatin1String("realm")) {
        static const QRegularExpression slug(QStringLiteral("^[a-z0-9][a-z0-9-]{0,63}$"));
        if (!slug.match(value).hasMatch() || kReservedRealms.contains(value)) {
            *error = QStringLiteral("realm must be lower-case letters, digits and dashes, and not "
                                    "one of: %1")
                         .arg(kReservedRealms.join(QStringLiteral(", ")));
            return false;
        }
        realm = value;
    } else if (key == QLatin1String("client_ids")) {
        static const QRegularExpression clientId(QStringLiteral("^[0-9a-f]{32}$"));
        QStringList ids;
        for (const QString& part : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString id = part.trimmed();
            if (!clientId.match(id).hasMatch()) {
                *error = QStringLiteral("client id \"%1\" is not 32 lower-case hexadecimal digits")
                             .arg(id);
                return false;
            }
            ids.append(id);
        }
        clientIds = ids;
    } else if (key == QLatin1String("tls_certificate")) {
        tlsCertificate = value;
    } else if (key == QLatin1String("tls_key")) {
        tlsKey = value;
    } else if (key == QLatin1String("allow_signup")) {
        return flag(&allowSignup);
    } else if (key == QLatin1String("releases_dir")) {
        releasesDir = value;
    } else if (key == QLatin1String("max_body_bytes")) {
        const auto parsed = number(64 * 1024, 256 * 1024 * 1024);
        if (!parsed)
            return false;
        maxBodyBytes = *parsed;
    } else if (key == QLatin1String("max_body_bytes_total")) {
        const auto parsed = number(64 * 1024, qint64(64) * 1024 * 1024 * 1024);
        if (!parsed)
            return false;
        maxBodyBytesTotal = *parsed;
    } else if (key == QLatin1String("max_connections")) {
        const auto parsed = number(1, 1000000);
        if (!parsed)
            return false;
        maxConnections = int(*parsed);
    } else if (key == QLatin1String("max_connections_per_address")) {
        const auto parsed = number(1, 1000000);
        if (!parsed)
            return false;
        maxConnectionsPerAddress = int(*parsed);
    } else if (key == QLatin1String("request_head_seconds")) {
        const auto parsed = number(1, 3600);
        if (!parsed)
            return false;
        requestHeadSeconds = int(*parsed);
    } else if (key == QLatin1String("request_body_seconds")) {
        const auto parsed = number(1, 24 * 3600);
        if (!parsed)
            return false;
        requestBodySeconds = int(*parsed);
    } else if (key == QLatin1String("workers")) {
        const auto parsed = number(1, 64);
        if (!parsed)
            return false;
        workers = int(*parsed);
    } else if (key == QLatin1String("trust_forwarded_for")) {
        return flag(&trustForwardedFor);
    } else if (key == QLatin1String("behind_tls_proxy")) {
        return flag(&behindTlsProxy);
    } else if (key == QLatin1String("access_token_minutes")) {
        const auto parsed = number(1, 24 * 60);
        if (!parsed)
            return false;
        accessTokenMinutes = int(*parsed);
    } else if (key == QLatin1String("session_days")) {
        const auto parsed = number(1, 3650);
        if (!parsed)
            return false;
        sessionDays = int(*parsed);
    } else if (key == QLatin1String("group_seats")) {
        const auto parsed = number(1, 1000);
        if (!parsed)
            return false;
        groupSeats = int(*parsed);
    } else if (key == QLatin1String("jwt_secret_file")) {
        jwtSecretFile = value;
    } else if (key == QLatin1String("mail_command")) {
        mailCommand = value;
    } else {
        *error = QStringLiteral("unknown setting \"%1\"").arg(key);
        return false;
    }
    return true;
}

bool ServerConfig::finish(QString* error)
{
    if (dataDir.isEmpty())
        dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/pennibar-server");
    dataDir = QDir(dataDir).absolutePath();
    const QDir data(dataDir);
    if (database.isEmpty())
        database = QStringLiteral("sqlite");
    const bool known = database == QLatin1String("sqlite") ||
                       database.startsWith(QLatin1String("sqlite:")) ||
                       database.startsWith(QLatin1String("postgresql://")) ||
                       database.startsWith(QLatin1String("postgres://"));
    if (!known) {
        *error = QStringLiteral("database must be \"sqlite\", \"sqlite:PATH\" or a "
                                "postgresql:// URL");
        return false;
    }
    if (clientIds.isEmpty())
        clientIds = {defaultClientId()};
    if (maxBodyBytesTotal < maxBodyBytes) {
        *error = QStringLiteral("max_body_bytes_total must be at least max_body_bytes");
        return false;
    }
    if (tlsCertificate.isEmpty() != tlsKey.isEmpty()) {
        *error = QStringLiteral("tls_certificate and tls_key must be given together");
        return false;
    }
    if (!tlsCertificate.isEmpty()) {
        tlsCertificate = data.absoluteFilePath(tlsCertificate);
        tlsKey = data.absoluteFilePath(tlsKey);
    }
    releasesDir =
        data.absoluteFilePath(releasesDir.isEmpty() ? QStringLiteral("releases") : releasesDir);
    jwtSecretFile = data.absoluteFilePath(jwtSecretFile.isEmpty() ? QStringLiteral("jwt-secret")
                                                                  : jwtSecretFile);
    return true;
}

} // namespace PennibarServer
