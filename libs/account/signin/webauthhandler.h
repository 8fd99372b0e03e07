#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace TovAccount {

// The one-shot HTTP listener on the loopback interface that the browser is sent back to at
// the end of sign-in. It answers the request for "/callback" with a page telling the user to
// return to the application, reports that request's URL once and stops listening; any other
// request (a favicon, a probe) gets a 404 and the listener keeps waiting.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    // Listens on 127.0.0.1, on the preferred port or else one the system picks, and returns
    // the redirect URI; empty when no port could be opened.
    QString start();
    QString redirectUri() const;
    quint16 port() const { return m_port; }

signals:
    void callbackReceived(const QUrl& url);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& response);

    QTcpServer* m_server;
    quint16 m_port = 0;
    bool m_callbackReceived = false;
};

} // namespace TovAccount
