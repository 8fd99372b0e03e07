#include "ui/register/registermodel.h"

#include "ui/widgets/registerdate.h"

#include "app/core/money.h"
#include "app/core/singleline.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/themecolors.h"

#include <algorithm>
#include <numeric>
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
std::optional<qint64> shownAmount(qint64 amount, qint64 balance, int column)
{
    switch (column) {
    case RegisterModel::PaymentColumn:
        return amount < 0 ? std::optional<qint64>(-amount) : std::nullopt;
    case RegisterModel::DepositColumn:
        return amount >= 0 ? std::optional<qint64>(amount) : std::nullopt;
    case RegisterModel::BalanceColumn:
        return balance;
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

// Each text once, ranked in the order localeAwareCompare puts them; texts it finds equal share
// a rank. Comparing ranks then sorts as comparing the texts would, without comparing every
// pair of rows by locale.
QList<qint64> localeRanks(const QStringList& texts)
{
    QStringList distinct = texts;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::sort(distinct.begin(), distinct.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    QHash<QString, qint64> rankOf;
    qint64 rank = 0;
    for (int i = 0; i < distinct.size(); ++i) {
        if (i > 0 && QString::localeAwareCompare(distinct.at(i - 1), distinct.at(i)) < 0)
            ++rank;
        rankOf.insert(distinct.at(i), rank);
    }
    QList<qint64> ranks;
    ranks.reserve(texts.size());
    for (const QString& text : texts)
        ranks.append(rankOf.value(text));
    return ranks;
}

} // namespace

RegisterModel::RegisterModel(QObject* parent) : QAbstractTableModel(parent)
{
    clearEntry();
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size() + 1;
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::entryRow() const
{
    const bool newestFirst = m_sortColumn == DateColumn && m_sortOrder == Qt::DescendingOrder;
    return newestFirst ? 0 : m_rows.size();
}

int RegisterModel::registerIndexOf(int viewRow) const
{
    if (viewRow < 0 || viewRow >= rowCount() || isEntryRow(viewRow))
        return -1;
    return m_order.at(entryRow() == 0 ? viewRow - 1 : viewRow);
}

const RegisterRow* RegisterModel::rowAt(int viewRow) const
{
    const int index = registerIndexOf(viewRow);
    if (index < 0)
        return nullptr;
    if (const RegisterRow* row = m_rows.loaded(index))
        return row;
    // The rows are read a page of view rows at a time: those around it come into view next.
    const int position = entryRow() == 0 ? viewRow - 1 : viewRow;
    const int first = position / pageSize * pageSize;
    m_rows.load(m_order.mid(first, pageSize));
    return m_rows.loaded(index);
}

int RegisterModel::viewRowOf(const QString& transactionId) const
{
    const int index = m_rows.indexOf(transactionId);
    const int position = index < 0 ? -1 : int(m_order.indexOf(index));
    if (position < 0)
        return -1;
    return entryRow() == 0 ? position + 1 : position;
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
        const std::optional<qint64> amount =
            shownAmount(row.transaction.amount, row.balance, column);
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
    for (int i = 0; i < m_rows.size(); ++i) {
        const std::optional<qint64> amount =
            shownAmount(m_rows.amount(i), m_rows.balance(i), column);
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

QList<qint64> RegisterModel::sortKeys(int column) const
{
    using Text = TransactionRepository::RegisterText;
    QList<qint64> keys;
    keys.reserve(m_rows.size());
    switch (column) {
    case CheckNumberColumn:
        return localeRanks(m_rows.texts(Text::CheckNumber));
    case PayeeColumn:
        return localeRanks(m_rows.texts(Text::Payee));
    case CategoryColumn:
        return localeRanks(m_rows.texts(Text::CategoryName));
    case MemoColumn:
        return localeRanks(m_rows.texts(Text::Memo));
    case ClearedColumn:
        for (const int state : m_rows.clearedStates())
            keys.append(state);
        return keys;
    default:
        break;
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        const qint64 amount = m_rows.amount(i);
        switch (column) {
        case DateColumn:
            keys.append(m_rows.julianDay(i));
            break;
        case PaymentColumn:
            // Non-payments (deposits and zero) sort before every payment.
            keys.append(amount < 0 ? -amount : -1);
            break;
        case DepositColumn:
            keys.append(amount > 0 ? amount : -1);
            break;
        case BalanceColumn:
            keys.append(m_rows.balance(i));
            break;
        default:
            keys.append(0);
            break;
        }
    }
    return keys;
}

void RegisterModel::sortRows()
{
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    // Rows read from an account come oldest first: in register order, they need no sort by
    // date, nor a look at the date of every row.
    const auto inRegisterOrder = [this] {
        for (int i = 0; i < m_order.size(); ++i) {
            if (m_order.at(i) != i)
                return false;
        }
        return true;
    };
    if (m_sortColumn == DateColumn && ascending && m_rows.isInDateOrder() && inRegisterOrder())
        return;
    const QList<qint64> keys = sortKeys(m_sortColumn);
    const auto comesFirst = [&](int x, int y) {
        if (keys.at(x) != keys.at(y))
            return ascending ? keys.at(x) < keys.at(y) : keys.at(y) < keys.at(x);
        // Equal in the column: the later date first, whatever the direction.
        return m_rows.julianDay(x) > m_rows.julianDay(y);
    };
    // A reload hands the rows over oldest first, the order of the default sort: checking that
    // takes one pass over the rows, sorting them many.
    if (!std::is_sorted(m_order.cbegin(), m_order.cend(), comesFirst))
        std::stable_sort(m_order.begin(), m_order.end(), comesFirst);
}

void RegisterModel::setRows(QList<RegisterRow> rows)
{
    beginResetModel();
    m_rows.hold(std::move(rows));
    showNewRows();
    endResetModel();
}

void RegisterModel::readAccount(const TransactionRepository* repository, const QString& accountId)
{
    beginResetModel();
    m_rows.read(repository, accountId, 3 * pageSize);
    showNewRows();
    endResetModel();
}

void RegisterModel::showNewRows()
{
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    sortRows();
    m_editingRow = -1;
    clearEntry();
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

Transaction RegisterModel::entryToTransaction(const QString& accountId, qint64 amount) const
{
    Transaction transaction;
    transaction.accountId = accountId;
    const QDate date = RegisterDate::fromText(m_entry.date);
    transaction.date = date.isValid() ? date : QDate::currentDate();
    transaction.payee = m_entry.payee.trimmed();
    transaction.memo = m_entry.memo;
    transaction.checkNumber = m_entry.checkNumber.trimmed();
    transaction.amount = amount;
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
