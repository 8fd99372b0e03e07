#include "server/sync/pushservice.h"

#include "server/core/clock.h"
#include "server/storage/database.h"
#include "server/storage/sqltransaction.h"
#include "server/sync/audience.h"
#include "server/sync/changereader.h"
#include "server/sync/changesequence.h"
#include "server/sync/entityschema.h"
#include "server/sync/shareservice.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncrowstore.h"

#include <functional>

namespace PennibarServer {

namespace {

// Versions travel as JSON numbers, which hold whole numbers exactly only up to 2^53. A row whose
// version went past that could never be edited again: every device would read its version
// rounded down and have each edit refused as stale. So a pushed version may run ahead of the
// stored one by a margin no device reaches by editing, and no stored version passes a ceiling
// well inside the exact range.
constexpr qint64 kLargestVersionLead = 1000000;
constexpr qint64 kHighestVersion = qint64(1) << 50;

QJsonObject result(const QJsonObject& change, const QString& status, const QString& serverId,
                   const QString& message, qint64 version = 0)
{
    QJsonObject result{{QStringLiteral("entity_type"), ChangeReader::entityType(change)},
                       {QStringLiteral("entity_id"), ChangeReader::entityId(change)},
                       {QStringLiteral("status"), status},
                       {QStringLiteral("server_id"), serverId},
                       {QStringLiteral("message"), message}};
    if (version > 0)
        result.insert(QStringLiteral("version"), version);
    return result;
}

// Caches that live for one batch.
class BatchScope
{
public:
    BatchScope(Audience& audience, std::function<void()> forget)
        : m_audience(audience), m_forget(std::move(forget))
    {
        m_audience.beginBatch();
    }
    ~BatchScope()
    {
        m_audience.endBatch();
        m_forget();
    }

private:
    Audience& m_audience;
    std::function<void()> m_forget;
};

} // namespace

PushService::PushService(Database& database, SyncRowStore& rows, ShareStore& shares, SyncFeed& feed,
                         Audience& audience, ShareService& sharing, ChangeSequence& sequence,
                         const Clock& clock)
    : m_database(database), m_rows(rows), m_shares(shares), m_feed(feed), m_audience(audience),
      m_sharing(sharing), m_sequence(sequence), m_clock(clock)
{
}

std::optional<QJsonArray> PushService::push(const QString& userId, const QJsonArray& changes)
{
    SqlTransaction transaction(m_database);
    if (!transaction.isActive())
        return std::nullopt;
    const BatchScope batch(m_audience, [this] { forgetSharesOfBatch(); });
    const auto first = m_sequence.reserve(changes.size());
    if (!first)
        return std::nullopt;
    QJsonArray results;
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const auto outcome = apply(userId, changes.at(i).toObject(), *first + i);
        if (!outcome)
            return std::nullopt;
        results.append(*outcome);
    }
    if (!transaction.commit())
        return std::nullopt;
    return results;
}

std::optional<QString> PushService::sharingOwner(const QString& userId, const QString& accountId)
{
    if (const auto cached = m_sharingOwners.constFind(accountId); cached != m_sharingOwners.cend())
        return *cached;
    const auto owner = m_shares.ownerSharingWith(userId, accountId);
    if (owner)
        m_sharingOwners.insert(accountId, *owner);
    return owner;
}

void PushService::forgetSharesOfBatch()
{
    m_sharingOwners.clear();
    m_grantees.clear();
    m_borrowedAccounts.clear();
    m_categoriesInUse.clear();
}

std::optional<bool> PushService::isBorrowed(const QString& userId, const QString& accountId)
{
    if (const auto cached = m_borrowedAccounts.constFind(accountId);
        cached != m_borrowedAccounts.cend())
        return *cached;
    const SyncRowStore::Lookup own = m_rows.find(userId, QStringLiteral("account"), accountId);
    if (!own.ok)
        return std::nullopt;
    // An account of the user's own stays theirs, even one made from somebody else's rows
    // before such pushes were refused.
    std::optional<bool> borrowed = false;
    if (!own.row)
        borrowed = m_feed.heldAccountOfOthers(userId, accountId);
    if (borrowed)
        m_borrowedAccounts.insert(accountId, *borrowed);
    return borrowed;
}

std::optional<QStringList> PushService::granteesOf(const QString& ownerId, const QString& accountId)
{
    const QString key = ownerId + QLatin1Char('/') + accountId;
    if (const auto cached = m_grantees.constFind(key); cached != m_grantees.cend())
        return *cached;
    const auto grantees = m_shares.grantees(ownerId, accountId);
    if (grantees)
        m_grantees.insert(key, *grantees);
    return grantees;
}

std::optional<bool> PushService::isSharedWith(const QString& userId, const QString& ownerId,
                                              const QString& accountId)
{
    const auto grantees = granteesOf(ownerId, accountId);
    if (!grantees)
        return std::nullopt;
    return grantees->contains(userId);
}

