#pragma once

#include "services/import/csv/csvimportoptions.h"
#include "services/import/importresult.h"
#include "services/import/importrun.h"

#include "app/core/currency.h"

// One CSV import: the rows of one file become transactions of one account, all in one
// database transaction. Rows already in the account (same date, amount and payee) are
// skipped; rows without a readable date or amount are counted as unparseable.
class CsvImporter : public ImportRun
{
    Q_OBJECT

public:
    CsvImporter(TransactionRepository* transactions, CategoryRepository* categories);

    // Amounts are stored in the account's currency.
    ImportResult run(const QString& path, const QString& accountId, Currency currency,
                     const CsvImportOptions& options);
};
