#include "server/app/accountpurger.h"

#include "server/accounts/groupservice.h"
#include "server/auth/userstore.h"
#include "server/storage/sqltransaction.h"
#include "server/sync/shareservice.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncrowstore.h"

namespace PennibarServer {

AccountPurger::AccountPurger(Database& database, UserStore& users, GroupService& groups,
                             ShareStore& shares, ShareService& sharing, SyncRowStore& rows,
                             SyncFeed& feed)
    : m_database(database), m_users(users), m_groups(groups), m_shares(shares), m_sharing(sharing),
      m_rows(rows), m_feed(feed)
{
}

bool AccountPurger::purge(const QString& userId)
{
    SqlTransaction transaction(m_database);
    if (!transaction.isActive() || !m_groups.departWithin(userId))
        return false;
    const auto shares = m_shares.involving(userId);
    if (!shares)
        return false;
    for (const Share& share : *shares) {
        if (!m_sharing.unshareWithin(share.ownerId, share.accountId, share.granteeId))
            return false;
    }
    if (!m_feed.removeUser(userId) || !m_rows.removeOwner(userId) || !m_users.remove(userId) ||
        !transaction.commit())
        return false;
    qInfo("Deleted the account of user %s as scheduled", qPrintable(userId));
    return true;
}

} // namespace PennibarServer
