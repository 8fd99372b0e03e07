#pragma once

#include "app/core/currency.h"
#include "data/registerrow.h"

#include <QAbstractTableModel>
#include <QHash>

class RegisterModel;
struct Account;

// The transactions a search found in every account, oldest first. They read as the register
// shows them (dates, categories, cleared marks, each amount in its own account's currency),
// with the account they belong to beside the date. The register's entry row and its running
// balance are left out: nothing is typed here, and hits from several accounts, with everything
// between them missing, have no balance that means anything. The register shows the balance
// of the result a double-click opens.
class SearchResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn = 0,
        AccountColumn,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        ColumnCount,
    };

    explicit SearchResultsModel(QObject* parent = nullptr);

    // The accounts results may come from, for their names and currencies.
    void setAccounts(const QList<Account>& accounts);
    // Replaces the results.
    void setResults(QList<RegisterRow> rows);
    // The result shown in a row; null out of range.
    const RegisterRow* rowAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // The register's cell that a result cell shows; invalid for the account.
    QModelIndex registerIndex(const QModelIndex& index) const;

    // Formats the results as the register formats its rows.
    RegisterModel* m_register;
    QHash<QString, QString> m_accountNames;
    QHash<QString, Currency> m_currencies;
};
