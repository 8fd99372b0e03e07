#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace TovAccount::JsonFields {

// Reading the services' replies: a missing or mistyped key reads as empty, 0 or false.
QString text(const QJsonObject& object, const char* key);
int integer(const QJsonObject& object, const char* key);
bool flag(const QJsonObject& object, const char* key);
// ISO 8601 text; an invalid QDateTime when missing or malformed.
QDateTime timestamp(const QJsonObject& object, const char* key);

// One record per object of the array under `key`, in order.
template <typename Record> QList<Record> list(const QJsonObject& object, const char* key)
{
    QList<Record> records;
    const QJsonArray array = object.value(QLatin1String(key)).toArray();
    records.reserve(array.size());
    for (const QJsonValue& element : array)
        records.append(Record::fromJson(element.toObject()));
    return records;
}

} // namespace TovAccount::JsonFields
