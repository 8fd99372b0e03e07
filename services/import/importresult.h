#pragma once

// What one QIF or CSV import did. A CSV import fills only imported, duplicates, unparseable
// and failedInserts.
struct ImportResult
{
    int imported = 0;
    int duplicates = 0;      // same date, amount and payee already in the account
    int unparseable = 0;     // records without a date or an amount
    int metadataSkipped = 0; // records of ignored QIF sections (classes, securities, prices...)
    int unmappedSkipped = 0; // records of source accounts mapped to skip
    int transfersLinked = 0;
    int retroactiveLinks = 0; // transfers linked to a side imported in an earlier run
    int failedInserts = 0;    // transactions or split lines the database refused
    bool aborted = false;     // everything was rolled back
};
