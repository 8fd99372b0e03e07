#include "services/ledger/payeeservice.h"

#include "app/core/isodates.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include <QDebug>

PayeeService::PayeeService(Database* database, TransactionRepository* transactions, QObject* parent)
    : QObject(parent), m_database(database), m_transactions(transactions)
{
}

std::optional<int> PayeeService::rename(const QStringList& payees, const QString& newName)
{
    if (newName.isEmpty()) {
        qWarning() << "PayeeService: refusing to rename payees to an empty name";
        return std::nullopt;
    }
    const QDateTime now = nowUtc();
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return std::nullopt;
    int renamed = 0;
    for (const QString& payee : payees) {
        if (payee == newName)
            continue;
        const int changed = m_transactions->renamePayee(payee, newName, now);
        if (changed < 0)
            return std::nullopt;
        renamed += changed;
    }
    if (!unit.commit())
        return std::nullopt;
    return renamed;
}
