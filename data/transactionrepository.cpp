#include "data/transactionrepository.h"

#include "data/database.h"
#include "data/openingbalance.h"
#include "data/sqlitescan.h"
#include "data/sqlvalue.h"

#include "app/core/isodates.h"

#include <algorithm>
#include <iterator>

namespace {

const QString columns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at");

const QString categoryName = QStringLiteral(
    "CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE p.id "
    "= c.parent_id), '') || ' > ' || c.name ELSE c.name END AS category_name");

QString select(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM transactions t %2").arg(columns, tail);
}

Transaction readTransaction(RowReader& row)
{
    Transaction t;
    t.id = row.text();
    t.accountId = row.text();
    t.date = row.date();
    t.payee = row.text();
    t.memo = row.text();
    t.amount = row.money();
    t.categoryId = row.text();
    t.checkNumber = row.text();
    t.cleared = row.flag();
    t.reconciled = row.flag();
    t.transferLinkId = row.text();
    t.transferDestAccountId = row.text();
    t.isSplit = row.flag();
    t.recurringId = row.text();
    row.readBookkeeping(t);
    return t;
}

RegisterRow readRegisterRow(RowReader& row)
{
    RegisterRow registerRow;
    registerRow.transaction = readTransaction(row);
    registerRow.categoryName = row.text();
    return registerRow;
}

// date .. server_id, the run shared by insert and update.
QVariantList fieldValues(const Transaction& t)
{
    return {SqlValue::date(t.date),
            SqlValue::text(t.payee),
            SqlValue::text(t.memo),
            SqlValue::money(t.amount),
            SqlValue::reference(t.categoryId),
            SqlValue::text(t.checkNumber),
            SqlValue::flag(t.cleared),
            SqlValue::flag(t.reconciled),
            SqlValue::text(t.transferLinkId),
            SqlValue::text(t.transferDestAccountId),
            SqlValue::flag(t.isSplit),
            SqlValue::text(t.recurringId),
            t.version,
            SqlValue::storage(t.syncStatus),
            SqlValue::text(t.serverId)};
}

} // namespace

TransactionRepository::TransactionRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("transactions"), parent)
{
}

QList<Transaction> TransactionRepository::listByAccount(const QString& accountId) const
{
    return list(select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY "
                                      "t.date DESC, t.created_at DESC")),
                {accountId}, readTransaction);
}

QString TransactionRepository::registerRowsQuery()
{
    // Rows of one date and creation time (typed within one second) keep the order in which
    // they were added.
    return select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY "
                                 "t.date ASC, t.created_at ASC, t.rowid ASC"));
}

QHash<QString, QString> TransactionRepository::categoryNames() const
{
    // The same expression as the search's, worked out once per category rather than once per
    // transaction; deleted categories keep their names, as in the join.
    QHash<QString, QString> names;
    QSqlQuery query =
        run(QStringLiteral("SELECT c.id, %1 FROM categories c").arg(categoryName), {});
    while (query.next())
        names.insert(query.value(0).toString(), query.value(1).toString());
    return names;
}

RegisterRow TransactionRepository::openingRow(qint64 startingBalance, const QDate& date)
{
    RegisterRow row;
    row.transaction.date = date;
    row.transaction.payee = QStringLiteral("Opening Balance");
    row.transaction.amount = startingBalance;
    row.transaction.cleared = true;
    row.transaction.reconciled = true;
    row.balance = startingBalance;
    return row;
}

qint64 TransactionRepository::startingBalance(const QString& accountId) const
{
    QSqlQuery account =
        run(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), {accountId});
    return account.next() ? account.value(0).toLongLong() : 0;
}

QList<RegisterRow> TransactionRepository::registerRows(const QString& accountId) const
{
    const qint64 starting = startingBalance(accountId);

    // The running balance is added up as the rows arrive; the opening row, when there is
    // one, takes the first slot and its date from the oldest row once that has been read.
    QList<RegisterRow> rows;
    if (starting != 0)
        rows.append(openingRow(starting, QDate()));
    const qsizetype firstTransaction = rows.size();

    const QHash<QString, QString> names = categoryNames();
    qint64 balance = starting;
    QSqlQuery query = run(registerRowsQuery(), {accountId});
    while (query.next()) {
        RowReader reader(query);
        RegisterRow row;
        row.transaction = readTransaction(reader);
        if (!row.transaction.categoryId.isEmpty())
            row.categoryName = names.value(row.transaction.categoryId);
        balance += row.transaction.amount;
        row.balance = balance;
        rows.append(std::move(row));
    }

    if (starting != 0)
        rows.first().transaction.date = rows.size() > firstTransaction
                                            ? rows.at(firstTransaction).transaction.date
                                            : QDate::currentDate();
    return rows;
}

