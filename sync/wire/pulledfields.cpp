#include "sync/wire/pulledfields.h"

#include <QJsonValue>

namespace PulledFields {

QString text(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

qint64 money(const QJsonObject& object, const QString& key)
{
    return object.value(key).toInteger();
}

int integer(const QJsonObject& object, const QString& key)
{
    return object.value(key).toInt();
}

bool flag(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        return value.toBool();
    return value.toInteger() != 0;
}

QDate dateFromText(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
    return dateTime.isValid() ? dateTime.date() : QDate();
}

QDate date(const QJsonObject& object, const QString& key)
{
    return dateFromText(text(object, key));
}

QDateTime timestamp(const QJsonObject& object, const QString& key)
{
    return QDateTime::fromString(text(object, key), Qt::ISODate).toUTC();
}

SyncBookkeeping bookkeeping(const QJsonObject& object)
{
    SyncBookkeeping bookkeeping;
    bookkeeping.serverId = text(object, QStringLiteral("id"));
    bookkeeping.syncStatus = SyncStatus::Synced;
    bookkeeping.version = integer(object, QStringLiteral("version"));
    bookkeeping.createdAt = timestamp(object, QStringLiteral("created_at"));
    bookkeeping.updatedAt = timestamp(object, QStringLiteral("updated_at"));
    if (!text(object, QStringLiteral("deleted_at")).isEmpty())
        bookkeeping.deletedAt = timestamp(object, QStringLiteral("deleted_at"));
    return bookkeeping;
}

} // namespace PulledFields
