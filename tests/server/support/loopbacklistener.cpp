#include "tests/server/support/loopbacklistener.h"

#include <QTcpSocket>
#include <QTest>

LoopbackListener::LoopbackListener()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        QTcpSocket* socket = m_server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            const QByteArray target = request.split(' ').value(1);
            m_received = QUrl(QStringLiteral("http://localhost:%1").arg(m_server.serverPort()) +
                              QString::fromUtf8(target));
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
            socket->disconnectFromHost();
        });
    });
}

QString LoopbackListener::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_server.serverPort());
}

QUrl LoopbackListener::waitForCallback(int timeoutMs)
{
    if (!QTest::qWaitFor([this] { return m_received.isValid(); }, timeoutMs))
        return QUrl();
    return m_received;
}