QString TransactionRepository::registerOrderQuery()
{
    // The register's own order, from its index without touching the table. Named, because with
    // statistics the planner may prefer the smaller amount index and sort.
    return QStringLiteral(
        "SELECT t.rowid, t.date FROM transactions t INDEXED BY idx_transactions_account_live_date "
        "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC, "
        "t.rowid ASC");
}

QString TransactionRepository::registerAmountsQuery()
{
    return QStringLiteral(
        "SELECT t.rowid, t.amount FROM transactions t INDEXED BY "
        "idx_transactions_live_account_amount WHERE t.account_id = ? AND t.deleted_at IS NULL");
}

QString TransactionRepository::unclearedTotalQuery()
{
    return QStringLiteral(
        "SELECT COALESCE(SUM(t.amount), 0) FROM transactions t INDEXED BY "
        "idx_transactions_live_uncleared WHERE t.account_id = ? AND t.deleted_at IS NULL AND "
        "t.cleared = 0");
}

RegisterOutline TransactionRepository::registerOutline(const QString& accountId) const
{
    // The amounts come from their own index, in amount order: they are matched to the rows by
    // rowid, which costs less than reading each amount from the table.
    QHash<qint64, qint64> amounts;
    SqliteScan amountScan(database()->connection(), registerAmountsQuery(), {accountId});
    while (amountScan.next())
        amounts.insert(amountScan.integer(0), amountScan.integer(1));

    RegisterOutline outline;
    const qint64 starting = startingBalance(accountId);
    outline.entries.reserve(qsizetype(amounts.size()) + 1);
    if (starting != 0)
        outline.entries.append({RegisterOutline::openingRowId, starting, starting, 0});
    qint64 balance = starting;
    SqliteScan order(database()->connection(), registerOrderQuery(), {accountId});
    while (order.next()) {
        RegisterOutline::Entry entry;
        entry.rowId = order.integer(0);
        entry.amount = amounts.value(entry.rowId);
        balance += entry.amount;
        entry.balance = balance;
        entry.julianDay = fromIsoDate(QByteArrayView(order.text(1))).toJulianDay();
        outline.entries.append(entry);
    }
    if (starting != 0)
        outline.entries.first().julianDay = outline.entries.size() > 1
                                                ? outline.entries.at(1).julianDay
                                                : QDate::currentDate().toJulianDay();

    outline.rowCount = outline.entries.size();
    setClearedTotals(outline, accountId, balance);
    return outline;
}

QString TransactionRepository::registerTotalsQuery()
{
    return QStringLiteral("SELECT COUNT(*), COALESCE(SUM(t.amount), 0) FROM transactions t "
                          "INDEXED BY idx_transactions_live_account_amount WHERE t.account_id = ? "
                          "AND t.deleted_at IS NULL");
}

QString TransactionRepository::registerEndQuery(int rows)
{
    // The register's index read backwards: the newest rows first, each looked up in the table
    // for its amount.
    return QStringLiteral(
               "SELECT t.rowid, t.date, t.amount FROM transactions t INDEXED BY "
               "idx_transactions_account_live_date WHERE t.account_id = ? AND t.deleted_at IS NULL "
               "ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT %1")
        .arg(std::max(rows, 0));
}

