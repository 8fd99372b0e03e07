#pragma once

#include "data/account.h"
#include "data/transaction.h"

#include <QDate>

// Where an account stood at its last reconciliation: the starting balance plus every live
// reconciled transaction, and the latest date among those transactions.
struct ReconciledTotal
{
    qint64 balance = 0;
    QDate latestDate; // invalid when no transaction is reconciled

    // `transactions` are the account's live transactions.
    static ReconciledTotal of(const Account& account, const QList<Transaction>& transactions);
};
