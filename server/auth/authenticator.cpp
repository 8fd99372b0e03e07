#include "server/auth/authenticator.h"

#include "server/auth/sessionstore.h"
#include "server/auth/tokensigner.h"
#include "server/core/clock.h"
#include "server/storage/database.h"

namespace PennibarServer {

namespace {

// Session activity is written at most this often, not on every request.
constexpr qint64 kTouchInterval = 60;

} // namespace

Authenticator::Authenticator(Database& database, const TokenSigner& signer, SessionStore& sessions,
                             const Clock& clock)
    : m_database(database), m_signer(signer), m_sessions(sessions), m_clock(clock)
{
}

Authenticator::Verdict Authenticator::authenticate(const HttpRequest& request, AuthContext* context)
{
    const QByteArray header = request.header("authorization");
    if (!header.startsWith("Bearer "))
        return Verdict::Refused;
    const qint64 now = m_clock.now();
    const auto claims = m_signer.verify(QString::fromLatin1(header.mid(7).trimmed()), now);
    if (!claims)
        return Verdict::Refused;
    const auto rows = m_database.select(
        QStringLiteral("SELECT s.device_id, s.last_active_at FROM sessions s JOIN users u ON "
                       "u.id = s.user_id WHERE s.id = ? AND s.user_id = ? AND s.revoked_at IS "
                       "NULL AND s.expires_at > ? AND u.disabled = 0 AND u.deletion_due_at IS "
                       "NULL"),
        {claims->sessionId, claims->userId, now});
    if (!rows)
        return Verdict::Unavailable;
    if (rows->isEmpty())
        return Verdict::Refused;
    if (now - rows->first().at(1).toLongLong() >= kTouchInterval)
        m_sessions.touch(claims->sessionId, now);
    *context = AuthContext{claims->userId, claims->sessionId, rows->first().at(0).toString()};
    return Verdict::Authenticated;
}

Router::Handler Authenticator::guard(Handler handler)
{
    return [this, handler = std::move(handler)](const HttpRequest& request,
                                                const QStringList& captures) {
        AuthContext context;
        switch (authenticate(request, &context)) {
        case Verdict::Refused: {
            HttpResponse response = HttpResponse::error(401, tr("Sign in again."));
            response.setHeader("WWW-Authenticate", "Bearer");
            return response;
        }
        case Verdict::Unavailable: {
            HttpResponse response = HttpResponse::error(
                503, tr("The server cannot check your sign-in just now. Try again shortly."));
            response.setHeader("Retry-After", "5");
            return response;
        }
        case Verdict::Authenticated:
            break;
        }
        HttpResponse response = handler(request, context, captures);
        response.setLogUser(context.userId);
        return response;
    };
}

} // namespace PennibarServer
