#pragma once

#include "server/http/accesslog.h"
#include "server/http/router.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QSslConfiguration>

#include <optional>

namespace PennibarServer {

// Qt's HTTP server with the project's rules around it: every request goes through the router,
// bodies are capped, every response gets the same safety headers, and every request leaves one
// access-log line.
class HttpServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    struct Options
    {
        qint64 maxBodyBytes = 4 * 1024 * 1024;
        bool trustForwardedFor = false;
        int idleTimeoutMs = 120000;
    };

    HttpServer(const Router& router, AccessLog& accessLog, Options options,
               QObject* parent = nullptr);

    // Starts listening (TLS when `tls` is given). Returns the port, or 0 with `error` set.
    quint16 start(const QHostAddress& address, quint16 port,
                  const std::optional<QSslConfiguration>& tls, QString* error);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QString clientAddress(const QHttpServerRequest& request) const;
    void send(const QHttpServerRequest& request, QTcpSocket* socket, bool headOnly,
              const HttpResponse& response);

    const Router& m_router;
    AccessLog& m_accessLog;
    Options m_options;
};

} // namespace PennibarServer
