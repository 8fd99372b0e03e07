#include "server/sync/shareservice.h"

#include "server/core/clock.h"
#include "server/storage/database.h"
#include "server/storage/sqltransaction.h"
#include "server/sync/audience.h"
#include "server/sync/changesequence.h"
#include "server/sync/entityschema.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncrowstore.h"

#include <QSet>

namespace PennibarServer {

namespace {

const QString kAccount = QStringLiteral("account");
const QString kCategory = QStringLiteral("category");
const QString kIsShared = QStringLiteral("is_shared");

} // namespace

ShareService::ShareService(Database& database, ChangeSequence& sequence, ShareStore& shares,
                           SyncRowStore& rows, SyncFeed& feed, Audience& audience,
                           const Clock& clock)
    : m_database(database), m_sequence(sequence), m_shares(shares), m_rows(rows), m_feed(feed),
      m_audience(audience), m_clock(clock)
{
}

bool ShareService::setSharedFlag(SyncRow account, bool shared, qint64 seq)
{
    account.payload.insert(kIsShared, shared);
    account.version += 1;
    account.updatedAt = m_clock.now();
    return m_rows.update(account) && m_audience.publish(account, seq);
}

bool ShareService::share(const QString& ownerId, const QString& accountId, const QString& granteeId,
                         const QString& role)
{
    SqlTransaction transaction(m_database);
    // Three numbers: the account first, then the categories, then the rows that use both, so
    // the member's devices receive them in an order they can store.
    const auto first = m_sequence.reserve(3);
    const SyncRowStore::Lookup account = m_rows.find(ownerId, kAccount, accountId);
    if (!transaction.isActive() || !first || !account.ok || !account.row || account.row->deleted)
        return false;
    if (!m_shares.grant({ownerId, accountId, granteeId, role, m_clock.now()}))
        return false;
    const bool published = account.row->payload.value(kIsShared).toBool()
                               ? m_feed.publish(granteeId, account.row->serverId, *first)
                               : setSharedFlag(*account.row, true, *first);
    const auto rows = m_rows.rowsOfAccount(ownerId, accountId);
    if (!published || !rows)
        return false;
    const auto grantees = m_shares.grantees(ownerId, accountId);
    if (!grantees)
        return false;
    QStringList categories;
    for (const SyncRow& row : *rows)
        categories.append(row.categoryIds);
    if (!m_audience.deliverCategories(granteeId, QStringList{ownerId} + *grantees, categories,
                                      *first + 1))
        return false;
    for (const SyncRow& row : *rows) {
        if (!row.schema->isAccount() && !row.deleted &&
            !m_feed.publish(granteeId, row.serverId, *first + 2))
            return false;
    }
    return transaction.commit();
}

bool ShareService::unshare(const QString& ownerId, const QString& accountId,
                           const QString& granteeId)
{
    SqlTransaction transaction(m_database);
    return transaction.isActive() && unshareWithin(ownerId, accountId, granteeId) &&
           transaction.commit();
}

bool ShareService::unshareWithin(const QString& ownerId, const QString& accountId,
                                 const QString& granteeId)
{
    const auto seq = m_sequence.reserve(1);
    if (!seq || !m_shares.revoke(ownerId, accountId, granteeId))
        return false;
    const auto rows = m_rows.rowsOfAccount(ownerId, accountId);
    if (!rows)
        return false;
    for (const SyncRow& row : *rows) {
        const auto shown = m_feed.showsRow(granteeId, row.serverId);
        if (!shown || (*shown && !m_feed.withdraw(granteeId, row, *seq, m_clock.now())))
            return false;
    }
    if (!dropUnneededCategories(ownerId, granteeId))
        return false;
    const auto remaining = m_shares.grantees(ownerId, accountId);
    const SyncRowStore::Lookup account = m_rows.find(ownerId, kAccount, accountId);
    if (!remaining || !account.ok)
        return false;
    if (remaining->isEmpty() && account.row && account.row->payload.value(kIsShared).toBool())
        return setSharedFlag(*account.row, false, *seq);
    return true;
}

bool ShareService::dropUnneededCategories(const QString& ownerId, const QString& granteeId)
{
    // Still needed: what the member's own rows use (they may have booked rows to the owner's
    // categories) and what the accounts still shared with them use, with the parents.
    const auto stillShared = m_shares.fromTo(ownerId, granteeId);
    const auto ownUse = m_rows.categoryReferences(granteeId);
    if (!stillShared || !ownUse)
        return false;
    QStringList needed = *ownUse;
    for (const Share& share : *stillShared) {
        const auto rows = m_rows.rowsOfAccount(ownerId, share.accountId);
        if (!rows)
            return false;
        for (const SyncRow& row : *rows)
            needed.append(row.categoryIds);
    }
    // Parents of needed categories are needed too.
    QSet<QString> keep;
    while (!needed.isEmpty()) {
        const QString id = needed.takeFirst();
        if (keep.contains(id))
            continue;
        keep.insert(id);
        const SyncRowStore::Lookup category = m_rows.find(ownerId, kCategory, id);
        if (!category.ok)
            return false;
        if (category.row)
            needed.append(category.row->categoryIds);
    }
    const auto delivered = m_feed.liveCategoriesOf(granteeId, ownerId);
    if (!delivered)
        return false;
    for (const SyncRow& category : *delivered) {
        if (!keep.contains(category.clientId) && !m_feed.drop(granteeId, category.serverId))
            return false;
    }
    return true;
}

bool ShareService::unshareBetweenWithin(const QString& userA, const QString& userB)
{
    for (const auto& [owner, grantee] : {std::pair(userA, userB), std::pair(userB, userA)}) {
        const auto shares = m_shares.fromTo(owner, grantee);
        if (!shares)
            return false;
        for (const Share& share : *shares) {
            if (!unshareWithin(owner, share.accountId, grantee))
                return false;
        }
    }
    return true;
}

} // namespace PennibarServer
