#pragma once

#include <QStringList>

// What a backup restore did, per table in archive order. A row that could not be written is
// skipped; problems with whole entries (damaged, not JSON) are only listed in errors.
struct BackupImportResult
{
    int accountsImported = 0;
    int accountsSkipped = 0;
    int categoriesImported = 0;
    int categoriesSkipped = 0;
    int transactionsImported = 0;
    int transactionsSkipped = 0;
    int splitLinesImported = 0;
    int splitLinesSkipped = 0;
    int recurringImported = 0;
    int recurringSkipped = 0;
    int reconciliationsImported = 0;
    int reconciliationsSkipped = 0;
    QStringList errors;

    int totalImported() const
    {
        return accountsImported + categoriesImported + transactionsImported + splitLinesImported +
               recurringImported + reconciliationsImported;
    }
    int totalSkipped() const
    {
        return accountsSkipped + categoriesSkipped + transactionsSkipped + splitLinesSkipped +
               recurringSkipped + reconciliationsSkipped;
    }
};
