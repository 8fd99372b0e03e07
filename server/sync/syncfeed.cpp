#include "server/sync/syncfeed.h"

#include "server/core/isotime.h"
#include "server/storage/database.h"
#include "server/sync/entityschema.h"
#include "server/sync/syncrowstore.h"

#include <QJsonDocument>

namespace PennibarServer {

namespace {

// A user's feed in order, with each entry's row (if it still exists).
const QString kFeedFirst =
    QStringLiteral("sync_feed f LEFT JOIN sync_rows r ON r.server_id = f.row_id");
// Rows found by client id first, then their feed entries: the few rows with one client id are
// found through their index instead of walking a long feed. (SQLite keeps CROSS JOIN's order;
// for PostgreSQL it is an ordinary join.)
const QString kRowsFirst = QStringLiteral("sync_rows r CROSS JOIN sync_feed f");

} // namespace

bool SyncFeed::publish(const QString& userId, const QString& rowId, qint64 seq)
{
    return m_database.execute(
        QStringLiteral("INSERT INTO sync_feed (user_id, row_id, seq, gone, tombstone) VALUES (?, "
                       "?, ?, 0, NULL) ON CONFLICT (user_id, row_id) DO UPDATE SET seq = "
                       "excluded.seq, gone = 0, tombstone = NULL"),
        {userId, rowId, seq});
}

bool SyncFeed::withdraw(const QString& userId, const SyncRow& row, qint64 seq, qint64 now)
{
    QJsonObject record = row.record();
    record.insert(QStringLiteral("deleted_at"), isoTime(now));
    // One above the row's version, so it wins over the copy the user's devices hold.
    record.insert(QStringLiteral("version"), row.version + 1);
    const QJsonObject tombstone{{QStringLiteral("type"), row.schema->type()},
                                {QStringLiteral("record"), record}};
    return m_database.execute(
        QStringLiteral("INSERT INTO sync_feed (user_id, row_id, seq, gone, tombstone) VALUES (?, "
                       "?, ?, 1, ?) ON CONFLICT (user_id, row_id) DO UPDATE SET seq = "
                       "excluded.seq, gone = 1, tombstone = excluded.tombstone"),
        {userId, row.serverId, seq,
         QString::fromUtf8(QJsonDocument(tombstone).toJson(QJsonDocument::Compact))});
}

bool SyncFeed::drop(const QString& userId, const QString& rowId)
{
    return m_database.execute(
        QStringLiteral("DELETE FROM sync_feed WHERE user_id = ? AND row_id = ?"), {userId, rowId});
}

std::optional<QList<SyncFeed::Holder>> SyncFeed::holders(const QString& rowId)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT user_id, gone FROM sync_feed WHERE row_id = ?"), {rowId});
    if (!rows)
        return std::nullopt;
    QList<Holder> holders;
    for (const SqlRow& row : *rows)
        holders.append({row.at(0).toString(), row.at(1).toInt() != 0});
    return holders;
}

std::optional<bool> SyncFeed::heldAccountOfOthers(const QString& userId, const QString& accountId)
{
    // The few account rows with that client id first, through their index, then the user's
    // entry for each; a gone entry counts, since it stays when a share ends.
    const auto rows = m_database.select(
        QStringLiteral("SELECT 1 FROM %1 WHERE r.entity_type = 'account' AND r.client_id = ? AND "
                       "r.owner_id <> ? AND f.row_id = r.server_id AND f.user_id = ? LIMIT 1")
            .arg(kRowsFirst),
        {accountId, userId, userId});
    if (!rows)
        return std::nullopt;
    return !rows->isEmpty();
}

std::optional<bool> SyncFeed::showsRow(const QString& userId, const QString& rowId)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT gone FROM sync_feed WHERE user_id = ? AND row_id = ?"),
        {userId, rowId});
    if (!rows)
        return std::nullopt;
    return !rows->isEmpty() && rows->first().at(0).toInt() == 0;
}

std::optional<bool> SyncFeed::showsRowNotOwnedBy(const QString& userId, const QString& entityType,
                                                 const QString& clientId, const QString& ownerId)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT 1 FROM %1 WHERE r.entity_type = ? AND r.client_id = ? AND "
                       "r.owner_id <> ? AND f.row_id = r.server_id AND f.user_id = ? AND f.gone = "
                       "0 LIMIT 1")
            .arg(kRowsFirst),
        {entityType, clientId, ownerId, userId});
    if (!rows)
        return std::nullopt;
    return !rows->isEmpty();
}

std::optional<bool> SyncFeed::holdsIdsOfAccount(const QString& userId, const QString& ownerId,
                                                const QString& accountId)
{
    // The account's rows through the owner's index, then the rows of other owners with each
    // id through theirs, then the user's entry for each.
    const auto rows = m_database.select(
        QStringLiteral(
            "SELECT 1 FROM sync_rows o CROSS JOIN sync_rows r WHERE o.owner_id = ? AND "
            "o.account_id = ? AND o.deleted = 0 AND r.entity_type = o.entity_type AND "
            "r.client_id = o.client_id AND r.owner_id <> o.owner_id AND (r.owner_id = ? OR "
            "EXISTS (SELECT 1 FROM sync_feed f WHERE f.user_id = ? AND f.row_id = r.server_id "
            "AND f.gone = 0)) LIMIT 1"),
        {ownerId, accountId, userId, userId});
    if (!rows)
        return std::nullopt;
    return !rows->isEmpty();
}

