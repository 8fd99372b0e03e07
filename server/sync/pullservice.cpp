#include "server/sync/pullservice.h"

#include "server/sync/changesequence.h"
#include "server/sync/entityschema.h"
#include "server/sync/synccursor.h"
#include "server/sync/syncrowstore.h"

#include <QJsonArray>
#include <QSet>

namespace PennibarServer {

namespace {

const QString kAccount = QStringLiteral("account");
const QString kCategory = QStringLiteral("category");

// Parents before their children, so a device can store each category as it comes.
QJsonArray parentsFirst(QList<QJsonObject> categories)
{
    QJsonArray ordered;
    QSet<QString> pending;
    for (const QJsonObject& category : categories)
        pending.insert(category.value(QStringLiteral("client_id")).toString());
    while (!categories.isEmpty()) {
        const qsizetype before = categories.size();
        for (qsizetype i = 0; i < categories.size();) {
            const QJsonObject& category = categories.at(i);
            const QString parent = category.value(QStringLiteral("parent_id")).toString();
            if (parent.isEmpty() || !pending.contains(parent) ||
                parent == category.value(QStringLiteral("client_id")).toString()) {
                pending.remove(category.value(QStringLiteral("client_id")).toString());
                ordered.append(category);
                categories.removeAt(i);
            } else {
                ++i;
            }
        }
        if (categories.size() == before) { // a cycle: keep the order received
            for (const QJsonObject& category : categories)
                ordered.append(category);
            break;
        }
    }
    return ordered;
}

// A row the user may no longer see (an account no longer shared with them, a row moved out of
// it) is delivered as deleted and marked, so that the app drops it instead of keeping a deletion
// the user could undo: the row was never theirs.
QJsonObject withdrawn(QJsonObject tombstone)
{
    tombstone.insert(QStringLiteral("withdrawn"), true);
    return tombstone;
}

} // namespace

PullService::PullService(SyncFeed& feed, SyncRowStore& rows, ChangeSequence& sequence,
                         QString databaseId)
    : m_feed(feed), m_rows(rows), m_sequence(sequence), m_databaseId(std::move(databaseId))
{
}

PullService::Outcome PullService::pull(const QString& userId, const QString& cursorText, int limit,
                                       QJsonObject* page)
{
    FeedPosition start;
    if (!cursorText.isEmpty()) {
        const auto cursor = SyncCursor::decode(cursorText);
        if (!cursor)
            return Outcome::BadCursor;
        const auto last = m_sequence.current();
        if (!last)
            return Outcome::Failed;
        // A cursor of another database, or one ahead of this database (restored from a backup),
        // starts over: every row comes again and the app keeps what is newer.
        if (cursor->first == m_databaseId && cursor->second.seq <= *last)
            start = cursor->second;
        else
            qInfo("Pull of user %s starts over: the cursor belongs to another database state",
                  qPrintable(userId));
    }
    auto entries = m_feed.page(userId, start, limit + 1);
    if (!entries)
        return Outcome::Failed;
    const bool hasMore = entries->size() > limit;
    if (hasMore)
        entries->resize(limit);
    const FeedPosition end = entries->isEmpty() ? start : entries->last().position;
    const auto later = referencedLater(userId, *entries, end);
    if (!later)
        return Outcome::Failed;

    const QList<SyncFeed::Entry> sent = *entries + *later;
    QStringList types;
    QList<QJsonObject> records;
    QList<const SyncRow*> rows; // null for a withdrawn row
    for (const SyncFeed::Entry& entry : sent) {
        if (entry.gone) {
            types.append(entry.tombstoneType);
            records.append(withdrawn(entry.tombstone));
            rows.append(nullptr);
        } else if (entry.row) {
            types.append(entry.row->schema->type());
            records.append(entry.row->record());
            rows.append(&*entry.row);
        }
    }
    if (!markAmbiguous(userId, rows, records))
        return Outcome::Failed;
    QHash<QString, QJsonArray> arrays;
    QList<QJsonObject> categories;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (types.at(i) == kCategory)
            categories.append(records.at(i));
        else if (const EntitySchema* schema = EntitySchema::find(types.at(i)))
            arrays[schema->pullKey()].append(records.at(i));
    }
    *page = QJsonObject();
    for (const EntitySchema& schema : EntitySchema::all())
        page->insert(schema.pullKey(), schema.isCategory() ? parentsFirst(categories)
                                                           : arrays.value(schema.pullKey()));
    page->insert(QStringLiteral("cursor"), SyncCursor::encode(m_databaseId, end));
    page->insert(QStringLiteral("has_more"), hasMore);
    if (!hasMore) {
        const auto count = m_feed.liveCategoryCount(userId);
        if (!count)
            return Outcome::Failed;
        page->insert(QStringLiteral("integrity"),
                     QJsonObject{{QStringLiteral("category_count"), *count}});
    }
    return Outcome::Ok;
}

