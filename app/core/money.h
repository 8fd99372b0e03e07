#pragma once

#include "app/core/currency.h"

#include <QString>

// Amounts are signed minor units of the account's currency (cents, or whole yen).
// Formatting always uses the English locale so the register reads the same in every
// UI language: "," groups thousands and "." separates the cents.

QString currencySymbol(Currency currency);

// Symbol and amount, the minus sign before the symbol: -$1,234.56.
QString formatMoney(qint64 amount, Currency currency);

// The amount without symbol: -1,234.56.
QString formatAmount(qint64 amount, Currency currency);

// Reads what formatMoney writes and what users type. Unreadable text gives 0, and so does a
// number too long for any amount.
qint64 parseMoney(const QString& text, Currency currency);

// What a typed amount reads as. Unlike parseMoney, text that is no amount and an amount no
// field takes are told apart from a typed zero.
struct TypedAmount
{
    enum class Reading
    {
        Amount,
        NotAnAmount,
        TooLarge, // beyond largestEnteredAmount
    };
    Reading reading = Reading::NotAnAmount;
    // Minor units; 0 unless the reading is Amount.
    qint64 amount = 0;

    bool isAmount() const { return reading == Reading::Amount; }
};

// Reads an amount the user typed: an optional sign, the currency's symbol and "," grouping
// allowed, digits with an optional "." and cents (more decimals round half away from zero;
// none for JPY). Anything else is not an amount.
TypedAmount readTypedAmount(const QString& text, Currency currency);

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
