#include "services/import/importservice.h"

#include "services/import/csv/csvimporter.h"
#include "services/import/csv/csvreader.h"
#include "services/import/importtextdecoder.h"
#include "services/import/qif/qifimporter.h"
#include "services/import/qif/qifparser.h"

#include "data/accountrepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

namespace {

AccountType suggestedType(const QifAccount& account)
{
    switch (account.typeIndex) {
    case 1:
        return AccountType::CreditCard;
    case 2:
        return AccountType::Investment;
    case 3:
        return AccountType::Cash;
    case 4:
    case 5:
        return AccountType::Other;
    default:
        return account.name.contains(QLatin1String("saving"), Qt::CaseInsensitive)
                   ? AccountType::Savings
                   : AccountType::Checking;
    }
}

} // namespace

ImportService::ImportService(AccountRepository* accounts, TransactionRepository* transactions,
                             CategoryRepository* categories, SplitLineRepository* splitLines,
                             QObject* parent)
    : QObject(parent), m_accounts(accounts), m_transactions(transactions), m_categories(categories),
      m_splitLines(splitLines)
{
}

QString ImportService::decodeImportText(const QByteArray& bytes)
{
    return ImportTextDecoder::decode(bytes);
}

QifParseResult ImportService::parseQif(const QString& text, int dateOrder)
{
    return QifParser::parse(text, dateOrder);
}

std::optional<qint64> ImportService::parseQifAmount(const QString& text)
{
    return QifParser::parseAmount(text);
}

QDate ImportService::parseQifDate(const QString& text, int dateOrder)
{
    return QifParser::parseDate(text, dateOrder);
}

QList<QStringList> ImportService::parseCsv(const QString& text, QChar delimiter)
{
    return CsvReader::parse(text, delimiter);
}

QDate ImportService::detectCsvDate(const QString& text)
{
    return CsvReader::detectDate(text);
}

QString ImportService::duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return ImportRun::duplicateKey(date, amount, payee);
}

QifAnalysis ImportService::analyzeQif(const QStringList& files)
{
    QifAnalysis analysis;
    QSet<QString> seen; // lower-case account names of earlier files
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QifParseResult parsed =
            QifParser::parse(ImportTextDecoder::decode(file.readAll()), 0);
        analysis.totalTransactions += int(parsed.transactions.size());
        for (const QifAccount& account : parsed.accounts) {
            if (seen.contains(account.name.toLower()))
                continue;
            seen.insert(account.name.toLower());
            analysis.accounts.append({account.name, account.name, false, suggestedType(account)});
        }
        if (parsed.accounts.isEmpty()) {
            const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
            analysis.accounts.append(
                {path, tr("%1 (no account header)").arg(fileName), true, AccountType::Checking});
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
    return analysis;
}

void ImportService::forwardProgress(ImportRun& run)
{
    connect(&run, &ImportRun::importStarted, this, &ImportService::importStarted);
    connect(&run, &ImportRun::importProgress, this, &ImportService::importProgress);
}

ImportResult ImportService::importQif(const QStringList& files,
                                      const QHash<QString, QString>& mapping)
{
    QifImporter run(m_accounts, m_transactions, m_categories, m_splitLines);
    forwardProgress(run);
    return run.run(files, mapping);
}

ImportResult ImportService::importCsv(const QString& path, const QString& accountId,
                                      const CsvImportOptions& options)
{
    CsvImporter run(m_transactions, m_categories);
    forwardProgress(run);
    return run.run(path, accountId, m_accounts->currencyOf(accountId), options);
}
