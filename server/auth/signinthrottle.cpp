#include "server/auth/signinthrottle.h"

#include "server/auth/throttle.h"
#include "server/core/clock.h"

namespace PennibarServer {

namespace {

constexpr qint64 kWindow = 15 * 60;
constexpr int kFailuresPerAccountAndAddress = 10;
constexpr int kFailuresPerAddress = 50;
constexpr int kFailuresOfAnAccountUnderAttack = 10;
constexpr qint64 kFirstPause = 15;

QString accountKey(const QString& email)
{
    return QStringLiteral("account:") + email;
}

QString addressKey(const QString& address)
{
    return QStringLiteral("address:") + address;
}

QString pairKey(const QString& email, const QString& address)
{
    return QStringLiteral("account-address:") + email + QLatin1Char(' ') + address;
}

} // namespace

qint64 SignInThrottle::waitFor(const QString& email, const QString& address)
{
    const QString pair = pairKey(email, address);
    qint64 wait = qMax(m_throttle.waitFor(pair, kFailuresPerAccountAndAddress, kWindow),
                       m_throttle.waitFor(addressKey(address), kFailuresPerAddress, kWindow));
    if (m_throttle.recent(accountKey(email), kWindow).count < kFailuresOfAnAccountUnderAttack)
        return wait;
    const Throttle::Attempts own = m_throttle.recent(pair, kWindow);
    if (own.count == 0)
        return wait;
    const qint64 pause = qMin(kFirstPause << qMin(own.count - 1, 16), kWindow);
    return qMax(wait, own.latestAt + pause - m_clock.now());
}

void SignInThrottle::recordFailure(const QString& email, const QString& address)
{
    m_throttle.record(pairKey(email, address));
    m_throttle.record(accountKey(email));
    m_throttle.record(addressKey(address));
}

void SignInThrottle::recordSuccess(const QString& email, const QString& address)
{
    m_throttle.clear(pairKey(email, address));
}

} // namespace PennibarServer
