#include "ui/register/registermodel.h"

#include "ui/widgets/registerdate.h"

#include "app/core/money.h"
#include "app/core/singleline.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/themecolors.h"

#include <algorithm>
#include <optional>

namespace {

QString clearedText(const Transaction& transaction)
{
    if (transaction.reconciled)
        return QStringLiteral("R");
    if (transaction.cleared)
        return QStringLiteral("C");
    return {};
}

bool isAmountColumn(int column)
{
    return column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn ||
           column == RegisterModel::BalanceColumn;
}

// The amount an amount column shows for a row; none where the column stays blank.
std::optional<qint64> shownAmount(const RegisterRow& row, int column)
{
    const qint64 amount = row.transaction.amount;
    switch (column) {
    case RegisterModel::PaymentColumn:
        return amount < 0 ? std::optional<qint64>(-amount) : std::nullopt;
    case RegisterModel::DepositColumn:
        return amount >= 0 ? std::optional<qint64>(amount) : std::nullopt;
    case RegisterModel::BalanceColumn:
        return row.balance;
    default:
        return std::nullopt;
    }
}

// The sign and number of digits of an amount: its formatted text is as long as these make it.
int amountShape(qint64 amount)
{
    quint64 magnitude = amount < 0 ? 0 - quint64(amount) : quint64(amount);
    int digits = 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return digits * 2 + (amount < 0 ? 1 : 0);
}

QVariant columnAlignment(int column)
{
    if (isAmountColumn(column))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (column == RegisterModel::ClearedColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
}

// Strict "x before y in column" for the sort keys of the register.
bool lessInColumn(const RegisterRow& x, const RegisterRow& y, int column)
{
    const Transaction& a = x.transaction;
    const Transaction& b = y.transaction;
    switch (column) {
    case RegisterModel::DateColumn:
        return a.date < b.date;
    case RegisterModel::CheckNumberColumn:
        return QString::localeAwareCompare(a.checkNumber, b.checkNumber) < 0;
    case RegisterModel::PayeeColumn:
        return QString::localeAwareCompare(a.payee, b.payee) < 0;
    case RegisterModel::CategoryColumn:
        return QString::localeAwareCompare(x.categoryName, y.categoryName) < 0;
    case RegisterModel::MemoColumn:
        return QString::localeAwareCompare(a.memo, b.memo) < 0;
    case RegisterModel::PaymentColumn: {
        // Non-payments (deposits and zero) sort before every payment.
        const auto key = [](const Transaction& t) { return t.amount < 0 ? -t.amount : -1; };
        return key(a) < key(b);
    }
    case RegisterModel::DepositColumn: {
        const auto key = [](const Transaction& t) { return t.amount > 0 ? t.amount : -1; };
        return key(a) < key(b);
    }
    case RegisterModel::ClearedColumn: {
        const auto key = [](const Transaction& t) { return t.reconciled ? 2 : t.cleared ? 1 : 0; };
        return key(a) < key(b);
    }
    case RegisterModel::BalanceColumn:
        return x.balance < y.balance;
    default:
        return false;
    }
}

} // namespace

RegisterModel::RegisterModel(QObject* parent) : QAbstractTableModel(parent)
{
    clearEntry();
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + 1;
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::entryRow() const
{
    const bool newestFirst = m_sortColumn == DateColumn && m_sortOrder == Qt::DescendingOrder;
    return newestFirst ? 0 : int(m_rows.size());
}

int RegisterModel::registerIndexOf(int viewRow) const
{
    if (viewRow < 0 || viewRow >= rowCount() || isEntryRow(viewRow))
        return -1;
    return entryRow() == 0 ? viewRow - 1 : viewRow;
}

const RegisterRow* RegisterModel::rowAt(int viewRow) const
{
    const int index = registerIndexOf(viewRow);
    return index < 0 ? nullptr : &m_rows.at(index);
}

int RegisterModel::viewRowOf(const QString& transactionId) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).transaction.id == transactionId)
            return entryRow() == 0 ? i + 1 : i;
    }
    return -1;
}

bool RegisterModel::isSplitRow(int viewRow) const
{
    const RegisterRow* row = rowAt(viewRow);
    return row && row->transaction.isSplit;
}

QString* RegisterModel::buffer(int column)
{
    return const_cast<QString*>(std::as_const(*this).buffer(column));
}

