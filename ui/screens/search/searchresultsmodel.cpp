#include "ui/screens/search/searchresultsmodel.h"

#include "ui/register/registermodel.h"

#include "app/core/money.h"
#include "data/account.h"

namespace {

// The register column each result column shows; -1 for the account.
int registerColumnOf(int column)
{
    switch (column) {
    case SearchResultsModel::DateColumn:
        return RegisterModel::DateColumn;
    case SearchResultsModel::CheckNumberColumn:
        return RegisterModel::CheckNumberColumn;
    case SearchResultsModel::PayeeColumn:
        return RegisterModel::PayeeColumn;
    case SearchResultsModel::CategoryColumn:
        return RegisterModel::CategoryColumn;
    case SearchResultsModel::MemoColumn:
        return RegisterModel::MemoColumn;
    case SearchResultsModel::PaymentColumn:
        return RegisterModel::PaymentColumn;
    case SearchResultsModel::DepositColumn:
        return RegisterModel::DepositColumn;
    case SearchResultsModel::ClearedColumn:
        return RegisterModel::ClearedColumn;
    default:
        return -1;
    }
}

} // namespace

SearchResultsModel::SearchResultsModel(QObject* parent)
    : QAbstractTableModel(parent), m_register(new RegisterModel(this))
{
}

void SearchResultsModel::setAccounts(const QList<Account>& accounts)
{
    m_accountNames.clear();
    m_currencies.clear();
    for (const Account& account : accounts) {
        m_accountNames.insert(account.id, account.name);
        m_currencies.insert(account.id, account.currency);
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void SearchResultsModel::setResults(QList<RegisterRow> rows)
{
    beginResetModel();
    m_register->setRows(std::move(rows));
    endResetModel();
}

const RegisterRow* SearchResultsModel::rowAt(int row) const
{
    return m_register->rowAt(registerIndex(index(row, DateColumn)).row());
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_register->registerRowCount();
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QModelIndex SearchResultsModel::registerIndex(const QModelIndex& index) const
{
    const int column = registerColumnOf(index.column());
    if (!index.isValid() || column < 0)
        return {};
    // The register's view rows are the results with its entry row among them.
    const int entry = m_register->entryRow();
    return m_register->index(index.row() < entry ? index.row() : index.row() + 1, column);
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    const RegisterRow* row = rowAt(index.row());
    if (!row)
        return {};
    const QString accountId = row->transaction.accountId;
    if (index.column() == AccountColumn) {
        if (role == Qt::DisplayRole)
            return m_accountNames.value(accountId);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

    const bool amountText = (index.column() == PaymentColumn || index.column() == DepositColumn) &&
                            (role == Qt::DisplayRole || role == Qt::EditRole);
    if (!amountText)
        return registerIndex(index).data(role);
    // The register shows one account's currency; results show each in their own.
    const qint64 amount = row->transaction.amount;
    const bool shown = index.column() == PaymentColumn ? amount < 0 : amount >= 0;
    if (!shown)
        return QString();
    return formatAmount(amount < 0 ? -amount : amount,
                        m_currencies.value(accountId, m_register->currency()));
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (section == AccountColumn)
        return role == Qt::DisplayRole ? QVariant(tr("Account")) : QVariant();
    return m_register->headerData(registerColumnOf(section), orientation, role);
}
