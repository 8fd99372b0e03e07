#pragma once

#include <QString>

// How the columns of a CSV file map to a transaction. Columns are zero-based; -1 means none.
struct CsvImportOptions
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy"); // a QDate format; empty to detect
};