const QString* RegisterModel::buffer(int column) const
{
    switch (column) {
    case DateColumn:
        return &m_entry.date;
    case CheckNumberColumn:
        return &m_entry.checkNumber;
    case PayeeColumn:
        return &m_entry.payee;
    case CategoryColumn:
        return &m_entry.category;
    case MemoColumn:
        return &m_entry.memo;
    case PaymentColumn:
        return &m_entry.payment;
    case DepositColumn:
        return &m_entry.deposit;
    case ClearedColumn:
        return &m_entry.cleared;
    default:
        return nullptr;
    }
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};

    const int row = index.row();
    const int column = index.column();
    // The entry row shows the buffers only while no existing row has taken them over.
    const bool entryFlag = isEntryRow(row) && m_editingRow < 0;
    const bool edited = m_editingRow >= 0 && row == m_editingRow;

    if (entryFlag || edited) {
        const QVariant value = bufferData(row, column, role, entryFlag);
        if (value.isValid())
            return value;
    }

    if (const RegisterRow* registerRow = rowAt(row))
        return rowData(*registerRow, column, role);
    return {};
}

QVariant RegisterModel::bufferData(int viewRow, int column, int role, bool entryFlag) const
{
    const QString* text = buffer(column);

    if (text && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        if (role == Qt::DisplayRole && entryFlag && text->isEmpty())
            return columnName(column);
        if (role == Qt::DisplayRole && !entryFlag && column == CategoryColumn &&
            isSplitRow(viewRow))
            return tr("—Split—");
        return *text;
    }
    if (role == Qt::ForegroundRole && entryFlag && text && text->isEmpty())
        return ThemeColors::secondary().color();
    if (role == Qt::BackgroundRole && !m_twoLine)
        return ThemeColors::entryRowBackground(ThemeColors::isDark()).color();
    // Typed amounts line up with the column's amounts; placeholders stay in the body font.
    if (role == Qt::TextAlignmentRole && entryFlag)
        return columnAlignment(column);
    if (role == Qt::FontRole && entryFlag && text && !text->isEmpty() && isAmountColumn(column))
        return FontRoles::font(FontRoles::Monospace);
    return {};
}

QString RegisterModel::plainAmount(qint64 amount) const
{
    return formatAmount(amount, m_currency);
}

qint64 RegisterModel::readAmount(const QString& text) const
{
    return parseMoney(text.trimmed(), m_currency);
}

QString RegisterModel::displayText(const RegisterRow& row, int column) const
{
    const Transaction& t = row.transaction;
    switch (column) {
    case DateColumn:
        return RegisterDate::toText(t.date);
    case CheckNumberColumn:
        return t.checkNumber;
    case PayeeColumn:
        return t.payee;
    case CategoryColumn:
        return t.isSplit ? tr("—Split—") : row.categoryName;
    case MemoColumn:
        return t.memo;
    case PaymentColumn:
    case DepositColumn:
    case BalanceColumn: {
        const std::optional<qint64> amount = shownAmount(row, column);
        return amount ? plainAmount(*amount) : QString();
    }
    case ClearedColumn:
        return clearedText(t);
    default:
        return {};
    }
}

QString RegisterModel::longestAmount(int column) const
{
    QString longest;
    if (!isAmountColumn(column))
        return longest;
    // Only the first row of each sign and digit count is formatted: a later row of the same
    // shape is never longer, and formatting every amount of a large register is slow.
    QSet<int> shapesSeen;
    for (const RegisterRow& row : m_rows) {
        const std::optional<qint64> amount = shownAmount(row, column);
        if (!amount || shapesSeen.contains(amountShape(*amount)))
            continue;
        shapesSeen.insert(amountShape(*amount));
        const QString text = plainAmount(*amount);
        if (text.size() > longest.size())
            longest = text;
    }
    return longest;
}

