#include "server/http/connectionlimits.h"

namespace PennibarServer {

QByteArray ConnectionLimits::addressKey(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    if (isIpv4)
        return "4:" + QByteArray::number(ipv4);
    const Q_IPV6ADDR ipv6 = address.toIPv6Address();
    return "6:" + QByteArray(reinterpret_cast<const char*>(ipv6.c), 8);
}

bool ConnectionLimits::addressIsFull(const QByteArray& key) const
{
    return m_perAddress > 0 && m_perKey.value(key) >= m_perAddress;
}

void ConnectionLimits::add(const QByteArray& key)
{
    ++m_count;
    ++m_perKey[key];
}

void ConnectionLimits::remove(const QByteArray& key)
{
    --m_count;
    if (--m_perKey[key] <= 0)
        m_perKey.remove(key);
}

} // namespace PennibarServer
