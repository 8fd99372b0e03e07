#pragma once

// What a backup restore does with a row whose id already exists. A row whose id is new is
// inserted in every mode.
enum class BackupImportMode : int
{
    SkipExisting = 0, // leave the stored row alone
    ReplaceAll = 1,   // overwrite it with the backup's values
    KeepNewer = 2,    // overwrite it only when the backup's updated_at is later (or empty)
};
