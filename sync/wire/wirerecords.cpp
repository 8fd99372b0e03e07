#include "sync/wire/wirerecords.h"

#include "sync/wire/pulledfields.h"

#include "data/enumerations.h"

#include "app/core/ids.h"

#include <QJsonArray>

using namespace PulledFields;

namespace WireRecords {

Account account(const QJsonObject& fields)
{
    Account account;
    account.name = text(fields, QStringLiteral("name"));
    account.accountType =
        Enumerations::accountTypeFromStorage(text(fields, QStringLiteral("account_type")));
    account.currency = Enumerations::currencyFromStorage(text(fields, QStringLiteral("currency")));
    account.institution = text(fields, QStringLiteral("institution"));
    account.accountNumberLast4 = text(fields, QStringLiteral("account_number_last4"));
    account.startingBalance = money(fields, QStringLiteral("starting_balance"));
    account.sortOrder = integer(fields, QStringLiteral("sort_order"));
    account.isShared = flag(fields, QStringLiteral("is_shared"));
    return account;
}

Category category(const QJsonObject& fields)
{
    Category category;
    category.name = text(fields, QStringLiteral("name"));
    category.categoryType =
        Enumerations::categoryTypeFromStorage(text(fields, QStringLiteral("category_type")));
    category.parentId = text(fields, QStringLiteral("parent_id"));
    category.isTaxRelevant = flag(fields, QStringLiteral("is_tax_relevant"));
    category.taxCategory = text(fields, QStringLiteral("tax_category"));
    category.icon = text(fields, QStringLiteral("icon"));
    category.color = text(fields, QStringLiteral("color"));
    category.isDefault = flag(fields, QStringLiteral("is_default"));
    category.accountId = text(fields, QStringLiteral("account_id"));
    return category;
}

RecurringTransaction recurring(const QJsonObject& fields)
{
    RecurringTransaction recurring;
    recurring.accountId = text(fields, QStringLiteral("account_id"));
    recurring.payee = text(fields, QStringLiteral("payee"));
    recurring.memo = text(fields, QStringLiteral("memo"));
    recurring.amount = money(fields, QStringLiteral("amount"));
    recurring.categoryId = text(fields, QStringLiteral("category_id"));
    recurring.frequency =
        Enumerations::frequencyFromStorage(text(fields, QStringLiteral("frequency")));
    recurring.startDate = date(fields, QStringLiteral("start_date"));
    const QString endDate = text(fields, QStringLiteral("end_date"));
    if (!endDate.isEmpty())
        recurring.endDate = dateFromText(endDate);
    recurring.nextDueDate = date(fields, QStringLiteral("next_due_date"));
    recurring.autoPost = flag(fields, QStringLiteral("auto_post"));
    recurring.leadDays = integer(fields, QStringLiteral("lead_days"));
    recurring.isActive = flag(fields, QStringLiteral("is_active"));
    recurring.transferDestAccountId = text(fields, QStringLiteral("transfer_dest_account_id"));
    return recurring;
}

Transaction transaction(const QJsonObject& fields)
{
    Transaction transaction;
    transaction.accountId = text(fields, QStringLiteral("account_id"));
    transaction.date = date(fields, QStringLiteral("date"));
    transaction.payee = text(fields, QStringLiteral("payee"));
    transaction.memo = text(fields, QStringLiteral("memo"));
    transaction.amount = money(fields, QStringLiteral("amount"));
    transaction.categoryId = text(fields, QStringLiteral("category_id"));
    transaction.checkNumber = text(fields, QStringLiteral("check_number"));
    transaction.cleared = flag(fields, QStringLiteral("cleared"));
    transaction.reconciled = flag(fields, QStringLiteral("reconciled"));
    transaction.transferLinkId = text(fields, QStringLiteral("transfer_link_id"));
    transaction.transferDestAccountId = text(fields, QStringLiteral("transfer_dest_account_id"));
    transaction.isSplit = flag(fields, QStringLiteral("is_split"));
    transaction.recurringId = text(fields, QStringLiteral("recurring_id"));
    return transaction;
}

QList<SplitLine> splitLines(const QJsonObject& fields, const Transaction& transaction)
{
    QList<SplitLine> lines;
    if (!transaction.isSplit)
        return lines;
    for (const QJsonValue& value : fields.value(QStringLiteral("split_lines")).toArray()) {
        const QJsonObject lineFields = value.toObject();
        SplitLine line;
        line.id = newId();
        line.transactionId = transaction.id;
        line.categoryId = text(lineFields, QStringLiteral("category_id"));
        line.amount = money(lineFields, QStringLiteral("amount"));
        line.memo = text(lineFields, QStringLiteral("memo"));
        line.createdAt = transaction.createdAt;
        line.updatedAt = transaction.updatedAt;
        lines.append(line);
    }
    return lines;
}

Reconciliation reconciliation(const QJsonObject& fields)
{
    Reconciliation reconciliation;
    reconciliation.accountId = text(fields, QStringLiteral("account_id"));
    reconciliation.statementDate = date(fields, QStringLiteral("statement_date"));
    reconciliation.statementBalance = money(fields, QStringLiteral("statement_balance"));
    reconciliation.reconciledBalance = money(fields, QStringLiteral("reconciled_balance"));
    reconciliation.completedAt = timestamp(fields, QStringLiteral("completed_at"));
    return reconciliation;
}

} // namespace WireRecords
