#include "libs/account/records/jsonfields.h"

namespace TovAccount::JsonFields {

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

int integer(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toInt();
}

bool flag(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toBool();
}

QDateTime timestamp(const QJsonObject& object, const char* key)
{
    return QDateTime::fromString(text(object, key), Qt::ISODate);
}

} // namespace TovAccount::JsonFields
