#pragma once

#include <QStringList>

// How a backup restore treats existing rows, and what it did.

// What a backup restore does with a row whose id already exists. A row whose id is new is
// inserted in every mode.
enum class BackupImportMode : int
{
    SkipExisting = 0, // leave the stored row alone
    ReplaceAll = 1,   // overwrite it with the backup's values
    KeepNewer = 2,    // overwrite it only when the backup's updated_at is later (or empty)
};

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
    // Why the archive was refused as a whole (not a ZIP, no manifest, another version), so that
    // nothing was read from it; empty when its entries were read. The reason is in errors too.
    QString rejection;

    bool isRejected() const { return !rejection.isEmpty(); }

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
