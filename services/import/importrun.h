#pragma once

#include "data/transaction.h"
#include "data/unitofwork.h"

#include <QDate>
#include <QObject>
#include <QSet>

#include <optional>

class CategoryRepository;
class TransactionRepository;

// What one QIF or CSV import shares: the progress signals and the one unit of work around
// every write. While it is open the repositories stay quiet, so that no register reloads and no
// sync starts once per imported row or sees rows a rollback would take back; after the commit
// each touched account and the category list are announced once.
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

    // Emits importStarted and opens the unit of work.
    void begin(int total);
    // Every progressInterval records: importProgress, and the window gets up to 5 ms.
    void step(int current);
    // Commits (everything rolled back when the commit fails) and announces the changes.
    bool commit();
    void rollback();
    // importProgress(total, total).
    void end();

private:
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    int m_total = 0;
    std::optional<UnitOfWork> m_unit;
};
