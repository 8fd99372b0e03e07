#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace TovAccount {

class TokenStore;

enum class RefreshResult
{
    // A new token pair is kept.
    Success,
    // The auth server refused the refresh token, or there was nothing to refresh with.
    Rejected,
    // No answer or a server error: the tokens stay and may work later.
    TransientFailure,
};

// Holds the signed-in user's token pair, decides from the token's own expiry whether it may
// still be sent, and runs at most one refresh at a time for everyone who needs a fresh token.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshWaiter = std::function<void(RefreshResult)>;
    using RefreshSucceeded = std::function<void(const QString& access, const QString& refresh)>;
    using RefreshFailed = std::function<void(bool permanent)>;
    // Sends the refresh request and reports through exactly one of the two callbacks.
    using RefreshFunction =
        std::function<void(const QString& refreshToken, RefreshSucceeded, RefreshFailed)>;

    // Takes ownership of the store.
    explicit TokenManager(TokenStore* store, QObject* parent = nullptr);
    ~TokenManager() override;

    void loadFromStore();
    // A new sign-in: keeps the pair and writes both to the store.
    void setTokens(const QString& access, const QString& refresh);
    // Signs out: forgets the pair in memory and in the store.
    void clear();

    // The access token while it stays valid for more than 30 seconds, else empty.
    QString accessToken() const;
    QString storedRefreshToken() const;
    // True when a request must refresh before it can carry a token.
    bool needsRefresh() const;

    // Calls `callback` once the refresh in flight, or a new one, ends.
    void refresh(RefreshWaiter callback);
    void setRefreshCallback(RefreshFunction function);

private:
    static bool isUsable(const QString& token);
    void keepTokens(const QString& access, const QString& refresh);
    void onRefreshSucceeded(quint64 session, const QString& access, const QString& refresh);
    void finishRefresh(quint64 session, RefreshResult result);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;
    // Changes with every sign-in and sign-out, so that a refresh started before either cannot
    // bring the old session back when its answer arrives.
    quint64 m_session = 0;

    // Guards the in-flight flag and the waiters; never held while a callback runs.
    QMutex m_mutex;
    bool m_refreshInFlight = false;
    QList<RefreshWaiter> m_waiters;
};

} // namespace TovAccount
