#pragma once

#include "app/core/currency.h"

#include <QList>

// Amounts added up apart for each currency, the currencies in the order they first came: no
// sum ever mixes two currencies.
class CurrencyTotals
{
public:
    struct Total
    {
        Currency currency = Currency::USD;
        qint64 amount = 0;
    };

    void add(Currency currency, qint64 amount);
    const QList<Total>& totals() const { return m_totals; }

private:
    QList<Total> m_totals;
};
