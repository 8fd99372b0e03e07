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
        m_outline.entries.append({RegisterOutline::openingRowId, row.transaction.amount,
                                  row.balance, row.transaction.date.toJulianDay()});
        (row.transaction.cleared ? m_outline.clearedTotal : m_outline.unclearedTotal) +=
            row.transaction.amount;
        m_rows.emplace(i, std::move(row));
    }
}

void RegisterRows::read(const TransactionRepository* repository, const QString& accountId)
{
    m_repository = repository;
    m_accountId = accountId;
    m_outline = repository->registerOutline(accountId);
    m_rows.clear();
    if (!m_outline.entries.isEmpty() &&
        m_outline.entries.first().rowId == RegisterOutline::openingRowId) {
        const RegisterOutline::Entry& opening = m_outline.entries.first();
        m_rows.emplace(0, TransactionRepository::openingRow(
                              opening.amount, QDate::fromJulianDay(opening.julianDay)));
    }
}

const RegisterRow* RegisterRows::loaded(int index) const
{
    const auto row = m_rows.find(index);
    return row == m_rows.end() ? nullptr : &row->second;
}

void RegisterRows::load(const QList<int>& indexes) const
{
    QList<int> wanted;
    QList<qint64> rowIds;
    for (const int index : indexes) {
        if (index >= 0 && index < size() && !m_rows.count(index) && isStored(index)) {
            wanted.append(index);
            rowIds.append(m_outline.entries.at(index).rowId);
        }
    }
    if (wanted.isEmpty())
        return;
    QHash<qint64, RegisterRow> read = m_repository->registerRowsAt(rowIds);
    for (const int index : std::as_const(wanted)) {
        const RegisterOutline::Entry& entry = m_outline.entries.at(index);
        // A row gone since the outline was read keeps its place with what the outline knows
        // until the register reloads, rather than being asked for again and again.
        RegisterRow row = read.take(entry.rowId);
        if (row.transaction.id.isEmpty()) {
            row.transaction.amount = entry.amount;
            row.transaction.date = QDate::fromJulianDay(entry.julianDay);
        }
        row.balance = entry.balance;
        m_rows.emplace(index, std::move(row));
    }
}

QStringList RegisterRows::texts(TransactionRepository::RegisterText text) const
{
    const QHash<qint64, QString> stored =
        m_repository ? m_repository->registerTexts(m_accountId, text) : QHash<qint64, QString>();
    QStringList texts;
    texts.reserve(size());
    for (int i = 0; i < size(); ++i) {
        const RegisterRow* row = loaded(i);
        texts.append(isStored(i) || !row ? stored.value(m_outline.entries.at(i).rowId)
                                         : textOf(*row, text));
    }
    return texts;
}

QList<int> RegisterRows::clearedStates() const
{
    const QHash<qint64, int> stored =
        m_repository ? m_repository->registerClearedStates(m_accountId) : QHash<qint64, int>();
    QList<int> states;
    states.reserve(size());
    for (int i = 0; i < size(); ++i) {
        const RegisterRow* row = loaded(i);
        states.append(isStored(i) || !row ? stored.value(m_outline.entries.at(i).rowId)
                                          : clearedStateOf(row->transaction));
    }
    return states;
}

int RegisterRows::indexOf(const QString& transactionId) const
{
    if (!m_repository || transactionId.isEmpty()) {
        for (int i = 0; i < size(); ++i) {
            const RegisterRow* row = loaded(i);
            if (row && row->transaction.id == transactionId)
                return i;
        }
        return -1;
    }
    const qint64 rowId = m_repository->registerRowIdOf(m_accountId, transactionId);
    if (rowId == RegisterOutline::openingRowId)
        return -1;
    for (int i = 0; i < size(); ++i) {
        if (m_outline.entries.at(i).rowId == rowId)
            return i;
    }
    return -1;
}
