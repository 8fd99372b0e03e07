#include "ui/register/registerrows.h"

namespace {

QString textOf(const RegisterRow& row, TransactionRepository::RegisterText text)
{
    switch (text) {
    case TransactionRepository::RegisterText::CheckNumber:
        return row.transaction.checkNumber;
    case TransactionRepository::RegisterText::Payee:
        return row.transaction.payee;
    case TransactionRepository::RegisterText::Memo:
        return row.transaction.memo;
    case TransactionRepository::RegisterText::CategoryName:
        return row.categoryName;
    }
    return {};
}

int clearedStateOf(const Transaction& transaction)
{
    return transaction.reconciled ? 2 : transaction.cleared ? 1 : 0;
}

} // namespace

void RegisterRows::hold(QList<RegisterRow> rows)
{
    m_repository = nullptr;
    m_accountId.clear();
    m_outline = RegisterOutline();
    m_rows.clear();
    m_outline.entries.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        RegisterRow& row = rows[i];
        m_outline.entries.append(
            {noRowId, row.transaction.amount, row.balance, row.transaction.date.toJulianDay()});
        (row.transaction.cleared ? m_outline.clearedTotal : m_outline.unclearedTotal) +=
            row.transaction.amount;
        m_rows.emplace(i, std::move(row));
    }
    m_outline.rowCount = m_outline.entries.size();
}

void RegisterRows::read(const TransactionRepository* repository, const QString& accountId,
                        int endRows)
{
    m_repository = repository;
    m_accountId = accountId;
    m_outline = repository->registerOutlineEnd(accountId, endRows);
    m_rows.clear();
}

void RegisterRows::readWhole() const
{
    if (isWhole())
        return;
    const RegisterOutline whole = m_repository->registerOutline(m_accountId);
    // The end already read stays as it is. Rows written since it was read change the count
    // only until the register reloads for that write; until then the rows before the end
    // keep the number they had, any missing one shown empty.
    QList<RegisterOutline::Entry> entries = whole.entries.mid(0, m_outline.firstIndex);
    entries.resize(m_outline.firstIndex, {noRowId, 0, 0, 0});
    entries.append(m_outline.entries);
    m_outline.entries = std::move(entries);
    m_outline.firstIndex = 0;
}

const RegisterOutline::Entry& RegisterRows::entry(int index) const
{
    if (index < m_outline.firstIndex)
        readWhole();
    return m_outline.entries.at(index - m_outline.firstIndex);
}

const RegisterRow* RegisterRows::loaded(int index) const
{
    const auto row = m_rows.find(index);
    return row == m_rows.end() ? nullptr : &row->second;
}

void RegisterRows::load(const QList<int>& indexes) const
{
    if (!m_repository)
        return;
    QList<int> wanted;
    QList<qint64> rowIds;
    for (const int index : indexes) {
        if (index < 0 || index >= size() || m_rows.count(index))
            continue;
        if (isOpening(index)) {
            unstoredRow(index);
            continue;
        }
        wanted.append(index);
        rowIds.append(entry(index).rowId);
    }
    if (wanted.isEmpty())
        return;
    QHash<qint64, RegisterRow> read = m_repository->registerRowsAt(rowIds);
    for (const int index : std::as_const(wanted)) {
        const RegisterOutline::Entry& at = entry(index);
        // A row gone since the outline was read keeps its place with what the outline knows
        // until the register reloads, rather than being asked for again and again.
        RegisterRow row = read.take(at.rowId);
        if (row.transaction.id.isEmpty()) {
            row.transaction.amount = at.amount;
            row.transaction.date = QDate::fromJulianDay(at.julianDay);
        }
        row.balance = at.balance;
        m_rows.emplace(index, std::move(row));
    }
}

RegisterRow RegisterRows::unstoredRow(int index) const
{
    if (const RegisterRow* row = loaded(index))
        return *row;
    const RegisterOutline::Entry& opening = entry(index);
    const RegisterRow row =
        TransactionRepository::openingRow(opening.amount, QDate::fromJulianDay(opening.julianDay));
    m_rows.emplace(index, row);
    return row;
}

QStringList RegisterRows::texts(TransactionRepository::RegisterText text) const
{
    readWhole();
    const QHash<qint64, QString> stored =
        m_repository ? m_repository->registerTexts(m_accountId, text) : QHash<qint64, QString>();
    QStringList texts;
    texts.reserve(size());
    for (int i = 0; i < size(); ++i) {
        const bool fromTable = m_repository && !isOpening(i);
        texts.append(fromTable ? stored.value(entry(i).rowId) : textOf(unstoredRow(i), text));
    }
    return texts;
}

QList<int> RegisterRows::clearedStates() const
{
    readWhole();
    const QHash<qint64, int> stored =
        m_repository ? m_repository->registerClearedStates(m_accountId) : QHash<qint64, int>();
    QList<int> states;
    states.reserve(size());
    for (int i = 0; i < size(); ++i) {
        const bool fromTable = m_repository && !isOpening(i);
        states.append(fromTable ? stored.value(entry(i).rowId)
                                : clearedStateOf(unstoredRow(i).transaction));
    }
    return states;
}

int RegisterRows::indexOfRowId(qint64 rowId) const
{
    for (int i = 0; i < m_outline.entries.size(); ++i) {
        if (m_outline.entries.at(i).rowId == rowId)
            return int(m_outline.firstIndex) + i;
    }
    return -1;
}

int RegisterRows::indexOf(const QString& transactionId) const
{
    if (!m_repository) {
        for (int i = 0; i < size(); ++i) {
            const RegisterRow* row = loaded(i);
            if (row && row->transaction.id == transactionId)
                return i;
        }
        return -1;
    }
    // The opening row is the one row without an id.
    if (transactionId.isEmpty())
        return size() > 0 && isOpening(0) ? 0 : -1;
    const qint64 rowId = m_repository->registerRowIdOf(m_accountId, transactionId);
    if (rowId == RegisterOutline::openingRowId)
        return -1;
    const int found = indexOfRowId(rowId);
    if (found >= 0 || isWhole())
        return found;
    readWhole();
    return indexOfRowId(rowId);
}
