#pragma once

#include "data/syncconflict.h"

#include <QJsonObject>
#include <QList>
#include <QObject>

class AccountRepository;
class AccountService;
class CategoryRepository;
class CategoryService;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class SyncConflictRepository;
class TransactionRepository;
class TransactionService;

// The user's answer to a local edit that a newer copy from another device replaced: keep
// theirs (discard the entry) or keep mine, which applies the local version again as a new edit
// of this device, one version above what the row holds, so that it wins the next push.
//
// A row deleted since cannot be edited again: the server refuses every upsert of a deleted row.
// A transaction or a recurring row then comes back as a new row with the local version's
// fields, provided its account (and a recurring transfer's other account) is still there; a
// deleted account, category, statement or side of a transfer cannot be put back.
class SyncConflictService : public QObject
{
    Q_OBJECT

public:
    // What keeping the local version does, as things stand now.
    enum class KeepMine
    {
        Reapply,     // the row is there: the local version is written over it
        AddAgain,    // the row was deleted: a new row takes the local version's fields
        Unavailable, // nothing can take it back
    };

    SyncConflictService(Database* database, SyncConflictRepository* conflicts,
                        AccountRepository* accounts, TransactionRepository* transactions,
                        CategoryRepository* categories, RecurringRepository* recurring,
                        ReconciliationRepository* reconciliations, AccountService* accountService,
                        TransactionService* transactionService, CategoryService* categoryService,
                        RecurringService* recurringService, QObject* parent = nullptr);

    QList<SyncConflict> list() const;
    KeepMine keepMineEffect(const SyncConflict& conflict) const;
    // Applies the local version again and forgets the entry, in one unit of work; false, with
    // nothing changed, when it cannot be put back or a write failed.
    bool keepMine(qint64 conflictId);
    // Keeps what the other device wrote: forgets the entry.
    bool discard(qint64 conflictId);

signals:
    // An entry came, went or changed: after a sync, a keep or a discard.
    void conflictsChanged();

private:
    // The stored change: its entity type, row id, payload and the version it was pushed with.
    struct LocalVersion
    {
        QString entityType;
        QString entityId;
        QJsonObject fields;
        int version = 0;
    };
    static LocalVersion localVersion(const SyncConflict& conflict);
    KeepMine effect(const LocalVersion& mine) const;
    bool isLiveRow(const LocalVersion& mine) const;
    bool isLiveAccount(const QString& accountId) const;
    bool reapply(const LocalVersion& mine);
    bool addAgain(const LocalVersion& mine);

    Database* m_database;
    SyncConflictRepository* m_conflicts;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    AccountService* m_accountService;
    TransactionService* m_transactionService;
    CategoryService* m_categoryService;
    RecurringService* m_recurringService;
};
