#include "server/accounts/grouproutes.h"

#include "server/accounts/groupservice.h"
#include "server/auth/authenticator.h"
#include "server/http/jsonbody.h"

namespace PennibarServer {

namespace {

HttpResponse answer(GroupService::Outcome outcome, const HttpResponse& success)
{
    if (outcome == GroupService::Outcome::Ok)
        return success;
    const auto [status, message] = GroupService::describe(outcome);
    return HttpResponse::error(status, message);
}

} // namespace

GroupRoutes::GroupRoutes(GroupService& groups, Authenticator& authenticator)
    : m_groups(groups), m_authenticator(authenticator)
{
}

void GroupRoutes::addTo(Router& router)
{
    auto guard = [this](auto handler) { return m_authenticator.guard(handler); };
    router.add("GET", QStringLiteral("/group"),
               guard([this](const HttpRequest&, const AuthContext& caller, const QStringList&) {
                   return group(caller.userId);
               }));
    router.add("POST", QStringLiteral("/group/invite"),
               guard([this](const HttpRequest& request, const AuthContext& caller,
                            const QStringList&) { return invite(request, caller.userId); }));
    router.add(
        "POST", QStringLiteral("/group/join/{}"),
        guard([this](const HttpRequest&, const AuthContext& caller, const QStringList& captures) {
            return join(caller.userId, captures.at(0));
        }));
    router.add("POST", QStringLiteral("/group/leave"),
               guard([this](const HttpRequest&, const AuthContext& caller, const QStringList&) {
                   return answer(m_groups.leave(caller.userId), HttpResponse::noContent());
               }));
    router.add(
        "DELETE", QStringLiteral("/group/members/{}"),
        guard([this](const HttpRequest&, const AuthContext& caller, const QStringList& captures) {
            return answer(m_groups.removeMember(caller.userId, captures.at(0)),
                          HttpResponse::noContent());
        }));
    router.add(
        "DELETE", QStringLiteral("/group/invitations/{}"),
        guard([this](const HttpRequest&, const AuthContext& caller, const QStringList& captures) {
            return answer(m_groups.revokeInvitation(caller.userId, captures.at(0)),
                          HttpResponse::noContent());
        }));
}

HttpResponse GroupRoutes::group(const QString& userId)
{
    Group group;
    const GroupService::Outcome outcome = m_groups.current(userId, &group);
    if (outcome != GroupService::Outcome::Ok)
        return answer(outcome, {});
    // Invitation codes are for the owner's eyes.
    return HttpResponse::ok(group.toJson(group.ownerId() == userId));
}

HttpResponse GroupRoutes::invite(const HttpRequest& request, const QString& userId)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const auto email = JsonBody::optionalString(*body, QStringLiteral("email"));
    if (!email)
        return JsonBody::wrongType(QStringLiteral("email"), tr("a string"));
    Group::Invitation invitation;
    const GroupService::Outcome outcome = m_groups.invite(userId, *email, &invitation);
    return answer(outcome, HttpResponse::json(201, invitation.toJson()));
}

HttpResponse GroupRoutes::join(const QString& userId, const QString& code)
{
    Group group;
    qint64 retryAfter = 0;
    const GroupService::Outcome outcome = m_groups.join(userId, code, &group, &retryAfter);
    HttpResponse response = answer(outcome, HttpResponse::ok(group.toJson(false)));
    if (outcome == GroupService::Outcome::Throttled)
        response.setHeader("Retry-After", QByteArray::number(retryAfter));
    return response;
}

} // namespace PennibarServer
