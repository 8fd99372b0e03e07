#include "data/recurringrepository.h"

#include "data/sqlvalue.h"

#include <QDebug>

namespace {

const QString columns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
    "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at, lead_days");

const QDate earliestSaneDate(2000, 1, 1);

QString select(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM recurring_transactions %2").arg(columns, tail);
}

RecurringTransaction readRecurring(RowReader& row)
{
    RecurringTransaction r;
    r.id = row.text();
    r.accountId = row.text();
    r.payee = row.text();
    r.memo = row.text();
    r.amount = row.money();
    r.categoryId = row.text();
    r.frequency = row.frequency();
    r.startDate = row.date();
    r.endDate = row.optionalDate();
    r.nextDueDate = row.date();
    r.autoPost = row.flag();
    r.isActive = row.flag();
    r.transferDestAccountId = row.text();
    row.readBookkeeping(r);
    r.leadDays = row.integer();
    return r;
}

// payee .. server_id, the run shared by insert and update.
QVariantList fieldValues(const RecurringTransaction& r)
{
    return {SqlValue::text(r.payee),
            SqlValue::text(r.memo),
            SqlValue::money(r.amount),
            SqlValue::reference(r.categoryId),
            SqlValue::storage(r.frequency),
            SqlValue::date(r.startDate),
            SqlValue::date(r.endDate),
            SqlValue::date(r.nextDueDate),
            SqlValue::flag(r.autoPost),
            SqlValue::flag(r.isActive),
            SqlValue::text(r.transferDestAccountId),
            r.version,
            SqlValue::storage(r.syncStatus),
            SqlValue::text(r.serverId)};
}

} // namespace

RecurringRepository::RecurringRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("recurring_transactions"), parent)
{
}

QList<RecurringTransaction> RecurringRepository::listAll() const
{
    return list(select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY is_active DESC, "
                                      "next_due_date ASC, payee COLLATE NOCASE ASC")),
                {}, readRecurring);
}

std::optional<RecurringTransaction> RecurringRepository::byId(const QString& id) const
{
    return first(select(QStringLiteral("WHERE id = ?")), {id}, readRecurring);
}

QList<RecurringTransaction> RecurringRepository::due() const
{
    return list(select(QStringLiteral("WHERE deleted_at IS NULL AND is_active = 1 AND "
                                      "next_due_date <= ?")),
                {SqlValue::date(QDate::currentDate())}, readRecurring);
}

QList<RecurringTransaction> RecurringRepository::pending() const
{
    return list(select(QStringLiteral("WHERE sync_status = 'pending'")), {}, readRecurring);
}

QList<RecurringTransaction> RecurringRepository::pendingAfter(qint64* afterRowId, int limit) const
{
    return pendingPage(select(QStringLiteral("WHERE sync_status = 'pending' AND rowid > ? "
                                             "ORDER BY rowid LIMIT ?")),
                       afterRowId, limit, readRecurring);
}

void RecurringRepository::reportBrokenDate(const char* operation,
                                           const RecurringTransaction& r) const
{
    if (r.nextDueDate.isValid() && r.nextDueDate >= earliestSaneDate)
        return;
    qWarning().noquote() << QStringLiteral("RecurringRepository::%1 saving recurring with broken "
                                           "nextDueDate:")
                                .arg(QLatin1String(operation))
                         << "id=" << r.id << "payee=" << r.payee
                         << "nextDueDate=" << r.nextDueDate.toString(Qt::ISODate)
                         << "startDate=" << r.startDate.toString(Qt::ISODate)
                         << "frequency=" << int(r.frequency);
}

bool RecurringRepository::insert(const RecurringTransaction& recurring)
{
    reportBrokenDate("insert", recurring);
    QVariantList values{SqlValue::text(recurring.id), SqlValue::text(recurring.accountId)};
    values << fieldValues(recurring) << SqlValue::timestamp(recurring.createdAt)
           << SqlValue::timestamp(recurring.updatedAt) << recurring.leadDays;
    const bool ok = write(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, "
                                         "payee, memo, amount, category_id, frequency, "
                                         "start_date, end_date, next_due_date, auto_post, "
                                         "is_active, transfer_dest_account_id, version, "
                                         "sync_status, server_id, created_at, updated_at, "
                                         "lead_days) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                         "?, ?, ?, ?, ?, ?, ?)"),
                          values, "insert");
    if (ok)
        announce();
    return ok;
}

bool RecurringRepository::update(const RecurringTransaction& recurring)
{
    reportBrokenDate("update", recurring);
    QVariantList values = fieldValues(recurring);
    values << SqlValue::timestamp(recurring.updatedAt) << recurring.leadDays
           << SqlValue::text(recurring.id);
    const bool ok = write(QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, "
                                         "amount=?, category_id=?, frequency=?, start_date=?, "
                                         "end_date=?, next_due_date=?, auto_post=?, is_active=?, "
                                         "transfer_dest_account_id=?, version=?, sync_status=?, "
                                         "server_id=?, updated_at=?, lead_days=? WHERE id=?"),
                          values, "update");
    if (ok)
        announce();
    return ok;
}

bool RecurringRepository::softDelete(const QString& id)
{
    const bool ok = softDeleteById(id, nullptr);
    if (ok)
        announce();
    return ok;
}

int RecurringRepository::softDeleteByAccount(const QString& accountId)
{
    const int changed = softDeleteByAccountId(accountId);
    if (changed > 0)
        announce();
    return changed;
}

bool RecurringRepository::remove(const QString& id)
{
    const int removed = removeById(id);
    if (removed > 0)
        announce();
    return removed >= 0;
}

int RecurringRepository::removeByAccount(const QString& accountId)
{
    const int removed = removeByAccountId(accountId);
    if (removed > 0)
        announce();
    return removed;
}

int RecurringRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = restoreByAccountId(accountId, since);
    if (changed > 0)
        announce();
    return changed;
}

bool RecurringRepository::markSynced(const QString& id, const QString& serverId)
{
    return markRowSynced(id, serverId);
}

int RecurringRepository::markAllPendingForResync()
{
    const int changed = markAllRowsPendingForResync();
    if (changed > 0)
        announce();
    return changed;
}

void RecurringRepository::emitChange(const QString&)
{
    emit recurringChanged();
}