QVariant RegisterModel::rowData(const RegisterRow& row, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::EditRole:
        if (column == CategoryColumn)
            return row.categoryName;
        if (column == BalanceColumn)
            return {};
        return displayText(row, column);
    case Qt::FontRole:
        if (isAmountColumn(column))
            return FontRoles::font(FontRoles::Monospace);
        return {};
    case Qt::TextAlignmentRole:
        return columnAlignment(column);
    case Qt::ForegroundRole: {
        const bool dark = ThemeColors::isDark();
        switch (column) {
        case MemoColumn:
        case ClearedColumn:
            return ThemeColors::secondary(dark).color();
        case PaymentColumn:
            return ThemeColors::negative(dark).color();
        case DepositColumn:
            if (row.transaction.amount >= 0)
                return ThemeColors::positive(dark).color();
            return {};
        case BalanceColumn:
            if (row.balance < 0)
                return ThemeColors::negative(dark).color();
            return {};
        default:
            return {};
        }
    }
    default:
        return {};
    }
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // The buffers belong to one row at a time; writing them through any other row would put
    // that row's text into the transaction being typed.
    if (role != Qt::EditRole || !index.isValid() || index.row() != bufferRow())
        return false;
    QString* text = buffer(index.column());
    if (!text)
        return false;

    const QString newText = bufferText(index.column(), value.toString());
    if (newText != *text)
        m_autoFilled.remove(index.column());
    *text = newText;
    emit dataChanged(index, index);
    return true;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    if (section == PayeeColumn && m_twoLine)
        return tr("Payee / Memo");
    return columnName(section);
}

QString RegisterModel::columnName(int column)
{
    switch (column) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return {};
    }
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;

    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int row = index.row();
    const int column = index.column();
    if (column == BalanceColumn)
        return readOnly;
    if (!isEntryRow(row) && row != m_editingRow)
        return readOnly;
    // A split transaction's category and amount are edited in the split editor only.
    const bool splitCell =
        column == CategoryColumn || column == PaymentColumn || column == DepositColumn;
    if (splitCell && isSplitRow(row))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;

    // The edited row is a view row; it must follow its transaction, or the typed values would
    // later be saved over whichever transaction the sort moved into its place.
    const RegisterRow* edited = m_editingRow >= 0 ? rowAt(m_editingRow) : nullptr;
    const QString editedId = edited ? edited->transaction.id : QString();

    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    sortRows();
    if (edited)
        m_editingRow = viewRowOf(editedId);
    endResetModel();

    emit sortChanged(column, order);
}

void RegisterModel::sortRows()
{
    const int column = m_sortColumn;
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    const auto comesFirst = [column, ascending](const RegisterRow& x, const RegisterRow& y) {
        const bool xLess = lessInColumn(x, y, column);
        const bool yLess = lessInColumn(y, x, column);
        if (xLess != yLess)
            return ascending ? xLess : yLess;
        // Equal in the column: the later date first, whatever the direction.
        return x.transaction.date > y.transaction.date;
    };
    // A reload hands the rows over oldest first, the order of the default sort: checking that
    // takes one pass over the rows, sorting them many.
    if (!std::is_sorted(m_rows.cbegin(), m_rows.cend(), comesFirst))
        std::stable_sort(m_rows.begin(), m_rows.end(), comesFirst);
}

void RegisterModel::setRows(QList<RegisterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    m_editingRow = -1;
    clearEntry();
    endResetModel();
}

void RegisterModel::emitRowChanged(int viewRow)
{
    if (viewRow < 0 || viewRow >= rowCount())
        return;
    emit dataChanged(index(viewRow, 0), index(viewRow, ColumnCount - 1));
}

void RegisterModel::emitCellChanged(int viewRow, int column)
{
    if (viewRow < 0 || viewRow >= rowCount())
        return;
    const QModelIndex cell = index(viewRow, column);
    emit dataChanged(cell, cell);
}

void RegisterModel::setEditingRow(int viewRow)
{
    const int old = m_editingRow;
    m_editingRow = viewRow;
    if (old >= 0)
        emitRowChanged(old);
    if (viewRow >= 0)
        emitRowChanged(viewRow);
    // The entry row shows its placeholders only while no other row is edited.
    if ((old < 0) != (viewRow < 0))
        emitRowChanged(entryRow());
}

void RegisterModel::clearEntry()
{
    const QString sticky = m_entry.stickyDate;
    m_entry = Entry();
    m_entry.stickyDate = sticky;
    m_entry.date = sticky.isEmpty() ? RegisterDate::toText(QDate::currentDate()) : sticky;
    m_entryAtStart = m_entry;
    m_autoFilled.clear();
}

// Pasted text keeps to one line in the cells, as it will when stored.
QString RegisterModel::bufferText(int column, const QString& text)
{
    switch (column) {
    case CheckNumberColumn:
    case PayeeColumn:
    case CategoryColumn:
    case MemoColumn:
        return singleLine(text);
    default:
        return text;
    }
}

