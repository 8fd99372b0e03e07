#pragma once

#include "app/core/currency.h"

#include <QtGlobal>

// Import files write amounts with two decimals whatever the currency; an account stores them in
// its own minor unit: 1500.00 in a yen account is 1500 yen, in a dollar account 150000 cents.
qint64 importedAmount(qint64 cents, Currency accountCurrency);
