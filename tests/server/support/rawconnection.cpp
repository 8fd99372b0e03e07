#include "tests/server/support/rawconnection.h"

#include <QTest>

QByteArray RawConnection::Response::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

RawConnection::RawConnection(quint16 port, const QHostAddress& source)
{
    QObject::connect(&m_socket, &QTcpSocket::readyRead, &m_socket,
                     [this] { m_received += m_socket.readAll(); });
    QObject::connect(&m_socket, &QTcpSocket::disconnected, &m_socket, [this] { m_closed = true; });
    QObject::connect(&m_socket, &QTcpSocket::errorOccurred, &m_socket, [this] {
        m_received += m_socket.readAll();
        m_closed = m_socket.state() != QAbstractSocket::ConnectedState;
    });
    if (source != QHostAddress::LocalHost)
        m_socket.bind(source);
    m_socket.connectToHost(QHostAddress::LocalHost, port);
}

bool RawConnection::waitForConnected(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; },
                           timeoutMs);
}

void RawConnection::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
}

bool RawConnection::waitForSent(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_closed || m_socket.bytesToWrite() == 0; }, timeoutMs);
}

RawConnection::Response RawConnection::readResponse(int timeoutMs, bool hasBody)
{
    Response response;
    qsizetype headEnd = -1;
    qint64 length = 0;
    const bool whole = QTest::qWaitFor(
        [&] {
            headEnd = m_received.indexOf("\r\n\r\n");
            if (headEnd < 0)
                return false;
            length = 0;
            for (const QByteArray& line : m_received.left(headEnd).split('\n')) {
                if (hasBody && line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            }
            return m_received.size() >= headEnd + 4 + length;
        },
        timeoutMs);
    if (!whole)
        return response;
    const QList<QByteArray> lines = m_received.left(headEnd).split('\n');
    response.status = lines.first().split(' ').value(1).toInt();
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        response.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    response.body = m_received.mid(headEnd + 4, length);
    m_received.remove(0, headEnd + 4 + length);
    return response;
}

bool RawConnection::waitForClosed(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_closed; }, timeoutMs);
}
