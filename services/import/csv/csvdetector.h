#pragma once

#include "services/import/csv/csvimportoptions.h"

#include <QList>
#include <QStringList>

// Guesses how a bank export is laid out, the way a person would glance at its first rows: which
// character separates the fields, where the table starts below the lines about the account, and
// in which order its dates are written.
class CsvDetector
{
public:
    // Comma, semicolon or tab: the one that splits the first lines into the most rows of one
    // field count, weighed by that count. A comma when nothing splits.
    static QChar delimiter(const QString& text);
    struct TableStart
    {
        int row = 0; // zero-based: the header, or the first transaction of a table without one
        bool hasHeader = true;
    };
    // Where the table starts, found by what its rows hold: the transactions are the rows with a
    // date and an amount, and the header is the row of names right above the first of them
    // (whatever its field count: a header often names one more column than its rows fill, or
    // one fewer). Without a row that reads as a transaction, the first row with the field
    // count most of the first rows have is taken for the header. Row 0 for an empty list.
    static TableStart tableStart(const QList<QStringList>& rows);
    // The first of the detected formats that reads every sample; failing that, the one that
    // reads the most. Empty when none reads any.
    static QString dateFormat(const QStringList& samples);

    // What to offer for a newly chosen file: its delimiter, the rows above its table skipped,
    // a header row, dates detected, and the default columns.
    static CsvImportOptions suggestedOptions(const QString& text);
};
