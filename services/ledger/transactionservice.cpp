#include "services/ledger/transactionservice.h"

#include "services/ledger/localchange.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "app/core/singleline.h"
#include "data/accountrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include <QDebug>

TransactionService::TransactionService(Database* database, AccountRepository* accounts,
                                       TransactionRepository* transactions,
                                       SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent), m_database(database), m_accounts(accounts), m_transactions(transactions),
      m_splitLines(splitLines)
{
}

bool TransactionService::add(Transaction transaction, const QList<SplitLine>& lines)
{
    if (!makeStorable(transaction))
        return false;
    stampNew(transaction, nowUtc());
    UnitOfWork unit(m_database);
    return unit.isActive() && m_transactions->insert(transaction) &&
           writeSplitLines(transaction.id, lines) && unit.commit();
}

bool TransactionService::addTransfer(Transaction source, Transaction destination)
{
    if (currenciesDiffer(source.accountId, destination.accountId)) {
        qWarning() << "TransactionService: refusing a transfer between" << source.accountId << "and"
                   << destination.accountId << "— their currencies differ";
        return false;
    }
    if (!makeStorable(source) || !makeStorable(destination))
        return false;
    const QDateTime now = nowUtc();
    stampNew(source, now);
    stampNew(destination, now);
    source.transferLinkId = destination.id;
    source.transferDestAccountId = destination.accountId;
    destination.transferLinkId = source.id;
    destination.transferDestAccountId = source.accountId;

    UnitOfWork unit(m_database);
    return unit.isActive() && m_transactions->insert(source) &&
           m_transactions->insert(destination) && unit.commit();
}

Transaction TransactionService::transferPartner(const Transaction& source, const QString& accountId,
                                                const QString& payee)
{
    Transaction partner;
    partner.accountId = accountId;
    partner.date = source.date;
    partner.payee = payee;
    partner.amount = -source.amount;
    partner.cleared = source.cleared;
    partner.reconciled = source.reconciled;
    return partner;
}

bool TransactionService::editInPlace(Transaction transaction)
{
    transaction.version += 1;
    UnitOfWork unit(m_database);
    return unit.isActive() && updateWithPartner(transaction, true) && unit.commit();
}

bool TransactionService::edit(Transaction transaction, const QList<SplitLine>& lines)
{
    UnitOfWork unit(m_database);
    return unit.isActive() && updateWithPartner(transaction, false) &&
           writeSplitLines(transaction.id, lines) && unit.commit();
}

bool TransactionService::replaceSplitLines(Transaction transaction, const QList<SplitLine>& lines)
{
    transaction.isSplit = !lines.isEmpty();
    if (transaction.isSplit)
        transaction.categoryId.clear();
    return edit(transaction, lines);
}

bool TransactionService::setCleared(Transaction transaction, bool cleared)
{
    transaction.cleared = cleared;
    return update(transaction);
}

bool TransactionService::remove(const Transaction& transaction)
{
    if (transaction.id.isEmpty())
        return false;
    UnitOfWork unit(m_database);
    if (!unit.isActive())
        return false;
    if (!transaction.transferLinkId.isEmpty()) {
        const std::optional<Transaction> partner = m_transactions->byId(transaction.transferLinkId);
        if (partner && !partner->isDeleted() && !m_transactions->softDelete(partner->id))
            return false;
    }
    return m_transactions->softDelete(transaction.id) && unit.commit();
}

bool TransactionService::currenciesDiffer(const QString& accountId,
                                          const QString& otherAccountId) const
{
    const std::optional<Account> account = m_accounts->byId(accountId);
    const std::optional<Account> other = m_accounts->byId(otherAccountId);
    return account && other && account->currency != other->currency;
}

bool TransactionService::makeStorable(Transaction& transaction) const
{
    transaction.payee = singleLine(transaction.payee);
    transaction.memo = singleLine(transaction.memo);
    transaction.checkNumber = singleLine(transaction.checkNumber);
    if (isWithinEnteredRange(transaction.amount, m_accounts->currencyOf(transaction.accountId)))
        return true;
    qWarning() << "TransactionService: refusing an amount of" << transaction.amount << "in"
               << transaction.accountId << "— beyond what can be entered";
    return false;
}

// Only a change of this side's amount or date moves the other side: an edit of the payee
// alone leaves the partner as it is, whatever it holds.
bool TransactionService::updateWithPartner(Transaction transaction, bool newVersion)
{
    if (!makeStorable(transaction))
        return false;
    const std::optional<Transaction> before = m_transactions->byId(transaction.id);
    if (!update(transaction))
        return false;
    const bool moved =
        !before || before->amount != transaction.amount || before->date != transaction.date;
    if (!moved || transaction.transferLinkId.isEmpty())
        return true;
    std::optional<Transaction> partner = m_transactions->byId(transaction.transferLinkId);
    if (!partner || partner->isDeleted() ||
        (partner->amount == -transaction.amount && partner->date == transaction.date))
        return true;
    partner->amount = -transaction.amount;
    partner->date = transaction.date;
    if (newVersion)
        partner->version += 1;
    return update(*partner);
}

// The opening row of a register has no id: there is nothing stored to change.
bool TransactionService::update(Transaction transaction)
{
    if (transaction.id.isEmpty())
        return false;
    stampChanged(transaction, nowUtc());
    return m_transactions->update(transaction);
}

bool TransactionService::writeSplitLines(const QString& transactionId,
                                         const QList<SplitLine>& lines)
{
    if (!m_splitLines->deleteForTransaction(transactionId))
        return false;
    const QDateTime now = nowUtc();
    for (SplitLine line : lines) {
        if (line.id.isEmpty())
            line.id = newId();
        line.transactionId = transactionId;
        line.memo = singleLine(line.memo);
        if (!line.createdAt.isValid())
            line.createdAt = now;
        if (!line.updatedAt.isValid())
            line.updatedAt = now;
        if (!m_splitLines->insert(line))
            return false;
    }
    return true;
}
