#include "data/reconciliationrepository.h"

#include "data/sqlvalue.h"

#include "app/core/isodates.h"

namespace {

const QString columns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

QString select(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM reconciliations %2").arg(columns, tail);
}

Reconciliation readReconciliation(RowReader& row)
{
    Reconciliation r;
    r.id = row.text();
    r.accountId = row.text();
    r.statementDate = row.date();
    r.statementBalance = row.money();
    r.reconciledBalance = row.money();
    r.completedAt = row.timestamp();
    row.readBookkeeping(r);
    return r;
}

QDateTime validOrNow(const QDateTime& timestamp)
{
    return timestamp.isValid() ? timestamp : nowUtc();
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("reconciliations"), parent)
{
}

QList<Reconciliation> ReconciliationRepository::listByAccount(const QString& accountId) const
{
    return list(select(QStringLiteral("WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                                      "statement_date DESC")),
                {accountId}, readReconciliation);
}

std::optional<Reconciliation>
ReconciliationRepository::latestForAccount(const QString& accountId) const
{
    return first(select(QStringLiteral("WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                                       "statement_date DESC LIMIT 1")),
                 {accountId}, readReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::byId(const QString& id) const
{
    return first(select(QStringLiteral("WHERE id = ?")), {id}, readReconciliation);
}

QList<Reconciliation> ReconciliationRepository::pending() const
{
    return list(select(QStringLiteral("WHERE sync_status = 'pending'")), {}, readReconciliation);
}

QList<Reconciliation> ReconciliationRepository::pendingAfter(qint64* afterRowId, int limit) const
{
    return pendingPage(select(QStringLiteral("WHERE sync_status = 'pending' AND rowid > ? "
                                             "ORDER BY rowid LIMIT ?")),
                       afterRowId, limit, readReconciliation);
}

bool ReconciliationRepository::insert(const Reconciliation& r)
{
    const bool ok = write(
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                       "statement_balance, reconciled_balance, completed_at, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?)"),
        {SqlValue::text(r.id), SqlValue::text(r.accountId), SqlValue::date(r.statementDate),
         SqlValue::money(r.statementBalance), SqlValue::money(r.reconciledBalance),
         SqlValue::timestamp(r.completedAt), r.version, SqlValue::storage(r.syncStatus),
         SqlValue::text(r.serverId), SqlValue::timestamp(validOrNow(r.createdAt)),
         SqlValue::timestamp(validOrNow(r.updatedAt))},
        "insert");
    if (ok)
        announce();
    return ok;
}

bool ReconciliationRepository::update(const Reconciliation& r)
{
    const bool ok = write(
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, "
                       "statement_balance=?, reconciled_balance=?, completed_at=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {SqlValue::text(r.accountId), SqlValue::date(r.statementDate),
         SqlValue::money(r.statementBalance), SqlValue::money(r.reconciledBalance),
         SqlValue::timestamp(r.completedAt), r.version, SqlValue::storage(r.syncStatus),
         SqlValue::text(r.serverId), SqlValue::timestamp(r.updatedAt), SqlValue::text(r.id)},
        "update");
    if (ok)
        announce();
    return ok;
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId)
{
    const int changed = softDeleteByAccountId(accountId);
    if (changed > 0)
        announce();
    return changed;
}

bool ReconciliationRepository::remove(const QString& id)
{
    const int removed = removeById(id);
    if (removed > 0)
        announce();
    return removed >= 0;
}

int ReconciliationRepository::removeByAccount(const QString& accountId)
{
    const int removed = removeByAccountId(accountId);
    if (removed > 0)
        announce();
    return removed;
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = restoreByAccountId(accountId, since);
    if (changed > 0)
        announce();
    return changed;
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    return markRowSynced(id, serverId);
}

int ReconciliationRepository::markAllPendingForResync()
{
    const int changed = markAllRowsPendingForResync();
    if (changed > 0)
        announce();
    return changed;
}

void ReconciliationRepository::emitChange(const QString&)
{
    emit reconciliationsChanged();
}
