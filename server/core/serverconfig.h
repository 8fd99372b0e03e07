#pragma once

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace PennibarServer {

// Everything the server is told by its operator: read from an optional "key = value" file, then
// overridden by PENNIBAR_SERVER_<KEY> environment variables. Relative paths and unset paths are
// resolved against the data directory once loading is done.
class ServerConfig
{
public:
    // The client id of the Pennibar desktop app, registered unless `client_ids` says otherwise.
    static QString defaultClientId();

    // Reads `filePath` (none when empty) and the environment. On failure returns nothing and
    // describes the first problem in `error`, naming the file line or the variable.
    static std::optional<ServerConfig> load(const QString& filePath,
                                            const QProcessEnvironment& environment, QString* error);

    QHostAddress listenHost = QHostAddress::LocalHost;
    quint16 listenPort = 8787;
    QString dataDir;
    // "sqlite" (the default file in the data directory), "sqlite:PATH" or a PostgreSQL URL.
    QString database;
    QString realm = QStringLiteral("tovarly");
    QStringList clientIds;
    QString tlsCertificate;
    QString tlsKey;
    bool allowSignup = false;
    QString releasesDir;
    qint64 maxBodyBytes = 4 * 1024 * 1024;
    // The request bodies held at once, across all connections.
    qint64 maxBodyBytesTotal = 64 * 1024 * 1024;
    int maxConnections = 512;
    int maxConnectionsPerAddress = 64;
    // From a connection's start, or a later request's first byte, to the end of the head.
    int requestHeadSeconds = 20;
    // From the end of a request's head to the end of its body.
    int requestBodySeconds = 120;
    // Threads that run requests, each with its own database connection.
    int workers = 4;
    bool trustForwardedFor = false;
    // A proxy in front speaks TLS to the browsers, though this server speaks plain HTTP to it.
    bool behindTlsProxy = false;
    int accessTokenMinutes = 15;
    int sessionDays = 60;
    int groupSeats = 6;
    QString jwtSecretFile;
    QString mailCommand;

    bool usesTls() const { return !tlsCertificate.isEmpty(); }
    // Whether browsers reach the server over TLS, so that its cookies may demand it.
    bool browsersUseTls() const { return usesTls() || behindTlsProxy; }

private:
    bool set(const QString& key, const QString& value, QString* error);
    bool finish(QString* error);
};

} // namespace PennibarServer
