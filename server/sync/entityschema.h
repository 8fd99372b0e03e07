#pragma once

#include <QList>
#include <QString>

namespace PennibarServer {

// The five synchronised entity types and the payload fields the app sends for each. Fields not
// listed travel and are kept as they are; listed fields must have their type.
class EntitySchema
{
public:
    enum class FieldKind
    {
        Text,
        Integer,
        Boolean,
        SplitLines
    };
    struct Field
    {
        QString name;
        FieldKind kind;
    };

    // The schema of an "entity_type", or null for an unknown type.
    static const EntitySchema* find(const QString& entityType);
    static const QList<EntitySchema>& all();

    const QString& type() const { return m_type; }
    // The key of the pull reply's array for this type.
    const QString& pullKey() const { return m_pullKey; }
    // Rows of an account (the account itself, its transactions, recurring rows and
    // reconciliations) are shared with it; categories are not bound to an account.
    bool isAccountBound() const { return m_type != QLatin1String("category"); }
    bool isAccount() const { return m_type == QLatin1String("account"); }
    bool isCategory() const { return m_type == QLatin1String("category"); }
    const QList<Field>& fields() const { return m_fields; }

private:
    EntitySchema(QString type, QString pullKey, QList<Field> fields);

    QString m_type;
    QString m_pullKey;
    QList<Field> m_fields;
};

} // namespace PennibarServer
