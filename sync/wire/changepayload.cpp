#include "sync/wire/changepayload.h"

#include "data/enumerations.h"

#include "app/core/isodates.h"

#include <QJsonArray>

namespace ChangePayload {

namespace {

// The fields every entity's payload shares.
QJsonObject commonPayload(const QString& id, const SyncBookkeeping& row)
{
    QJsonObject payload{
        {QStringLiteral("client_id"), id},
        {QStringLiteral("created_at"), toIsoTimestamp(row.createdAt)},
        {QStringLiteral("updated_at"), toIsoTimestamp(row.updatedAt)},
    };
    if (!row.serverId.isEmpty())
        payload.insert(QStringLiteral("server_id"), row.serverId);
    if (row.deletedAt)
        payload.insert(QStringLiteral("deleted_at"), toIsoTimestamp(*row.deletedAt));
    return payload;
}

// Adds the entity's own fields to the common ones and wraps them as one change.
QJsonObject change(const char* entityType, const QString& id, const SyncBookkeeping& row,
                   const QJsonObject& fields)
{
    QJsonObject payload = commonPayload(id, row);
    for (auto field = fields.begin(); field != fields.end(); ++field)
        payload.insert(field.key(), field.value());
    return {
        {QStringLiteral("entity_type"), QLatin1String(entityType)},
        {QStringLiteral("entity_id"), id},
        {QStringLiteral("action"),
         row.isDeleted() ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {QStringLiteral("version"), row.version},
        {QStringLiteral("payload"), payload},
    };
}

} // namespace

QJsonObject account(const Account& account)
{
    return change(
        "account", account.id, account,
        {
            {QStringLiteral("name"), account.name},
            {QStringLiteral("account_type"), Enumerations::storageString(account.accountType)},
            {QStringLiteral("currency"), Enumerations::storageString(account.currency)},
            {QStringLiteral("is_shared"), account.isShared},
            {QStringLiteral("institution"), account.institution},
            {QStringLiteral("account_number_last4"), account.accountNumberLast4},
            {QStringLiteral("starting_balance"), account.startingBalance},
            {QStringLiteral("sort_order"), account.sortOrder},
            {QStringLiteral("version"), account.version},
        });
}

QJsonObject category(const Category& category)
{
    return change(
        "category", category.id, category,
        {
            {QStringLiteral("name"), category.name},
            {QStringLiteral("category_type"), Enumerations::storageString(category.categoryType)},
            {QStringLiteral("parent_id"), category.parentId},
            {QStringLiteral("is_tax_relevant"), category.isTaxRelevant},
            {QStringLiteral("tax_category"), category.taxCategory},
            {QStringLiteral("icon"), category.icon},
            {QStringLiteral("color"), category.color},
            {QStringLiteral("is_default"), category.isDefault},
            {QStringLiteral("account_id"), category.accountId},
            {QStringLiteral("version"), category.version},
        });
}

QJsonObject recurring(const RecurringTransaction& recurring)
{
    QJsonObject fields{
        {QStringLiteral("account_id"), recurring.accountId},
        {QStringLiteral("payee"), recurring.payee},
        {QStringLiteral("memo"), recurring.memo},
        {QStringLiteral("amount"), recurring.amount},
        {QStringLiteral("category_id"), recurring.categoryId},
        {QStringLiteral("transfer_dest_account_id"), recurring.transferDestAccountId},
        {QStringLiteral("frequency"), Enumerations::storageString(recurring.frequency)},
        {QStringLiteral("start_date"), toIsoDate(recurring.startDate)},
        {QStringLiteral("next_due_date"), toIsoDate(recurring.nextDueDate)},
        {QStringLiteral("auto_post"), recurring.autoPost},
        {QStringLiteral("lead_days"), recurring.leadDays},
        {QStringLiteral("is_active"), recurring.isActive},
    };
    if (recurring.endDate)
        fields.insert(QStringLiteral("end_date"), toIsoDate(*recurring.endDate));
    return change("recurring", recurring.id, recurring, fields);
}

QJsonObject transaction(const Transaction& transaction, const QList<SplitLine>& splitLines)
{
    QJsonObject fields{
        {QStringLiteral("account_id"), transaction.accountId},
        {QStringLiteral("date"), toIsoDate(transaction.date)},
        {QStringLiteral("payee"), transaction.payee},
        {QStringLiteral("memo"), transaction.memo},
        {QStringLiteral("amount"), transaction.amount},
        {QStringLiteral("category_id"), transaction.categoryId},
        {QStringLiteral("check_number"), transaction.checkNumber},
        {QStringLiteral("cleared"), transaction.cleared},
        {QStringLiteral("reconciled"), transaction.reconciled},
        {QStringLiteral("transfer_link_id"), transaction.transferLinkId},
        {QStringLiteral("transfer_dest_account_id"), transaction.transferDestAccountId},
        {QStringLiteral("is_split"), transaction.isSplit},
        {QStringLiteral("recurring_id"), transaction.recurringId},
        {QStringLiteral("version"), transaction.version},
    };
    if (transaction.isSplit) {
        QJsonArray lines;
        for (const SplitLine& line : splitLines)
            lines.append(QJsonObject{
                {QStringLiteral("category_id"), line.categoryId},
                {QStringLiteral("amount"), line.amount},
                {QStringLiteral("memo"), line.memo},
            });
        fields.insert(QStringLiteral("split_lines"), lines);
    }
    return change("transaction", transaction.id, transaction, fields);
}

QJsonObject reconciliation(const Reconciliation& reconciliation)
{
    return change(
        "reconciliation", reconciliation.id, reconciliation,
        {
            {QStringLiteral("account_id"), reconciliation.accountId},
            {QStringLiteral("statement_date"), toIsoDate(reconciliation.statementDate)},
            {QStringLiteral("statement_balance"), reconciliation.statementBalance},
            {QStringLiteral("reconciled_balance"), reconciliation.reconciledBalance},
            {QStringLiteral("completed_at"), reconciliation.completedAt.isValid()
                                                 ? toIsoTimestamp(reconciliation.completedAt)
                                                 : QString()},
            {QStringLiteral("version"), reconciliation.version},
        });
}

SyncBookkeeping pushedBookkeeping(const QJsonObject& change)
{
    const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    SyncBookkeeping row;
    row.version = change.value(QStringLiteral("version")).toInt();
    row.updatedAt = fromIsoTimestamp(payload.value(QStringLiteral("updated_at")).toString());
    if (payload.contains(QStringLiteral("deleted_at")))
        row.deletedAt = fromIsoTimestamp(payload.value(QStringLiteral("deleted_at")).toString());
    return row;
}

} // namespace ChangePayload
