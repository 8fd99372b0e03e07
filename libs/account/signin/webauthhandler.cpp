#include "libs/account/signin/webauthhandler.h"

#include "libs/account/accountlog.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace TovAccount {

namespace {

const QByteArray CompletionPage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2>"
    "<p>You can close this tab and return to the application.</p></body></html>";

const QByteArray NotFoundPage = "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\n"
                                "Content-Length: 10\r\nConnection: close\r\n\r\nNot found\n";

const QByteArray BadRequestPage = "HTTP/1.1 400 Bad Request\r\nContent-Type: text/plain\r\n"
                                  "Content-Length: 12\r\nConnection: close\r\n\r\nBad request\n";

// Longer than any browser's request line with two tokens in it; a client that sends more
// without ending its line is not a browser coming back from sign-in.
constexpr qint64 MaxRequestLineBytes = 64 * 1024;

struct RequestLine
{
    QString method;
    // The text between the first and the second space.
    QString target;
};

RequestLine parseRequestLine(const QByteArray& requestLine)
{
    const QString line = QString::fromUtf8(requestLine).trimmed();
    const qsizetype start = line.indexOf(QLatin1Char(' '));
    if (start < 0)
        return {line, {}};
    const qsizetype end = line.indexOf(QLatin1Char(' '), start + 1);
    return {line.left(start), end < 0 ? line.mid(start + 1) : line.mid(start + 1, end - start - 1)};
}

} // namespace

WebAuthHandler::WebAuthHandler(const QString& expectedState, QObject* parent)
    : QObject(parent), m_expectedState(expectedState), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::onNewConnection);
}

WebAuthHandler::~WebAuthHandler()
{
    if (m_server->isListening())
        m_server->close();
}

QString WebAuthHandler::start()
{
    if (!m_server->isListening() && !m_server->listen(QHostAddress::LocalHost, PreferredPort) &&
        !m_server->listen(QHostAddress::LocalHost, 0)) {
        qCWarning(lcAccount) << "WebAuthHandler: cannot listen on the loopback interface:"
                             << m_server->errorString();
        return {};
    }
    m_port = m_server->serverPort();
    return redirectUri();
}

QString WebAuthHandler::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

void WebAuthHandler::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void WebAuthHandler::onReadyRead(QTcpSocket* socket)
{
    if (!socket->canReadLine()) {
        // The request line arrives in pieces: wait for the rest, up to a sane length.
        if (socket->bytesAvailable() > MaxRequestLineBytes)
            socket->abort();
        return;
    }
    const RequestLine request = parseRequestLine(socket->readLine());
    socket->readAll(); // the headers: read, so that closing does not reset the connection
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    const QUrl url(
        QStringLiteral("http://localhost:%1%2").arg(QString::number(m_port), request.target),
        QUrl::TolerantMode);
    if (url.path() != QLatin1String("/callback")) {
        answer(socket, NotFoundPage);
        return;
    }
    if (request.method != QLatin1String("GET") || m_callbackReceived ||
        !carriesExpectedState(url)) {
        qCWarning(lcAccount) << "WebAuthHandler: refused a" << request.method
                             << "to /callback that does not belong to this sign-in";
        answer(socket, BadRequestPage);
        return;
    }
    answer(socket, CompletionPage);
    m_callbackReceived = true;
    emit callbackReceived(url);
    if (m_server->isListening())
        m_server->close();
}

bool WebAuthHandler::carriesExpectedState(const QUrl& url) const
{
    const QUrlQuery query(url);
    const QStringList states =
        query.allQueryItemValues(QStringLiteral("state"), QUrl::FullyDecoded);
    return !m_expectedState.isEmpty() && states == QStringList{m_expectedState};
}

void WebAuthHandler::answer(QTcpSocket* socket, const QByteArray& response)
{
    socket->write(response);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace TovAccount
