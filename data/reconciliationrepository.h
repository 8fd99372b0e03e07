#pragma once

#include "data/reconciliation.h"
#include "data/repository.h"

// The only code that reads and writes reconciliations. A reconciliation disappears only with
// its account: there is no single-row soft delete. It is removed outright, alone or with the
// rest of its account, when it leaves the user's books without the user deleting it (a share
// withdrawn).
class ReconciliationRepository : public Repository
{
    Q_OBJECT

public:
    ReconciliationRepository(Database* database, QObject* parent = nullptr);

    QList<Reconciliation> listByAccount(const QString& accountId) const; // newest statement first
    std::optional<Reconciliation> latestForAccount(const QString& accountId) const;
    std::optional<Reconciliation> byId(const QString& id) const; // deleted rows too
    QList<Reconciliation> pending() const;
    // The next pending rows after the given rowid, at most limit, in table order.
    QList<Reconciliation> pendingAfter(qint64* afterRowId, int limit) const;

    // Rows built without timestamps get the current time, so created_at and updated_at hold.
    bool insert(const Reconciliation& reconciliation);
    bool update(const Reconciliation& reconciliation);
    int softDeleteByAccount(const QString& accountId);
    // False, or -1 for the account form, when the write failed.
    bool remove(const QString& id);
    int removeByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

protected:
    void emitChange(const QString& key) override;

signals:
    void reconciliationsChanged();
};
