#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// How the columns of a CSV file map to a transaction. Columns are zero-based; -1 means none.
// The defaults read a comma-separated file whose first row is its header, with one signed
// amount column.
struct CsvImportOptions
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy"); // a QDate format; empty to detect

    // The field separator: ',' ';' or '\t'.
    QChar delimiter = QLatin1Char(',');
    // Rows before the header (or before the first data row without a header) that are not
    // transactions: an account name, a balance, an export date.
    int skippedRows = 0;
    // Bank exports with a money-out and a money-in column, both unsigned: when either is set
    // they replace amountColumn, and the amount is deposit - withdrawal.
    int withdrawalColumn = -1;
    int depositColumn = -1;

    bool hasTwoAmountColumns() const { return withdrawalColumn >= 0 || depositColumn >= 0; }
    // The first row that holds a transaction.
    int firstDataRow() const { return qMax(0, skippedRows) + (hasHeader ? 1 : 0); }
};
