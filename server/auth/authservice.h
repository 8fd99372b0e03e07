#pragma once

#include "server/auth/authorizationcodestore.h"
#include "server/auth/session.h"
#include "server/auth/signinthrottle.h"
#include "server/auth/tokenpair.h"

#include <QString>

#include <functional>
#include <optional>

namespace PennibarServer {

class Clock;
class PasswordHasher;
class SessionStore;
class Throttle;
class TokenSigner;
class UserStore;

// Sign-in, sign-up, token refresh and password rules of the realm. A browser sign-in ends in a
// code that the app which started it exchanges for a session (see AuthorizationCodeStore).
// Failed password checks are throttled (see SignInThrottle); a successful sign-in cancels a
// scheduled deletion.
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

    // How long a sign-in's code may wait for its exchange.
    static constexpr qint64 kCodeLifetime = 60;

    AuthService(UserStore& users, SessionStore& sessions, AuthorizationCodeStore& codes,
                Throttle& throttle, const TokenSigner& signer, const PasswordHasher& hasher,
                const Clock& clock, Lifetimes lifetimes);

    // The family-group role that access tokens carry for a user.
    void setRoleProvider(std::function<QString(const QString& userId)> roleOf);

    // Checks the password; on Ok, `userId` is the user's.
    Outcome signIn(const QString& email, const QString& password, const Caller& caller,
                   QString* userId, qint64* retryAfter);
    Outcome signUp(const QString& email, const QString& displayName, const QString& password,
                   const Caller& caller, QString* userId, qint64* retryAfter);

    // The app that asks for a sign-in: its client id, loopback redirect and PKCE challenge.
    struct CodeRequest
    {
        QString clientId;
        QString redirectUri;
        QString codeChallenge;
    };
    // A code for the signed-in user, for that app only; nothing when the database failed.
    std::optional<QString> issueCode(const QString& userId, const CodeRequest& request,
                                     const Caller& caller);
    // What the app presents with the code: the same client id and redirect, and the verifier.
    struct CodeExchange
    {
        QString code;
        QString codeVerifier;
        QString clientId;
        QString redirectUri;
    };
    enum class Exchange
    {
        Granted,
        Refused,
        Failed
    };
    Exchange exchangeCode(const CodeExchange& exchange, TokenPair* tokens);

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
    // The new session's id, or nothing when the database failed.
    std::optional<QString> startSession(const QString& userId, const Caller& caller,
                                        TokenPair* tokens);
    QString accessToken(const Session& session) const;

    UserStore& m_users;
    SessionStore& m_sessions;
    AuthorizationCodeStore& m_codes;
    Throttle& m_throttle;
    SignInThrottle m_signInThrottle;
    const TokenSigner& m_signer;
    const PasswordHasher& m_hasher;
    const Clock& m_clock;
    Lifetimes m_lifetimes;
    std::function<QString(const QString&)> m_roleOf;
};

} // namespace PennibarServer
