#include "services/ledger/accountservice.h"

#include "services/ledger/localchange.h"
#include "services/ledger/reconciledtotal.h"

#include "app/core/isodates.h"
#include "app/core/singleline.h"
#include "data/accountrepository.h"
#include "data/openingbalance.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include <QDebug>

namespace {

void putOnOneLine(Account& account)
{
    account.name = singleLine(account.name);
    account.institution = singleLine(account.institution);
    account.accountNumberLast4 = singleLine(account.accountNumberLast4);
}

} // namespace

AccountService::AccountService(Database* database, AccountRepository* accounts,
                               TransactionRepository* transactions, RecurringRepository* recurring,
                               ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent), m_database(database), m_accounts(accounts), m_transactions(transactions),
      m_recurring(recurring), m_reconciliations(reconciliations)
{
}

bool AccountService::create(Account account, const QDate& openingDate)
{
    const QDateTime now = nowUtc();
    stampNew(account, now);
    putOnOneLine(account);
    const qint64 openingBalance = account.startingBalance;
    account.startingBalance = 0;

    UnitOfWork unit(m_database);
    if (!unit.isActive() || !m_accounts->insert(account))
        return false;
    if (openingBalance != 0 && !m_transactions->insert(openingBalanceTransaction(
                                   account.id, {openingBalance, openingDate}, now)))
        return false;
    return unit.commit();
}

Transaction AccountService::openingBalanceTransaction(const QString& accountId,
                                                      const Opening& opening, const QDateTime& now)
{
    Transaction transaction;
    stampNew(transaction, now);
    transaction.accountId = accountId;
    transaction.date = opening.date;
    transaction.payee = OpeningBalance::payee();
    transaction.amount = opening.amount;
    transaction.cleared = true;
    transaction.reconciled = true;
    return transaction;
}

std::optional<Transaction> AccountService::openingTransaction(const QString& accountId) const
{
    return m_transactions->firstOpeningTransaction(accountId, OpeningBalance::payees());
}

bool AccountService::update(Account account, const std::optional<Opening>& opening)
{
    const QDateTime now = nowUtc();
    stampChanged(account, now);
    putOnOneLine(account);
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return false;
    std::optional<Transaction> openingRow;
    // An account given a balance it did not hold gets its opening transaction now, dated as
    // the form says, as a new account does.
    bool opensNow = false;
    if (opening) {
        openingRow = openingTransaction(account.id);
        const std::optional<Account> stored = m_accounts->byId(account.id);
        // What the account holds itself stays while the balance typed is that one.
        const qint64 held = stored ? stored->startingBalance : 0;
        const bool keepsHeld = openingRow || opening->amount == held;
        account.startingBalance = keepsHeld ? held : 0;
        opensNow = !keepsHeld && opening->amount != 0;
    }
    if (!m_accounts->update(account))
        return false;
    if (opensNow && !m_transactions->insert(openingBalanceTransaction(account.id, *opening, now)))
        return false;
    if (openingRow &&
        (openingRow->amount != opening->amount || openingRow->date != opening->date)) {
        openingRow->amount = opening->amount;
        openingRow->date = opening->date;
        stampChanged(*openingRow, now);
        if (!m_transactions->update(*openingRow))
            return false;
    }
    return unit.commit();
}

bool AccountService::reorder(const QList<QPair<QString, int>>& positions)
{
    return m_accounts->updateSortOrders(positions);
}

AccountService::Removal AccountService::remove(const QString& accountId)
{
    Removal removal;
    if (!m_accounts->byId(accountId))
        return removal;
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return removal;
    const int transactions = m_transactions->softDeleteByAccount(accountId);
    const int recurring = m_recurring->softDeleteByAccount(accountId);
    const int reconciliations = m_reconciliations->softDeleteByAccount(accountId);
    if (!m_accounts->softDelete(accountId) || !unit.commit())
        return removal;
    qInfo() << "Cascade delete account" << accountId << "→ transactions:" << transactions
            << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    return {true, transactions, recurring, reconciliations};
}

bool AccountService::restore(const QString& accountId)
{
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return false;
    const std::optional<Account> account = m_accounts->byId(accountId);
    if (account && account->deletedAt) {
        const QString since =
            toIsoTimestamp(account->deletedAt->addSecs(-restoreMarginSeconds).toUTC());
        m_transactions->restoreByAccount(accountId, since);
        m_recurring->restoreByAccount(accountId, since);
        m_reconciliations->restoreByAccount(accountId, since);
    }
    return m_accounts->restore(accountId) && unit.commit();
}

bool AccountService::reconcile(Reconciliation statement, const QList<Transaction>& ticked)
{
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return false;
    const std::optional<Account> account = m_accounts->byId(statement.accountId);
    if (!account || account->isDeleted())
        return false;

    const QDateTime now = nowUtc();
    qint64 reconciled =
        ReconciledTotal::of(*account, m_transactions->listByAccount(account->id)).balance;
    for (const Transaction& seen : ticked) {
        std::optional<Transaction> stored = m_transactions->byId(seen.id);
        if (!stored || stored->isDeleted() || stored->accountId != account->id ||
            stored->reconciled || stored->amount != seen.amount) {
            qWarning() << "AccountService: not reconciling" << account->id << "— transaction"
                       << seen.id << "changed since it was ticked";
            return false;
        }
        stored->cleared = true;
        stored->reconciled = true;
        stampChanged(*stored, now);
        if (!m_transactions->update(*stored))
            return false;
        reconciled += stored->amount;
    }
    if (reconciled != statement.statementBalance) {
        qWarning() << "AccountService: not reconciling" << account->id << "— it reconciles to"
                   << reconciled << "against a statement balance of" << statement.statementBalance;
        return false;
    }

    stampNew(statement, now);
    statement.reconciledBalance = reconciled;
    statement.completedAt = now;
    return m_reconciliations->insert(statement) && unit.commit();
}