std::optional<QString> PushService::ownerForNewRow(const QString& userId, const SyncChange& change)
{
    if (!change.accountServerIdHint.isEmpty()) {
        const SyncRowStore::Lookup named = m_rows.byServerId(change.accountServerIdHint);
        if (!named.ok)
            return std::nullopt;
        const std::optional<SyncRow>& account = named.row;
        if (account && account->schema->isAccount() && account->clientId == change.accountId) {
            if (account->ownerId == userId)
                return QString();
            const auto shared = isSharedWith(userId, account->ownerId, change.accountId);
            if (!shared)
                return std::nullopt;
            if (*shared)
                return account->ownerId;
        }
    }
    return sharingOwner(userId, change.accountId);
}

std::optional<PushService::Target> PushService::resolve(const QString& userId,
                                                        const SyncChange& change)
{
    const QString type = change.schema->type();
    const SyncRowStore::Lookup own = m_rows.find(userId, type, change.clientId);
    if (!own.ok)
        return std::nullopt;
    // Categories always live in the pusher's own data.
    if (change.schema->isCategory())
        return Target::to(own.row, userId);

    Target target = Target::to(std::nullopt, userId);
    auto reachable = [&](const SyncRow& row) -> std::optional<bool> {
        const auto stored = isSharedWith(userId, row.ownerId, row.accountId);
        const auto pushed = isSharedWith(userId, row.ownerId, change.accountId);
        if (!stored || !pushed)
            return std::nullopt;
        return *stored && *pushed;
    };
    auto refuseUnreachable = [&] {
        target.row.reset();
        if (change.isDelete) {
            target.ignore = true; // deleting what one cannot see leaves it unseen
        } else {
            target.refusalStatus = QStringLiteral("not_found");
            target.refusal = tr("No such row.");
        }
        return target;
    };

    // The row the app names by its server id first: the pusher may own a row with the same
    // client id as one shared with them (left by a server that shared such rows).
    if (!change.serverIdHint.isEmpty()) {
        const SyncRowStore::Lookup hinted = m_rows.byServerId(change.serverIdHint);
        if (!hinted.ok)
            return std::nullopt;
        if (hinted.row && hinted.row->schema == change.schema &&
            hinted.row->clientId == change.clientId) {
            if (hinted.row->ownerId == userId)
                return Target::to(hinted.row, userId);
            const auto ok = reachable(*hinted.row);
            if (!ok)
                return std::nullopt;
            if (*ok)
                return Target::to(hinted.row, hinted.row->ownerId);
            if (!own.row)
                return refuseUnreachable();
        }
    }
    if (own.row)
        return Target::to(own.row, userId);
    const auto owner = ownerForNewRow(userId, change);
    if (!owner)
        return std::nullopt;
    if (owner->isEmpty()) {
        // Rows of an account that is no longer shared with the pusher (the copies their
        // devices held, brought back) would otherwise become the pusher's own.
        const auto borrowed = isBorrowed(userId, change.accountId);
        if (!borrowed)
            return std::nullopt;
        if (*borrowed && change.isDelete) {
            target.ignore = true;
        } else if (*borrowed) {
            target.refusalStatus = QStringLiteral("forbidden");
            target.refusal = tr("The account was shared with you and no longer is; its rows "
                                "stay its owner's.");
        }
    } else {
        const SyncRowStore::Lookup shared = m_rows.find(*owner, type, change.clientId);
        if (!shared.ok)
            return std::nullopt;
        if (shared.row) {
            const auto ok = reachable(*shared.row);
            if (!ok)
                return std::nullopt;
            if (!*ok)
                return refuseUnreachable();
        }
        target = Target::to(shared.row, *owner);
    }
    if (target.row || target.ignore || !target.refusal.isEmpty() || change.isDelete)
        return target;
    // A new row. The app keeps one row per type and id: one of these the pusher is shown by
    // somebody else already would meet this one on their devices.
    const auto taken = m_feed.showsRowNotOwnedBy(userId, type, change.clientId, target.ownerId);
    if (!taken)
        return std::nullopt;
    if (*taken) {
        target.refusalStatus = QStringLiteral("forbidden");
        target.refusal = tr("A row with this id is shared with you already; another one cannot "
                            "be stored beside it.");
    }
    return target;
}

std::optional<QSet<QString>> PushService::categoriesInUse(const QString& ownerId,
                                                          const QString& accountId,
                                                          const QStringList& sources)
{
    const QString key = ownerId + QLatin1Char('/') + accountId;
    if (const auto cached = m_categoriesInUse.constFind(key); cached != m_categoriesInUse.cend())
        return *cached;
    const auto referenced = m_rows.categoryReferences(ownerId, accountId);
    if (!referenced)
        return std::nullopt;
    // The parents come along with the categories, from whoever has them.
    QSet<QString> inUse;
    QStringList next = *referenced;
    while (!next.isEmpty()) {
        QStringList added;
        for (const QString& id : std::as_const(next)) {
            if (!inUse.contains(id)) {
                inUse.insert(id);
                added.append(id);
            }
        }
        next.clear();
        for (const QString& source : sources) {
            const auto categories = m_rows.categories(source, added);
            if (!categories)
                return std::nullopt;
            for (const SyncRow& category : *categories)
                next.append(category.categoryIds);
        }
    }
    m_categoriesInUse.insert(key, inUse);
    return inUse;
}