bool RegisterModel::hasUnsavedEntry() const
{
    const Entry& now = m_entry;
    if (m_editingRow < 0) {
        for (const QString* typed : {&now.checkNumber, &now.payee, &now.memo, &now.category,
                                     &now.payment, &now.deposit, &now.cleared}) {
            if (!typed->trimmed().isEmpty())
                return true;
        }
        return false;
    }
    const Entry& loaded = m_entryAtStart;
    return now.date != loaded.date || now.checkNumber != loaded.checkNumber ||
           now.payee != loaded.payee || now.memo != loaded.memo ||
           now.category != loaded.category || now.categoryId != loaded.categoryId ||
           now.payment != loaded.payment || now.deposit != loaded.deposit ||
           now.cleared != loaded.cleared;
}

void RegisterModel::resetEntry()
{
    clearEntry();
    emitRowChanged(bufferRow());
    if (bufferRow() != entryRow())
        emitRowChanged(entryRow());
}

void RegisterModel::loadEntryFrom(const Transaction& transaction, const QString& categoryText)
{
    const QString sticky = m_entry.stickyDate;
    m_entry = Entry();
    m_entry.stickyDate = sticky;
    m_entry.date = RegisterDate::toText(transaction.date);
    m_entry.checkNumber = transaction.checkNumber;
    m_entry.payee = transaction.payee;
    m_entry.memo = transaction.memo;
    m_entry.category = categoryText;
    m_entry.categoryId = transaction.categoryId;
    if (transaction.amount < 0)
        m_entry.payment = plainAmount(-transaction.amount);
    else
        m_entry.deposit = plainAmount(transaction.amount);
    m_entry.cleared = clearedText(transaction);
    m_entryAtStart = m_entry;
    m_autoFilled.clear();
    emitRowChanged(bufferRow());
}

Transaction RegisterModel::entryToTransaction(const QString& accountId) const
{
    Transaction transaction;
    transaction.accountId = accountId;
    const QDate date = RegisterDate::fromText(m_entry.date);
    transaction.date = date.isValid() ? date : QDate::currentDate();
    transaction.payee = m_entry.payee.trimmed();
    transaction.memo = m_entry.memo;
    transaction.checkNumber = m_entry.checkNumber.trimmed();
    if (!m_entry.payment.isEmpty())
        transaction.amount = -readAmount(m_entry.payment);
    else if (!m_entry.deposit.isEmpty())
        transaction.amount = readAmount(m_entry.deposit);
    transaction.categoryId = m_entry.categoryId;
    return transaction;
}

void RegisterModel::setStickyDate(const QString& text)
{
    m_entry.stickyDate = text;
}

void RegisterModel::setCategoryId(const QString& categoryId)
{
    m_entry.categoryId = categoryId;
}

void RegisterModel::setBuffer(int column, const QString& typed)
{
    QString* target = buffer(column);
    if (!target)
        return;
    const QString text = bufferText(column, typed);
    if (*target != text)
        m_autoFilled.remove(column);
    *target = text;
    emitCellChanged(bufferRow(), column);
}

bool RegisterModel::fillFromLast(const Transaction& last, const QString& categoryText)
{
    if (m_editingRow >= 0)
        return false;

    // A field may be filled when it is empty or still holds an earlier quick-fill.
    const auto fillable = [this](int column) {
        return buffer(column)->isEmpty() || m_autoFilled.contains(column);
    };
    // Cell by cell: a row-wide change would also reset an open editor of this row (the payee
    // being typed) to its buffer.
    bool changed = false;
    const auto fill = [&](int column, const QString& text) {
        QString* target = buffer(column);
        m_autoFilled.insert(column);
        if (*target == text)
            return;
        *target = text;
        changed = true;
        emitCellChanged(entryRow(), column);
    };

    if (fillable(PaymentColumn) && fillable(DepositColumn)) {
        fill(PaymentColumn, last.amount < 0 ? plainAmount(-last.amount) : QString());
        fill(DepositColumn, last.amount < 0 ? QString() : plainAmount(last.amount));
    }
    if (!categoryText.isEmpty() && fillable(CategoryColumn) &&
        (m_entry.categoryId.isEmpty() || m_autoFilled.contains(CategoryColumn))) {
        fill(CategoryColumn, categoryText);
        if (m_entry.categoryId != last.categoryId)
            changed = true;
        m_entry.categoryId = last.categoryId;
    }
    if (!last.memo.isEmpty() && fillable(MemoColumn))
        fill(MemoColumn, last.memo);
    return changed;
}
