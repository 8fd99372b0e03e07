#pragma once

#include "libs/account/records/session.h"
#include "libs/account/records/user.h"
#include "libs/account/signin/authstate.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TovAccount {

class ApiClient;
class TokenManager;

// Holds whether the user is signed in: signs in through the system browser and a loopback
// listener, keeps the session alive by refreshing its tokens, signs out, and serves the
// user-account calls of the auth server's realm.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId,
               ApiClient* authApi, TokenManager* tokens, QObject* parent = nullptr);

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::Authenticated; }

    // Restores the sign-in state from the stored tokens at start-up.
    void initialize();
    // Opens the sign-in page in the browser; ends in loginSucceeded or loginFailed once the
    // browser has come back with this sign-in's code and the code was exchanged for tokens.
    void login();
    void logout();
    // Forces a token refresh; `done(true)` when new tokens are kept.
    void refreshToken(std::function<void(bool)> done);

    // The user's identifier from the access token; empty without a usable token.
    QString userId() const;
    // The user as last fetched; empty after sign-out.
    User currentUser() const { return m_user; }

    void fetchCurrentUser(std::function<void(const User&)> callback);
    void updateProfile(const QString& displayName, std::function<void(const User&)> callback);
    void changePassword(const QString& currentPassword, const QString& newPassword,
                        std::function<void(bool)> callback);
    void listSessions(std::function<void(const QList<Session>&)> callback);
    void revokeSession(const QString& sessionId);

signals:
    void stateChanged(TovAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    void logoutCompleted();

private:
    void setupRefreshCallback();
    void setState(AuthState state);
    // Forgets the session after the auth server refused its refresh token.
    void dropSession();
    void keepUserFromReply(bool ok, const QJsonObject& body,
                           const std::function<void(const User&)>& callback);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient* m_authApi;
    TokenManager* m_tokens;
    AuthState m_state = AuthState::Initial;
    User m_user;
};

} // namespace TovAccount
