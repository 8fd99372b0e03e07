#pragma once

#include "server/http/requestsizeguard.h"

#include <QTcpSocket>

namespace PennibarServer {

// A QTcpServer or QSslServer that puts a RequestSizeGuard on every connection it hands out and
// sends small writes at once.
template <typename Base> class GuardedTcpServer : public Base
{
public:
    GuardedTcpServer(qint64 maxRequestBytes, int idleTimeoutMs, QObject* parent)
        : Base(parent), m_maxRequestBytes(maxRequestBytes), m_idleTimeoutMs(idleTimeoutMs)
    {
    }

    QTcpSocket* nextPendingConnection() override
    {
        QTcpSocket* socket = Base::nextPendingConnection();
        if (socket) {
            new RequestSizeGuard(socket, m_maxRequestBytes, m_idleTimeoutMs);
            // A response leaves in several writes; without this, Nagle's algorithm holds the
            // last one back until the client's delayed acknowledgement, some 40 ms.
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        }
        return socket;
    }

private:
    qint64 m_maxRequestBytes;
    int m_idleTimeoutMs;
};

} // namespace PennibarServer
