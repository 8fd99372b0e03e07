#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>

namespace PennibarServer {

// Counts the connections the server holds, overall and per client address, against their caps.
class ConnectionLimits
{
public:
    // `perAddress` 0 means no cap per address.
    ConnectionLimits(int total, int perAddress) : m_total(total), m_perAddress(perAddress) {}

    // The address a connection counts against: an IPv4 address as it is, an IPv6 address by its
    // /64 network, all of which one client usually holds.
    static QByteArray addressKey(const QHostAddress& address);

    bool serverIsFull() const { return m_count >= m_total; }
    bool addressIsFull(const QByteArray& key) const;
    void add(const QByteArray& key);
    void remove(const QByteArray& key);
    int count() const { return m_count; }

private:
    int m_total;
    int m_perAddress;
    int m_count = 0;
    QHash<QByteArray, int> m_perKey;
};

} // namespace PennibarServer
