#include "sync/conflicts/syncconflictservice.h"

#include "sync/wire/wirerecords.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"
#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/localchange.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"

#include "app/core/isodates.h"

#include <QDebug>
#include <QJsonDocument>

namespace {

const QString AccountEntity = QStringLiteral("account");
const QString CategoryEntity = QStringLiteral("category");
const QString RecurringEntity = QStringLiteral("recurring");
const QString TransactionEntity = QStringLiteral("transaction");
const QString ReconciliationEntity = QStringLiteral("reconciliation");

template <typename Record> bool isLive(const std::optional<Record>& row)
{
    return row && !row->isDeleted();
}

// The local version written over the row as this device's newest edit: the row's id and server
// bookkeeping, a version above both the row's and the one the local version was pushed with.
template <typename Record> Record overRow(Record mine, const Record& row, int pushedVersion)
{
    static_cast<SyncBookkeeping&>(mine) = row;
    mine.id = row.id;
    mine.version = qMax(row.version, pushedVersion) + 1;
    return mine;
}

} // namespace

SyncConflictService::SyncConflictService(
    Database* database, SyncConflictRepository* conflicts, AccountRepository* accounts,
    TransactionRepository* transactions, CategoryRepository* categories,
    RecurringRepository* recurring, ReconciliationRepository* reconciliations,
    AccountService* accountService, TransactionService* transactionService,
    CategoryService* categoryService, RecurringService* recurringService, QObject* parent)
    : QObject(parent), m_database(database), m_conflicts(conflicts), m_accounts(accounts),
      m_transactions(transactions), m_categories(categories), m_recurring(recurring),
      m_reconciliations(reconciliations), m_accountService(accountService),
      m_transactionService(transactionService), m_categoryService(categoryService),
      m_recurringService(recurringService)
{
    connect(m_conflicts, &SyncConflictRepository::conflictsChanged, this,
            &SyncConflictService::conflictsChanged);
}

QList<SyncConflict> SyncConflictService::list() const
{
    return m_conflicts->listAll();
}

SyncConflictService::LocalVersion SyncConflictService::localVersion(const SyncConflict& conflict)
{
    const QJsonObject change = QJsonDocument::fromJson(conflict.localChange.toUtf8()).object();
    return {conflict.entityType, conflict.entityId,
            change.value(QStringLiteral("payload")).toObject(),
            change.value(QStringLiteral("version")).toInt()};
}

SyncConflictService::KeepMine
SyncConflictService::keepMineEffect(const SyncConflict& conflict) const
{
    return effect(localVersion(conflict));
}

SyncConflictService::KeepMine SyncConflictService::effect(const LocalVersion& mine) const
{
    // A stored change that no longer reads as one has nothing to put back.
    if (mine.fields.isEmpty())
        return KeepMine::Unavailable;
    if (isLiveRow(mine))
        return KeepMine::Reapply;
    if (mine.entityType == TransactionEntity) {
        const Transaction transaction = WireRecords::transaction(mine.fields);
        // One side of a transfer alone would be money from nowhere.
        if (transaction.transferLinkId.isEmpty() && isLiveAccount(transaction.accountId))
            return KeepMine::AddAgain;
    } else if (mine.entityType == RecurringEntity) {
        const RecurringTransaction recurring = WireRecords::recurring(mine.fields);
        if (isLiveAccount(recurring.accountId) && (recurring.transferDestAccountId.isEmpty() ||
                                                   isLiveAccount(recurring.transferDestAccountId)))
            return KeepMine::AddAgain;
    }
    return KeepMine::Unavailable;
}

bool SyncConflictService::isLiveRow(const LocalVersion& mine) const
{
    const QString& id = mine.entityId;
    if (mine.entityType == AccountEntity)
        return isLive(m_accounts->byId(id));
    if (mine.entityType == CategoryEntity)
        return isLive(m_categories->byId(id));
    if (mine.entityType == RecurringEntity)
        return isLive(m_recurring->byId(id));
    if (mine.entityType == TransactionEntity)
        return isLive(m_transactions->byId(id));
    if (mine.entityType == ReconciliationEntity)
        return isLive(m_reconciliations->byId(id));
    return false;
}

bool SyncConflictService::isLiveAccount(const QString& accountId) const
{
    return !accountId.isEmpty() && isLive(m_accounts->byId(accountId));
}

bool SyncConflictService::keepMine(qint64 conflictId)
{
    const std::optional<SyncConflict> conflict = m_conflicts->byId(conflictId);
    if (!conflict)
        return false;
    const LocalVersion mine = localVersion(*conflict);
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return false;
    bool kept = false;
    switch (effect(mine)) {
    case KeepMine::Reapply:
        kept = reapply(mine);
        break;
    case KeepMine::AddAgain:
        kept = addAgain(mine);
        break;
    case KeepMine::Unavailable:
        break;
    }
    if (!kept) {
        qWarning() << "SyncConflictService: could not keep the local version of"
                   << conflict->entityType << conflict->entityId;
        return false;
    }
    return m_conflicts->remove(conflictId) && unit.commit();
}

bool SyncConflictService::discard(qint64 conflictId)
{
    return m_conflicts->remove(conflictId);
}

bool SyncConflictService::reapply(const LocalVersion& mine)
{
    const QString& id = mine.entityId;
    if (mine.entityType == AccountEntity) {
        const Account row = *m_accounts->byId(id);
        Account account = overRow(WireRecords::account(mine.fields), row, mine.version);
        // Whether the account is shared is the server's knowledge, not the edit's.
        account.isShared = row.isShared;
        return m_accountService->update(account);
    }
    if (mine.entityType == CategoryEntity)
        return m_categoryService->edit(
            overRow(WireRecords::category(mine.fields), *m_categories->byId(id), mine.version));
    if (mine.entityType == RecurringEntity)
        return m_recurringService->edit(
            overRow(WireRecords::recurring(mine.fields), *m_recurring->byId(id), mine.version));
    if (mine.entityType == TransactionEntity) {
        const Transaction transaction =
            overRow(WireRecords::transaction(mine.fields), *m_transactions->byId(id), mine.version);
        return m_transactionService->edit(transaction,
                                          WireRecords::splitLines(mine.fields, transaction));
    }
    if (mine.entityType == ReconciliationEntity) {
        // Statements have no editor of their own: this is their one change after completion.
        Reconciliation statement = overRow(WireRecords::reconciliation(mine.fields),
                                           *m_reconciliations->byId(id), mine.version);
        stampChanged(statement, nowUtc());
        return m_reconciliations->update(statement);
    }
    return false;
}

bool SyncConflictService::addAgain(const LocalVersion& mine)
{
    if (mine.entityType == TransactionEntity) {
        const Transaction transaction = WireRecords::transaction(mine.fields);
        return m_transactionService->add(transaction,
                                         WireRecords::splitLines(mine.fields, transaction));
    }
    if (mine.entityType == RecurringEntity)
        return m_recurringService->add(WireRecords::recurring(mine.fields));
    return false;
}
