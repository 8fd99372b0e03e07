#pragma once

#include "server/sync/syncrow.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace PennibarServer {

class Clock;
class ShareStore;
class SyncFeed;
class SyncRowStore;

// Decides whose feed a changed row goes into. The owner always sees their rows; the members an
// account is shared with see the account's rows; whoever sees a shared row and lacks a category
// it is booked to gets that category (with its parents) from the owner or another member; anyone
// who may no longer see a row gets a gone entry for it.
class Audience
{
public:
    Audience(SyncFeed& feed, ShareStore& shares, SyncRowStore& rows, const Clock& clock);

    // `isNew`: the row was just created, so nobody holds it yet.
    bool publish(const SyncRow& row, qint64 seq, bool isNew = false);
    // While a batch runs, who an account is shared with is read once per account.
    void beginBatch() { m_batch = true; }
    void endBatch()
    {
        m_batch = false;
        m_grantees.clear();
    }
    // Shares changed within the batch.
    void forgetShares() { m_grantees.clear(); }
    // Puts categories with these ids, and their parents, into the viewer's feed, taking each
    // from the first of `sources` that has it live, except those the viewer has live categories
    // of their own for or sees already.
    bool deliverCategories(const QString& viewerId, const QStringList& sources, QStringList ids,
                           qint64 seq);

private:
    std::optional<QStringList> grantees(const QString& ownerId, const QString& accountId);
    // The first live category with that id among the sources other than the viewer; an empty
    // row when none has it; nothing when the lookup failed.
    std::optional<SyncRow> categoryFrom(const QStringList& sources, const QString& viewerId,
                                        const QString& id);

    SyncFeed& m_feed;
    ShareStore& m_shares;
    SyncRowStore& m_rows;
    const Clock& m_clock;
    bool m_batch = false;
    QHash<QString, QStringList> m_grantees;
};

} // namespace PennibarServer
