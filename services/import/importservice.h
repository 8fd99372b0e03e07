#pragma once

#include "services/import/csv/csvimportoptions.h"
#include "services/import/importresult.h"
#include "services/import/qif/qiftypes.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <optional>

class AccountRepository;
class CategoryRepository;
class ImportRun;
class SplitLineRepository;
class TransactionRepository;

// Imports QIF files (several files and source accounts at once, with transfer linking) and
// CSV bank exports (one file into one account). Each import is one database transaction and
// skips records already in the target account. Holds no state between calls.
class ImportService : public QObject
{
    Q_OBJECT

public:
    // Accounts are only read: their currency tells how imported amounts are stored.
    ImportService(AccountRepository* accounts, TransactionRepository* transactions,
                  CategoryRepository* categories, SplitLineRepository* splitLines,
                  QObject* parent = nullptr);

    // UTF-8 (with or without byte-order mark), UTF-16 with a byte-order mark, else code
    // page 1252.
    static QString decodeImportText(const QByteArray& bytes);
    static QifParseResult parseQif(const QString& text, int dateOrder = 0);
    static std::optional<qint64> parseQifAmount(const QString& text);
    static QDate parseQifDate(const QString& text, int dateOrder);
    static QList<QStringList> parseCsv(const QString& text, QChar delimiter = QLatin1Char(','));
    static QDate detectCsvDate(const QString& text);
    static QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);

    // The source accounts of the files, each once over all files, for the mapping step.
    QifAnalysis analyzeQif(const QStringList& files);
    // mapping: source key (QifSourceAccount::key) to target account id; empty skips.
    ImportResult importQif(const QStringList& files, const QHash<QString, QString>& mapping);
    ImportResult importCsv(const QString& path, const QString& accountId,
                           const CsvImportOptions& options);

signals:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    void forwardProgress(ImportRun& run);

    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    SplitLineRepository* m_splitLines;
};
