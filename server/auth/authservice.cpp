#include "server/auth/authservice.h"

#include "server/auth/passwordhasher.h"
#include "server/auth/pkce.h"
#include "server/auth/sessionstore.h"
#include "server/auth/throttle.h"
#include "server/auth/tokensigner.h"
#include "server/auth/userstore.h"
#include "server/core/clock.h"

namespace PennibarServer {

namespace {

constexpr qint64 kPasswordChangeWindow = 15 * 60;
constexpr int kPasswordChangeFailures = 10;
constexpr qint64 kSignUpWindow = 3600;
constexpr int kSignUpsPerAddress = 10;

} // namespace

AuthService::AuthService(UserStore& users, SessionStore& sessions, AuthorizationCodeStore& codes,
                         Throttle& throttle, const TokenSigner& signer,
                         const PasswordHasher& hasher, const Clock& clock, Lifetimes lifetimes)
    : m_users(users), m_sessions(sessions), m_codes(codes), m_throttle(throttle),
      m_signInThrottle(throttle, clock), m_signer(signer), m_hasher(hasher), m_clock(clock),
      m_lifetimes(lifetimes)
{
}

void AuthService::setRoleProvider(std::function<QString(const QString&)> roleOf)
{
    m_roleOf = std::move(roleOf);
}

bool AuthService::isAcceptablePassword(const QString& password)
{
    return password.size() >= PasswordHasher::kMinimumLength &&
           password.size() <= PasswordHasher::kMaximumLength;
}

QString AuthService::accessToken(const Session& session) const
{
    AccessClaims claims;
    claims.userId = session.userId;
    claims.sessionId = session.id;
    claims.role = m_roleOf ? m_roleOf(session.userId) : QString();
    claims.issuedAt = m_clock.now();
    claims.expiresAt = claims.issuedAt + m_lifetimes.accessSeconds;
    return m_signer.sign(claims);
}

std::optional<QString> AuthService::startSession(const QString& userId, const Caller& caller,
                                                 TokenPair* tokens)
{
    Session session;
    session.userId = userId;
    session.userAgent = caller.userAgent;
    session.ipAddress = caller.address;
    session.createdAt = session.lastActiveAt = m_clock.now();
    session.expiresAt = session.createdAt + m_lifetimes.sessionSeconds;
    if (!m_sessions.create(&session, &tokens->refreshToken))
        return std::nullopt;
    qInfo("User %s signed in (session %s)", qPrintable(userId), qPrintable(session.id));
    tokens->accessToken = accessToken(session);
    tokens->expiresIn = m_lifetimes.accessSeconds;
    return session.id;
}

AuthService::Outcome AuthService::signIn(const QString& emailText, const QString& password,
                                         const Caller& caller, QString* userId, qint64* retryAfter)
{
    const QString email = User::normalizedEmail(emailText).value_or(emailText.trimmed());
    *retryAfter = m_signInThrottle.waitFor(email, caller.address);
    if (*retryAfter > 0)
        return Outcome::Throttled;
    const auto user = m_users.byEmail(email);
    const bool valid = user ? m_hasher.verify(user->passwordHash, password)
                            : (m_hasher.verifyNothing(password), false);
    if (!valid) {
        m_signInThrottle.recordFailure(email, caller.address);
        return Outcome::WrongCredentials;
    }
    if (user->disabled)
        return Outcome::Disabled;
    m_signInThrottle.recordSuccess(email, caller.address);
    if (m_hasher.needsRehash(user->passwordHash)) {
        if (const auto rehashed = m_hasher.hash(password))
            m_users.setPasswordHash(user->id, *rehashed);
    }
    // Signing in before the deletion date keeps the account.
    if (user->deletionDueAt > 0 && !m_users.setDeletionDue(user->id, 0))
        return Outcome::Failed;
    *userId = user->id;
    return Outcome::Ok;
}

AuthService::Outcome AuthService::signUp(const QString& emailText, const QString& displayName,
                                         const QString& password, const Caller& caller,
                                         QString* userId, qint64* retryAfter)
{
    const auto email = User::normalizedEmail(emailText);
    if (!email)
        return Outcome::InvalidEmail;
    const auto name = User::normalizedDisplayName(displayName);
    if (!name)
        return Outcome::InvalidDisplayName;
    if (!isAcceptablePassword(password))
        return Outcome::WeakPassword;
    const QString signUps = QStringLiteral("signup:") + caller.address;
    *retryAfter = m_throttle.waitFor(signUps, kSignUpsPerAddress, kSignUpWindow);
    if (*retryAfter > 0)
        return Outcome::Throttled;
    m_throttle.record(signUps);
    const auto hash = m_hasher.hash(password);
    if (!hash)
        return Outcome::Failed;
    User user;
    switch (m_users.create(*email, *name, *hash, m_clock.now(), &user)) {
    case UserStore::CreateResult::Created:
        break;
    case UserStore::CreateResult::EmailTaken:
        return Outcome::EmailTaken;
    case UserStore::CreateResult::Failed:
        return Outcome::Failed;
    }
    *userId = user.id;
    return Outcome::Ok;
}

std::optional<QString> AuthService::issueCode(const QString& userId, const CodeRequest& request,
                                              const Caller& caller)
{
    AuthorizationGrant grant;
    grant.userId = userId;
    grant.clientId = request.clientId;
    grant.redirectUri = request.redirectUri;
    grant.codeChallenge = request.codeChallenge;
    grant.userAgent = caller.userAgent;
    grant.ipAddress = caller.address;
    grant.createdAt = m_clock.now();
    grant.expiresAt = grant.createdAt + kCodeLifetime;
    return m_codes.create(grant);
}

AuthService::Exchange AuthService::exchangeCode(const CodeExchange& exchange, TokenPair* tokens)
{
    const qint64 now = m_clock.now();
    AuthorizationGrant grant;
    QString firstSession;
    switch (m_codes.redeem(exchange.code, now, &grant, &firstSession)) {
    case AuthorizationCodeStore::Redemption::Redeemed:
        break;
    case AuthorizationCodeStore::Redemption::Reused:
        // Whoever presents a spent code may hold the tokens of its first use too.
        if (!firstSession.isEmpty()) {
            qWarning("A sign-in code was presented again; session %s revoked",
                     qPrintable(firstSession));
            m_sessions.revoke(firstSession, now);
        }
        return Exchange::Refused;
    case AuthorizationCodeStore::Redemption::Unknown:
        return Exchange::Refused;
    case AuthorizationCodeStore::Redemption::Failed:
        return Exchange::Failed;
    }
    // The code is spent now, so a wrong guess at the verifier cannot be followed by another.
    if (grant.clientId != exchange.clientId || grant.redirectUri != exchange.redirectUri ||
        !Pkce::matches(exchange.codeVerifier, grant.codeChallenge))
        return Exchange::Refused;
    const auto user = m_users.byId(grant.userId);
    if (!user)
        return Exchange::Failed;
    if (user->disabled || user->deletionDueAt > 0)
        return Exchange::Refused;
    const auto sessionId = startSession(user->id, {grant.userAgent, grant.ipAddress}, tokens);
    if (!sessionId)
        return Exchange::Failed;
    m_codes.recordSession(exchange.code, *sessionId);
    return Exchange::Granted;
}

AuthService::Refresh AuthService::refresh(const QString& refreshToken, TokenPair* tokens)
{
    const qint64 now = m_clock.now();
    Session session;
    switch (m_sessions.rotate(refreshToken, now, now + m_lifetimes.sessionSeconds, &session,
                              &tokens->refreshToken)) {
    case SessionStore::Rotation::Rotated:
        break;
    case SessionStore::Rotation::Reused:
        qWarning("A rotated refresh token was presented again; session %s of user %s revoked",
                 qPrintable(session.id), qPrintable(session.userId));
        return Refresh::Rejected;
    case SessionStore::Rotation::Unknown:
        return Refresh::Rejected;
    case SessionStore::Rotation::Failed:
        return Refresh::Failed;
    }
    const auto user = m_users.byId(session.userId);
    if (!user)
        return Refresh::Failed;
    if (user->disabled || user->deletionDueAt > 0) {
        m_sessions.revoke(session.id, now);
        return Refresh::Rejected;
    }
    tokens->accessToken = accessToken(session);
    tokens->expiresIn = m_lifetimes.accessSeconds;
    return Refresh::Refreshed;
}

AuthService::Outcome AuthService::changePassword(const QString& userId, const QString& sessionId,
                                                 const QString& currentPassword,
                                                 const QString& newPassword, qint64* retryAfter)
{
    const auto user = m_users.byId(userId);
    if (!user)
        return Outcome::Failed;
    // Counted apart from sign-ins: only the holder of a session can fail here.
    const QString changes = QStringLiteral("password-change:") + userId;
    *retryAfter = m_throttle.waitFor(changes, kPasswordChangeFailures, kPasswordChangeWindow);
    if (*retryAfter > 0)
        return Outcome::Throttled;
    if (!m_hasher.verify(user->passwordHash, currentPassword)) {
        m_throttle.record(changes);
        return Outcome::WrongCredentials;
    }
    if (!isAcceptablePassword(newPassword))
        return Outcome::WeakPassword;
    const auto hash = m_hasher.hash(newPassword);
    if (!hash || !m_users.setPasswordHash(userId, *hash))
        return Outcome::Failed;
    // Whoever knew the old password is signed out everywhere else.
    m_sessions.revokeAll(userId, m_clock.now(), sessionId);
    return Outcome::Ok;
}

} // namespace PennibarServer
