#include "data/sqlvalue.h"

#include "app/core/isodates.h"

namespace SqlValue {

QVariant text(const QString& value)
{
    return value;
}

QVariant reference(const QString& id)
{
    return id.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(id);
}

QVariant flag(bool value)
{
    return value ? 1 : 0;
}

QVariant money(qint64 amount)
{
    return amount;
}

// An invalid date or timestamp is written as empty text, never NULL: the NOT NULL columns then
// still accept the row, so a record with a broken date can at least be deactivated.
QVariant date(const QDate& value)
{
    return value.isValid() ? toIsoDate(value) : QStringLiteral("");
}

QVariant date(const std::optional<QDate>& value)
{
    return value ? date(*value) : QVariant(QMetaType::fromType<QString>());
}

QVariant timestamp(const QDateTime& value)
{
    return value.isValid() ? toIsoTimestamp(value) : QStringLiteral("");
}

QVariant timestamp(const std::optional<QDateTime>& value)
{
    return value ? timestamp(*value) : QVariant(QMetaType::fromType<QString>());
}

} // namespace SqlValue
