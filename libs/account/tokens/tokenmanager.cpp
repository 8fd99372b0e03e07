#include "libs/account/tokens/tokenmanager.h"

#include "libs/account/tokens/jwtclaims.h"
#include "libs/account/tokens/tokenstore.h"

#include <QDateTime>

#include <utility>

namespace TovAccount {

namespace {

// A token this close to its expiry could lapse on the way to the server.
constexpr qint64 ExpiryMarginSeconds = 30;

} // namespace

TokenManager::TokenManager(TokenStore* store, QObject* parent) : QObject(parent), m_store(store) {}

TokenManager::~TokenManager() = default;

void TokenManager::loadFromStore()
{
    m_accessToken = m_store->load(TokenStore::accessTokenKey()).value_or(QString());
    m_refreshToken = m_store->load(TokenStore::refreshTokenKey()).value_or(QString());
}

void TokenManager::setTokens(const QString& access, const QString& refresh)
{
    ++m_session;
    keepTokens(access, refresh);
}

void TokenManager::clear()
{
    ++m_session;
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
}

QString TokenManager::accessToken() const
{
    return isUsable(m_accessToken) ? m_accessToken : QString();
}

QString TokenManager::storedRefreshToken() const
{
    return m_refreshToken;
}

bool TokenManager::needsRefresh() const
{
    if (m_accessToken.isEmpty())
        return !m_refreshToken.isEmpty();
    return !isUsable(m_accessToken) && !m_refreshToken.isEmpty();
}

void TokenManager::refresh(RefreshWaiter callback)
{
    QMutexLocker lock(&m_mutex);
    if (callback)
        m_waiters.append(std::move(callback));
    if (m_refreshInFlight)
        return;

    if (m_refreshToken.isEmpty() || !m_refreshFunction) {
        const QList<RefreshWaiter> waiters = std::exchange(m_waiters, {});
        lock.unlock();
        for (const RefreshWaiter& waiter : waiters)
            waiter(RefreshResult::Rejected);
        return;
    }

    m_refreshInFlight = true;
    const QString refreshToken = m_refreshToken;
    const quint64 session = m_session;
    lock.unlock();
    m_refreshFunction(
        refreshToken,
        [this, session](const QString& access, const QString& refresh) {
            onRefreshSucceeded(session, access, refresh);
        },
        [this, session](bool permanent) {
            finishRefresh(session,
                          permanent ? RefreshResult::Rejected : RefreshResult::TransientFailure);
        });
}

void TokenManager::setRefreshCallback(RefreshFunction function)
{
    m_refreshFunction = std::move(function);
}

bool TokenManager::isUsable(const QString& token)
{
    if (token.isEmpty())
        return false;
    const qint64 expiresAt = JwtClaims::fromToken(token).expiresAt;
    return expiresAt != 0 && QDateTime::currentSecsSinceEpoch() < expiresAt - ExpiryMarginSeconds;
}

void TokenManager::keepTokens(const QString& access, const QString& refresh)
{
    m_accessToken = access;
    m_refreshToken = refresh;
    m_store->save(TokenStore::accessTokenKey(), access);
    m_store->save(TokenStore::refreshTokenKey(), refresh);
}

void TokenManager::onRefreshSucceeded(quint64 session, const QString& access,
                                      const QString& refresh)
{
    if (session == m_session)
        keepTokens(access, refresh);
    finishRefresh(session, RefreshResult::Success);
}

void TokenManager::finishRefresh(quint64 session, RefreshResult result)
{
    // The user signed out or in while the answer was on its way: that answer belongs to a
    // session that is gone, and the waiters get what the current session can offer.
    if (session != m_session)
        result = isUsable(m_accessToken) ? RefreshResult::Success : RefreshResult::Rejected;

    QMutexLocker lock(&m_mutex);
    m_refreshInFlight = false;
    const QList<RefreshWaiter> waiters = std::exchange(m_waiters, {});
    lock.unlock();
    for (const RefreshWaiter& waiter : waiters)
        waiter(result);
}

} // namespace TovAccount
