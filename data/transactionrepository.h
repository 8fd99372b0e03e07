#pragma once

#include "data/registeroutline.h"
#include "data/registerrow.h"
#include "data/repository.h"
#include "data/searchfilter.h"

#include <QHash>

// The only code that reads and writes the transactions table. It never touches the other
// side of a transfer nor split lines: callers look after both.
class TransactionRepository : public Repository
{
    Q_OBJECT

public:
    TransactionRepository(Database* database, QObject* parent = nullptr);

    QList<Transaction> listByAccount(const QString& accountId) const; // newest first
    // Oldest first with the running balance, led by an unstored "Opening Balance" row (empty
    // id) when the account has a starting balance.
    QList<RegisterRow> registerRows(const QString& accountId) const;
    // The same register as an outline, read from index entries alone: two passes over the
    // account's entries in two indexes and a sum over its uncleared rows.
    RegisterOutline registerOutline(const QString& accountId) const;
    // Its last rows only, with the count, totals and balances of the whole: what the register
    // shows first, read from the newest rows back without passing the older ones.
    RegisterOutline registerOutlineEnd(const QString& accountId, int rows) const;
    // The rows stored at these rowids as registerRows reads them, by rowid, their balances left
    // at 0 (the outline holds them). A rowid without a row is left out.
    QHash<qint64, RegisterRow> registerRowsAt(const QList<qint64>& rowIds) const;
    // The unstored row that leads the register of an account with a starting balance.
    static RegisterRow openingRow(qint64 startingBalance, const QDate& date);
    // The rowid of the account's live transaction with this id; 0 when there is none.
    qint64 registerRowIdOf(const QString& accountId, const QString& transactionId) const;

    // What the register compares when it is sorted by a column of text, for every live row of
    // the account, by rowid: NULL reads as empty, a category as its shown name.
    enum class RegisterText
    {
        CheckNumber,
        Payee,
        Memo,
        CategoryName,
    };
    QHash<qint64, QString> registerTexts(const QString& accountId, RegisterText text) const;
    // The same for the cleared column: 0 uncleared, 1 cleared, 2 reconciled.
    QHash<qint64, int> registerClearedStates(const QString& accountId) const;
    // The balance after the account's last transaction: the starting balance plus every live
    // amount, the same figure as the last register row, without reading the rows.
    qint64 accountBalance(const QString& accountId) const;
    QList<Transaction> unreconciled(const QString& accountId) const;
    std::optional<Transaction> byId(const QString& id) const; // deleted rows too
    std::optional<Transaction> lastForPayee(const QString& payee, const QString& accountId) const;
    // The account's first live transaction in register order that is stored as an opening
    // balance (OpeningBalance) under one of these payees.
    std::optional<Transaction> firstOpeningTransaction(const QString& accountId,
                                                       const QStringList& payees) const;
    // Every live payee once, in ascending (binary) order, over all accounts.
    QStringList distinctPayees() const;
    // Every word of the text as a prefix (FTS5) over payee, memo and check number; newest
    // first, at most 200 rows, balance 0.
    QList<RegisterRow> search(const QString& text, const SearchFilter& filter = {}) const;
    QList<Transaction> pending() const;
    // The next pending rows after the given rowid, at most limit, in table order.
    QList<Transaction> pendingAfter(qint64* afterRowId, int limit) const;

    // "Acme, Inc." becomes "Acme* Inc*"; empty when the text has no letters or digits.
    static QString fullTextQuery(const QString& text);
    // The statements behind registerRows, registerOutline and accountBalance (their one binding:
    // the account id) and distinctPayees, for checking how SQLite runs them.
    static QString registerRowsQuery();
    static QString registerOrderQuery();
    static QString registerAmountsQuery();
    static QString unclearedTotalQuery();
    static QString registerTotalsQuery();
    static QString registerEndQuery(int rows);
    static QString accountBalanceQuery();
    static QString distinctPayeesQuery();

    bool insert(const Transaction& transaction);
    // Never moves a transaction to another account: account_id is not written.
    bool update(const Transaction& transaction);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    // Remove rows outright, for rows that left the user's books without the user deleting them
    // (a share withdrawn); their split lines must be gone first. The single form is false, and
    // the account form -1, when the write failed.
    bool remove(const QString& id);
    int removeByAccount(const QString& accountId);
    // Gives every live transaction of payee `from`, in every account, the payee `to`: pending,
    // updated at `updatedAt`, the version kept. The rows changed, or -1 when the write failed.
    int renamePayee(const QString& from, const QString& to, const QDateTime& updatedAt);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

protected:
    void emitChange(const QString& key) override;

private:
    qint64 startingBalance(const QString& accountId) const;
    // The outline's summary totals, the balance after its last row given.
    void setClearedTotals(RegisterOutline& outline, const QString& accountId, qint64 balance) const;
    // Each category's name as the register shows it ("Parent > Child"), by id.
    QHash<QString, QString> categoryNames() const;

signals:
    // The account whose register must reload; empty when rows of several accounts changed.
    void transactionsChanged(const QString& accountId);
};
