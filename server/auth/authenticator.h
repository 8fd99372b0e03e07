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

    std::optional<AuthContext> authenticate(const HttpRequest& request);
    // A route handler that answers 401 unless the request is authenticated, and names the user
    // in the access log.
    Router::Handler guard(Handler handler);

private:
    Database& m_database;
    const TokenSigner& m_signer;
    SessionStore& m_sessions;
    const Clock& m_clock;
};

} // namespace PennibarServer
