#pragma once

#include "data/enumerations.h"

#include <QDate>
#include <QDateTime>
#include <QVariant>

#include <optional>

// How record fields become bound values. Every repository binds through these so that dates,
// timestamps, flags and empty references are written one way only.
namespace SqlValue {

QVariant text(const QString& value);   // unchanged: a null QString binds NULL
QVariant reference(const QString& id); // foreign keys and owner ids: empty binds NULL
QVariant flag(bool value);             // 0 or 1
QVariant money(qint64 amount);
QVariant date(const QDate& value); // "yyyy-MM-dd"
QVariant date(const std::optional<QDate>& value);
QVariant timestamp(const QDateTime& value); // ISO 8601, "Z" for UTC
QVariant timestamp(const std::optional<QDateTime>& value);

template <typename Enum> QVariant storage(Enum value)
{
    return Enumerations::storageString(value);
}

} // namespace SqlValue
