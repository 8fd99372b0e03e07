#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class AuthService;
class Authenticator;
class Clock;
class SessionStore;
class UserStore;

// The realm API under "/api/v1/realms/REALM": the code exchange that ends a browser sign-in,
// token refresh and logout, the user record, the password, and the user's sessions.
class RealmRoutes
{
    Q_DECLARE_TR_FUNCTIONS(RealmRoutes)

public:
    RealmRoutes(AuthService& auth, Authenticator& authenticator, UserStore& users,
                SessionStore& sessions, const Clock& clock);
    void addTo(Router& router, const QString& realm);

private:
    HttpResponse exchangeCode(const HttpRequest& request);
    HttpResponse refresh(const HttpRequest& request);
    HttpResponse updateUser(const HttpRequest& request, const QString& userId);
    HttpResponse changePassword(const HttpRequest& request, const QString& userId,
                                const QString& sessionId);
    HttpResponse currentUser(const QString& userId);
    HttpResponse sessions(const QString& userId, const QString& currentSessionId);
    HttpResponse revokeSession(const QString& userId, const QString& sessionId);

    AuthService& m_auth;
    Authenticator& m_authenticator;
    UserStore& m_users;
    SessionStore& m_sessions;
    const Clock& m_clock;
};

} // namespace PennibarServer
