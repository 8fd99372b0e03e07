#pragma once

#include "app/core/currency.h"

class QDoubleSpinBox;

// Sets an amount box up for an account's currency: its symbol before the value ("$ ", "¥ "),
// whole yen or two decimals, and up to the largest amount a form takes (from minus that amount
// when the box takes signed amounts). The box holds whole units; toMinorUnits and toMajorUnits
// convert to and from what is stored.
void showMoneyIn(QDoubleSpinBox* box, Currency currency, bool signedAmounts = false);
