#pragma once

#include "data/transaction.h"

#include <QDate>
#include <QObject>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlDatabase>

#include <optional>

class CategoryRepository;
class TransactionRepository;

// What one QIF or CSV import shares: the progress signals, the single database transaction
// around every write, and the announcements of what changed. While the transaction is open
// the repositories stay quiet, so that no register reloads and no sync starts once per
// imported row or sees rows a rollback would take back; after the commit each touched
// account and the category list are announced once.
class ImportRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int progressInterval = 100;

    // "date|amount|payee": a transaction already in the account under this key is not
    // imported again.
    static QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);
    static QSet<QString> duplicateKeys(const QList<Transaction>& transactions);

signals:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

protected:
    ImportRun(TransactionRepository* transactions, CategoryRepository* categories);

    TransactionRepository* transactions() const { return m_transactions; }
    CategoryRepository* categories() const { return m_categories; }

    // Emits importStarted and opens the transaction.
    void begin(int total);
    // Every progressInterval records: importProgress, and the window gets up to 5 ms.
    void step(int current);
    void touchAccount(const QString& accountId) { m_touchedAccounts.insert(accountId); }
    // Commits (rolling back when the commit fails) and announces the changes.
    bool commit(bool categoriesCreated);
    void rollback();
    // importProgress(total, total).
    void end();

private:
    void release();

    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    QSqlDatabase m_connection;
    bool m_ownsTransaction = false;
    int m_total = 0;
    std::optional<QSignalBlocker> m_transactionSignals;
    std::optional<QSignalBlocker> m_categorySignals;
    QSet<QString> m_touchedAccounts;
};
