#pragma once

#include "server/http/accesslog.h"
#include "server/http/bodybudget.h"
#include "server/http/connectionlimits.h"
#include "server/http/heaptrimmer.h"
#include "server/http/httpconnection.h"
#include "server/http/requestrunner.h"

#include <QHash>
#include <QHostAddress>
#include <QSslConfiguration>

#include <optional>

namespace PennibarServer {

class HttpListener;

// HTTP/1.1 with the project's rules around it: connections are capped overall and per client
// address, heads and bodies must arrive within their deadlines, the bodies held at once stay
// within one budget, every request goes to the runner's handlers, every response gets the same
// safety headers, and every request leaves one access-log line.
class HttpServer : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        qint64 maxBodyBytes = 4 * 1024 * 1024;
        qint64 maxBodyBytesTotal = 64 * 1024 * 1024;
        int maxConnections = 512;
        int maxConnectionsPerAddress = 64;
        bool trustForwardedFor = false;
        int headTimeoutMs = 20000;
        int bodyTimeoutMs = 120000;
        int idleTimeoutMs = 120000;
    };

    HttpServer(RequestRunner& runner, AccessLog& accessLog, Options options,
               QObject* parent = nullptr);

    // Starts listening (TLS when `tls` is given). Returns the port, or 0 with `error` set.
    quint16 start(const QHostAddress& address, quint16 port,
                  const std::optional<QSslConfiguration>& tls, QString* error);

private:
    void onAccepted(QTcpSocket* socket);
    // Closes the connection that has waited longest for a request; false when none waits.
    bool makeRoom();
    void onRequestReceived(HttpConnection* connection);
    void onRefused(HttpConnection* connection, int status);
    void onFinished(HttpConnection* connection);
    QString clientAddress(const RequestHead& head, const QTcpSocket& socket) const;

    RequestRunner& m_runner;
    AccessLog& m_accessLog;
    Options m_options;
    HttpConnection::Settings m_connectionSettings;
    BodyBudget m_budget;
    ConnectionLimits m_limits;
    HeapTrimmer m_trimmer;
    // The connections that count against the limits, with the address each counts against.
    QHash<HttpConnection*, QByteArray> m_connections;
};

} // namespace PennibarServer
