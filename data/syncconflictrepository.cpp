#include "data/syncconflictrepository.h"

#include "data/sqlvalue.h"

namespace {

const QString columns =
    QStringLiteral("id, entity_type, entity_id, local_change, description, replaced_at");

SyncConflict readConflict(RowReader& row)
{
    SyncConflict conflict;
    conflict.id = row.money(); // read as the 64-bit integer it is
    conflict.entityType = row.text();
    conflict.entityId = row.text();
    conflict.localChange = row.text();
    conflict.description = row.text();
    conflict.replacedAt = row.timestamp();
    return conflict;
}

} // namespace

SyncConflictRepository::SyncConflictRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("sync_conflicts"), parent)
{
}

QList<SyncConflict> SyncConflictRepository::listAll() const
{
    return list(QStringLiteral("SELECT %1 FROM sync_conflicts ORDER BY replaced_at DESC, id DESC")
                    .arg(columns),
                {}, readConflict);
}

std::optional<SyncConflict> SyncConflictRepository::byId(qint64 id) const
{
    return first(QStringLiteral("SELECT %1 FROM sync_conflicts WHERE id = ?").arg(columns), {id},
                 readConflict);
}

int SyncConflictRepository::count() const
{
    QSqlQuery query = run(QStringLiteral("SELECT COUNT(*) FROM sync_conflicts"), {});
    return query.next() ? query.value(0).toInt() : 0;
}

bool SyncConflictRepository::record(const SyncConflict& conflict)
{
    const bool ok = write(
        QStringLiteral("INSERT INTO sync_conflicts (entity_type, entity_id, local_change, "
                       "description, replaced_at) VALUES (?, ?, ?, ?, ?) ON CONFLICT(entity_type, "
                       "entity_id) DO UPDATE SET local_change = excluded.local_change, "
                       "description = excluded.description, replaced_at = excluded.replaced_at"),
        {conflict.entityType, conflict.entityId, conflict.localChange,
         conflict.description.isNull() ? QStringLiteral("") : conflict.description,
         SqlValue::timestamp(conflict.replacedAt)},
        "record");
    if (ok)
        announce();
    return ok;
}

bool SyncConflictRepository::remove(qint64 id)
{
    const bool ok =
        write(QStringLiteral("DELETE FROM sync_conflicts WHERE id = ?"), {id}, "remove");
    if (ok)
        announce();
    return ok;
}

void SyncConflictRepository::emitChange(const QString&)
{
    emit conflictsChanged();
}
