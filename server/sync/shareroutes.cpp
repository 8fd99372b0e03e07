#include "server/sync/shareroutes.h"

#include "server/accounts/groupservice.h"
#include "server/auth/authenticator.h"
#include "server/auth/userstore.h"
#include "server/core/isotime.h"
#include "server/http/jsonbody.h"
#include "server/sync/shareservice.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncrowstore.h"

#include <QJsonArray>

namespace PennibarServer {

namespace {

HttpResponse notFound()
{
    return HttpResponse::error(404, ShareRoutes::tr("No such account."));
}

QJsonObject member(const User& user, const QString& role, const QString& since)
{
    return {{QStringLiteral("user_id"), user.id},
            {QStringLiteral("email"), user.email},
            {QStringLiteral("display_name"), user.displayName},
            {QStringLiteral("role"), role},
            {QStringLiteral("created_at"), since}};
}

} // namespace

ShareRoutes::ShareRoutes(ShareService& sharing, ShareStore& shares, SyncRowStore& rows,
                         UserStore& users, GroupService& groups, Authenticator& authenticator)
    : m_sharing(sharing), m_shares(shares), m_rows(rows), m_users(users), m_groups(groups),
      m_authenticator(authenticator)
{
}

void ShareRoutes::addTo(Router& router)
{
    router.add("GET", QStringLiteral("/accounts/{}/members"),
               m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                            const QStringList& captures) {
                   return members(caller.userId, captures.at(0));
               }));
    router.add("POST", QStringLiteral("/accounts/{}/share"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList& captures) {
                   return share(request, caller.userId, captures.at(0));
               }));
    router.add("DELETE", QStringLiteral("/accounts/{}/share/{}"),
               m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                            const QStringList& captures) {
                   return unshare(caller.userId, captures.at(0), captures.at(1));
               }));
}

std::optional<QString> ShareRoutes::ownerFor(const QString& callerId, const QString& accountId)
{
    const SyncRowStore::Lookup own = m_rows.find(callerId, QStringLiteral("account"), accountId);
    if (!own.ok)
        return std::nullopt;
    if (own.row && !own.row->deleted)
        return callerId;
    return m_shares.ownerSharingWith(callerId, accountId);
}

HttpResponse ShareRoutes::members(const QString& callerId, const QString& accountId)
{
    const auto ownerId = ownerFor(callerId, accountId);
    if (!ownerId)
        return HttpResponse::serverError();
    if (ownerId->isEmpty())
        return notFound();
    const auto owner = m_users.byId(*ownerId);
    const auto shares = m_shares.ofAccount(*ownerId, accountId);
    const SyncRowStore::Lookup account =
        m_rows.find(*ownerId, QStringLiteral("account"), accountId);
    if (!owner || !shares || !account.ok || !account.row)
        return HttpResponse::serverError();
    QJsonArray list{member(*owner, QStringLiteral("owner"),
                           account.row->payload.value(QStringLiteral("created_at")).toString())};
    for (const Share& share : *shares) {
        if (const auto grantee = m_users.byId(share.granteeId))
            list.append(member(*grantee, share.role, isoTime(share.createdAt)));
    }
    return HttpResponse::ok({{QStringLiteral("members"), list}});
}

HttpResponse ShareRoutes::share(const HttpRequest& request, const QString& callerId,
                                const QString& accountId)
{
    const auto ownerId = ownerFor(callerId, accountId);
    if (!ownerId)
        return HttpResponse::serverError();
    if (ownerId->isEmpty())
        return notFound();
    if (*ownerId != callerId)
        return HttpResponse::error(403, tr("Only the account's owner can share it."));
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const auto email = JsonBody::optionalString(*body, QStringLiteral("email"));
    const auto userId = JsonBody::optionalString(*body, QStringLiteral("user_id"));
    const auto role = JsonBody::optionalString(*body, QStringLiteral("role"));
    if (!email)
        return JsonBody::wrongType(QStringLiteral("email"), tr("a string"));
    if (!userId)
        return JsonBody::wrongType(QStringLiteral("user_id"), tr("a string"));
    if (!role)
        return JsonBody::wrongType(QStringLiteral("role"), tr("a string"));
    if (!role->isEmpty() && *role != QLatin1String("member"))
        return HttpResponse::error(400, tr("The only role is \"member\"."));

    std::optional<User> grantee;
    if (!email->isEmpty()) {
        if (const auto normalized = User::normalizedEmail(*email))
            grantee = m_users.byEmail(*normalized);
    } else if (!userId->isEmpty()) {
        grantee = m_users.byId(*userId);
    }
    // Whether somebody outside the group has an account here is not this caller's business.
    if (!grantee || grantee->id == callerId || !m_groups.inSameGroup(callerId, grantee->id))
        return HttpResponse::error(400, tr("That person is not a member of your family group."));
    if (!m_sharing.share(callerId, accountId, grantee->id, QStringLiteral("member")))
        return HttpResponse::serverError();
    return HttpResponse::ok(member(*grantee, QStringLiteral("member"), QString()));
}

HttpResponse ShareRoutes::unshare(const QString& callerId, const QString& accountId,
                                  const QString& userId)
{
    const auto ownerId = ownerFor(callerId, accountId);
    if (!ownerId)
        return HttpResponse::serverError();
    if (ownerId->isEmpty())
        return notFound();
    if (*ownerId != callerId && userId != callerId)
        return HttpResponse::error(403, tr("Only the account's owner can take others' access "
                                           "away."));
    const auto grantees = m_shares.grantees(*ownerId, accountId);
    if (!grantees)
        return HttpResponse::serverError();
    if (!grantees->contains(userId))
        return HttpResponse::error(404, tr("The account is not shared with that person."));
    if (!m_sharing.unshare(*ownerId, accountId, userId))
        return HttpResponse::serverError();
    return HttpResponse::noContent();
}

} // namespace PennibarServer
