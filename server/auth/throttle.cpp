#include "server/auth/throttle.h"

#include "server/core/clock.h"
#include "server/storage/database.h"

namespace PennibarServer {

qint64 Throttle::waitFor(const QString& subject, int limit, qint64 window)
{
    const qint64 now = m_clock.now();
    const auto rows = m_database.select(QStringLiteral("SELECT happened_at FROM throttle_events "
                                                       "WHERE subject = ? AND happened_at > ? "
                                                       "ORDER BY happened_at DESC LIMIT ?"),
                                        {subject, now - window, limit});
    if (!rows || rows->size() < limit)
        return 0;
    return qMax<qint64>(1, rows->last().at(0).toLongLong() + window - now);
}

Throttle::Attempts Throttle::recent(const QString& subject, qint64 window)
{
    const auto rows = m_database.select(QStringLiteral("SELECT COUNT(*), MAX(happened_at) FROM "
                                                       "throttle_events WHERE subject = ? AND "
                                                       "happened_at > ?"),
                                        {subject, m_clock.now() - window});
    if (!rows || rows->isEmpty())
        return {};
    return {rows->first().at(0).toInt(), rows->first().at(1).toLongLong()};
}

void Throttle::record(const QString& subject)
{
    m_database.execute(
        QStringLiteral("INSERT INTO throttle_events (subject, happened_at) VALUES (?, ?)"),
        {subject, m_clock.now()});
}

void Throttle::clear(const QString& subject)
{
    m_database.execute(QStringLiteral("DELETE FROM throttle_events WHERE subject = ?"), {subject});
}

bool Throttle::purge()
{
    return m_database.execute(QStringLiteral("DELETE FROM throttle_events WHERE happened_at < ?"),
                              {m_clock.now() - 24 * 3600});
}

} // namespace PennibarServer
