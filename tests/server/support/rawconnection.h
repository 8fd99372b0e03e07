#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QTcpSocket>

// One TCP connection to a server on 127.0.0.1 that a test writes by hand: malformed heads,
// bytes trickled one by one, connections held open. Waits run the event loop, so a server in
// the same thread keeps serving meanwhile.
class RawConnection
{
public:
    struct Response
    {
        int status = 0; // 0 when none came
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;

        QByteArray header(const QByteArray& name) const;
    };

    // Connects from `source`: another loopback address (127.0.0.2 and up) stands for another
    // client.
    explicit RawConnection(quint16 port, const QHostAddress& source = QHostAddress::LocalHost);

    bool waitForConnected(int timeoutMs = 5000);
    void send(const QByteArray& bytes);
    // Whether everything sent has left this process (or the connection closed), after waiting up
    // to `timeoutMs`.
    bool waitForSent(int timeoutMs);
    // The next whole response (its body as long as Content-Length says); status 0 when none
    // came within the time.
    Response nextResponse(int timeoutMs = 10000) { return readResponse(timeoutMs, true); }
    // The same for the answer to a HEAD request, which has no body whatever its length says.
    Response nextResponseToHead(int timeoutMs = 10000) { return readResponse(timeoutMs, false); }
    // Whether the server has closed the connection, after waiting up to `timeoutMs` for it.
    bool waitForClosed(int timeoutMs);
    bool isClosed() const { return m_closed; }
    void close() { m_socket.abort(); }

private:
    Response readResponse(int timeoutMs, bool hasBody);

    QTcpSocket m_socket;
    QByteArray m_received;
    bool m_closed = false;
};
