#include "isodates.h"

QString toIsoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate fromIsoDate(const QString& text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QString toIsoTimestamp(const QDateTime& timestamp)
{
    return timestamp.toString(Qt::ISODate);
}

QDateTime fromIsoTimestamp(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate);
}

QDateTime nowUtc()
{
    QDateTime now = QDateTime::currentDateTimeUtc();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return now;
}
