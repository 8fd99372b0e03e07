#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class Authenticator;
class GroupService;
class ShareService;
class ShareStore;
class SyncRowStore;
class UserStore;

// "/accounts/ID/members", "/accounts/ID/share" and "/accounts/ID/share/USER", addressed by the
// account's client id. Only the account's owner shares it, and only with members of their family
// group; a member may see who else has access and may leave the share. Anyone else gets 404.
class ShareRoutes
{
    Q_DECLARE_TR_FUNCTIONS(ShareRoutes)

public:
    ShareRoutes(ShareService& sharing, ShareStore& shares, SyncRowStore& rows, UserStore& users,
                GroupService& groups, Authenticator& authenticator);
    void addTo(Router& router);

private:
    // The owner of the caller's account or of an account shared with the caller; empty when the
    // caller has no such account, nothing when the lookup failed.
    std::optional<QString> ownerFor(const QString& callerId, const QString& accountId);
    HttpResponse members(const QString& callerId, const QString& accountId);
    HttpResponse share(const HttpRequest& request, const QString& callerId,
                       const QString& accountId);
    HttpResponse unshare(const QString& callerId, const QString& accountId, const QString& userId);

    ShareService& m_sharing;
    ShareStore& m_shares;
    SyncRowStore& m_rows;
    UserStore& m_users;
    GroupService& m_groups;
    Authenticator& m_authenticator;
};

} // namespace PennibarServer
