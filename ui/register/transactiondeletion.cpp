#include "transactiondeletion.h"

#include "app/appstate.h"
#include "app/money.h"
#include "data/transactionrepository.h"

#include <QMessageBox>

QString TransactionDeletion::question(const Transaction& transaction)
{
    const qint64 magnitude = transaction.amount < 0 ? -transaction.amount : transaction.amount;
    const QString amount = formatMoney(magnitude, Currency::USD);
    if (!transaction.transferLinkId.isEmpty()) {
        return tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
            .arg(transaction.payee, amount);
    }
    return tr("Delete \"%1\" for %2?").arg(transaction.payee, amount);
}

bool TransactionDeletion::confirmAndDelete(QWidget* parent, AppState* appState,
                                           const Transaction& transaction)
{
    if (transaction.id.isEmpty())
        return false;
    const QMessageBox::StandardButton answer =
        QMessageBox::question(parent, tr("Delete Transaction"), question(transaction),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    TransactionRepository* transactions = appState->transactionRepository();
    if (!transaction.transferLinkId.isEmpty())
        transactions->softDelete(transaction.transferLinkId);
    return transactions->softDelete(transaction.id);
}
