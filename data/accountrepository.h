#pragma once

#include "data/account.h"
#include "data/repository.h"

#include <QPair>

// The only code that reads and writes the accounts table.
class AccountRepository : public Repository
{
    Q_OBJECT

public:
    AccountRepository(Database* database, QObject* parent = nullptr);

    QList<Account> listAll() const;                       // live accounts by sort order, then name
    std::optional<Account> byId(const QString& id) const; // deleted accounts too
    // The currency of the account's amounts; the default currency when there is no such account.
    Currency currencyOf(const QString& id) const;
    QList<Account> listDeleted() const;
    QList<Account> pending() const; // deleted rows too, so deletions are pushed
    // The next pending rows after the given rowid, at most limit, in table order.
    QList<Account> pendingAfter(qint64* afterRowId, int limit) const;

    bool insert(const Account& account);
    bool update(const Account& account);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    // Removes the row outright, once nothing is booked to it any more: for an account that left
    // the user's books without the user deleting it (a share withdrawn), so that nothing of it
    // is left to restore or push.
    bool remove(const QString& id);
    // Stores each id's position; neither version nor sync status change, so a reordering
    // alone is not pushed.
    bool updateSortOrders(const QList<QPair<QString, int>>& orders);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

protected:
    void emitChange(const QString& key) override;

signals:
    void accountsChanged();
};