std::optional<QStringList> SyncFeed::ambiguousClientIds(const QString& userId,
                                                        const QString& entityType,
                                                        const QStringList& clientIds)
{
    QStringList ambiguous;
    // In slices, so that no statement binds more values than a database takes.
    constexpr qsizetype kSlice = 200;
    for (qsizetype start = 0; start < clientIds.size(); start += kSlice) {
        const QStringList slice = clientIds.mid(start, kSlice);
        QVariantList arguments{entityType};
        for (const QString& id : slice)
            arguments.append(id);
        arguments.append(userId);
        const auto rows = m_database.select(
            QStringLiteral("SELECT r.client_id FROM %1 WHERE r.entity_type = ? AND r.client_id "
                           "IN (%2) AND f.row_id = r.server_id AND f.user_id = ? AND f.gone = 0 "
                           "GROUP BY r.client_id HAVING COUNT(*) > 1")
                .arg(kRowsFirst, QStringList(slice.size(), QStringLiteral("?")).join(u',')),
            arguments);
        if (!rows)
            return std::nullopt;
        for (const SqlRow& row : *rows)
            ambiguous.append(row.at(0).toString());
    }
    return ambiguous;
}

std::optional<QList<SyncFeed::Entry>> SyncFeed::entries(const QString& from, const QString& where,
                                                        const QVariantList& arguments,
                                                        const QString& tail)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT f.row_id, f.seq, f.gone, f.tombstone, %1 FROM %2 WHERE %3 %4")
            .arg(SyncRowStore::columns(QStringLiteral("r.")), from, where, tail),
        arguments);
    if (!rows)
        return std::nullopt;
    QList<Entry> entries;
    entries.reserve(rows->size());
    for (const SqlRow& values : *rows) {
        Entry entry;
        entry.position = {values.at(1).toLongLong(), values.at(0).toString()};
        entry.gone = values.at(2).toInt() != 0;
        if (entry.gone) {
            const QJsonObject tombstone =
                QJsonDocument::fromJson(values.at(3).toString().toUtf8()).object();
            entry.tombstoneType = tombstone.value(QStringLiteral("type")).toString();
            entry.tombstone = tombstone.value(QStringLiteral("record")).toObject();
        }
        if (!values.at(4).isNull())
            entry.row = SyncRowStore::fromValues(values, 4);
        entries.append(std::move(entry));
    }
    return entries;
}

std::optional<QList<SyncFeed::Entry>> SyncFeed::page(const QString& userId,
                                                     const FeedPosition& after, int limit)
{
    return entries(kFeedFirst, QStringLiteral("f.user_id = ? AND (f.seq, f.row_id) > (?, ?)"),
                   {userId, after.seq, after.rowId, limit},
                   QStringLiteral("ORDER BY f.seq, f.row_id LIMIT ?"));
}

std::optional<QList<SyncFeed::Entry>> SyncFeed::liveAfter(const QString& userId,
                                                          const QString& entityType,
                                                          const QStringList& clientIds,
                                                          const FeedPosition& after)
{
    QList<Entry> found;
    for (const QString& clientId : clientIds) {
        const auto matches = entries(
            kRowsFirst,
            QStringLiteral("f.row_id = r.server_id AND f.user_id = ? AND f.gone = 0 AND (f.seq, "
                           "f.row_id) > (?, ?) AND r.entity_type = ? AND r.client_id = ?"),
            {userId, after.seq, after.rowId, entityType, clientId}, QString());
        if (!matches)
            return std::nullopt;
        found.append(*matches);
    }
    return found;
}

std::optional<QList<SyncRow>> SyncFeed::liveCategoriesOf(const QString& userId,
                                                         const QString& ownerId)
{
    const auto matches =
        entries(kRowsFirst,
                QStringLiteral("r.owner_id = ? AND r.entity_type = 'category' AND f.row_id = "
                               "r.server_id AND f.user_id = ? AND f.gone = 0"),
                {ownerId, userId}, QString());
    if (!matches)
        return std::nullopt;
    QList<SyncRow> rows;
    for (const Entry& entry : *matches)
        rows.append(*entry.row);
    return rows;
}

std::optional<int> SyncFeed::liveCategoryCount(const QString& userId)
{
    // The user's own categories and those of owners who share accounts with them (the only
    // others a feed can hold), each looked up through the owner's index, not the whole feed.
    const auto rows = m_database.select(
        QStringLiteral("SELECT COUNT(DISTINCT r.client_id) FROM sync_rows r CROSS JOIN sync_feed "
                       "f WHERE r.owner_id IN (SELECT ? UNION SELECT owner_id FROM "
                       "account_shares WHERE grantee_id = ?) AND r.entity_type = 'category' AND "
                       "r.deleted = 0 AND f.row_id = r.server_id AND f.user_id = ? AND f.gone = "
                       "0"),
        {userId, userId, userId});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().at(0).toInt();
}

bool SyncFeed::removeUser(const QString& userId)
{
    return m_database.execute(QStringLiteral("DELETE FROM sync_feed WHERE user_id = ?"),
                              {userId}) &&
           m_database.execute(
               QStringLiteral("DELETE FROM sync_feed WHERE gone = 0 AND row_id IN "
                              "(SELECT server_id FROM sync_rows WHERE owner_id = ?)"),
               {userId});
}

} // namespace PennibarServer
