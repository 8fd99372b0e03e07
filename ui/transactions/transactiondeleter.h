#pragma once

#include "app/core/currency.h"
#include "data/transaction.h"

#include <QCoreApplication>

class AppState;
class QWidget;

// Deleting a transaction after asking, the same from the register and from the details
// dialog: a transfer loses both of its sides.
class TransactionDeleter
{
    Q_DECLARE_TR_FUNCTIONS(TransactionDeleter)

public:
    // "Delete "Payee" for $12.50?" with the amount in the account's currency, or the
    // transfer variant naming both sides.
    static QString question(const Transaction& transaction, Currency currency);

    // Asks in a Yes/No box; on Yes deletes the transaction, and the other side of a transfer
    // with it, through the ledger. True only when this transaction was deleted.
    static bool confirmAndDelete(QWidget* parent, AppState* appState,
                                 const Transaction& transaction);
};
