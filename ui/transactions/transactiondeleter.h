#pragma once

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
    // "Delete "Payee" for $12.50?", or the transfer variant naming both sides.
    static QString question(const Transaction& transaction);

    // Asks in a Yes/No box; on Yes soft-deletes the linked transaction of a transfer, then
    // this one. True only when this transaction was deleted.
    static bool confirmAndDelete(QWidget* parent, AppState* appState,
                                 const Transaction& transaction);

    // The deletion without asking. A transfer whose other side cannot be deleted keeps both
    // sides, so that no half of a transfer is left behind.
    static bool remove(AppState* appState, const Transaction& transaction);
};
