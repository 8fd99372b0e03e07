#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

// Reads the text of bank exports: quoted fields with doubled quotes, a comma, semicolon or tab
// between fields, CRLF, LF or CR line ends, the date forms banks write and amounts with their
// currency written beside them.
class CsvReader
{
public:
    // The dateFormat value that reads ISO 8601 dates, with or without a time after them.
    static const QString isoDateFormat;

    // The date formats tried by detection, in order of preference.
    static const QStringList& detectedDateFormats();

    // Fields trimmed; blank lines dropped; rows keep however many fields they have.
    static QList<QStringList> parse(const QString& text, QChar delimiter = QLatin1Char(','));
    // The first of the usual formats (ISO first, then month-first before day-first) that
    // reads the text; invalid when none does.
    static QDate detectDate(const QString& text);
    // The text in the given QDate format (or isoDateFormat), or detected when that fails.
    // Two-digit years are read as QIF reads them: below 70 is 20xx, the rest 19xx.
    static QDate readDate(const QString& text, const QString& format);
    // An amount in cents, read with the QIF amount rules once the currency written before or
    // after it is gone: "$1,036.47", "-123,45 €", "100,00 EUR", "US$ 5".
    static std::optional<qint64> readAmount(const QString& text);
    // The text in that format only; invalid when it does not read.
    static QDate dateInFormat(const QString& text, const QString& format);
};
