#include "data/repository.h"

#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/unitofwork.h"

#include "app/core/isodates.h"

#include <QDebug>
#include <QSqlError>

Repository::Repository(Database* database, const QString& table, QObject* parent)
    : QObject(parent), m_database(database), m_table(table)
{
}

void Repository::announce(const QString& key)
{
    if (UnitOfWork* unit = m_database->openUnitOfWork())
        unit->hold(this, key);
    else
        emitChange(key);
}

QSqlQuery Repository::run(const QString& sql, const QVariantList& bindings, bool* ok) const
{
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    bool succeeded = query.prepare(sql);
    if (succeeded) {
        for (const QVariant& value : bindings)
            query.addBindValue(value);
        succeeded = query.exec();
    }
    if (ok)
        *ok = succeeded;
    return query;
}

void Repository::logFailure(const char* operation, const QSqlQuery& query) const
{
    if (!operation)
        return;
    qWarning().noquote() << QStringLiteral("%1::%2 failed:")
                                .arg(QLatin1String(metaObject()->className()),
                                     QLatin1String(operation))
                         << query.lastError().text();
}

int Repository::runWrite(const QString& sql, const QVariantList& bindings,
                         const char* operation) const
{
    auto statement = m_writeStatements.find(sql);
    if (statement == m_writeStatements.end()) {
        QSqlQuery query(m_database->connection());
        if (!query.prepare(sql)) {
            logFailure(operation, query);
            return -1;
        }
        statement = m_writeStatements.insert(sql, query);
    }
    QSqlQuery& query = statement.value();
    for (int i = 0; i < bindings.size(); ++i)
        query.bindValue(i, bindings.at(i));
    const bool ok = query.exec();
    const int changed = ok ? query.numRowsAffected() : -1;
    if (!ok)
        logFailure(operation, query);
    query.finish();
    return changed;
}

bool Repository::write(const QString& sql, const QVariantList& bindings,
                       const char* operation) const
{
    return runWrite(sql, bindings, operation) >= 0;
}

int Repository::writeMany(const QString& sql, const QVariantList& bindings,
                          const char* operation) const
{
    return qMax(0, runWrite(sql, bindings, operation));
}

int Repository::writeCounted(const QString& sql, const QVariantList& bindings,
                             const char* operation) const
{
    return runWrite(sql, bindings, operation);
}

bool Repository::softDeleteById(const QString& id, const char* operation) const
{
    const QString now = toIsoTimestamp(nowUtc());
    return write(QStringLiteral("UPDATE %1 SET deleted_at=?, sync_status='pending', updated_at=? "
                                "WHERE id=?")
                     .arg(m_table),
                 {now, now, id}, operation);
}

int Repository::softDeleteByAccountId(const QString& accountId) const
{
    const QString now = toIsoTimestamp(nowUtc());
    return writeMany(QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = "
                                    "'pending' WHERE account_id = ? AND deleted_at IS NULL")
                         .arg(m_table),
                     {now, now, accountId}, "softDeleteByAccount");
}

int Repository::restoreByAccountId(const QString& accountId, const QString& since) const
{
    return writeMany(
        QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status = "
                       "'pending' WHERE account_id = ? AND deleted_at >= ?")
            .arg(m_table),
        {toIsoTimestamp(nowUtc()), accountId, since}, "restoreByAccount");
}

int Repository::removeById(const QString& id) const
{
    return writeCounted(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(m_table), {id}, "remove");
}

int Repository::removeByAccountId(const QString& accountId) const
{
    return writeCounted(QStringLiteral("DELETE FROM %1 WHERE account_id = ?").arg(m_table),
                        {accountId}, "removeByAccount");
}

bool Repository::markRowSynced(const QString& id, const QString& serverId) const
{
    return write(
        QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?").arg(m_table),
        {serverId, id}, nullptr);
}

int Repository::pendingCount() const
{
    QSqlQuery query = run(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(m_table), {});
    return query.next() ? query.value(0).toInt() : 0;
}

qint64 Repository::rowIdOf(const QString& id) const
{
    QSqlQuery query = run(QStringLiteral("SELECT rowid FROM %1 WHERE id = ?").arg(m_table), {id});
    return query.next() ? query.value(0).toLongLong() : 0;
}

QString Repository::idForServerIdQuery(const QString& table)
{
    return QStringLiteral("SELECT id FROM %1 WHERE server_id = ?").arg(table);
}

QString Repository::idForServerId(const QString& serverId) const
{
    QSqlQuery query = run(idForServerIdQuery(m_table), {serverId});
    return query.next() ? query.value(0).toString() : QString();
}

bool Repository::keepPulledDeletion(const QString& id, const SyncBookkeeping& pulled)
{
    return write(QStringLiteral("UPDATE %1 SET deleted_at=?, updated_at=? WHERE id=?").arg(m_table),
                 {SqlValue::timestamp(pulled.deletedAt), SqlValue::timestamp(pulled.updatedAt), id},
                 "keepPulledDeletion");
}

bool Repository::markPushed(const QString& id, const QString& serverId,
                            const SyncBookkeeping& pushed, int serverVersion)
{
    const int marked = runWrite(
        QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=? AND version=? "
                       "AND updated_at=? AND deleted_at IS ?")
            .arg(m_table),
        {serverId, id, pushed.version, SqlValue::timestamp(pushed.updatedAt),
         SqlValue::timestamp(pushed.deletedAt)},
        "markSynced");
    if (marked != 0)
        return marked > 0;
    write(QStringLiteral("UPDATE %1 SET server_id=?, version=MAX(version, ?) WHERE id=?")
              .arg(m_table),
          {serverId, serverVersion, id}, "markSynced");
    return false;
}

int Repository::markAllRowsPendingForResync() const
{
    return writeMany(QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE deleted_at IS "
                                    "NULL AND sync_status != 'pending'")
                         .arg(m_table),
                     {}, "markAllPendingForResync");
}
