#pragma once

#include "server/auth/authcontext.h"
#include "server/http/router.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace PennibarServer {

class Clock;
class Database;
class SessionStore;
class TokenSigner;

// Turns "Authorization: Bearer <access token>" into the caller. Beyond the token's signature and
// expiry, its session must still be live and its user neither disabled nor awaiting deletion, so
// a logout, a revoked session or a disabled user takes effect at once, not when the token expires.
class Authenticator
{
    Q_DECLARE_TR_FUNCTIONS(Authenticator)

public:
    using Handler = std::function<HttpResponse(const HttpRequest&, const AuthContext&,
                                               const QStringList& captures)>;

    Authenticator(Database& database, const TokenSigner& signer, SessionStore& sessions,
                  const Clock& clock);

    enum class Verdict
    {
        Authenticated,
        Refused,     // no token, a bad one, or its session or user no longer live
        Unavailable, // the session could not be looked up (the database is out of reach)
    };
    // Fills `context` when authenticated.
    Verdict authenticate(const HttpRequest& request, AuthContext* context);
    // A route handler that answers 401 unless the request is authenticated (503 while its
    // session cannot be checked: the app keeps its sign-in and tries again), and names the user
    // in the access log.
    Router::Handler guard(Handler handler);

private:
    Database& m_database;
    const TokenSigner& m_signer;
    SessionStore& m_sessions;
    const Clock& m_clock;
};

} // namespace PennibarServer
