#include "data/accountrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/unitofwork.h"

#include "app/core/isodates.h"

namespace {

const QString columns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString select(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM accounts %2").arg(columns, tail);
}

Account readAccount(RowReader& row)
{
    Account account;
    account.id = row.text();
    account.name = row.text();
    account.accountType = row.accountType();
    account.currency = row.currency();
    account.institution = row.text();
    account.accountNumberLast4 = row.text();
    account.startingBalance = row.money();
    account.sortOrder = row.integer();
    account.isShared = row.flag();
    row.readBookkeeping(account);
    return account;
}

// name .. server_id, the run shared by insert and update.
QVariantList fieldValues(const Account& account)
{
    return {SqlValue::text(account.name),
            SqlValue::storage(account.accountType),
            SqlValue::storage(account.currency),
            SqlValue::text(account.institution),
            SqlValue::text(account.accountNumberLast4),
            SqlValue::money(account.startingBalance),
            account.sortOrder,
            SqlValue::flag(account.isShared),
            account.version,
            SqlValue::storage(account.syncStatus),
            SqlValue::text(account.serverId)};
}

} // namespace

AccountRepository::AccountRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("accounts"), parent)
{
}

QList<Account> AccountRepository::listAll() const
{
    return list(select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY sort_order, name")), {},
                readAccount);
}

std::optional<Account> AccountRepository::byId(const QString& id) const
{
    return first(select(QStringLiteral("WHERE id = ?")), {id}, readAccount);
}

Currency AccountRepository::currencyOf(const QString& id) const
{
    const std::optional<Account> account = byId(id);
    return account ? account->currency : Account().currency;
}

QList<Account> AccountRepository::listDeleted() const
{
    return list(select(QStringLiteral("WHERE deleted_at IS NOT NULL ORDER BY name")), {},
                readAccount);
}

QList<Account> AccountRepository::pending() const
{
    return list(select(QStringLiteral("WHERE sync_status = 'pending'")), {}, readAccount);
}

QList<Account> AccountRepository::pendingAfter(qint64* afterRowId, int limit) const
{
    return pendingPage(select(QStringLiteral("WHERE sync_status = 'pending' AND rowid > ? "
                                             "ORDER BY rowid LIMIT ?")),
                       afterRowId, limit, readAccount);
}

bool AccountRepository::insert(const Account& account)
{
    QVariantList values{SqlValue::text(account.id)};
    values << fieldValues(account) << SqlValue::timestamp(account.createdAt)
           << SqlValue::timestamp(account.updatedAt);
    const bool ok = write(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                                         "institution, account_number_last4, starting_balance, "
                                         "sort_order, is_shared, version, sync_status, server_id, "
                                         "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                         "?, ?, ?, ?, ?, ?)"),
                          values, "insert");
    if (ok)
        announce();
    return ok;
}

bool AccountRepository::update(const Account& account)
{
    QVariantList values = fieldValues(account);
    values << SqlValue::timestamp(account.updatedAt) << SqlValue::text(account.id);
    const bool ok = write(QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, "
                                         "institution=?, account_number_last4=?, "
                                         "starting_balance=?, sort_order=?, is_shared=?, "
                                         "version=?, sync_status=?, server_id=?, updated_at=? "
                                         "WHERE id=?"),
                          values, "update");
    if (ok)
        announce();
    return ok;
}

bool AccountRepository::softDelete(const QString& id)
{
    const bool ok = softDeleteById(id, "softDelete");
    if (ok)
        announce();
    return ok;
}

bool AccountRepository::restore(const QString& id)
{
    const bool ok = write(QStringLiteral("UPDATE accounts SET deleted_at=NULL, "
                                         "sync_status='pending', updated_at=? WHERE id=?"),
                          {toIsoTimestamp(nowUtc()), id}, "restore");
    if (ok)
        announce();
    return ok;
}

bool AccountRepository::remove(const QString& id)
{
    const int removed = removeById(id);
    if (removed > 0)
        announce();
    return removed >= 0;
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>>& orders)
{
    UnitOfWork unit(database());
    if (!unit.isActive())
        return false;
    for (const auto& [id, sortOrder] : orders) {
        if (!write(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                   {sortOrder, toIsoTimestamp(nowUtc()), id}, nullptr))
            return false;
    }
    announce();
    return unit.commit();
}

bool AccountRepository::markSynced(const QString& id, const QString& serverId)
{
    return markRowSynced(id, serverId);
}

int AccountRepository::markAllPendingForResync()
{
    const int changed = markAllRowsPendingForResync();
    if (changed > 0)
        announce();
    return changed;
}

void AccountRepository::emitChange(const QString&)
{
    emit accountsChanged();
}
