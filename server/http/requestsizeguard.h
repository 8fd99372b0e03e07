#pragma once

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace PennibarServer {

// Watches one connection before Qt's request parser sees its bytes. The parser keeps a whole body
// in memory, so a request that grows past the limit is answered 413 and the connection dropped
// while it is still small. A connection idle for too long is dropped as well.
class RequestSizeGuard : public QObject
{
    Q_OBJECT

public:
    RequestSizeGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleTimeoutMs);

    // The guard of a socket, or null.
    static RequestSizeGuard* of(QTcpSocket* socket);
    // A response went out: the next request starts counting from zero.
    void requestAnswered() { m_received = 0; }

private:
    void onReadyRead();

    QTcpSocket* m_socket;
    qint64 m_maxRequestBytes;
    qint64 m_received = 0;
    QTimer m_idleTimer;
};

} // namespace PennibarServer
