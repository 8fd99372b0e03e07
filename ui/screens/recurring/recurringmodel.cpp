#include "ui/screens/recurring/recurringmodel.h"

#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/enumerations.h"
#include "ui/theme/themecolors.h"

#include <QLocale>

#include <algorithm>

RecurringModel::RecurringModel(const AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent), m_accounts(accounts)
{
}

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool RecurringModel::isDue(const RecurringTransaction& recurring)
{
    return recurring.isActive && recurring.nextDueDate <= QDate::currentDate();
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    const RecurringTransaction* row = index.isValid() ? rowAt(index.row()) : nullptr;
    if (!row || index.column() >= ColumnCount)
        return {};

    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case AccountColumn:
            return row->accountId.isEmpty() ? QString() : accountOf(row->accountId).name;
        case PayeeColumn:
            return row->payee;
        case AmountColumn:
            return formatMoney(row->amount, accountOf(row->accountId).currency);
        case FrequencyColumn:
            return Enumerations::displayName(row->frequency);
        case NextDueColumn:
            return QLocale().toString(row->nextDueDate, QLocale::ShortFormat);
        case AutoColumn:
            return row->autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return row->isActive ? tr("Active") : tr("Inactive");
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::ForegroundRole) {
        if (index.column() == AmountColumn && row->amount < 0)
            return ThemeColors::negative().color();
        if (index.column() == NextDueColumn && isDue(*row))
            return ThemeColors::dueRecurring().color();
        if (index.column() == StatusColumn && !row->isActive)
            return ThemeColors::inactiveRecurring().color();
    }
    return {};
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    }
    return {};
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    sortRows();
    endResetModel();
}

void RecurringModel::reload(const QList<RecurringTransaction>& rows)
{
    beginResetModel();
    m_rows = rows;
    m_accountLabels.clear();
    sortRows();
    endResetModel();
}

const RecurringTransaction* RecurringModel::rowAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

const RecurringModel::AccountLabel& RecurringModel::accountOf(const QString& accountId) const
{
    auto found = m_accountLabels.constFind(accountId);
    if (found == m_accountLabels.constEnd()) {
        AccountLabel label;
        if (const std::optional<Account> account = m_accounts->byId(accountId))
            label = {account->name, account->currency};
        found = m_accountLabels.insert(accountId, label);
    }
    return *found;
}

bool RecurringModel::lessThan(const RecurringTransaction& left,
                              const RecurringTransaction& right) const
{
    switch (m_sortColumn) {
    case AccountColumn:
        return QString::compare(accountOf(left.accountId).name, accountOf(right.accountId).name,
                                Qt::CaseInsensitive) < 0;
    case PayeeColumn:
        return QString::compare(left.payee, right.payee, Qt::CaseInsensitive) < 0;
    case AmountColumn:
        return left.amount < right.amount;
    case FrequencyColumn:
        return int(left.frequency) < int(right.frequency);
    case NextDueColumn:
        return left.nextDueDate < right.nextDueDate;
    case AutoColumn:
        return left.autoPost < right.autoPost;
    case StatusColumn:
        return left.isActive < right.isActive;
    }
    return false;
}

void RecurringModel::sortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const RecurringTransaction& left, const RecurringTransaction& right) {
                         return lessThan(left, right);
                     });
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rows.begin(), m_rows.end());
}
