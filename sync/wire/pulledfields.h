#pragma once

#include "data/syncbookkeeping.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

// Reading the fields of a pulled server record leniently: a missing key or a value of another
// JSON type reads as empty, 0, false or a null date instead of failing the record.
namespace PulledFields {

QString text(const QJsonObject& object, const QString& key);
qint64 money(const QJsonObject& object, const QString& key);
int integer(const QJsonObject& object, const QString& key);
// A JSON boolean as it is; anything else is true when it reads as a non-zero integer.
bool flag(const QJsonObject& object, const QString& key);
// "yyyy-MM-dd", or the date part of an ISO date-time; null when empty or unreadable.
QDate date(const QJsonObject& object, const QString& key);
QDate dateFromText(const QString& text);
QDateTime timestamp(const QJsonObject& object, const QString& key);
// The server's copy as this device keeps it: synced, under the server's id and version.
SyncBookkeeping bookkeeping(const QJsonObject& object);

} // namespace PulledFields
