#pragma once

#include <QSslConfiguration>
#include <QTcpServer>
#include <QTimer>

#include <optional>

class QSocketNotifier;

namespace PennibarServer {

// Accepts connections and hands each one out as a socket at once (for TLS, one whose handshake
// has started), so that every connection counts against the server's caps and deadlines from
// its first moment. When accepting fails for want of file descriptors or memory, it waits a
// little before trying again, longer each time up to a second, instead of trying again at once
// for as long as the shortage lasts.
class HttpListener : public QTcpServer
{
    Q_OBJECT

public:
    HttpListener(std::optional<QSslConfiguration> tls, QObject* parent);

    // Listens on `address` and `port`; false with errorString() set when it cannot.
    bool open(const QHostAddress& address, quint16 port);

signals:
    // The receiver takes the socket over.
    void accepted(QTcpSocket* socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void acceptWaiting();
    void pause(const QString& reason);
    void resume();

    std::optional<QSslConfiguration> m_tls;
    // Set where the listener accepts by itself rather than through QTcpServer.
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_resume;
    int m_pauseMs = 0;
};

} // namespace PennibarServer
