#include "server/http/requestsizeguard.h"

#include <QTcpSocket>

namespace PennibarServer {

RequestSizeGuard::RequestSizeGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleTimeoutMs)
    : QObject(socket), m_socket(socket), m_maxRequestBytes(maxRequestBytes)
{
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(idleTimeoutMs);
    connect(&m_idleTimer, &QTimer::timeout, socket, &QTcpSocket::abort);
    m_idleTimer.start();
    // Connected before the HTTP server connects its own reader, so this runs first.
    connect(socket, &QTcpSocket::readyRead, this, &RequestSizeGuard::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, &m_idleTimer, qOverload<>(&QTimer::start));
}

RequestSizeGuard* RequestSizeGuard::of(QTcpSocket* socket)
{
    return socket->findChild<RequestSizeGuard*>(QString(), Qt::FindDirectChildrenOnly);
}

void RequestSizeGuard::onReadyRead()
{
    m_idleTimer.start();
    m_received += m_socket->bytesAvailable();
    if (m_received <= m_maxRequestBytes)
        return;
    static const QByteArray body = "{\"error\":\"Request too large.\"}";
    m_socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\n"
                    "Connection: close\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\n\r\n" + body);
    m_socket->flush();
    m_socket->abort();
}

} // namespace PennibarServer
