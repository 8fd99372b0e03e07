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
    m_borrowedAccounts.clear();
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

std::optional<bool> PushService::isSharedWith(const QString& userId, const QString& ownerId,
                                              const QString& accountId)
{
    const auto owner = sharingOwner(userId, accountId);
    if (!owner)
        return std::nullopt;
    return *owner == ownerId;
}

std::optional<PushService::Target> PushService::resolve(const QString& userId,
                                                        const SyncChange& change)
{
    const QString type = change.schema->type();
    const SyncRowStore::Lookup own = m_rows.find(userId, type, change.clientId);
    if (!own.ok)
        return std::nullopt;
    // Categories always live in the pusher's own data; so does anything the pusher has.
    if (own.row || change.schema->isCategory())
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

    if (!change.serverIdHint.isEmpty()) {
        const SyncRowStore::Lookup hinted = m_rows.byServerId(change.serverIdHint);
        if (!hinted.ok)
            return std::nullopt;
        if (hinted.row && hinted.row->schema == change.schema &&
            hinted.row->clientId == change.clientId) {
            const auto ok = reachable(*hinted.row);
            if (!ok)
                return std::nullopt;
            if (!*ok)
                return refuseUnreachable();
            return Target::to(hinted.row, hinted.row->ownerId);
        }
    }
    const auto owner = sharingOwner(userId, change.accountId);
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
        return target;
    }
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
    return Target::to(shared.row, *owner);
}

std::optional<bool> PushService::sharedFlag(const QString& ownerId, const QString& accountId)
{
    const auto grantees = m_shares.grantees(ownerId, accountId);
    if (!grantees)
        return std::nullopt;
    return !grantees->isEmpty();
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
        const auto shared = sharedFlag(row.ownerId, row.clientId);
        if (!shared)
            return std::nullopt;
        row.payload.insert(QStringLiteral("is_shared"), *shared);
    }
    const bool stored = isNew ? m_rows.insert(&row) : m_rows.update(row);
    if (!stored || !m_audience.publish(row, seq, isNew))
        return std::nullopt;
    return result(object, QStringLiteral("ok"), row.serverId, {}, row.version);
}

} // namespace PennibarServer
