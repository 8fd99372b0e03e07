#pragma once

#include "data/registeroutline.h"
#include "data/registerrow.h"
#include "data/transactionrepository.h"

#include <QList>
#include <QStringList>

#include <unordered_map>

// The rows of one register in register order (oldest first), each with the balance after it.
// Rows handed over whole are held as they are. An account's rows are read as an outline
// (where each row is stored, its date, amount and balance) and the rest of a row the first
// time it is asked for, together with the other rows asked for with it: a register shows a
// screenful of rows, however long the account.
class RegisterRows
{
public:
    // Holds the rows as given: in register order, balances computed.
    void hold(QList<RegisterRow> rows);
    // Reads the outline of the account's register; the rows themselves wait until asked for.
    void read(const TransactionRepository* repository, const QString& accountId);

    int size() const { return int(m_outline.entries.size()); }
    qint64 amount(int index) const { return m_outline.entries.at(index).amount; }
    qint64 balance(int index) const { return m_outline.entries.at(index).balance; }
    qint64 julianDay(int index) const { return m_outline.entries.at(index).julianDay; }
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
    bool isStored(int index) const
    {
        return m_repository && m_outline.entries.at(index).rowId != RegisterOutline::openingRowId;
    }

    RegisterOutline m_outline;
    const TransactionRepository* m_repository = nullptr;
    QString m_accountId;
    // The rows read or held, by index: a map, so that a row keeps its address as others come.
    mutable std::unordered_map<int, RegisterRow> m_rows;
};
