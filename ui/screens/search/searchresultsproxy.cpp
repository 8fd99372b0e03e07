#include "ui/screens/search/searchresultsproxy.h"

#include "ui/register/registermodel.h"

#include "app/core/money.h"

SearchResultsProxy::SearchResultsProxy(RegisterModel* results, QObject* parent)
    : QIdentityProxyModel(parent), m_results(results)
{
    setSourceModel(results);
}

void SearchResultsProxy::setAccountCurrencies(const QHash<QString, Currency>& currencies)
{
    m_currencies = currencies;
    if (rowCount() > 0)
        emit dataChanged(index(0, RegisterModel::PaymentColumn),
                         index(rowCount() - 1, RegisterModel::DepositColumn));
}

QVariant SearchResultsProxy::data(const QModelIndex& index, int role) const
{
    const bool amountColumn = index.column() == RegisterModel::PaymentColumn ||
                              index.column() == RegisterModel::DepositColumn;
    if (!amountColumn || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QIdentityProxyModel::data(index, role);
    const RegisterRow* row = m_results->rowAt(index.row());
    if (!row)
        return QIdentityProxyModel::data(index, role);
    const qint64 amount = row->transaction.amount;
    const bool shown = index.column() == RegisterModel::PaymentColumn ? amount < 0 : amount >= 0;
    if (!shown)
        return QString();
    const Currency currency = m_currencies.value(row->transaction.accountId, m_results->currency());
    return formatAmount(amount < 0 ? -amount : amount, currency);
}
