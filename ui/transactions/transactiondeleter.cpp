#include "ui/transactions/transactiondeleter.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "services/ledger/transactionservice.h"

#include <QMessageBox>

QString TransactionDeleter::question(const Transaction& transaction, Currency currency)
{
    const QString amount = formatMoney(qAbs(transaction.amount), currency);
    if (!transaction.transferLinkId.isEmpty())
        return tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
            .arg(transaction.payee, amount);
    return tr("Delete \"%1\" for %2?").arg(transaction.payee, amount);
}

bool TransactionDeleter::confirmAndDelete(QWidget* parent, AppState* appState,
                                          const Transaction& transaction)
{
    const QString asked =
        question(transaction, appState->accountRepository()->currencyOf(transaction.accountId));
    const auto answer = QMessageBox::question(parent, tr("Delete Transaction"), asked,
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    return appState->transactionService()->remove(transaction);
}
