#include "tests/sync/support/faultproxy.h"

#include <QPointer>
#include <QTcpSocket>

namespace {

// The length of the first whole HTTP message in buffer, or -1 while it is incomplete.
qsizetype messageLength(const QByteArray& buffer)
{
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return -1;
    const QByteArray headers = buffer.left(headerEnd).toLower();
    if (headers.contains("transfer-encoding: chunked")) {
        const qsizetype end = buffer.indexOf("\r\n0\r\n\r\n", headerEnd);
        return end < 0 ? -1 : end + 7;
    }
    qsizetype bodyLength = 0;
    const qsizetype at = headers.indexOf("\r\ncontent-length:");
    if (at >= 0) {
        const qsizetype lineEnd = headers.indexOf("\r\n", at + 2);
        bodyLength =
            headers.mid(at + 17, lineEnd < 0 ? -1 : lineEnd - at - 17).trimmed().toLongLong();
    }
    const qsizetype total = headerEnd + 4 + bodyLength;
    return buffer.size() >= total ? total : -1;
}

} // namespace

// One device connection and its own connection to the server.
class FaultRelay : public QObject
{
public:
    FaultRelay(FaultProxy* proxy, QTcpSocket* client)
        : QObject(proxy), m_proxy(proxy), m_client(client)
    {
        client->setParent(this);
        connect(client, &QTcpSocket::readyRead, this, [this] {
            m_request += m_client->readAll();
            sendNextRequest();
        });
        connect(client, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    void sendNextRequest()
    {
        if (m_inFlight)
            return;
        const qsizetype length = messageLength(m_request);
        if (length < 0)
            return;
        const QByteArray request = m_request.left(length);
        m_request.remove(0, length);
        const FaultProxy::Kind kind = request.startsWith("POST /sync/push") ? FaultProxy::Kind::Push
                                      : request.startsWith("GET /sync/pull")
                                          ? FaultProxy::Kind::Pull
                                          : FaultProxy::Kind::Plain;
        QPointer<FaultRelay> self(this);
        m_fault = m_proxy->takeFault(kind); // may stop the server
        if (!self)
            return;
        m_inFlight = true;
        if (!m_upstream) {
            m_upstream = new QTcpSocket(this);
            connect(m_upstream, &QTcpSocket::readyRead, this, &FaultRelay::onResponseData);
            connect(m_upstream, &QTcpSocket::disconnected, this, &FaultRelay::dropClient);
            connect(m_upstream, &QTcpSocket::errorOccurred, this, &FaultRelay::dropClient);
            m_upstream->connectToHost(m_proxy->m_upstream.host(), m_proxy->m_upstream.port());
        }
        m_upstream->write(request);
    }

    void onResponseData()
    {
        m_response += m_upstream->readAll();
        const qsizetype length = messageLength(m_response);
        if (length < 0)
            return;
        const QByteArray response = m_response.left(length);
        m_response.remove(0, length);
        m_inFlight = false;
        switch (m_fault) {
        case FaultProxy::Fault::None:
            m_client->write(response);
            sendNextRequest();
            return;
        case FaultProxy::Fault::Answer500:
            m_client->write("HTTP/1.1 500 Internal Server Error\r\nContent-Type: "
                            "application/json\r\nContent-Length: 2\r\nConnection: close\r\n\r\n{}");
            break;
        case FaultProxy::Fault::Cut:
            m_client->write(response.left(response.size() / 2));
            break;
        }
        ++m_proxy->m_faultsDone;
        m_client->disconnectFromHost();
    }

    // The server went away: the device sees its connection closed.
    void dropClient()
    {
        if (m_inFlight || m_upstream->state() != QAbstractSocket::ConnectedState)
            m_client->disconnectFromHost();
    }

    FaultProxy* m_proxy;
    QTcpSocket* m_client;
    QTcpSocket* m_upstream = nullptr;
    QByteArray m_request;
    QByteArray m_response;
    bool m_inFlight = false;
    FaultProxy::Fault m_fault = FaultProxy::Fault::None;
};

FaultProxy::FaultProxy(const QUrl& upstream, QObject* parent)
    : QObject(parent), m_upstream(upstream)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* client = m_server.nextPendingConnection())
            new FaultRelay(this, client);
    });
}

QUrl FaultProxy::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

void FaultProxy::beforePush(int skip, std::function<void()> action)
{
    m_pushesBeforeAction = skip;
    m_beforePush = std::move(action);
}

FaultProxy::Fault FaultProxy::takeFault(Kind kind)
{
    if (kind == Kind::Push && m_beforePush && m_pushesBeforeAction-- == 0) {
        const std::function<void()> action = std::move(m_beforePush);
        m_beforePush = nullptr;
        ++m_faultsDone;
        action();
    }
    if (kind == Kind::Push && m_pushesBeforeFailure >= 0 && m_pushesBeforeFailure-- == 0)
        return Fault::Answer500;
    if (kind == Kind::Pull && m_pullsBeforeCut >= 0 && m_pullsBeforeCut-- == 0)
        return Fault::Cut;
    return Fault::None;
}
