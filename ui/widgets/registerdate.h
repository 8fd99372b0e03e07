#pragma once

#include <QDate>
#include <QString>

// The register's date text, "M/d/yyyy", written and read alike by the model, the cell editors
// and the date fields. A two-digit year reads as 1900-1999.
class RegisterDate
{
public:
    static QString toText(const QDate& date);
    // "M/d/yyyy" only; an invalid date when the text does not fit.
    static QDate fromText(const QString& text);
    // Also accepts zero-padded and two-digit-year forms; an invalid date when none fits.
    static QDate fromTypedText(const QString& text);
};
