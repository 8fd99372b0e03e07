#pragma once

#include "data/repository.h"
#include "data/splitline.h"

// Split lines are written together with their transaction, so this repository announces
// nothing: the caller announces the transaction change. Lines are replaced as a set
// (deleteForTransaction, then one insert per line) and never soft-deleted.
class SplitLineRepository : public Repository
{
    Q_OBJECT

public:
    SplitLineRepository(Database* database, QObject* parent = nullptr);

    QList<SplitLine> listForTransaction(const QString& transactionId) const; // insertion order
    bool insert(const SplitLine& line);
    bool deleteForTransaction(const QString& transactionId);
    // The lines of every transaction of the account, before those transactions are removed.
    bool deleteForAccount(const QString& accountId);

protected:
    // Nothing of its own to announce: the transaction's change covers its lines.
    void emitChange(const QString&) override {}
};
