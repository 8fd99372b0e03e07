#include "server/sync/changesequence.h"

#include "server/storage/database.h"

namespace PennibarServer {

std::optional<qint64> ChangeSequence::reserve(qint64 count)
{
    const auto rows = m_database.select(
        QStringLiteral("UPDATE sync_counter SET value = value + ? WHERE id = 1 RETURNING value"),
        {qMax<qint64>(count, 1)});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().at(0).toLongLong() - qMax<qint64>(count, 1) + 1;
}

std::optional<qint64> ChangeSequence::current()
{
    const auto rows =
        m_database.select(QStringLiteral("SELECT value FROM sync_counter WHERE id = 1"));
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().at(0).toLongLong();
}

} // namespace PennibarServer
