#pragma once

#include "data/registeroutline.h"
#include "data/registerrow.h"
#include "data/transactionrepository.h"

#include <QList>
#include <QStringList>

#include <unordered_map>

// The rows of one register in register order (oldest first), each with the balance after it.
// Rows handed over whole are held as they are. An account's rows are read as an outline
// (where each row is stored, its date, amount and balance): first its end only, which is what
// the register shows first, and the rest when anything asks for an earlier row or for every
// row. The rest of a row is read the first time it is asked for, together with the other rows
// asked for with it: a register shows a screenful of rows, however long the account.
class RegisterRows
{
public:
    // Holds the rows as given: in register order, balances computed.
    void hold(QList<RegisterRow> rows);
    // Reads the end of the outline of the account's register, at least endRows rows of it.
    void read(const TransactionRepository* repository, const QString& accountId, int endRows);
    // Whether the outline of every row has been read; readWhole() reads what is missing.
    bool isWhole() const { return m_outline.firstIndex == 0; }
    void readWhole() const;
    // Rows read from an account come in date order, oldest first.
    bool isInDateOrder() const { return m_repository != nullptr; }

    int size() const { return int(m_outline.rowCount); }
    qint64 amount(int index) const { return entry(index).amount; }
    qint64 balance(int index) const { return entry(index).balance; }
    qint64 julianDay(int index) const { return entry(index).julianDay; }
    qint64 clearedTotal() const { return m_outline.clearedTotal; }
    qint64 unclearedTotal() const { return m_outline.unclearedTotal; }

    // The row at an index once it has been read, null before. A row stays where it is until
    // hold() or read() replaces the rows.
    const RegisterRow* loaded(int index) const;
    // Reads the rows at these indexes that have not been read yet, in one query.
    void load(const QList<int>& indexes) const;

    // What sorting by a column compares, for every row in register order.
    QStringList texts(TransactionRepository::RegisterText text) const;
    QList<int> clearedStates() const; // 0 uncleared, 1 cleared, 2 reconciled
    // The index of the transaction's row; -1 when there is none.
    int indexOf(const QString& transactionId) const;

private:
    // A row of the outline with nothing behind it: held rows, and rows the outline lost to a
    // write before it was read whole (until the register reloads).
    static constexpr qint64 noRowId = -1;

    const RegisterOutline::Entry& entry(int index) const;
    bool isOpening(int index) const
    {
        return m_repository && entry(index).rowId == RegisterOutline::openingRowId;
    }
    // The row as the register shows it when it is not read from the table: held, or the
    // opening row.
    RegisterRow unstoredRow(int index) const;
    // The position of the row stored at rowId in the outline read so far; -1 when not there.
    int indexOfRowId(qint64 rowId) const;

    mutable RegisterOutline m_outline;
    const TransactionRepository* m_repository = nullptr;
    QString m_accountId;
    // The rows read or held, by index: a map, so that a row keeps its address as others come.
    mutable std::unordered_map<int, RegisterRow> m_rows;
};
