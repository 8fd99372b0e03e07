#pragma once

#include "server/auth/session.h"
#include "server/auth/tokenpair.h"

#include <QString>

#include <functional>

namespace PennibarServer {

class Clock;
class PasswordHasher;
class SessionStore;
class Throttle;
class TokenSigner;
class UserStore;

// Sign-in, sign-up, token refresh and password rules of the realm. Failed password checks are
// throttled per account and per address; a successful sign-in cancels a scheduled deletion.
class AuthService
{
public:
    struct Lifetimes
    {
        qint64 accessSeconds = 15 * 60;
        qint64 sessionSeconds = 60 * 24 * 3600;
    };

    // Who is signing in, as the request shows it.
    struct Caller
    {
        QString userAgent;
        QString address;
    };

    enum class Outcome
    {
        Ok,
        WrongCredentials,
        Disabled,
        Throttled,
        EmailTaken,
        InvalidEmail,
        InvalidDisplayName,
        WeakPassword,
        Failed
    };

    AuthService(UserStore& users, SessionStore& sessions, Throttle& throttle,
                const TokenSigner& signer, const PasswordHasher& hasher, const Clock& clock,
                Lifetimes lifetimes);

    // The family-group role that access tokens carry for a user.
    void setRoleProvider(std::function<QString(const QString& userId)> roleOf);

    Outcome signIn(const QString& email, const QString& password, const Caller& caller,
                   TokenPair* tokens, qint64* retryAfter);
    Outcome signUp(const QString& email, const QString& displayName, const QString& password,
                   const Caller& caller, TokenPair* tokens, qint64* retryAfter);

    enum class Refresh
    {
        Refreshed,
        Rejected,
        Failed
    };
    Refresh refresh(const QString& refreshToken, TokenPair* tokens);

    Outcome changePassword(const QString& userId, const QString& sessionId,
                           const QString& currentPassword, const QString& newPassword,
                           qint64* retryAfter);
    static bool isAcceptablePassword(const QString& password);

private:
    bool startSession(const QString& userId, const Caller& caller, TokenPair* tokens);
    QString accessToken(const Session& session) const;
    qint64 throttled(const QString& email, const QString& address);
    void recordFailure(const QString& email, const QString& address);

    UserStore& m_users;
    SessionStore& m_sessions;
    Throttle& m_throttle;
    const TokenSigner& m_signer;
    const PasswordHasher& m_hasher;
    const Clock& m_clock;
    Lifetimes m_lifetimes;
    std::function<QString(const QString&)> m_roleOf;
};

} // namespace PennibarServer
