#include "server/sync/pullservice.h"

#include "server/sync/changesequence.h"
#include "server/sync/entityschema.h"
#include "server/sync/synccursor.h"

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

PullService::PullService(SyncFeed& feed, ChangeSequence& sequence, QString databaseId)
    : m_feed(feed), m_sequence(sequence), m_databaseId(std::move(databaseId))
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

    QHash<QString, QJsonArray> arrays;
    QList<QJsonObject> categories;
    auto add = [&](const QString& type, const QJsonObject& record) {
        if (type == kCategory)
            categories.append(record);
        else if (const EntitySchema* schema = EntitySchema::find(type))
            arrays[schema->pullKey()].append(record);
    };
    for (const SyncFeed::Entry& entry : *entries + *later) {
        if (entry.gone)
            add(entry.tombstoneType, withdrawn(entry.tombstone));
        else if (entry.row)
            add(entry.row->schema->type(), entry.row->record());
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
