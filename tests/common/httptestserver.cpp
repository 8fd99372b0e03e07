#include "tests/common/httptestserver.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray HeaderEnd = "\r\n\r\n";

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

// Parses the head and, once the whole body has arrived, the request; false while incomplete.
bool parseRequest(const QByteArray& buffer, HttpTestRequest* request, qsizetype* consumed)
{
    const qsizetype headEnd = buffer.indexOf(HeaderEnd);
    if (headEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() < 2)
        return false;
    request->method = requestLine.at(0);
    const QUrl target(QString::fromUtf8(requestLine.at(1)));
    request->path = target.path(QUrl::FullyDecoded);
    request->query = QUrlQuery(target);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request->headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                    lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype bodyLength = request->header("content-length").toLongLong();
    const qsizetype bodyStart = headEnd + HeaderEnd.size();
    if (buffer.size() < bodyStart + bodyLength)
        return false;
    request->body = buffer.mid(bodyStart, bodyLength);
    *consumed = bodyStart + bodyLength;
    return true;
}

} // namespace

QJsonObject HttpTestRequest::json() const
{
    return QJsonDocument::fromJson(body).object();
}

HttpTestReply HttpTestReply::json(int status, const QJsonObject& body)
{
    return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json");
}

HttpTestReply HttpTestReply::raw(int status, const QByteArray& body, const QByteArray& contentType)
{
    HttpTestReply reply;
    reply.status = status;
    reply.body = body;
    reply.headers.append({"Content-Type", contentType});
    return reply;
}

HttpTestReply HttpTestReply::redirect(const QUrl& location)
{
    HttpTestReply reply = raw(302, {});
    reply.headers.append({"Location", location.toEncoded()});
    return reply;
}

HttpTestReply HttpTestReply::dropped()
{
    HttpTestReply reply;
    reply.kind = Kind::Drop;
    return reply;
}

HttpTestReply HttpTestReply::silent()
{
    HttpTestReply reply;
    reply.kind = Kind::Silent;
    return reply;
}

HttpTestServer::HttpTestServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &HttpTestServer::onNewConnection);
}

bool HttpTestServer::listen()
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return false;
    m_port = m_server->serverPort();
    return true;
}

void HttpTestServer::close()
{
    m_server->close();
    for (QTcpSocket* socket : m_buffers.keys())
        socket->abort();
}

QUrl HttpTestServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

void HttpTestServer::setReply(const QByteArray& method, const QString& path,
                              const HttpTestReply& reply)
{
    setHandler(method, path, [reply](const HttpTestRequest&) { return reply; });
}

void HttpTestServer::setHandler(const QByteArray& method, const QString& path, Handler handler)
{
    m_handlers.insert({method, path}, std::move(handler));
}

void HttpTestServer::queueReply(const QByteArray& method, const QString& path,
                                const HttpTestReply& reply)
{
    m_queued[{method, path}].append(reply);
}

QList<HttpTestRequest> HttpTestServer::requestsTo(const QByteArray& method,
                                                  const QString& path) const
{
    QList<HttpTestRequest> matching;
    for (const HttpTestRequest& request : m_requests) {
        if (request.method == method && request.path == path)
            matching.append(request);
    }
    return matching;
}

bool HttpTestServer::waitForRequests(qsizetype count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_requests.size() >= count; }, timeoutMs);
}

void HttpTestServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpTestServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    HttpTestRequest request;
    qsizetype consumed = 0;
    if (!parseRequest(buffer, &request, &consumed))
        return;
    buffer.remove(0, consumed);
    m_requests.append(request);
    emit requestReceived(request);
    send(socket, replyFor(request));
}

HttpTestReply HttpTestServer::replyFor(const HttpTestRequest& request)
{
    const RouteKey key{request.method, request.path};
    if (auto queued = m_queued.find(key); queued != m_queued.end() && !queued->isEmpty())
        return queued->takeFirst();
    if (auto handler = m_handlers.constFind(key); handler != m_handlers.constEnd())
        return (*handler)(request);
    return HttpTestReply::json(404, {{QStringLiteral("error"), QStringLiteral("no such route")}});
}

void HttpTestServer::send(QTcpSocket* socket, const HttpTestReply& reply)
{
    switch (reply.kind) {
    case HttpTestReply::Kind::Silent:
        return;
    case HttpTestReply::Kind::Drop:
        socket->abort();
        return;
    case HttpTestReply::Kind::Answer:
        break;
    }
    QByteArray response =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    for (const auto& [name, value] : reply.headers)
        response += name + ": " + value + "\r\n";
    response += "Content-Length: " + QByteArray::number(reply.body.size()) +
                "\r\nConnection: close\r\n\r\n" + reply.body;
    socket->write(response);
    socket->disconnectFromHost();
}
