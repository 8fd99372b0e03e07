#pragma once

#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <functional>

// An HTTP/1.1 relay on 127.0.0.1 between a device and the server that can break the next push
// or pull on request: requests and responses pass whole, one at a time per connection.
class FaultProxy : public QObject
{
    Q_OBJECT

public:
    explicit FaultProxy(const QUrl& upstream, QObject* parent = nullptr);

    QUrl baseUrl() const;
    // Where the following requests go, for a server restarted on another port.
    void setUpstream(const QUrl& upstream) { m_upstream = upstream; }

    // After `skip` more pushes, the next reaches the server but the device gets a 500 instead
    // of its answer.
    void failPush(int skip) { m_pushesBeforeFailure = skip; }
    // After `skip` more pulls, the next response is cut off half-way and its connection closed.
    void cutPull(int skip) { m_pullsBeforeCut = skip; }
    // After `skip` more pushes, runs the action before sending the next on.
    void beforePush(int skip, std::function<void()> action);
    // How many of the faults asked for were carried out.
    int faultsDone() const { return m_faultsDone; }

private:
    friend class FaultRelay;
    enum class Kind
    {
        Plain,
        Push,
        Pull
    };
    // The fault to apply to a request of that kind, consumed.
    enum class Fault
    {
        None,
        Answer500,
        Cut
    };
    Fault takeFault(Kind kind);

    QTcpServer m_server;
    QUrl m_upstream;
    int m_pushesBeforeFailure = -1;
    int m_pullsBeforeCut = -1;
    int m_pushesBeforeAction = -1;
    std::function<void()> m_beforePush;
    int m_faultsDone = 0;
};