RegisterOutline TransactionRepository::registerOutlineEnd(const QString& accountId, int rows) const
{
    RegisterOutline outline;
    const qint64 starting = startingBalance(accountId);
    QSqlQuery totals = run(registerTotalsQuery(), {accountId});
    const bool counted = totals.next();
    const qint64 stored = counted ? totals.value(0).toLongLong() : 0;
    const qint64 balance = starting + (counted ? totals.value(1).toLongLong() : 0);
    outline.rowCount = stored + (starting != 0 ? 1 : 0);

    // Newest first, each balance the one after the row, the one before it taken off.
    QList<RegisterOutline::Entry> newestFirst;
    qint64 after = balance;
    SqliteScan end(database()->connection(), registerEndQuery(rows), {accountId});
    while (end.next()) {
        RegisterOutline::Entry entry;
        entry.rowId = end.integer(0);
        entry.julianDay = fromIsoDate(QByteArrayView(end.text(1))).toJulianDay();
        entry.amount = end.integer(2);
        entry.balance = after;
        after -= entry.amount;
        newestFirst.append(entry);
    }
    if (starting != 0 && newestFirst.size() == stored) {
        const qint64 day = newestFirst.isEmpty() ? QDate::currentDate().toJulianDay()
                                                 : newestFirst.constLast().julianDay;
        newestFirst.append({RegisterOutline::openingRowId, starting, starting, day});
    }
    outline.entries.reserve(newestFirst.size());
    std::copy(newestFirst.crbegin(), newestFirst.crend(), std::back_inserter(outline.entries));
    outline.firstIndex = outline.rowCount - outline.entries.size();
    setClearedTotals(outline, accountId, balance);
    return outline;
}

void TransactionRepository::setClearedTotals(RegisterOutline& outline, const QString& accountId,
                                             qint64 balance) const
{
    QSqlQuery uncleared = run(unclearedTotalQuery(), {accountId});
    outline.unclearedTotal = uncleared.next() ? uncleared.value(0).toLongLong() : 0;
    outline.clearedTotal = balance - outline.unclearedTotal;
}

QHash<qint64, RegisterRow> TransactionRepository::registerRowsAt(const QList<qint64>& rowIds) const
{
    QHash<qint64, RegisterRow> rows;
    if (rowIds.isEmpty())
        return rows;
    // The rowids are numbers this process read from the database, written out as such.
    QStringList list;
    list.reserve(rowIds.size());
    for (const qint64 rowId : rowIds)
        list.append(QString::number(rowId));
    const QHash<QString, QString> names = categoryNames();
    QSqlQuery query = run(QStringLiteral("SELECT %1, t.rowid FROM transactions t WHERE t.rowid "
                                         "IN (%2)")
                              .arg(columns, list.join(QLatin1Char(','))),
                          {});
    while (query.next()) {
        RowReader reader(query);
        RegisterRow row;
        row.transaction = readTransaction(reader);
        if (!row.transaction.categoryId.isEmpty())
            row.categoryName = names.value(row.transaction.categoryId);
        rows.insert(query.value(reader.column()).toLongLong(), std::move(row));
    }
    return rows;
}

qint64 TransactionRepository::registerRowIdOf(const QString& accountId,
                                              const QString& transactionId) const
{
    QSqlQuery query = run(QStringLiteral("SELECT rowid FROM transactions WHERE id = ? AND "
                                         "account_id = ? AND deleted_at IS NULL"),
                          {transactionId, accountId});
    return query.next() ? query.value(0).toLongLong() : 0;
}

QHash<qint64, QString> TransactionRepository::registerTexts(const QString& accountId,
                                                            RegisterText text) const
{
    static const char* const columnOf[] = {"check_number", "payee", "memo", "category_id"};
    const QHash<QString, QString> names =
        text == RegisterText::CategoryName ? categoryNames() : QHash<QString, QString>();
    QHash<qint64, QString> texts;
    QSqlQuery query = run(QStringLiteral("SELECT t.rowid, t.%1 FROM transactions t WHERE "
                                         "t.account_id = ? AND t.deleted_at IS NULL")
                              .arg(QLatin1String(columnOf[int(text)])),
                          {accountId});
    while (query.next()) {
        const QString value = query.value(1).toString();
        texts.insert(query.value(0).toLongLong(),
                     text == RegisterText::CategoryName && !value.isEmpty() ? names.value(value)
                                                                            : value);
    }
    return texts;
}

