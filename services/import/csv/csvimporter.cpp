#include "services/import/csv/csvimporter.h"

#include "services/import/csv/csvreader.h"
#include "services/import/importcategories.h"
#include "services/import/importtextdecoder.h"
#include "services/import/qif/qifparser.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/singleline.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QFile>

#include <optional>

namespace {

std::optional<QString> fieldAt(const QStringList& row, int column)
{
    if (column < 0 || column >= row.size())
        return std::nullopt;
    return singleLine(row.at(column));
}

} // namespace

CsvImporter::CsvImporter(TransactionRepository* transactions, CategoryRepository* categories)
    : ImportRun(transactions, categories)
{
}

ImportResult CsvImporter::run(const QString& path, const QString& accountId,
                              const CsvImportOptions& options)
{
    ImportResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QList<QStringList> rows = CsvReader::parse(ImportTextDecoder::decode(file.readAll()));

    QSet<QString> keys = duplicateKeys(transactions()->listByAccount(accountId));
    ImportCategories categoryIds(categories());
    const int firstRow = options.hasHeader ? 1 : 0;
    const int total = qMax(0, int(rows.size()) - firstRow);
    begin(total);

    for (int index = firstRow; index < rows.size(); ++index) {
        step(index - firstRow + 1);
        const QStringList& row = rows.at(index);
        const std::optional<QString> dateField = fieldAt(row, options.dateColumn);
        const std::optional<QString> payee = fieldAt(row, options.payeeColumn);
        const std::optional<QString> amountField = fieldAt(row, options.amountColumn);
        if (!dateField || !payee || !amountField) {
            ++result.unparseable;
            continue;
        }
        const QDate date = CsvReader::readDate(*dateField, options.dateFormat);
        // Amounts are read like QIF amounts, so "(12.00)" and "12,50" keep their value; a
        // field that is no amount at all makes the row unparseable instead of a zero.
        const std::optional<qint64> amount = QifParser::parseAmount(*amountField);
        if (!date.isValid() || !amount) {
            ++result.unparseable;
            continue;
        }
        const QString key = duplicateKey(date, *amount, *payee);
        if (keys.contains(key)) {
            ++result.duplicates;
            continue;
        }

        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = date;
        transaction.payee = *payee;
        transaction.amount = *amount;
        transaction.createdAt = transaction.updatedAt = nowUtc();
        transaction.memo = fieldAt(row, options.memoColumn).value_or(QString());
        transaction.categoryId =
            categoryIds.idFor(fieldAt(row, options.categoryColumn).value_or(QString()));

        if (!transactions()->insert(transaction)) {
            qWarning().noquote() << "CSV import: insert failed for" << toIsoDate(date) << *payee
                                 << "amount" << *amount << "account" << accountId;
            ++result.failedInserts;
            continue;
        }
        ++result.imported;
        keys.insert(key);
    }

    commit();
    end();
    return result;
}
