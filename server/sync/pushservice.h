#pragma once

#include "server/sync/syncchange.h"
#include "server/sync/syncrow.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QSet>

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
// Rows are kept per owner by (entity type, client id). A change goes to the row the app names by
// its server id when the pusher may reach it, else to the pusher's own row, or, for a row of an
// account shared with the pusher, to the owner's row; a new row goes into the account the app
// names by "account_server_id", else the one shared with the pusher, else the pusher's own. Every
// accepted change gets a version above both the stored and the pushed one and the next place in
// the change sequence. Refused, per change: an upsert whose version is below the stored one
// ("conflict"), an upsert of a row deleted on the server ("conflict": deletion is final), a row
// the pusher may not reach ("not_found"), a new row under an account that somebody else shared
// with the pusher and no longer does ("forbidden": the owner's rows never become the pusher's
// own), a new row of a type and id that somebody else shows the pusher already ("forbidden": the
// app keeps one row per id), a row of a shared account booked to a category that is neither its
// pusher's own nor in use in the account ("forbidden": everyone who sees the row would receive
// it) and a change that cannot be read ("invalid"). A deletion is accepted whatever its version, since the app never brings a deleted
// row back; a category's is kept even when the server never had the category. A member deleting
// a shared account leaves the share; the owner's data stays.
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
    std::optional<QStringList> granteesOf(const QString& ownerId, const QString& accountId);
    std::optional<bool> isSharedWith(const QString& userId, const QString& ownerId,
                                     const QString& accountId);
    // The owner of the account a new row goes into: the one the app names by its server id
    // when the pusher owns it or has it shared, else the owner sharing an account with that
    // client id with the pusher; empty for the pusher's own.
    std::optional<QString> ownerForNewRow(const QString& userId, const SyncChange& change);
    // The first category a row of a shared account newly refers to that is neither the
    // pusher's own nor in use in the account (empty when there is none).
    std::optional<QString> unusableCategory(const QString& userId, const SyncChange& change,
                                            const Target& target);
    // The categories the live rows of a shared account are booked to, with their parents
    // (found among `sources`, the owner and the members): whoever sees the account has them.
    std::optional<QSet<QString>> categoriesInUse(const QString& ownerId, const QString& accountId,
                                                 const QStringList& sources);
    // Whether the account with that client id is one somebody else shared with the user, and
    // not one of the user's own.
    std::optional<bool> isBorrowed(const QString& userId, const QString& accountId);
    void forgetSharesOfBatch();
    std::optional<QJsonObject> store(const QString& userId, const SyncChange& change,
                                     const Target& target, qint64 seq);

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
    QHash<QString, QStringList> m_grantees;  // per batch: owner/account → grantees
    // Per batch: owner/account → categoriesInUse. A row of the batch adds only categories that
    // were usable already, so the set read first holds for the whole batch.
    QHash<QString, QSet<QString>> m_categoriesInUse;
};

} // namespace PennibarServer
