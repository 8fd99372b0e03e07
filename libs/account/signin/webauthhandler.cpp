#include "libs/account/signin/webauthhandler.h"

#include "libs/account/accountlog.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace TovAccount {

namespace {

const QByteArray CompletionPage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2>"
    "<p>You can close this tab and return to the application.</p></body></html>";

const QByteArray NotFoundPage = "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\n"
                                "Content-Length: 10\r\nConnection: close\r\n\r\nNot found\n";

// Longer than any browser's request line with two tokens in it; a client that sends more
// without ending its line is not a browser coming back from sign-in.
constexpr qint64 MaxRequestLineBytes = 64 * 1024;

// The request target: the text between the first and the second space of the request line.
QString requestTarget(const QByteArray& requestLine)
{
    const QString line = QString::fromUtf8(requestLine).trimmed();
    const qsizetype start = line.indexOf(QLatin1Char(' '));
    if (start < 0)
        return {};
    const qsizetype end = line.indexOf(QLatin1Char(' '), start + 1);
    return end < 0 ? line.mid(start + 1) : line.mid(start + 1, end - start - 1);
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
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
    const QString target = requestTarget(socket->readLine());
    socket->readAll(); // the headers: read, so that closing does not reset the connection
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    const QUrl url(QStringLiteral("http://localhost:%1%2").arg(QString::number(m_port), target),
                   QUrl::TolerantMode);
    if (url.path() != QLatin1String("/callback")) {
        answer(socket, NotFoundPage);
        return;
    }
    answer(socket, CompletionPage);
    if (m_callbackReceived)
        return;
    m_callbackReceived = true;
    emit callbackReceived(url);
    if (m_server->isListening())
        m_server->close();
}

void WebAuthHandler::answer(QTcpSocket* socket, const QByteArray& response)
{
    socket->write(response);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace TovAccount
