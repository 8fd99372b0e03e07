#include "server/sync/audience.h"

#include "server/core/clock.h"
#include "server/sync/entityschema.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncrowstore.h"

#include <QSet>

namespace PennibarServer {

Audience::Audience(SyncFeed& feed, ShareStore& shares, SyncRowStore& rows, const Clock& clock)
    : m_feed(feed), m_shares(shares), m_rows(rows), m_clock(clock)
{
}

std::optional<QStringList> Audience::grantees(const QString& ownerId, const QString& accountId)
{
    const QString key = ownerId + QLatin1Char('/') + accountId;
    if (m_batch && m_grantees.contains(key))
        return m_grantees.value(key);
    const auto found = m_shares.grantees(ownerId, accountId);
    if (found && m_batch)
        m_grantees.insert(key, *found);
    return found;
}

bool Audience::publish(const SyncRow& row, qint64 seq, bool isNew)
{
    QStringList members;
    if (row.schema->isAccountBound()) {
        const auto found = grantees(row.ownerId, row.accountId);
        if (!found)
            return false;
        members = *found;
    }
    QSet<QString> viewers(members.cbegin(), members.cend());
    viewers.insert(row.ownerId);
    const std::optional<QList<SyncFeed::Holder>> holders =
        isNew ? QList<SyncFeed::Holder>() : m_feed.holders(row.serverId);
    if (!holders)
        return false;
    for (const SyncFeed::Holder& holder : *holders) {
        if (holder.gone || viewers.contains(holder.userId))
            continue;
        // A category handed to a member keeps reaching them; an account's row that moved out of
        // a shared account leaves the member's devices.
        if (row.schema->isCategory())
            viewers.insert(holder.userId);
        else if (!m_feed.withdraw(holder.userId, row, seq, m_clock.now()))
            return false;
    }
    for (const QString& viewer : viewers) {
        if (!m_feed.publish(viewer, row.serverId, seq))
            return false;
    }
    if (members.isEmpty())
        return true;
    // Everyone who sees a shared row must be able to store it: whoever lacks a category it is
    // booked to gets that category from the owner or from a member who has it (a member may
    // have booked the row to a category of their own).
    const QStringList sources = QStringList{row.ownerId} + members;
    for (const QString& viewer : sources) {
        if (!deliverCategories(viewer, sources, row.categoryIds, seq))
            return false;
    }
    return true;
}

std::optional<SyncRow> Audience::categoryFrom(const QStringList& sources, const QString& viewerId,
                                              const QString& id)
{
    for (const QString& source : sources) {
        if (source == viewerId)
            continue;
        const SyncRowStore::Lookup found = m_rows.find(source, QStringLiteral("category"), id);
        if (!found.ok)
            return std::nullopt;
        if (found.row && !found.row->deleted)
            return found.row;
    }
    return SyncRow();
}

bool Audience::deliverCategories(const QString& viewerId, const QStringList& sources,
                                 QStringList ids, qint64 seq)
{
    QSet<QString> seen;
    while (!ids.isEmpty()) {
        const QString id = ids.takeFirst();
        if (seen.contains(id))
            continue;
        seen.insert(id);
        const SyncRowStore::Lookup own = m_rows.find(viewerId, QStringLiteral("category"), id);
        if (!own.ok)
            return false;
        if (own.row && !own.row->deleted)
            continue;
        const auto category = categoryFrom(sources, viewerId, id);
        if (!category)
            return false;
        if (category->serverId.isEmpty())
            continue; // nobody has it
        const auto shown = m_feed.showsRow(viewerId, category->serverId);
        if (!shown)
            return false;
        if (!*shown && !m_feed.publish(viewerId, category->serverId, seq))
            return false;
        ids.append(category->categoryIds); // the parent
    }
    return true;
}

} // namespace PennibarServer
