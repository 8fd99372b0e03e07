#pragma once

#include <QString>

// Writes a bank export as a European bank writes it: lines about the account above the table,
// semicolons between fields, day-first dotted dates, decimal commas with a currency code, a
// purpose column and a running balance. The same count always gives the same file.
class CsvSampleFile
{
public:
    // Returns the number of transaction rows written, or -1 when the file cannot be written.
    static int write(const QString& path, int rows);
};
