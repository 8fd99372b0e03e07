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

std::optional<AuthContext> Authenticator::authenticate(const HttpRequest& request)
{
    const QByteArray header = request.header("authorization");
    if (!header.startsWith("Bearer "))
        return std::nullopt;
    const qint64 now = m_clock.now();
    const auto claims = m_signer.verify(QString::fromLatin1(header.mid(7).trimmed()), now);
    if (!claims)
        return std::nullopt;
    const auto rows = m_database.select(
        QStringLiteral("SELECT s.device_id, s.last_active_at FROM sessions s JOIN users u ON "
                       "u.id = s.user_id WHERE s.id = ? AND s.user_id = ? AND s.revoked_at IS "
                       "NULL AND s.expires_at > ? AND u.disabled = 0 AND u.deletion_due_at IS "
                       "NULL"),
        {claims->sessionId, claims->userId, now});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    if (now - rows->first().at(1).toLongLong() >= kTouchInterval)
        m_sessions.touch(claims->sessionId, now);
    return AuthContext{claims->userId, claims->sessionId, rows->first().at(0).toString()};
}

Router::Handler Authenticator::guard(Handler handler)
{
    return [this, handler = std::move(handler)](const HttpRequest& request,
                                                const QStringList& captures) {
        const auto context = authenticate(request);
        if (!context) {
            HttpResponse response = HttpResponse::error(401, tr("Sign in again."));
            response.setHeader("WWW-Authenticate", "Bearer");
            return response;
        }
        HttpResponse response = handler(request, *context, captures);
        response.setLogUser(context->userId);
        return response;
    };
}

} // namespace PennibarServer
