#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

// Reads comma-separated bank exports: quoted fields with doubled quotes, CRLF or LF line
// ends, and the date forms banks write.
class CsvReader
{
public:
    // Fields trimmed; blank lines dropped; rows keep however many fields they have.
    static QList<QStringList> parse(const QString& text);
    // The first of the usual formats (ISO first, then month-first before day-first) that
    // reads the text; invalid when none does.
    static QDate detectDate(const QString& text);
    // The text in the given QDate format, or detected when that fails. Two-digit years are
    // read as QIF reads them: below 70 is 20xx, the rest 19xx.
    static QDate readDate(const QString& text, const QString& format);

private:
    static QDate fromFormat(const QString& text, const QString& format);
};