QHash<qint64, int> TransactionRepository::registerClearedStates(const QString& accountId) const
{
    QHash<qint64, int> states;
    QSqlQuery query = run(QStringLiteral("SELECT t.rowid, CASE WHEN t.reconciled != 0 THEN 2 WHEN "
                                         "t.cleared != 0 THEN 1 ELSE 0 END FROM transactions t "
                                         "WHERE t.account_id = ? AND t.deleted_at IS NULL"),
                          {accountId});
    while (query.next())
        states.insert(query.value(0).toLongLong(), query.value(1).toInt());
    return states;
}

QString TransactionRepository::accountBalanceQuery()
{
    // Named, because the planner would rather take the register's index, which makes the sum
    // look up every row in the table.
    return QStringLiteral(
        "SELECT a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM transactions t INDEXED "
        "BY idx_transactions_live_account_amount WHERE t.account_id = a.id AND t.deleted_at IS "
        "NULL), 0) FROM accounts a WHERE a.id = ?");
}

qint64 TransactionRepository::accountBalance(const QString& accountId) const
{
    QSqlQuery query = run(accountBalanceQuery(), {accountId});
    return query.next() ? query.value(0).toLongLong() : 0;
}

QList<Transaction> TransactionRepository::unreconciled(const QString& accountId) const
{
    return list(select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL AND "
                                      "t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC")),
                {accountId}, readTransaction);
}

std::optional<Transaction> TransactionRepository::byId(const QString& id) const
{
    return first(select(QStringLiteral("WHERE t.id = ?")), {id}, readTransaction);
}

std::optional<Transaction> TransactionRepository::lastForPayee(const QString& payee,
                                                               const QString& accountId) const
{
    return first(select(QStringLiteral("WHERE t.payee = ? AND t.account_id = ? AND t.deleted_at "
                                       "IS NULL ORDER BY t.date DESC, t.created_at DESC LIMIT 1")),
                 {payee, accountId}, readTransaction);
}

std::optional<Transaction>
TransactionRepository::firstOpeningTransaction(const QString& accountId,
                                               const QStringList& payees) const
{
    if (payees.isEmpty())
        return std::nullopt;
    QVariantList bindings{accountId};
    for (const QString& payee : payees)
        bindings << payee;
    return first(select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL AND %1 "
                                       "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC LIMIT 1")
                            .arg(OpeningBalance::sqlCondition(payees.size()))),
                 bindings, readTransaction);
}

QString TransactionRepository::distinctPayeesQuery()
{
    // Steps from each live payee to the next greater one, one index seek per payee, instead
    // of reading every transaction and removing the duplicates.
    return QStringLiteral(
        "WITH RECURSIVE live(payee) AS (SELECT MIN(payee) FROM transactions WHERE deleted_at IS "
        "NULL AND payee != '' UNION ALL SELECT (SELECT MIN(t.payee) FROM transactions t WHERE "
        "t.deleted_at IS NULL AND t.payee != '' AND t.payee > live.payee) FROM live WHERE "
        "live.payee IS NOT NULL) SELECT payee FROM live WHERE payee IS NOT NULL");
}

QStringList TransactionRepository::distinctPayees() const
{
    QStringList payees;
    QSqlQuery query = run(distinctPayeesQuery(), {});
    while (query.next())
        payees.append(query.value(0).toString());
    return payees;
}

QString TransactionRepository::fullTextQuery(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            word.append(c);
        } else if (!word.isEmpty()) {
            words.append(word + QLatin1Char('*'));
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word + QLatin1Char('*'));
    return words.join(QLatin1Char(' '));
}

QList<RegisterRow> TransactionRepository::search(const QString& text,
                                                 const SearchFilter& filter) const
{
    const QString match = fullTextQuery(text);
    QString sql;
    QVariantList bindings;
    if (match.isEmpty()) {
        sql = QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON "
                             "t.category_id = c.id WHERE t.deleted_at IS NULL")
                  .arg(columns, categoryName);
    } else {
        sql = QStringLiteral("SELECT %1, %2 FROM transactions t JOIN transactions_fts fts ON "
                             "fts.rowid = t.rowid LEFT JOIN categories c ON t.category_id = c.id "
                             "WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?")
                  .arg(columns, categoryName);
        bindings << match;
    }
    if (!filter.accountId.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id = ?");
        bindings << filter.accountId;
    }
    if (!filter.categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        bindings << filter.categoryId;
    }
    if (filter.fromDate.isValid()) {
        sql += QStringLiteral(" AND t.date >= ?");
        bindings << SqlValue::date(filter.fromDate);
    }
    if (filter.toDate.isValid()) {
        sql += QStringLiteral(" AND t.date <= ?");
        bindings << SqlValue::date(filter.toDate);
    }
    if (filter.cleared) {
        sql += QStringLiteral(" AND t.cleared = ?");
        bindings << SqlValue::flag(*filter.cleared);
    }
    sql += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC LIMIT 200");
    return list(sql, bindings, readRegisterRow);
}

