#pragma once

#include <QDate>
#include <QString>

// The register's date text, "M/d/yyyy", written and read alike by the model, the cell editors
// and the date fields.
class RegisterDate
{
public:
    static QString toText(const QDate& date);
    // "M/d/yyyy" only; an invalid date when the text does not fit.
    static QDate fromText(const QString& text);
    // Also accepts zero-padded and two-digit-year forms, a two-digit year below 70 being of
    // this century (12/4/26 is 2026, 1/1/70 is 1970); an invalid date when none fits, such as
    // a day the month does not have.
    static QDate fromTypedText(const QString& text);
};