bool PullService::markAmbiguous(const QString& userId, const QList<const SyncRow*>& rows,
                                QList<QJsonObject>& records)
{
    QHash<QString, QStringList> clientIds; // per type
    for (const SyncRow* row : rows) {
        if (!row || row->schema->isCategory())
            continue;
        clientIds[row->schema->type()].append(row->clientId);
        if (!row->schema->isAccount())
            clientIds[kAccount].append(row->accountId);
    }
    QHash<QString, QSet<QString>> ambiguous; // per type
    for (auto it = clientIds.begin(); it != clientIds.end(); ++it) {
        it->removeDuplicates();
        const auto found = m_feed.ambiguousClientIds(userId, it.key(), *it);
        if (!found)
            return false;
        ambiguous.insert(it.key(), QSet<QString>(found->cbegin(), found->cend()));
    }
    const QSet<QString>& ambiguousAccounts = ambiguous[kAccount];
    QHash<QString, QString> accountServerIds; // owner/account → server id
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SyncRow* row = rows.at(i);
        if (!row || row->schema->isCategory())
            continue;
        if (ambiguous.value(row->schema->type()).contains(row->clientId))
            records[i].insert(QStringLiteral("ambiguous_client_id"), true);
        if (row->schema->isAccount() || !ambiguousAccounts.contains(row->accountId))
            continue;
        const QString key = row->ownerId + QLatin1Char('/') + row->accountId;
        if (!accountServerIds.contains(key)) {
            const SyncRowStore::Lookup account =
                m_rows.find(row->ownerId, kAccount, row->accountId);
            if (!account.ok)
                return false;
            accountServerIds.insert(key, account.row ? account.row->serverId : QString());
        }
        if (const QString serverId = accountServerIds.value(key); !serverId.isEmpty())
            records[i].insert(QStringLiteral("account_server_id"), serverId);
    }
    return true;
}

std::optional<QList<SyncFeed::Entry>>
PullService::referencedLater(const QString& userId, const QList<SyncFeed::Entry>& entries,
                             const FeedPosition& end)
{
    QSet<QString> present[2]; // accounts, categories
    QStringList accounts;
    QStringList categories;
    for (const SyncFeed::Entry& entry : entries) {
        if (entry.gone || !entry.row)
            continue;
        const SyncRow& row = *entry.row;
        if (row.schema->isAccount())
            present[0].insert(row.clientId);
        if (row.schema->isCategory())
            present[1].insert(row.clientId);
        if (row.deleted)
            continue;
        if (row.schema->isAccountBound() && !row.schema->isAccount())
            accounts.append(row.accountId);
        categories.append(row.categoryIds);
    }
    QList<SyncFeed::Entry> found;
    auto fetch = [&](const QString& type, QStringList ids, QSet<QString>& have) -> bool {
        while (true) {
            ids.removeDuplicates();
            ids.erase(std::remove_if(ids.begin(), ids.end(),
                                     [&](const QString& id) { return have.contains(id); }),
                      ids.end());
            if (ids.isEmpty())
                return true;
            const auto rows = m_feed.liveAfter(userId, type, ids, end);
            if (!rows)
                return false;
            for (const QString& id : ids)
                have.insert(id);
            QStringList parents;
            for (const SyncFeed::Entry& entry : *rows) {
                found.append(entry);
                parents.append(entry.row->categoryIds);
            }
            if (type != kCategory)
                return true;
            ids = parents;
        }
    };
    if (!fetch(kAccount, accounts, present[0]) || !fetch(kCategory, categories, present[1]))
        return std::nullopt;
    return found;
}

} // namespace PennibarServer