std::optional<QString> PushService::unusableCategory(const QString& userId,
                                                     const SyncChange& change, const Target& target)
{
    if (!change.schema->isAccountBound() || change.isDelete || change.categoryIds.isEmpty())
        return QString();
    const auto grantees = granteesOf(target.ownerId, change.accountId);
    if (!grantees)
        return std::nullopt;
    if (grantees->isEmpty() && target.ownerId == userId)
        return QString(); // not shared: nobody receives the categories it uses
    for (const QString& id : change.categoryIds) {
        if (target.row && target.row->categoryIds.contains(id))
            continue; // the row used it before
        const SyncRowStore::Lookup own = m_rows.find(userId, QStringLiteral("category"), id);
        if (!own.ok)
            return std::nullopt;
        if (own.row && !own.row->deleted)
            continue;
        const auto inUse =
            categoriesInUse(target.ownerId, change.accountId, QStringList{target.ownerId} + *grantees);
        if (!inUse)
            return std::nullopt;
        if (!inUse->contains(id))
            return id;
    }
    return QString();
}

std::optional<QJsonObject> PushService::apply(const QString& userId, const QJsonObject& object,
                                              qint64 seq)
{
    QString error;
    const auto change = ChangeReader::read(object, m_clock.now(), &error);
    if (!change)
        return result(object, QStringLiteral("invalid"), {}, error);
    const auto target = resolve(userId, *change);
    if (!target)
        return std::nullopt;
    if (!target->refusal.isEmpty())
        return result(object, target->refusalStatus, {}, target->refusal);
    if (target->ignore)
        return result(object, QStringLiteral("ok"), {}, {});
    const auto category = unusableCategory(userId, *change, *target);
    if (!category)
        return std::nullopt;
    if (!category->isEmpty())
        return result(object, QStringLiteral("forbidden"), {},
                      tr("The row is booked to a category \"%1\" that is neither yours nor "
                         "used in the shared account already.")
                          .arg(*category));
    return store(userId, *change, *target, seq);
}

std::optional<QJsonObject> PushService::store(const QString& userId, const SyncChange& change,
                                              const Target& target, qint64 seq)
{
    const QJsonObject object{{QStringLiteral("entity_type"), change.schema->type()},
                             {QStringLiteral("entity_id"), change.clientId}};
    const bool isNew = !target.row;
    SyncRow row;
    if (isNew) {
        // Never stored here: nothing to delete. Except a category: default categories carry the
        // same id on every device, so another device may push this one later, and the deletion
        // must be there to refuse it and to reach that device.
        if (change.isDelete && !change.schema->isCategory())
            return result(object, QStringLiteral("ok"), {}, {});
        row.ownerId = target.ownerId;
        row.schema = change.schema;
        row.clientId = change.clientId;
        row.version = qMax<qint64>(change.version, 1);
        // Above the version the other devices' copies still have, so that the deletion wins.
        if (change.isDelete)
            row.version += 1;
    } else {
        row = *target.row;
        if (row.deleted) {
            if (change.isDelete)
                return result(object, QStringLiteral("ok"), row.serverId, {}, row.version);
            return result(object, QStringLiteral("conflict"), row.serverId,
                          tr("The row was deleted on the server."));
        }
        if (change.isDelete && row.schema->isAccount() && row.ownerId != userId) {
            // A member removing a shared account from their books leaves the share.
            m_audience.forgetShares();
            forgetSharesOfBatch();
            if (!m_sharing.unshareWithin(row.ownerId, row.clientId, userId))
                return std::nullopt;
            m_audience.forgetShares();
            return result(object, QStringLiteral("ok"), row.serverId, {}, row.version);
        }
        if (!change.isDelete && change.version < row.version)
            return result(object, QStringLiteral("conflict"), row.serverId,
                          tr("Version %1 is older than the server's version %2.")
                              .arg(change.version)
                              .arg(row.version));
        row.version = qMax(row.version, change.version) + 1;
    }
    const qint64 storedVersion = isNew ? 0 : target.row->version;
    if (change.version > storedVersion + kLargestVersionLead || row.version > kHighestVersion)
        return result(object, QStringLiteral("invalid"), {},
                      tr("Version %1 is too far ahead of the server's version %2.")
                          .arg(change.version)
                          .arg(storedVersion));
    row.deleted = change.isDelete;
    row.payload = change.payload;
    row.accountId = change.accountId;
    row.categoryIds = change.categoryIds;
    row.updatedAt = m_clock.now();
    if (row.schema->isAccount()) {
        // Whether an account is shared is the server's knowledge, not the app's.
        const auto grantees = granteesOf(row.ownerId, row.clientId);
        if (!grantees)
            return std::nullopt;
        row.payload.insert(QStringLiteral("is_shared"), !grantees->isEmpty());
    }
    const bool stored = isNew ? m_rows.insert(&row) : m_rows.update(row);
    if (!stored || !m_audience.publish(row, seq, isNew))
        return std::nullopt;
    return result(object, QStringLiteral("ok"), row.serverId, {}, row.version);
}

} // namespace PennibarServer
