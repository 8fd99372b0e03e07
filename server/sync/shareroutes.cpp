#include "server/sync/shareroutes.h"

#include "server/accounts/groupservice.h"
#include "server/auth/authenticator.h"
#include "server/auth/userstore.h"
#include "server/core/isotime.h"
#include "server/http/jsonbody.h"
#include "server/sync/entityschema.h"
#include "server/sync/shareservice.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncrowstore.h"

#include <QJsonArray>

namespace PennibarServer {

namespace {

HttpResponse notFound()
{
    return HttpResponse::error(404, ShareRoutes::tr("No such account."));
}

QString namedServerId(const HttpRequest& request)
{
    return request.query().queryItemValue(QStringLiteral("server_id"), QUrl::FullyDecoded);
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
                         SyncFeed& feed, UserStore& users, GroupService& groups,
                         Authenticator& authenticator)
    : m_sharing(sharing), m_shares(shares), m_rows(rows), m_feed(feed), m_users(users),
      m_groups(groups), m_authenticator(authenticator)
{
}

void ShareRoutes::addTo(Router& router)
{
    router.add("GET", QStringLiteral("/accounts/{}/members"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList& captures) {
                   return members(request, caller.userId, captures.at(0));
               }));
    router.add("POST", QStringLiteral("/accounts/{}/share"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList& captures) {
                   return share(request, caller.userId, captures.at(0));
               }));
    router.add("DELETE", QStringLiteral("/accounts/{}/share/{}"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList& captures) {
                   return unshare(request, caller.userId, captures.at(0), captures.at(1));
               }));
}

std::optional<QString> ShareRoutes::ownerOfNamed(const QString& callerId, const QString& accountId,
                                                 const QString& serverId)
{
    const SyncRowStore::Lookup named = m_rows.byServerId(serverId);
    if (!named.ok)
        return std::nullopt;
    const std::optional<SyncRow>& account = named.row;
    if (!account || !account->schema->isAccount() || account->clientId != accountId ||
        account->deleted)
        return QString();
    if (account->ownerId == callerId)
        return callerId;
    const auto grantees = m_shares.grantees(account->ownerId, accountId);
    if (!grantees)
        return std::nullopt;
    return grantees->contains(callerId) ? account->ownerId : QString();
}

std::optional<QString> ShareRoutes::ownerFor(const QString& callerId, const QString& accountId,
                                             const QString& serverId, Unnamed unnamed)
{
    if (!serverId.isEmpty())
        return ownerOfNamed(callerId, accountId, serverId);
    const SyncRowStore::Lookup own = m_rows.find(callerId, QStringLiteral("account"), accountId);
    const auto sharing = m_shares.ownerSharingWith(callerId, accountId);
    if (!own.ok || !sharing)
        return std::nullopt;
    const bool hasOwn = own.row && !own.row->deleted;
    if (hasOwn && (unnamed == Unnamed::OwnFirst || sharing->isEmpty()))
        return callerId;
    return sharing;
}

HttpResponse ShareRoutes::members(const HttpRequest& request, const QString& callerId,
                                  const QString& accountId)
{
    const auto ownerId = ownerFor(callerId, accountId, namedServerId(request), Unnamed::OwnFirst);
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
    const auto ownerId = ownerFor(callerId, accountId, namedServerId(request), Unnamed::OwnFirst);
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
    // The app keeps one row per type and id: the grantee's own row and the owner's would meet.
    const auto collides = m_feed.holdsIdsOfAccount(grantee->id, callerId, accountId);
    if (!collides)
        return HttpResponse::serverError();
    if (*collides)
        return HttpResponse::error(409, tr("That person already has an account or entries with "
                                           "the same ids as this one (a copy restored from a "
                                           "backup, perhaps), so it cannot be shared with them."));
    if (!m_sharing.share(callerId, accountId, grantee->id, QStringLiteral("member")))
        return HttpResponse::serverError();
    return HttpResponse::ok(member(*grantee, QStringLiteral("member"), QString()));
}

HttpResponse ShareRoutes::unshare(const HttpRequest& request, const QString& callerId,
                                  const QString& accountId, const QString& userId)
{
    // A member taking their own access away means a share, not an account of their own.
    const auto ownerId = ownerFor(callerId, accountId, namedServerId(request),
                                  userId == callerId ? Unnamed::SharedFirst : Unnamed::OwnFirst);
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
