#pragma once

#include "data/recurringtransaction.h"
#include "data/repository.h"

// The only code that reads and writes recurring_transactions. The schedule arithmetic lives in
// the recurring engine.
class RecurringRepository : public Repository
{
    Q_OBJECT

public:
    RecurringRepository(Database* database, QObject* parent = nullptr);

    // Active rows first, then by next due date, then payee ignoring case.
    QList<RecurringTransaction> listAll() const;
    std::optional<RecurringTransaction> byId(const QString& id) const; // deleted rows too
    // Live active rows due on or before today.
    QList<RecurringTransaction> due() const;
    QList<RecurringTransaction> pending() const;
    // The next pending rows after the given rowid, at most limit, in table order.
    QList<RecurringTransaction> pendingAfter(qint64* afterRowId, int limit) const;

    // Both report (but still write) a row whose next due date is broken.
    bool insert(const RecurringTransaction& recurring);
    bool update(const RecurringTransaction& recurring); // never moves a row to another account
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    // Remove rows outright, for rows that left the user's books without the user deleting them
    // (a share withdrawn). The single form is false, and the account form -1, when the write
    // failed.
    bool remove(const QString& id);
    int removeByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

protected:
    void emitChange(const QString& key) override;

signals:
    void recurringChanged();

private:
    void reportBrokenDate(const char* operation, const RecurringTransaction& recurring) const;
};
