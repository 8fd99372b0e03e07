#include "data/syncwireidrepository.h"

#include <QStringList>

namespace {

SyncWireId readWireId(RowReader& row)
{
    SyncWireId wireId;
    wireId.entityType = row.text();
    wireId.localId = row.text();
    wireId.serverId = row.text();
    wireId.clientId = row.text();
    return wireId;
}

} // namespace

SyncWireIdRepository::SyncWireIdRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("sync_wire_ids"), parent)
{
}

bool SyncWireIdRepository::record(const SyncWireId& wireId)
{
    return write(QStringLiteral("INSERT INTO sync_wire_ids (entity_type, local_id, server_id, "
                                "client_id) VALUES (?, ?, ?, ?) ON CONFLICT(entity_type, "
                                "local_id) DO UPDATE SET server_id = excluded.server_id, "
                                "client_id = excluded.client_id"),
                 {wireId.entityType, wireId.localId, wireId.serverId, wireId.clientId}, "record");
}

QList<SyncWireId> SyncWireIdRepository::current() const
{
    static const QList<std::pair<const char*, const char*>> tables = {
        {"account", "accounts"},
        {"category", "categories"},
        {"recurring", "recurring_transactions"},
        {"transaction", "transactions"},
        {"reconciliation", "reconciliations"}};
    QStringList holders;
    for (const auto& [type, table] : tables)
        holders << QStringLiteral("(w.entity_type = '%1' AND EXISTS (SELECT 1 FROM %2 r WHERE "
                                  "r.id = w.local_id AND r.server_id = w.server_id))")
                       .arg(QLatin1String(type), QLatin1String(table));
    return list(QStringLiteral("SELECT w.entity_type, w.local_id, w.server_id, w.client_id FROM "
                               "sync_wire_ids w WHERE %1")
                    .arg(holders.join(QStringLiteral(" OR "))),
                {}, readWireId);
}

void SyncWireIdRepository::emitChange(const QString&)
{
    // Nothing shows these ids: the rows they belong to announce their own changes.
}
