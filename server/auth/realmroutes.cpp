#include "server/auth/realmroutes.h"

#include "server/auth/authenticator.h"
#include "server/auth/authservice.h"
#include "server/auth/pkce.h"
#include "server/auth/sessionstore.h"
#include "server/auth/userstore.h"
#include "server/core/clock.h"
#include "server/http/jsonbody.h"

#include <QJsonArray>

namespace PennibarServer {

namespace {

// The token endpoint answers failures as OAuth 2.0 does (RFC 6749, section 5.2): an error code
// for programs and a description for people.
HttpResponse oauthError(const char* code, const QString& description)
{
    return HttpResponse::json(400, {{QStringLiteral("error"), QString::fromLatin1(code)},
                                    {QStringLiteral("error_description"), description}})
        .setHeader("Cache-Control", "no-store");
}

} // namespace

RealmRoutes::RealmRoutes(AuthService& auth, Authenticator& authenticator, UserStore& users,
                         SessionStore& sessions, const Clock& clock)
    : m_auth(auth), m_authenticator(authenticator), m_users(users), m_sessions(sessions),
      m_clock(clock)
{
}

void RealmRoutes::addTo(Router& router, const QString& realm)
{
    const QString base = QStringLiteral("/api/v1/realms/") + realm;
    router.add(
        "POST", base + QStringLiteral("/auth/token"),
        [this](const HttpRequest& request, const QStringList&) { return exchangeCode(request); });
    router.add("POST", base + QStringLiteral("/auth/token/refresh"),
               [this](const HttpRequest& request, const QStringList&) { return refresh(request); });
    router.add("POST", base + QStringLiteral("/auth/logout"),
               m_authenticator.guard(
                   [this](const HttpRequest&, const AuthContext& caller, const QStringList&) {
                       if (!m_sessions.revoke(caller.sessionId, m_clock.now()))
                           return HttpResponse::serverError();
                       return HttpResponse::noContent();
                   }));
    router.add(
        "GET", base + QStringLiteral("/users/me"),
        m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                     const QStringList&) { return currentUser(caller.userId); }));
    router.add("PATCH", base + QStringLiteral("/users/me"),
               m_authenticator.guard(
                   [this](const HttpRequest& request, const AuthContext& caller,
                          const QStringList&) { return updateUser(request, caller.userId); }));
    router.add("POST", base + QStringLiteral("/users/me/password"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList&) {
                   return changePassword(request, caller.userId, caller.sessionId);
               }));
    router.add("GET", base + QStringLiteral("/users/me/sessions"),
               m_authenticator.guard(
                   [this](const HttpRequest&, const AuthContext& caller, const QStringList&) {
                       return sessions(caller.userId, caller.sessionId);
                   }));
    router.add("DELETE", base + QStringLiteral("/users/me/sessions/{}"),
               m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                            const QStringList& captures) {
                   return revokeSession(caller.userId, captures.at(0));
               }));
}

HttpResponse RealmRoutes::exchangeCode(const HttpRequest& request)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return oauthError("invalid_request", tr("The body must be a JSON object."));
    const QJsonValue grantType = body->value(QStringLiteral("grant_type"));
    if (!grantType.isString())
        return oauthError("invalid_request", tr("grant_type is missing."));
    if (grantType.toString() != QLatin1String("authorization_code"))
        return oauthError("unsupported_grant_type",
                          tr("Only the grant type authorization_code is served here."));
    AuthService::CodeExchange exchange;
    const std::pair<const char*, QString*> fields[] = {
        {"code", &exchange.code},
        {"code_verifier", &exchange.codeVerifier},
        {"client_id", &exchange.clientId},
        {"redirect_uri", &exchange.redirectUri},
    };
    for (const auto& [key, target] : fields) {
        const QJsonValue value = body->value(QLatin1String(key));
        if (!value.isString() || value.toString().isEmpty())
            return oauthError("invalid_request",
                              tr("%1 must be a non-empty string.").arg(QLatin1String(key)));
        *target = value.toString();
    }
    if (!Pkce::isVerifier(exchange.codeVerifier))
        return oauthError("invalid_request",
                          tr("code_verifier must be 43 to 128 unreserved characters."));
    TokenPair tokens;
    switch (m_auth.exchangeCode(exchange, &tokens)) {
    case AuthService::Exchange::Granted:
        return HttpResponse::ok(tokens.toJson()).setHeader("Cache-Control", "no-store");
    case AuthService::Exchange::Refused:
        return oauthError("invalid_grant", tr("This sign-in code is not valid. Sign in again."));
    case AuthService::Exchange::Failed:
        break;
    }
    return HttpResponse::serverError();
}

