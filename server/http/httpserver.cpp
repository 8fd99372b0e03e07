#include "server/http/httpserver.h"

#include "server/http/httplistener.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QUrl>

namespace PennibarServer {

namespace {

// Room for the request line and headers.
constexpr qsizetype kMaxHeadBytes = 64 * 1024;
// A body at least this large leaves enough behind in the heap to be worth trimming.
constexpr qint64 kLargeBodyBytes = 256 * 1024;

} // namespace

HttpServer::HttpServer(RequestRunner& runner, AccessLog& accessLog, Options options,
                       QObject* parent)
    : QObject(parent), m_runner(runner), m_accessLog(accessLog),
      m_options(options), m_connectionSettings{{kMaxHeadBytes, options.maxBodyBytes},
                                               options.headTimeoutMs,
                                               options.bodyTimeoutMs,
                                               options.idleTimeoutMs},
      m_budget(options.maxBodyBytesTotal),
      // Behind a proxy every connection comes from the proxy: a cap per address would cap all.
      m_limits(options.maxConnections,
               options.trustForwardedFor ? 0 : options.maxConnectionsPerAddress)
{
    HeapTrimmer::returnLargeBlocksAtOnce();
}

quint16 HttpServer::start(const QHostAddress& address, quint16 port,
                          const std::optional<QSslConfiguration>& tls, QString* error)
{
    auto* listener = new HttpListener(tls, this);
    if (!listener->open(address, port)) {
        *error = listener->errorString();
        delete listener;
        return 0;
    }
    connect(listener, &HttpListener::accepted, this, &HttpServer::onAccepted);
    return listener->serverPort();
}

void HttpServer::onAccepted(QTcpSocket* socket)
{
    auto* connection = new HttpConnection(socket, m_connectionSettings, m_budget, this);
    connect(connection, &HttpConnection::finished, this, &HttpServer::onFinished);
    // Turned away at once, the connection counts against nothing while it closes, and leaves
    // no access-log line: it made no request.
    const QByteArray key = ConnectionLimits::addressKey(socket->peerAddress());
    if (m_limits.addressIsFull(key)) {
        connection->refuse(HttpResponse::error(429, tr("Too many connections from your address.")));
        return;
    }
    if (m_limits.serverIsFull() && !makeRoom()) {
        HttpResponse busy =
            HttpResponse::error(503, tr("The server is busy just now. Please try again shortly."));
        busy.setHeader("Retry-After", "5");
        connection->refuse(busy);
        return;
    }
    m_limits.add(key);
    m_connections.insert(connection, key);
    connect(connection, &HttpConnection::requestReceived, this, &HttpServer::onRequestReceived);
    connect(connection, &HttpConnection::refused, this, &HttpServer::onRefused);
}

bool HttpServer::makeRoom()
{
    HttpConnection* longest = nullptr;
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it) {
        if (it.key()->isWaiting() && (!longest || it.key()->waitingMs() > longest->waitingMs()))
            longest = it.key();
    }
    if (!longest)
        return false;
    longest->drop();
    return true;
}

void HttpServer::onRequestReceived(HttpConnection* connection)
{
    HttpConnection::Received received = connection->takeRequest();
    const QByteArray method = received.head.method;
    const QUrl url = QUrl::fromEncoded(received.head.target);
    const QString decodedPath = url.path(QUrl::FullyDecoded);
    const QString path = decodedPath.isEmpty() ? QStringLiteral("/") : decodedPath;
    const bool largeBody = received.body.size() >= kLargeBodyBytes;
    HttpRequest request(method, path, QUrlQuery(url), received.head.headers,
                        std::move(received.body),
                        clientAddress(received.head, *connection->socket()));
    // The body keeps its room in the budget until the handler is done with it.
    auto reservation =
        std::make_shared<std::optional<BodyBudget::Reservation>>(std::move(received.reservation));
    QElapsedTimer timer;
    timer.start();
    m_runner.run(std::move(request), this,
                 [this, target = QPointer<HttpConnection>(connection), method, path, timer,
                  reservation, largeBody](const HttpResponse& response) {
                     reservation->reset();
                     if (target)
                         target->respond(response, method == "HEAD");
                     m_accessLog.record(method, path, response.status(), timer.elapsed(),
                                        response.logUser());
                     if (largeBody)
                         m_trimmer.trimSoon();
                 });
}

void HttpServer::onRefused(HttpConnection* connection, int status)
{
    const RequestHead* head = connection->head();
    const QString path =
        head ? QUrl::fromEncoded(head->target).path(QUrl::FullyDecoded) : QStringLiteral("-");
    m_accessLog.record(head ? head->method : QByteArray("-"), path, status, 0, QString());
}

void HttpServer::onFinished(HttpConnection* connection)
{
    const auto counted = m_connections.constFind(connection);
    if (counted != m_connections.cend()) {
        m_limits.remove(*counted);
        m_connections.erase(counted);
    }
    connection->deleteLater();
    m_trimmer.trimSoon();
}

QString HttpServer::clientAddress(const RequestHead& head, const QTcpSocket& socket) const
{
    if (m_options.trustForwardedFor) {
        // The proxy in front appends the address it saw; earlier entries are the client's word.
        QByteArray forwarded;
        for (const auto& [name, value] : head.headers) {
            if (name.compare("x-forwarded-for", Qt::CaseInsensitive) == 0)
                forwarded = value;
        }
        const QHostAddress address(QString::fromLatin1(forwarded.split(',').last().trimmed()));
        if (!address.isNull())
            return address.toString();
    }
    QHostAddress peer = socket.peerAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&isIpv4);
    if (isIpv4)
        peer = QHostAddress(ipv4);
    return peer.toString();
}

} // namespace PennibarServer
