#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>

// The text forms of dates ("yyyy-MM-dd") and UTC timestamps ("2024-03-05T09:05:07Z")
// used in the database and on the wire.

QString toIsoDate(const QDate& date);
QDate fromIsoDate(const QString& text);
// The same from UTF-8 text as SQLite hands it over, without a QString for the usual form.
QDate fromIsoDate(QByteArrayView text);

QString toIsoTimestamp(const QDateTime& timestamp);
// A text with an offset keeps its offset; an empty or broken text gives an invalid value.
QDateTime fromIsoTimestamp(const QString& text);

// The current UTC time to the whole second, as every stored timestamp holds it.
QDateTime nowUtc();
