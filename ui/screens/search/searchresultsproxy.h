#pragma once

#include "app/core/currency.h"

#include <QHash>
#include <QIdentityProxyModel>

class RegisterModel;

// Search results come from every account, while the register model shows its amounts in one
// currency: this shows each found transaction's payment and deposit in its own account's
// currency (whole yen beside dollars and cents). Everything else passes through unchanged.
class SearchResultsProxy : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit SearchResultsProxy(RegisterModel* results, QObject* parent = nullptr);

    // The currency of each account by id; accounts missing from it read as the model's own.
    void setAccountCurrencies(const QHash<QString, Currency>& currencies);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    RegisterModel* m_results;
    QHash<QString, Currency> m_currencies;
};
