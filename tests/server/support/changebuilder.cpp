#include "tests/server/support/changebuilder.h"

namespace {

const QString kStamp = QStringLiteral("2024-03-01T10:00:00Z");

} // namespace

QJsonObject ChangeBuilder::change(const QString& type, const QString& id, qint64 version,
                                  QJsonObject payload)
{
    payload.insert(QStringLiteral("client_id"), id);
    payload.insert(QStringLiteral("created_at"), kStamp);
    payload.insert(QStringLiteral("updated_at"), kStamp);
    if (type != QLatin1String("recurring"))
        payload.insert(QStringLiteral("version"), version);
    return {{QStringLiteral("entity_type"), type},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

QJsonObject ChangeBuilder::account(const QString& id, const QString& name, qint64 version)
{
    return change(QStringLiteral("account"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("account_type"), QStringLiteral("checking")},
                   {QStringLiteral("currency"), QStringLiteral("EUR")},
                   {QStringLiteral("is_shared"), false},
                   {QStringLiteral("institution"), QStringLiteral("Town Bank")},
                   {QStringLiteral("account_number_last4"), QStringLiteral("1234")},
                   {QStringLiteral("starting_balance"), 150000},
                   {QStringLiteral("sort_order"), 0}});
}

QJsonObject ChangeBuilder::category(const QString& id, const QString& name, const QString& parentId,
                                    qint64 version)
{
    return change(QStringLiteral("category"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                   {QStringLiteral("parent_id"), parentId},
                   {QStringLiteral("is_tax_relevant"), false},
                   {QStringLiteral("tax_category"), QString()},
                   {QStringLiteral("icon"), QStringLiteral("cart")},
                   {QStringLiteral("color"), QStringLiteral("#00897B")},
                   {QStringLiteral("is_default"), true},
                   {QStringLiteral("account_id"), QString()}});
}

QJsonObject ChangeBuilder::recurring(const QString& id, const QString& accountId,
                                     const QString& payee, qint64 version)
{
    return change(QStringLiteral("recurring"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("payee"), payee},
                   {QStringLiteral("memo"), QString()},
                   {QStringLiteral("amount"), -120000},
                   {QStringLiteral("category_id"), QString()},
                   {QStringLiteral("transfer_dest_account_id"), QString()},
                   {QStringLiteral("frequency"), QStringLiteral("monthly")},
                   {QStringLiteral("start_date"), QStringLiteral("2024-01-01")},
                   {QStringLiteral("next_due_date"), QStringLiteral("2024-04-01")},
                   {QStringLiteral("auto_post"), true},
                   {QStringLiteral("lead_days"), 3},
                   {QStringLiteral("is_active"), true}});
}

QJsonObject ChangeBuilder::transaction(const QString& id, const QString& accountId,
                                       const QString& payee, qint64 amount,
                                       const QString& categoryId,
                                       const QStringList& splitCategories, qint64 version)
{
    QJsonObject payload{{QStringLiteral("account_id"), accountId},
                        {QStringLiteral("date"), QStringLiteral("2024-03-01")},
                        {QStringLiteral("payee"), payee},
                        {QStringLiteral("memo"), QStringLiteral("memo of ") + payee},
                        {QStringLiteral("amount"), amount},
                        {QStringLiteral("category_id"), categoryId},
                        {QStringLiteral("check_number"), QString()},
                        {QStringLiteral("cleared"), false},
                        {QStringLiteral("reconciled"), false},
                        {QStringLiteral("transfer_link_id"), QString()},
                        {QStringLiteral("transfer_dest_account_id"), QString()},
                        {QStringLiteral("is_split"), !splitCategories.isEmpty()},
                        {QStringLiteral("recurring_id"), QString()}};
    if (!splitCategories.isEmpty()) {
        QJsonArray lines;
        qint64 remaining = amount;
        for (qsizetype i = 0; i < splitCategories.size(); ++i) {
            const qint64 part = i + 1 == splitCategories.size()
                                    ? remaining
                                    : amount / qint64(splitCategories.size());
            remaining -= part;
            lines.append(QJsonObject{{QStringLiteral("category_id"), splitCategories.at(i)},
                                     {QStringLiteral("amount"), part},
                                     {QStringLiteral("memo"), QStringLiteral("line %1").arg(i)}});
        }
        payload.insert(QStringLiteral("split_lines"), lines);
    }
    return change(QStringLiteral("transaction"), id, version, payload);
}

QJsonObject ChangeBuilder::reconciliation(const QString& id, const QString& accountId,
                                          qint64 version)
{
    return change(QStringLiteral("reconciliation"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("statement_date"), QStringLiteral("2024-02-29")},
                   {QStringLiteral("statement_balance"), 99000},
                   {QStringLiteral("reconciled_balance"), 99000},
                   {QStringLiteral("completed_at"), kStamp}});
}

QJsonObject ChangeBuilder::deleted(QJsonObject change)
{
    change.insert(QStringLiteral("action"), QStringLiteral("delete"));
    return withPayload(change, QStringLiteral("deleted_at"),
                       QStringLiteral("2024-03-02T09:00:00Z"));
}

QJsonObject ChangeBuilder::withVersion(QJsonObject change, qint64 version)
{
    change.insert(QStringLiteral("version"), version);
    if (change.value(QStringLiteral("entity_type")).toString() != QLatin1String("recurring"))
        change = withPayload(change, QStringLiteral("version"), version);
    return change;
}

QJsonObject ChangeBuilder::withServerId(QJsonObject change, const QString& serverId)
{
    return withPayload(change, QStringLiteral("server_id"), serverId);
}

QJsonObject ChangeBuilder::withPayload(QJsonObject change, const QString& key,
                                       const QJsonValue& value)
{
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    payload.insert(key, value);
    change.insert(QStringLiteral("payload"), payload);
    return change;
}
