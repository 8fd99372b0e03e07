#include "services/ledger/reconciledtotal.h"

ReconciledTotal ReconciledTotal::of(const Account& account, const QList<Transaction>& transactions)
{
    ReconciledTotal total{account.startingBalance, {}};
    for (const Transaction& transaction : transactions) {
        if (!transaction.reconciled || transaction.isDeleted())
            continue;
        total.balance += transaction.amount;
        if (!total.latestDate.isValid() || transaction.date > total.latestDate)
            total.latestDate = transaction.date;
    }
    return total;
}
