#pragma once

#include <QObject>
#include <QStringList>

#include <optional>

class Database;
class TransactionRepository;

// Renames payees across every account: the payee screen's rename and merge. One call is one unit
// of work, so either every matching transaction takes the new name or none does.
class PayeeService : public QObject
{
    Q_OBJECT

public:
    PayeeService(Database* database, TransactionRepository* transactions,
                 QObject* parent = nullptr);

    // Gives every live transaction of each payee in `payees` the payee `newName`; a payee equal
    // to the new name is left alone (so a merge keeps its target as it is). The changed rows are
    // pending again with their version kept. Returns how many transactions were renamed, or
    // nothing when the new name is empty or a write failed, and then nothing is changed.
    std::optional<int> rename(const QStringList& payees, const QString& newName);

private:
    Database* m_database;
    TransactionRepository* m_transactions;
};
