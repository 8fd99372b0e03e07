#pragma once

#include "data/account.h"
#include "data/reconciliation.h"
#include "data/transaction.h"

#include <QDate>
#include <QObject>
#include <QPair>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The one write path for accounts, each operation one unit of work: a new account with its
// opening transaction, the deletion of an account with everything in it, and its restoration.
// Names, institutions and account numbers are stored on one line.
class AccountService : public QObject
{
    Q_OBJECT

public:
    // A restore brings back the rows deleted this long before the account itself: the
    // cascade's statements each take their own time.
    static constexpr int restoreMarginSeconds = 10;

    // What a cascade delete soft-deleted besides the account.
    struct Removal
    {
        bool removed = false;
        int transactions = 0;
        int recurring = 0;
        int reconciliations = 0;
    };

    AccountService(Database* database, AccountRepository* accounts,
                   TransactionRepository* transactions, RecurringRepository* recurring,
                   ReconciliationRepository* reconciliations, QObject* parent = nullptr);

    // A new account, keeping the id it has (a random one when empty). A non-zero starting
    // balance becomes a cleared and reconciled "Opening Balance" transaction dated
    // openingDate, and the account itself starts from 0.
    bool create(Account account, const QDate& openingDate);
    // The balance an account opens with and its date, as the account form shows them.
    struct Opening
    {
        qint64 amount = 0;
        QDate date;
    };

    // The account's opening-balance transaction: its first cleared and reconciled "Opening
    // Balance" row, as create() writes it; none for an account opened without a balance.
    std::optional<Transaction> openingTransaction(const QString& accountId) const;

    // An edit in the account form: Pending, updatedAt now, the version kept. With an opening
    // balance, an account that has its opening-balance transaction has that transaction take
    // the amount and date in the same write, its starting balance staying as stored (so the
    // balance is never counted twice). An account without one gets one, dated as given, when
    // the amount differs from the starting balance it holds, which then becomes 0; the same
    // amount leaves its starting balance as it is.
    bool update(Account account, const std::optional<Opening>& opening = std::nullopt);
    // Stores each account's position in the list.
    bool reorder(const QList<QPair<QString, int>>& positions);
    // Soft-deletes the account's transactions, recurring rows and reconciliations, then the
    // account: all or nothing. Nothing is removed when the account does not exist.
    Removal remove(const QString& accountId);
    // Brings back a deleted account and what its deletion took with it; rows deleted one by
    // one earlier stay deleted.
    bool restore(const QString& accountId);

    // Finishes the reconciliation of the statement's account against its statement date and
    // balance: every ticked transaction becomes cleared and reconciled, and the statement is
    // stored with the balance they reconcile to, all or nothing. Refused, with nothing written,
    // when a ticked transaction is gone, moved, reconciled already or no longer holds the
    // amount it was ticked with, or when the account would not reconcile to the statement
    // balance: what the user agreed to is what gets stored.
    bool reconcile(Reconciliation statement, const QList<Transaction>& ticked);

private:
    // The cleared and reconciled "Opening Balance" transaction that holds an account's opening.
    static Transaction openingBalanceTransaction(const QString& accountId, const Opening& opening,
                                                 const QDateTime& now);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
};
