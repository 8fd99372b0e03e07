#pragma once

#include "server/sync/syncchange.h"
#include "server/sync/syncrow.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>

#include <optional>

namespace PennibarServer {

class Audience;
class ChangeSequence;
class Clock;
class Database;
class ShareService;
class ShareStore;
class SyncFeed;
class SyncRowStore;

// Stores a batch of pushed changes in one transaction and answers one result per change.
//
// Rows are kept per owner by (entity type, client id). A change goes to the pusher's own row, or,
// for a row of an account shared with the pusher, to the owner's row. Every accepted change gets
// a version above both the stored and the pushed one and the next place in the change sequence.
// Refused, per change: an upsert whose version is below the stored one ("conflict"), an upsert of
// a row deleted on the server ("conflict": deletion is final), a row the pusher may not reach
// ("not_found"), a new row under an account that somebody else shared with the pusher and no
// longer does ("forbidden": the owner's rows never become the pusher's own) and a change that
// cannot be read ("invalid"). A deletion is accepted whatever its version, since the app never
// brings a deleted row back; a category's is kept even when the server never had the category.
// A member deleting a shared account leaves the share; the owner's data stays.
class PushService
{
    Q_DECLARE_TR_FUNCTIONS(PushService)

public:
    static constexpr int kMaximumChanges = 500;

    PushService(Database& database, SyncRowStore& rows, ShareStore& shares, SyncFeed& feed,
                Audience& audience, ShareService& sharing, ChangeSequence& sequence,
                const Clock& clock);

    // The results, or nothing when the database failed (then nothing of the batch is stored).
    std::optional<QJsonArray> push(const QString& userId, const QJsonArray& changes);

private:
    // Where a change goes: an existing row, or a new row in `ownerId`'s data.
    struct Target
    {
        std::optional<SyncRow> row;
        QString ownerId;
        QString refusal;       // set when the change may not be stored
        QString refusalStatus; // the result's status then
        bool ignore = false;   // a deletion of a row the pusher cannot reach: nothing to do

        static Target to(std::optional<SyncRow> row, QString ownerId)
        {
            Target target;
            target.row = std::move(row);
            target.ownerId = std::move(ownerId);
            return target;
        }
    };

    std::optional<QJsonObject> apply(const QString& userId, const QJsonObject& object, qint64 seq);
    std::optional<Target> resolve(const QString& userId, const SyncChange& change);
    std::optional<QString> sharingOwner(const QString& userId, const QString& accountId);
    std::optional<bool> isSharedWith(const QString& userId, const QString& ownerId,
                                     const QString& accountId);
    // Whether the account with that client id is one somebody else shared with the user, and
    // not one of the user's own.
    std::optional<bool> isBorrowed(const QString& userId, const QString& accountId);
    void forgetSharesOfBatch();
    std::optional<QJsonObject> store(const QString& userId, const SyncChange& change,
                                     const Target& target, qint64 seq);
    std::optional<bool> sharedFlag(const QString& ownerId, const QString& accountId);

    Database& m_database;
    SyncRowStore& m_rows;
    ShareStore& m_shares;
    SyncFeed& m_feed;
    Audience& m_audience;
    ShareService& m_sharing;
    ChangeSequence& m_sequence;
    const Clock& m_clock;
    QHash<QString, QString> m_sharingOwners; // per batch: account id → owner sharing it
    QHash<QString, bool> m_borrowedAccounts; // per batch: account id → isBorrowed
};

} // namespace PennibarServer