HttpResponse RealmRoutes::refresh(const HttpRequest& request)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const QJsonValue token = body->value(QStringLiteral("refresh_token"));
    if (!token.isString() || token.toString().isEmpty())
        return JsonBody::wrongType(QStringLiteral("refresh_token"), tr("a non-empty string"));
    TokenPair tokens;
    switch (m_auth.refresh(token.toString(), &tokens)) {
    case AuthService::Refresh::Refreshed:
        return HttpResponse::ok(tokens.toJson());
    case AuthService::Refresh::Rejected:
        return HttpResponse::error(401, tr("This sign-in has ended. Sign in again."));
    case AuthService::Refresh::Failed:
        break;
    }
    return HttpResponse::serverError();
}

HttpResponse RealmRoutes::currentUser(const QString& userId)
{
    const auto user = m_users.byId(userId);
    return user ? HttpResponse::ok(user->toJson()) : HttpResponse::serverError();
}

HttpResponse RealmRoutes::updateUser(const HttpRequest& request, const QString& userId)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const auto name = JsonBody::optionalString(*body, QStringLiteral("display_name"));
    if (!name)
        return JsonBody::wrongType(QStringLiteral("display_name"), tr("a string"));
    const auto displayName = User::normalizedDisplayName(*name);
    if (!displayName)
        return HttpResponse::error(
            400, tr("A display name has at most %1 characters and no control characters.")
                     .arg(User::kMaximumDisplayNameLength));
    if (body->contains(QStringLiteral("display_name")) &&
        !m_users.setDisplayName(userId, *displayName))
        return HttpResponse::serverError();
    return currentUser(userId);
}

HttpResponse RealmRoutes::changePassword(const HttpRequest& request, const QString& userId,
                                         const QString& sessionId)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const QJsonValue current = body->value(QStringLiteral("current_password"));
    const QJsonValue replacement = body->value(QStringLiteral("new_password"));
    if (!current.isString())
        return JsonBody::wrongType(QStringLiteral("current_password"), tr("a string"));
    if (!replacement.isString())
        return JsonBody::wrongType(QStringLiteral("new_password"), tr("a string"));
    qint64 retryAfter = 0;
    switch (m_auth.changePassword(userId, sessionId, current.toString(), replacement.toString(),
                                  &retryAfter)) {
    case AuthService::Outcome::Ok:
        return HttpResponse::noContent();
    case AuthService::Outcome::WrongCredentials:
        // Not 401: the app would take that for an expired token and sign the user out.
        return HttpResponse::error(403, tr("The current password is wrong."));
    case AuthService::Outcome::WeakPassword:
        return HttpResponse::error(400, tr("The new password must have 8 to 1024 characters."));
    case AuthService::Outcome::Throttled:
        return HttpResponse::error(429, tr("Too many attempts. Try again later."))
            .setHeader("Retry-After", QByteArray::number(retryAfter));
    default:
        break;
    }
    return HttpResponse::serverError();
}

HttpResponse RealmRoutes::sessions(const QString& userId, const QString& currentSessionId)
{
    const auto sessions = m_sessions.active(userId, m_clock.now());
    if (!sessions)
        return HttpResponse::serverError();
    QJsonArray list;
    for (const Session& session : *sessions)
        list.append(session.toJson(session.id == currentSessionId));
    return HttpResponse::ok({{QStringLiteral("sessions"), list}});
}

HttpResponse RealmRoutes::revokeSession(const QString& userId, const QString& sessionId)
{
    const auto session = m_sessions.byId(sessionId);
    if (!session || session->userId != userId || !session->isActive(m_clock.now()))
        return HttpResponse::error(404, tr("No such session."));
    if (!m_sessions.revoke(sessionId, m_clock.now()))
        return HttpResponse::serverError();
    return HttpResponse::noContent();
}

} // namespace PennibarServer
