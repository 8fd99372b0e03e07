#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class Authenticator;
class Clock;
class GroupService;
class SessionStore;
class UserStore;

// "/profile": the account API's view of the user, and scheduling the account's deletion. A
// deletion is carried out 30 days later; signing in before then keeps the account.
class ProfileRoutes
{
    Q_DECLARE_TR_FUNCTIONS(ProfileRoutes)

public:
    static constexpr qint64 kDeletionDelay = 30 * 24 * 3600;

    ProfileRoutes(UserStore& users, SessionStore& sessions, GroupService& groups,
                  Authenticator& authenticator, const Clock& clock);
    void addTo(Router& router);

private:
    HttpResponse profile(const QString& userId);
    HttpResponse scheduleDeletion(const QString& userId);

    UserStore& m_users;
    SessionStore& m_sessions;
    GroupService& m_groups;
    Authenticator& m_authenticator;
    const Clock& m_clock;
};

} // namespace PennibarServer
