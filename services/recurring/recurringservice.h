#pragma once

#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QObject>

class RecurringRepository;
class TransactionService;

// Turns recurring rows into real transactions: confirms or skips the next occurrence, enters
// everything due up to a date, and posts auto-post rows when due. Postings get name-based ids
// (row id and occurrence date), so one occurrence can be posted only once on any device.
// Rows whose dates are broken are deactivated ("quarantined") instead of looping forever.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    static constexpr int leadDayCeiling = 60;
    static constexpr int catchUpCapFlag = 364; // postings in one pass that deactivate the row
    static constexpr int catchUpCap = 365;     // postings one pass makes at the most

    RecurringService(RecurringRepository* recurring, TransactionService* ledger,
                     QObject* parent = nullptr);

    // The next date after `date`; month and year steps clamp to the end of a shorter month.
    static QDate advance(const QDate& date, Frequency frequency);
    static bool isBrokenDate(const QDate& date);

    QList<RecurringTransaction> listAll() const;
    int dueCount() const; // active rows due on or before today; lead days do not count

    // Posts the row's next occurrence and advances the row, all or nothing. Only the
    // record's id is used: the row is read again.
    bool confirm(const RecurringTransaction& record);
    // Advances the row without posting.
    bool skip(const RecurringTransaction& record);
    int confirmAllDue();
    int enterDueThrough(const QDate& limit);
    int autoPostDue();

    // The recurring form's writes. A new row gets the bookkeeping of a local change (version 1,
    // pending, created and updated now) and keeps its id (a random one when empty).
    bool add(RecurringTransaction record);
    // An edited row: pending and updated now; the version is the form's to decide.
    bool edit(RecurringTransaction record);
    // Soft-deletes the row; the transactions already posted from it stay.
    bool remove(const QString& id);

signals:
    void pendingCountChanged(int count);

private:
    Transaction buildSource(const RecurringTransaction& row) const;
    Transaction buildDestination(const RecurringTransaction& row, const Transaction& source) const;
    bool postOccurrence(const RecurringTransaction& row);
    void advanceRow(RecurringTransaction& row) const;
    void quarantine(const RecurringTransaction& row, const QString& reason);
    void deactivate(RecurringTransaction row);

    RecurringRepository* m_recurring;
    TransactionService* m_ledger;
};
