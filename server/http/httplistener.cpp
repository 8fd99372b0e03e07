#include "server/http/httplistener.h"

#include <QSocketNotifier>
#include <QSslSocket>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace PennibarServer {

namespace {

constexpr int kFirstPauseMs = 50;
constexpr int kLongestPauseMs = 1000;
// Connections accepted in one go before the event loop serves the others again.
constexpr int kAcceptsAtOnce = 64;

} // namespace

HttpListener::HttpListener(std::optional<QSslConfiguration> tls, QObject* parent)
    : QTcpServer(parent), m_tls(std::move(tls))
{
    m_resume.setSingleShot(true);
    connect(&m_resume, &QTimer::timeout, this, &HttpListener::resume);
    // Where QTcpServer accepts, it reports the errors it does not retry at once.
    connect(this, &QTcpServer::acceptError, this,
            [this](QAbstractSocket::SocketError) { pause(errorString()); });
}

bool HttpListener::open(const QHostAddress& address, quint16 port)
{
    if (!listen(address, port))
        return false;
#ifdef Q_OS_LINUX
    // QTcpServer takes a lack of descriptors (EMFILE) for a passing error and tries again as
    // soon as the event loop comes round, which it does at once: the listener stays readable
    // while the connection waits in the backlog. So it never accepts here; this does.
    pauseAccepting();
    m_notifier = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HttpListener::acceptWaiting);
#endif
    return true;
}

void HttpListener::acceptWaiting()
{
#ifdef Q_OS_LINUX
    for (int i = 0; i < kAcceptsAtOnce; ++i) {
        const int descriptor =
            ::accept4(int(socketDescriptor()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            incomingConnection(descriptor);
            continue;
        }
        switch (errno) {
        case EAGAIN:
            return;
        case EINTR:
        case ECONNABORTED:
        case EPROTO:
            // That one connection is gone; the next may be fine.
            continue;
        default:
            // EMFILE, ENFILE, ENOBUFS, ENOMEM: the shortage passes as connections close.
            pause(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
    }
#endif
}

void HttpListener::incomingConnection(qintptr descriptor)
{
    if (m_pauseMs > 0) {
        qInfo("Accepting connections again");
        m_pauseMs = 0;
    }
    QTcpSocket* socket = m_tls ? new QSslSocket : new QTcpSocket;
    if (!socket->setSocketDescriptor(descriptor)) {
        qWarning("Cannot take a connection over: %s", qPrintable(socket->errorString()));
        delete socket;
#ifdef Q_OS_UNIX
        ::close(int(descriptor));
#endif
        return;
    }
    if (auto* tlsSocket = qobject_cast<QSslSocket*>(socket)) {
        tlsSocket->setSslConfiguration(*m_tls);
        tlsSocket->startServerEncryption();
    }
    emit accepted(socket);
}

void HttpListener::pause(const QString& reason)
{
    if (m_pauseMs == 0)
        qWarning("Cannot accept connections (%s); trying again shortly", qPrintable(reason));
    m_pauseMs = qBound(kFirstPauseMs, m_pauseMs * 2, kLongestPauseMs);
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_resume.start(m_pauseMs);
}

void HttpListener::resume()
{
    if (m_notifier)
        m_notifier->setEnabled(true);
    else
        resumeAccepting();
}

} // namespace PennibarServer
