#pragma once

#include "app/core/currency.h"

#include <QString>

class QLocale;

// Amounts are signed minor units of the account's currency (cents, or whole yen).
// Formatting always uses the English locale so the register reads the same in every
// UI language: "," groups thousands and "." separates the cents.

QString currencySymbol(Currency currency);

// Symbol and amount, the minus sign before the symbol: -$1,234.56.
QString formatMoney(qint64 amount, Currency currency);

// The amount without symbol: -1,234.56.
QString formatAmount(qint64 amount, Currency currency);

// What a typed amount reads as. Text that is no amount, text that could mean two amounts and
// amounts no field takes are told apart from a typed zero.
struct TypedAmount
{
    enum class Reading
    {
        Amount,
        NotAnAmount,
        Ambiguous,       // "1,234" in German: 1234 as the register writes it, or 1.234
        TooManyDecimals, // more decimals than the currency has (any for yen)
        TooLarge,        // beyond largestEnteredAmount
    };
    Reading reading = Reading::NotAnAmount;
    // Minor units; 0 unless the reading is Amount.
    qint64 amount = 0;

    bool isAmount() const { return reading == Reading::Amount; }
};

// Reads an amount the user typed in the interface language `language`: an optional sign and
// the currency's symbol around digits written
//  - as the register shows amounts in every language: "1,234.56";
//  - as the language writes numbers: "1.234,56" in German, "1 234,56" in French (a plain,
//    no-break or narrow no-break space);
//  - with one "." or "," followed by at most two digits, which can only be a decimal mark:
//    "12,50" is 12.50 in every language;
//  - with one mark, used only to group thousands: "1.234.567".
// Grouping marks sit between groups of three digits. Text these readings give two amounts is
// ambiguous; decimals the currency does not have are refused rather than rounded, so that what
// is stored is what was typed. Yen have no decimals: their marks only group.
TypedAmount readTypedAmount(const QString& text, Currency currency, const QLocale& language);

// Why the typed text is no amount a field takes, and how to type it, in the interface's
// words; empty when it reads as an amount.
QString typedAmountRefusal(const QString& text, Currency currency, const QLocale& language);

// The forms type amounts in whole units (dollars, euros, yen) and store minor units.

// Digits after the decimal point: none for JPY, two for the other currencies.
int decimalPlaces(Currency currency);
// A value in whole units as minor units, rounded half away from zero: 0.29 dollars is 29 cents
// (never 28), 1500 yen is 1500.
qint64 toMinorUnits(double value, Currency currency);
// Minor units as a value in whole units: 1250 cents is 12.5 dollars.
double toMajorUnits(qint64 amount, Currency currency);
// The largest amount a form takes, in minor units: 99,999,999.99 (¥99,999,999).
qint64 largestEnteredAmount(Currency currency);
// Whether an amount lies within ± largestEnteredAmount: every amount typed, imported or stored
// for one transaction does.
bool isWithinEnteredRange(qint64 amount, Currency currency);
