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

// Reads what formatMoney writes and what users type. Unreadable text gives 0.
qint64 parseMoney(const QString& text, Currency currency);
