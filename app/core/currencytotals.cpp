#include "app/core/currencytotals.h"

#include <algorithm>

void CurrencyTotals::add(Currency currency, qint64 amount)
{
    const auto found =
        std::find_if(m_totals.begin(), m_totals.end(),
                     [currency](const Total& total) { return total.currency == currency; });
    if (found != m_totals.end())
        found->amount += amount;
    else
        m_totals.append({currency, amount});
}
