#pragma once

#include "data/transaction.h"

#include <QCoreApplication>

class AppState;
class QWidget;

// Deleting a transaction from the register or its details dialog: one question, then a soft
// delete of the transaction and, for a transfer, of its other side first.
class TransactionDeletion
{
    Q_DECLARE_TR_FUNCTIONS(TransactionDeletion)

public:
    // The question: "Delete "Payee" for $12.50?", or the transfer variant naming both sides.
    static QString question(const Transaction& transaction);
    // Asks and deletes on Yes. Returns whether the transaction was deleted.
    static bool confirmAndDelete(QWidget* parent, AppState* appState, const Transaction& transaction);
};
