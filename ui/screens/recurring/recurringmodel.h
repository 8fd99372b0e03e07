#pragma once

#include "app/core/currency.h"
#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>

class AccountRepository;

// The recurring transactions as a table of seven columns, sortable on each. Amounts show in the
// currency of the row's account.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount,
    };

    explicit RecurringModel(const AccountRepository* accounts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A stable sort on the column's key; descending reverses the ascending order as a whole, so
    // rows with equal keys swap too.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows these rows in the current sort, with the account names read afresh.
    void reload(const QList<RecurringTransaction>& rows);
    // Null outside the rows.
    const RecurringTransaction* rowAt(int row) const;

    // Active with its next occurrence today or earlier.
    static bool isDue(const RecurringTransaction& recurring);

private:
    struct AccountLabel
    {
        QString name; // empty for an account that is not found
        Currency currency = Currency::USD;
    };

    const AccountLabel& accountOf(const QString& accountId) const;
    bool lessThan(const RecurringTransaction& left, const RecurringTransaction& right) const;
    void sortRows();

    const AccountRepository* m_accounts;
    QList<RecurringTransaction> m_rows;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // Looked up once per account id while the rows last.
    mutable QHash<QString, AccountLabel> m_accountLabels;
};
