#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace TovAccount {

// The one-shot HTTP listener on the loopback interface that the browser is sent back to at
// the end of sign-in. Only a GET of "/callback" carrying the state of this sign-in counts: it
// gets a page telling the user to return to the application, its URL is reported once and the
// listener stops. Anything else, from the browser (a favicon) or from a web page trying to slip
// its own sign-in in, gets a plain 404 or 400 and the listener keeps waiting.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;

    // `expectedState` is the state the sign-in link carries.
    explicit WebAuthHandler(const QString& expectedState, QObject* parent = nullptr);
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
    bool carriesExpectedState(const QUrl& url) const;

    QString m_expectedState;
    QTcpServer* m_server;
    quint16 m_port = 0;
    bool m_callbackReceived = false;
};

} // namespace TovAccount
