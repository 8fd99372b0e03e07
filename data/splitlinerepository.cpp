#include "data/splitlinerepository.h"

#include "data/sqlvalue.h"

namespace {

SplitLine readSplitLine(RowReader& row)
{
    SplitLine line;
    line.id = row.text();
    line.transactionId = row.text();
    line.categoryId = row.text();
    line.amount = row.money();
    line.memo = row.text();
    line.createdAt = row.timestamp();
    line.updatedAt = row.timestamp();
    return line;
}

} // namespace

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("split_lines"), parent)
{
}

QList<SplitLine> SplitLineRepository::listForTransaction(const QString& transactionId) const
{
    return list(QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, "
                               "updated_at FROM split_lines WHERE transaction_id = ?"),
                {transactionId}, readSplitLine);
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    return write(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                                "memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                 {SqlValue::text(line.id), SqlValue::text(line.transactionId),
                  SqlValue::text(line.categoryId), SqlValue::money(line.amount),
                  SqlValue::text(line.memo), SqlValue::timestamp(line.createdAt),
                  SqlValue::timestamp(line.updatedAt)},
                 "insert");
}

bool SplitLineRepository::deleteForTransaction(const QString& transactionId)
{
    return write(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                 {transactionId}, nullptr);
}

bool SplitLineRepository::deleteForAccount(const QString& accountId)
{
    return write(QStringLiteral("DELETE FROM split_lines WHERE transaction_id IN (SELECT id FROM "
                                "transactions WHERE account_id = ?)"),
                 {accountId}, "deleteForAccount");
}