QList<Transaction> TransactionRepository::pending() const
{
    return list(select(QStringLiteral("WHERE t.sync_status = 'pending'")), {}, readTransaction);
}

QList<Transaction> TransactionRepository::pendingAfter(qint64* afterRowId, int limit) const
{
    return pendingPage(select(QStringLiteral("WHERE t.sync_status = 'pending' AND t.rowid > ? "
                                             "ORDER BY t.rowid LIMIT ?")),
                       afterRowId, limit, readTransaction);
}

bool TransactionRepository::insert(const Transaction& transaction)
{
    QVariantList values{SqlValue::text(transaction.id), SqlValue::text(transaction.accountId)};
    values << fieldValues(transaction) << SqlValue::timestamp(transaction.createdAt)
           << SqlValue::timestamp(transaction.updatedAt);
    const bool ok = write(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                         "memo, amount, category_id, check_number, cleared, "
                                         "reconciled, transfer_link_id, transfer_dest_account_id, "
                                         "is_split, recurring_id, version, sync_status, server_id, "
                                         "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                         "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          values, "insert");
    if (ok)
        announce(transaction.accountId);
    return ok;
}

bool TransactionRepository::update(const Transaction& transaction)
{
    QVariantList values = fieldValues(transaction);
    values << SqlValue::timestamp(transaction.updatedAt) << SqlValue::text(transaction.id);
    const bool ok = write(QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, "
                                         "amount=?, category_id=?, check_number=?, cleared=?, "
                                         "reconciled=?, transfer_link_id=?, "
                                         "transfer_dest_account_id=?, is_split=?, recurring_id=?, "
                                         "version=?, sync_status=?, server_id=?, updated_at=? "
                                         "WHERE id=?"),
                          values, "update");
    if (ok)
        announce(transaction.accountId);
    return ok;
}

bool TransactionRepository::softDelete(const QString& id)
{
    const std::optional<Transaction> existing = byId(id);
    if (!existing)
        return false;
    const bool ok = softDeleteById(id, "softDelete");
    if (ok)
        announce(existing->accountId);
    return ok;
}

int TransactionRepository::softDeleteByAccount(const QString& accountId)
{
    const int changed = softDeleteByAccountId(accountId);
    if (changed > 0)
        announce(accountId);
    return changed;
}

bool TransactionRepository::remove(const QString& id)
{
    const std::optional<Transaction> existing = byId(id);
    if (!existing)
        return true;
    const bool ok = removeById(id) >= 0;
    if (ok)
        announce(existing->accountId);
    return ok;
}

int TransactionRepository::removeByAccount(const QString& accountId)
{
    const int removed = removeByAccountId(accountId);
    if (removed > 0)
        announce(accountId);
    return removed;
}

int TransactionRepository::renamePayee(const QString& from, const QString& to,
                                       const QDateTime& updatedAt)
{
    const int changed = writeCounted(
        QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = "
                       "'pending' WHERE payee = ? AND deleted_at IS NULL"),
        {SqlValue::text(to), SqlValue::timestamp(updatedAt), SqlValue::text(from)}, "renamePayee");
    if (changed > 0)
        announce(QString());
    return changed;
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = restoreByAccountId(accountId, since);
    if (changed > 0)
        announce(accountId);
    return changed;
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    return markRowSynced(id, serverId);
}

int TransactionRepository::markAllPendingForResync()
{
    const int changed = markAllRowsPendingForResync();
    if (changed > 0)
        announce(QString());
    return changed;
}

void TransactionRepository::emitChange(const QString& key)
{
    emit transactionsChanged(key);
}
