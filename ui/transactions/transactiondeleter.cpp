#include "ui/transactions/transactiondeleter.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/transactionrepository.h"

#include <QMessageBox>

QString TransactionDeleter::question(const Transaction& transaction)
{
    const QString amount = formatMoney(qAbs(transaction.amount), Currency::USD);
    if (!transaction.transferLinkId.isEmpty())
        return tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
            .arg(transaction.payee, amount);
    return tr("Delete \"%1\" for %2?").arg(transaction.payee, amount);
}

bool TransactionDeleter::confirmAndDelete(QWidget* parent, AppState* appState,
                                          const Transaction& transaction)
{
    const auto answer =
        QMessageBox::question(parent, tr("Delete Transaction"), question(transaction),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    return remove(appState, transaction);
}

bool TransactionDeleter::remove(AppState* appState, const Transaction& transaction)
{
    TransactionRepository* transactions = appState->transactionRepository();
    // A partner that no longer exists at all must not keep this side alive.
    if (!transaction.transferLinkId.isEmpty() && transactions->byId(transaction.transferLinkId) &&
        !transactions->softDelete(transaction.transferLinkId))
        return false;
    return transactions->softDelete(transaction.id);
}
