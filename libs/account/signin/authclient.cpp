#include "libs/account/signin/authclient.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/api/replies.h"
#include "libs/account/signin/signinattempt.h"
#include "libs/account/tokens/jwtclaims.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QDesktopServices>
#include <QPointer>

namespace TovAccount {

AuthClient::AuthClient(const QString& authBaseUrl, const QString& realmSlug,
                       const QString& clientId, ApiClient* authApi, TokenManager* tokens,
                       QObject* parent)
    : QObject(parent), m_authBaseUrl(authBaseUrl), m_realmSlug(realmSlug), m_clientId(clientId),
      m_authApi(authApi), m_tokens(tokens)
{
    setupRefreshCallback();
}

void AuthClient::initialize()
{
    m_tokens->loadFromStore();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::Authenticated);
        return;
    }
    if (m_tokens->storedRefreshToken().isEmpty()) {
        setState(AuthState::Unauthenticated);
        return;
    }
    const QPointer<AuthClient> self(this);
    m_tokens->refresh([this, self](RefreshResult result) {
        if (!self)
            return;
        // Offline at start-up, the stored refresh token keeps the user signed in.
        if (result == RefreshResult::Rejected)
            dropSession();
        else
            setState(AuthState::Authenticated);
    });
}

void AuthClient::login()
{
    auto* attempt = new SignInAttempt({m_authBaseUrl, m_realmSlug, m_clientId}, m_authApi, this);
    const QUrl page = attempt->start();
    if (page.isEmpty()) {
        emit loginFailed(QString::fromLatin1(SignInAttempt::NoListener));
        attempt->deleteLater();
        return;
    }
    connect(attempt, &SignInAttempt::succeeded, this,
            [this, attempt](const QString& access, const QString& refresh) {
                m_tokens->setTokens(access, refresh);
                setState(AuthState::Authenticated);
                emit loginSucceeded();
                attempt->deleteLater();
            });
    connect(attempt, &SignInAttempt::failed, this, [this, attempt](const QString& reason) {
        emit loginFailed(reason);
        attempt->deleteLater();
    });
    QDesktopServices::openUrl(page);
}

void AuthClient::logout()
{
    // Sent before the tokens go, so that it carries the session being ended.
    m_authApi->post(QStringLiteral("/auth/logout"), {}, {});
    m_tokens->clear();
    m_user = {};
    setState(AuthState::Unauthenticated);
    emit logoutCompleted();
}

void AuthClient::refreshToken(std::function<void(bool)> done)
{
    const QPointer<AuthClient> self(this);
    m_tokens->refresh([this, self, done = std::move(done)](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Rejected)
            dropSession();
        if (done)
            done(result == RefreshResult::Success);
    });
}

QString AuthClient::userId() const
{
    return JwtClaims::fromToken(m_tokens->accessToken()).subject;
}

void AuthClient::fetchCurrentUser(std::function<void(const User&)> callback)
{
    const QPointer<AuthClient> self(this);
    m_authApi->get(QStringLiteral("/users/me"), [this, self, callback = std::move(callback)](
                                                    bool ok, int, const QJsonObject& body) {
        if (self)
            keepUserFromReply(ok, body, callback);
    });
}

void AuthClient::updateProfile(const QString& displayName,
                               std::function<void(const User&)> callback)
{
    const QPointer<AuthClient> self(this);
    m_authApi->patch(
        QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
        [this, self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
            if (self)
                keepUserFromReply(ok, body, callback);
        });
}

void AuthClient::changePassword(const QString& currentPassword, const QString& newPassword,
                                std::function<void(bool)> callback)
{
    const QJsonObject body{{QStringLiteral("current_password"), currentPassword},
                           {QStringLiteral("new_password"), newPassword}};
    m_authApi->post(QStringLiteral("/users/me/password"), body, Replies::flag(std::move(callback)));
}

void AuthClient::listSessions(std::function<void(const QList<Session>&)> callback)
{
    m_authApi->get(QStringLiteral("/users/me/sessions"),
                   Replies::list<Session>("sessions", std::move(callback)));
}

void AuthClient::revokeSession(const QString& sessionId)
{
    m_authApi->del(QStringLiteral("/users/me/sessions/%1").arg(sessionId), {});
}

void AuthClient::setupRefreshCallback()
{
    m_tokens->setRefreshCallback([this](const QString& refreshToken,
                                        TokenManager::RefreshSucceeded succeeded,
                                        TokenManager::RefreshFailed failed) {
        m_authApi->postPublic(QStringLiteral("/auth/token/refresh"),
                              {{QStringLiteral("refresh_token"), refreshToken}},
                              [succeeded, failed](bool ok, int status, const QJsonObject& body) {
                                  if (ok) {
                                      succeeded(
                                          body.value(QLatin1String("access_token")).toString(),
                                          body.value(QLatin1String("refresh_token")).toString());
                                      return;
                                  }
                                  // Refused outright only when the server says so; no answer or a
                                  // server error may pass.
                                  failed(status >= 400 && status <= 499);
                              });
    });
}

void AuthClient::setState(AuthState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::dropSession()
{
    m_tokens->clear();
    m_user = {};
    setState(AuthState::Unauthenticated);
}

void AuthClient::keepUserFromReply(bool ok, const QJsonObject& body,
                                   const std::function<void(const User&)>& callback)
{
    if (ok)
        m_user = User::fromJson(body);
    if (callback)
        callback(m_user);
}

} // namespace TovAccount
