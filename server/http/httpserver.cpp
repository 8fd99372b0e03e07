#include "server/http/httpserver.h"

#include "server/http/guardedtcpserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSslServer>
#include <QTcpServer>

namespace PennibarServer {

namespace {

// Room for the request line and headers on top of the body limit.
constexpr qint64 kHeaderAllowance = 64 * 1024;

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    case QHttpServerRequest::Method::Connect:
        return "CONNECT";
    case QHttpServerRequest::Method::Trace:
        return "TRACE";
    default:
        return "UNKNOWN";
    }
}

} // namespace

HttpServer::HttpServer(const Router& router, AccessLog& accessLog, Options options, QObject* parent)
    : QAbstractHttpServer(parent), m_router(router), m_accessLog(accessLog), m_options(options)
{
}

quint16 HttpServer::start(const QHostAddress& address, quint16 port,
                          const std::optional<QSslConfiguration>& tls, QString* error)
{
    const qint64 maxRequest = m_options.maxBodyBytes + kHeaderAllowance;
    QTcpServer* server = nullptr;
    if (tls) {
        auto* sslServer =
            new GuardedTcpServer<QSslServer>(maxRequest, m_options.idleTimeoutMs, this);
        sslServer->setSslConfiguration(*tls);
        server = sslServer;
    } else {
        server = new GuardedTcpServer<QTcpServer>(maxRequest, m_options.idleTimeoutMs, this);
    }
    if (!server->listen(address, port)) {
        *error = server->errorString();
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

bool HttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray method = methodName(request.method());
    const QString path = request.url().path(QUrl::FullyDecoded);
    HttpResponse response;
    if (request.body().size() > m_options.maxBodyBytes) {
        response = HttpResponse::error(413, Router::tr("Request too large."));
    } else {
        const HttpRequest ours(method, path.isEmpty() ? QStringLiteral("/") : path, request.query(),
                               request.headers(), request.body(), clientAddress(request));
        response = m_router.dispatch(ours);
    }
    send(request, socket, method == "HEAD", response);
    m_accessLog.record(method, path, response.status(), timer.elapsed(), response.logUser());
    return true;
}

void HttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    send(request, socket, false, HttpResponse::error(404, Router::tr("Not found.")));
}

QString HttpServer::clientAddress(const QHttpServerRequest& request) const
{
    if (m_options.trustForwardedFor) {
        // The proxy in front appends the address it saw; earlier entries are the client's word.
        const QByteArray forwarded = request.value("X-Forwarded-For");
        const QByteArray last = forwarded.split(',').last().trimmed();
        const QHostAddress address(QString::fromLatin1(last));
        if (!address.isNull())
            return address.toString();
    }
    QHostAddress peer = request.remoteAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&isIpv4);
    if (isIpv4)
        peer = QHostAddress(ipv4);
    return peer.toString();
}

void HttpServer::send(const QHttpServerRequest& request, QTcpSocket* socket, bool headOnly,
                      const HttpResponse& response)
{
    if (RequestSizeGuard* guard = RequestSizeGuard::of(socket))
        guard->requestAnswered();
    QHttpServerResponder responder = makeResponder(request, socket);
    const auto status = QHttpServerResponder::StatusCode(response.status());
    if (!response.filePath().isEmpty() && !headOnly) {
        auto* file = new QFile(response.filePath());
        if (file->open(QIODevice::ReadOnly)) {
            // Qt streams the file in chunks as the socket drains.
            responder.write(file,
                            {{"Content-Type", response.header("Content-Type")},
                             {"Cache-Control", response.header("Cache-Control")},
                             {"X-Content-Type-Options", "nosniff"}},
                            status);
            return;
        }
        delete file;
    }
    responder.writeStatusLine(status);
    for (const auto& [name, value] : response.headers())
        responder.writeHeader(name, value);
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    const qint64 length = response.filePath().isEmpty() ? response.body().size()
                                                        : QFileInfo(response.filePath()).size();
    responder.writeHeader("Content-Length", QByteArray::number(length));
    responder.writeBody(headOnly ? QByteArray() : response.body());
}

} // namespace PennibarServer
