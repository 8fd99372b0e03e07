#include "services/import/importedamount.h"

#include "app/core/money.h"

qint64 importedAmount(qint64 cents, Currency accountCurrency)
{
    if (decimalPlaces(accountCurrency) == 2)
        return cents;
    return toMinorUnits(double(cents) / 100.0, accountCurrency);
}
