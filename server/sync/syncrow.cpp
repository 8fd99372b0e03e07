#include "server/sync/syncrow.h"

namespace PennibarServer {

QJsonObject SyncRow::record() const
{
    QJsonObject record = payload;
    record.insert(QStringLiteral("id"), serverId);
    record.insert(QStringLiteral("client_id"), clientId);
    record.insert(QStringLiteral("version"), version);
    if (!deleted)
        record.remove(QStringLiteral("deleted_at"));
    return record;
}

} // namespace PennibarServer
