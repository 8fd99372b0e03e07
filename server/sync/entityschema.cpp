#include "server/sync/entityschema.h"

namespace PennibarServer {

namespace {

using Kind = EntitySchema::FieldKind;

QList<EntitySchema::Field> withCommon(QList<EntitySchema::Field> fields)
{
    fields.append({{QStringLiteral("client_id"), Kind::Text},
                   {QStringLiteral("server_id"), Kind::Text},
                   {QStringLiteral("created_at"), Kind::Text},
                   {QStringLiteral("updated_at"), Kind::Text},
                   {QStringLiteral("deleted_at"), Kind::Text},
                   {QStringLiteral("version"), Kind::Integer}});
    return fields;
}

} // namespace

EntitySchema::EntitySchema(QString type, QString pullKey, QList<Field> fields)
    : m_type(std::move(type)), m_pullKey(std::move(pullKey)),
      m_fields(withCommon(std::move(fields)))
{
}

const QList<EntitySchema>& EntitySchema::all()
{
    static const QList<EntitySchema> schemas = {
        EntitySchema(QStringLiteral("account"), QStringLiteral("accounts"),
                     {{QStringLiteral("name"), Kind::Text},
                      {QStringLiteral("account_type"), Kind::Text},
                      {QStringLiteral("currency"), Kind::Text},
                      {QStringLiteral("is_shared"), Kind::Boolean},
                      {QStringLiteral("institution"), Kind::Text},
                      {QStringLiteral("account_number_last4"), Kind::Text},
                      {QStringLiteral("starting_balance"), Kind::Integer},
                      {QStringLiteral("sort_order"), Kind::Integer}}),
        EntitySchema(QStringLiteral("category"), QStringLiteral("categories"),
                     {{QStringLiteral("name"), Kind::Text},
                      {QStringLiteral("category_type"), Kind::Text},
                      {QStringLiteral("parent_id"), Kind::Text},
                      {QStringLiteral("is_tax_relevant"), Kind::Boolean},
                      {QStringLiteral("tax_category"), Kind::Text},
                      {QStringLiteral("icon"), Kind::Text},
                      {QStringLiteral("color"), Kind::Text},
                      {QStringLiteral("is_default"), Kind::Boolean},
                      {QStringLiteral("account_id"), Kind::Text}}),
        EntitySchema(QStringLiteral("recurring"), QStringLiteral("recurring_transactions"),
                     {{QStringLiteral("account_id"), Kind::Text},
                      {QStringLiteral("payee"), Kind::Text},
                      {QStringLiteral("memo"), Kind::Text},
                      {QStringLiteral("amount"), Kind::Integer},
                      {QStringLiteral("category_id"), Kind::Text},
                      {QStringLiteral("transfer_dest_account_id"), Kind::Text},
                      {QStringLiteral("frequency"), Kind::Text},
                      {QStringLiteral("start_date"), Kind::Text},
                      {QStringLiteral("end_date"), Kind::Text},
                      {QStringLiteral("next_due_date"), Kind::Text},
                      {QStringLiteral("auto_post"), Kind::Boolean},
                      {QStringLiteral("lead_days"), Kind::Integer},
                      {QStringLiteral("is_active"), Kind::Boolean}}),
        EntitySchema(QStringLiteral("transaction"), QStringLiteral("transactions"),
                     {{QStringLiteral("account_id"), Kind::Text},
                      {QStringLiteral("date"), Kind::Text},
                      {QStringLiteral("payee"), Kind::Text},
                      {QStringLiteral("memo"), Kind::Text},
                      {QStringLiteral("amount"), Kind::Integer},
                      {QStringLiteral("category_id"), Kind::Text},
                      {QStringLiteral("check_number"), Kind::Text},
                      {QStringLiteral("cleared"), Kind::Boolean},
                      {QStringLiteral("reconciled"), Kind::Boolean},
                      {QStringLiteral("transfer_link_id"), Kind::Text},
                      {QStringLiteral("transfer_dest_account_id"), Kind::Text},
                      {QStringLiteral("is_split"), Kind::Boolean},
                      {QStringLiteral("recurring_id"), Kind::Text},
                      {QStringLiteral("split_lines"), Kind::SplitLines}}),
        EntitySchema(QStringLiteral("reconciliation"), QStringLiteral("reconciliations"),
                     {{QStringLiteral("account_id"), Kind::Text},
                      {QStringLiteral("statement_date"), Kind::Text},
                      {QStringLiteral("statement_balance"), Kind::Integer},
                      {QStringLiteral("reconciled_balance"), Kind::Integer},
                      {QStringLiteral("completed_at"), Kind::Text}}),
    };
    return schemas;
}

const EntitySchema* EntitySchema::find(const QString& entityType)
{
    for (const EntitySchema& schema : all()) {
        if (schema.type() == entityType)
            return &schema;
    }
    return nullptr;
}

} // namespace PennibarServer
