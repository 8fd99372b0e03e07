#include "server/accounts/profileroutes.h"

#include "server/accounts/groupservice.h"
#include "server/auth/authenticator.h"
#include "server/auth/sessionstore.h"
#include "server/auth/userstore.h"
#include "server/core/clock.h"
#include "server/core/isotime.h"

namespace PennibarServer {

ProfileRoutes::ProfileRoutes(UserStore& users, SessionStore& sessions, GroupService& groups,
                             Authenticator& authenticator, const Clock& clock)
    : m_users(users), m_sessions(sessions), m_groups(groups), m_authenticator(authenticator),
      m_clock(clock)
{
}

void ProfileRoutes::addTo(Router& router)
{
    router.add(
        "GET", QStringLiteral("/profile"),
        m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                     const QStringList&) { return profile(caller.userId); }));
    router.add("DELETE", QStringLiteral("/profile"),
               m_authenticator.guard(
                   [this](const HttpRequest&, const AuthContext& caller, const QStringList&) {
                       return scheduleDeletion(caller.userId);
                   }));
}

HttpResponse ProfileRoutes::profile(const QString& userId)
{
    const auto user = m_users.byId(userId);
    Group group;
    const GroupService::Outcome inGroup = m_groups.current(userId, &group);
    if (!user || inGroup == GroupService::Outcome::Failed)
        return HttpResponse::serverError();
    QJsonObject profile{{QStringLiteral("id"), user->id},
                        {QStringLiteral("email"), user->email},
                        {QStringLiteral("display_name"), user->displayName},
                        {QStringLiteral("avatar_url"), QString()},
                        {QStringLiteral("language"), QString()},
                        {QStringLiteral("timezone"), QString()},
                        {QStringLiteral("status"), user->status()},
                        {QStringLiteral("created_at"), isoTime(user->createdAt)}};
    if (inGroup == GroupService::Outcome::Ok)
        profile.insert(QStringLiteral("group"), group.summaryFor(userId));
    return HttpResponse::ok(profile);
}

HttpResponse ProfileRoutes::scheduleDeletion(const QString& userId)
{
    Group group;
    const GroupService::Outcome inGroup = m_groups.current(userId, &group);
    if (inGroup == GroupService::Outcome::Failed)
        return HttpResponse::serverError();
    if (inGroup == GroupService::Outcome::Ok && group.ownerId() == userId &&
        group.members.size() > 1)
        return HttpResponse::error(409, tr("You own a family group with other members. Remove "
                                           "them before deleting your account."));
    const qint64 now = m_clock.now();
    const qint64 due = now + kDeletionDelay;
    // Every session ends now; the next sign-in, before the date, cancels the deletion.
    if (!m_users.setDeletionDue(userId, due) || !m_sessions.revokeAll(userId, now))
        return HttpResponse::serverError();
    return HttpResponse::ok({{QStringLiteral("status"), QStringLiteral("pending_deletion")},
                             {QStringLiteral("deletion_scheduled_at"), isoTime(due)}});
}

} // namespace PennibarServer
