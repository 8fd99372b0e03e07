#pragma once

#include <QString>

namespace PennibarServer {

class Audience;
class ChangeSequence;
class Clock;
class Database;
class ShareStore;
class SyncFeed;
class SyncRowStore;
struct SyncRow;

// Sharing an account and taking a share back, with what it means for the feeds: a new member
// receives the account, every row booked to it and the categories those rows use; a member whose
// share ends receives gone entries for all of it, and stops receiving the owner's categories that
// neither a remaining share nor the member's own rows use. The account's "is_shared" follows
// whether any share is left.
class ShareService
{
public:
    ShareService(Database& database, ChangeSequence& sequence, ShareStore& shares,
                 SyncRowStore& rows, SyncFeed& feed, Audience& audience, const Clock& clock);

    // Each runs in its own transaction. The caller has checked who may do it.
    bool share(const QString& ownerId, const QString& accountId, const QString& granteeId,
               const QString& role);
    bool unshare(const QString& ownerId, const QString& accountId, const QString& granteeId);

    // Inside a caller's transaction:
    bool unshareWithin(const QString& ownerId, const QString& accountId, const QString& granteeId);
    // Ends every share between two users, in both directions.
    bool unshareBetweenWithin(const QString& userA, const QString& userB);

private:
    bool setSharedFlag(SyncRow account, bool shared, qint64 seq);
    bool dropUnneededCategories(const QString& ownerId, const QString& granteeId);

    Database& m_database;
    ChangeSequence& m_sequence;
    ShareStore& m_shares;
    SyncRowStore& m_rows;
    SyncFeed& m_feed;
    Audience& m_audience;
    const Clock& m_clock;
};

} // namespace PennibarServer
