#include "ui/widgets/moneyspinbox.h"

#include "app/core/money.h"

#include <QDoubleSpinBox>

void showMoneyIn(QDoubleSpinBox* box, Currency currency, bool signedAmounts)
{
    const double largest = toMajorUnits(largestEnteredAmount(currency), currency);
    // Decimals first: they round the range and the value.
    box->setDecimals(decimalPlaces(currency));
    box->setRange(signedAmounts ? -largest : 0, largest);
    box->setPrefix(QStringLiteral("%1 ").arg(currencySymbol(currency)));
}
