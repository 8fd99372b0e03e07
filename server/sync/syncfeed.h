#pragma once

#include "server/sync/feedposition.h"
#include "server/sync/syncrow.h"

#include <QJsonObject>
#include <QList>

#include <optional>

namespace PennibarServer {

class Database;

// What each user pulls (table sync_feed): one entry per row they may see, at the change number
// of the row's latest change. A gone entry makes the user's devices delete a row they may no
// longer see; it carries the row as it was then, so nothing written later reaches them.
class SyncFeed
{
public:
    explicit SyncFeed(Database& database) : m_database(database) {}

    struct Entry
    {
        FeedPosition position;
        bool gone = false;
        QString tombstoneType;
        QJsonObject tombstone;
        std::optional<SyncRow> row; // absent for a gone entry whose row no longer exists
    };
    struct Holder
    {
        QString userId;
        bool gone = false;
    };

    bool publish(const QString& userId, const QString& rowId, qint64 seq);
    bool withdraw(const QString& userId, const SyncRow& row, qint64 seq, qint64 now);
    bool drop(const QString& userId, const QString& rowId);

    std::optional<QList<Holder>> holders(const QString& rowId);
    // Whether the user's feed holds, or held until a share ended, an account with that client
    // id that somebody else owns.
    std::optional<bool> heldAccountOfOthers(const QString& userId, const QString& accountId);
    // Whether the user's feed shows that row, and not as gone.
    std::optional<bool> showsRow(const QString& userId, const QString& rowId);
    // Whether the user's feed shows a row of that type and client id that `ownerId` does not
    // own. The app keeps one row per type and client id, so a second one would meet it there.
    std::optional<bool> showsRowNotOwnedBy(const QString& userId, const QString& entityType,
                                           const QString& clientId, const QString& ownerId);
    // Whether the user owns, or is shown by somebody else, a row of the same type and client id
    // as one of `ownerId`'s live rows of that account (the account itself included).
    std::optional<bool> holdsIdsOfAccount(const QString& userId, const QString& ownerId,
                                          const QString& accountId);
    // Those of the client ids under which the user's feed shows more than one row of the type.
    std::optional<QStringList> ambiguousClientIds(const QString& userId, const QString& entityType,
                                                  const QStringList& clientIds);
    // The user's entries after `after`, in order, at most `limit`.
    std::optional<QList<Entry>> page(const QString& userId, const FeedPosition& after, int limit);
    // Live entries after `after` for rows of that type with these client ids (rows a page refers
    // to but that come later in the feed).
    std::optional<QList<Entry>> liveAfter(const QString& userId, const QString& entityType,
                                          const QStringList& clientIds, const FeedPosition& after);
    // Live entries of the user for categories of `ownerId`.
    std::optional<QList<SyncRow>> liveCategoriesOf(const QString& userId, const QString& ownerId);
    // How many different live categories the user sees.
    std::optional<int> liveCategoryCount(const QString& userId);
    // Forgets a user's feed, and every entry that points at a row the user owned.
    bool removeUser(const QString& userId);

private:
    std::optional<QList<Entry>> entries(const QString& from, const QString& where,
                                        const QVariantList& arguments, const QString& tail);

    Database& m_database;
};

} // namespace PennibarServer
