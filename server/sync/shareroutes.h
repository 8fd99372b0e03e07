#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class Authenticator;
class GroupService;
class ShareService;
class ShareStore;
class SyncFeed;
class SyncRowStore;
class UserStore;

// "/accounts/ID/members", "/accounts/ID/share" and "/accounts/ID/share/USER", addressed by the
// account's client id. Only the account's owner shares it, and only with members of their family
// group who hold no row of the same type and id yet; a member may see who else has access and
// may leave the share. Anyone else gets 404.
//
// A caller may see two accounts with one client id, their own and one shared with them (left by
// a server that shared such accounts): the query item "server_id" names the one meant. Without
// it, the caller's own is meant, except for a member leaving a share.
class ShareRoutes
{
    Q_DECLARE_TR_FUNCTIONS(ShareRoutes)

public:
    ShareRoutes(ShareService& sharing, ShareStore& shares, SyncRowStore& rows, SyncFeed& feed,
                UserStore& users, GroupService& groups, Authenticator& authenticator);
    void addTo(Router& router);

private:
    // Which account a request without a "server_id" means when the caller has two.
    enum class Unnamed
    {
        OwnFirst,
        SharedFirst
    };
    // The owner of the caller's account or of an account shared with the caller: the one with
    // that server id when `serverId` is given; empty when the caller has no such account,
    // nothing when the lookup failed.
    std::optional<QString> ownerFor(const QString& callerId, const QString& accountId,
                                    const QString& serverId, Unnamed unnamed);
    std::optional<QString> ownerOfNamed(const QString& callerId, const QString& accountId,
                                        const QString& serverId);
    HttpResponse members(const HttpRequest& request, const QString& callerId,
                         const QString& accountId);
    HttpResponse share(const HttpRequest& request, const QString& callerId,
                       const QString& accountId);
    HttpResponse unshare(const HttpRequest& request, const QString& callerId,
                         const QString& accountId, const QString& userId);

    ShareService& m_sharing;
    ShareStore& m_shares;
    SyncRowStore& m_rows;
    SyncFeed& m_feed;
    UserStore& m_users;
    GroupService& m_groups;
    Authenticator& m_authenticator;
};

} // namespace PennibarServer
