#pragma once

#include "data/splitline.h"
#include "data/transaction.h"

#include <QObject>

class AccountRepository;
class Database;
class SplitLineRepository;
class TransactionRepository;

// The one write path for transactions. Each operation is one unit of work: a transfer's two
// sides, a transaction and its split lines, land together or not at all, and the register, the
// account list and the sync hear of them once, after the commit. An operation called inside a
// caller's unit of work becomes part of it (a posting that also advances its recurring row).
//
// The bookkeeping of a local change is applied here: a new transaction gets version 1 and
// Pending with both timestamps now; a change sets Pending and updatedAt, and only the register's
// in-place edit counts a new version.
//
// Whatever the caller, payee, memo and check number are stored on one line, and an amount
// beyond what a field takes (99,999,999.99) is refused. An edit of the amount or the date of
// one side of a transfer moves the other side with it (the amount negated, the same date), so
// that no money appears from nowhere; the other side keeps its own payee, memo and category.
class TransactionService : public QObject
{
    Q_OBJECT

public:
    TransactionService(Database* database, AccountRepository* accounts,
                       TransactionRepository* transactions, SplitLineRepository* splitLines,
                       QObject* parent = nullptr);

    // A new transaction, typed in the register or entered in a form, with its split lines.
    // It keeps the id it has (a random one when empty).
    bool add(Transaction transaction, const QList<SplitLine>& lines = {});
    // Both sides of a transfer, each naming the other, with their ids kept (random ones when
    // empty). Refused, with nothing written, when the two accounts hold different currencies.
    bool addTransfer(Transaction source, Transaction destination);
    // The other side of a transfer typed as `source`: in `accountId`, with `payee`, the same
    // date, the negated amount and the same cleared and reconciled flags; no memo, check
    // number or category of its own.
    static Transaction transferPartner(const Transaction& source, const QString& accountId,
                                       const QString& payee);

    // The register's in-place edit: a new version of the row (and of a transfer's other side
    // when it moves with it).
    bool editInPlace(Transaction transaction);
    // A form's edit: the transaction and its split set (empty: not split) replaced together.
    bool edit(Transaction transaction, const QList<SplitLine>& lines);
    // The split editor's result: the lines replace the stored set; a transaction with lines is
    // split and loses its single category.
    bool replaceSplitLines(Transaction transaction, const QList<SplitLine>& lines);
    bool setCleared(Transaction transaction, bool cleared);
    // Soft-deletes a transaction, and the other side of a transfer with it: both or neither.
    // A partner that no longer exists, or is already deleted, does not keep this side alive.
    bool remove(const Transaction& transaction);

    // Two existing accounts of different currencies: a transfer between them is refused.
    bool currenciesDiffer(const QString& accountId, const QString& otherAccountId) const;

private:
    // Puts the text fields on one line; false (with a warning) for an amount out of range.
    bool makeStorable(Transaction& transaction) const;
    bool update(Transaction transaction);
    // An edit of a stored transaction, its transfer partner following its amount and date.
    bool updateWithPartner(Transaction transaction, bool newVersion);
    bool writeSplitLines(const QString& transactionId, const QList<SplitLine>& lines);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
};
