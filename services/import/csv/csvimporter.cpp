#include "services/import/csv/csvimporter.h"

#include "services/import/csv/csvreader.h"
#include "services/import/csv/csvrowreader.h"
#include "services/import/importcategories.h"
#include "services/import/importtextdecoder.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/singleline.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QFile>

CsvImporter::CsvImporter(TransactionRepository* transactions, CategoryRepository* categories)
    : ImportRun(transactions, categories)
{
}

ImportResult CsvImporter::run(const QString& path, const QString& accountId, Currency currency,
                              const CsvImportOptions& options)
{
    ImportResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QList<QStringList> rows =
        CsvReader::parse(ImportTextDecoder::decode(file.readAll()), options.delimiter);
    const CsvRowReader reader(options, rows, currency);

    QSet<QString> keys = duplicateKeys(transactions()->listByAccount(accountId));
    ImportCategories categoryIds(categories());
    const int firstRow = options.firstDataRow();
    const int total = qMax(0, int(rows.size()) - firstRow);
    begin(total);

    for (int index = firstRow; index < rows.size(); ++index) {
        step(index - firstRow + 1);
        const CsvRowReading reading = reader.read(rows.at(index));
        if (!reading.isImportable()) {
            ++result.unparseable;
            continue;
        }
        const QString key = duplicateKey(reading.date, *reading.amount, reading.payee);
        if (keys.contains(key)) {
            ++result.duplicates;
            continue;
        }

        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = reading.date;
        transaction.payee = reading.payee;
        transaction.amount = *reading.amount;
        transaction.createdAt = transaction.updatedAt = nowUtc();
        transaction.memo = reading.memo;
        transaction.categoryId = categoryIds.book(reading.category, transaction.amount);

        if (!transactions()->insert(transaction)) {
            qWarning().noquote() << "CSV import: insert failed for" << toIsoDate(reading.date)
                                 << reading.payee << "amount" << *reading.amount << "account"
                                 << accountId;
            ++result.failedInserts;
            continue;
        }
        ++result.imported;
        keys.insert(key);
    }

    categoryIds.settleKinds();
    commit();
    end();
    return result;
}
