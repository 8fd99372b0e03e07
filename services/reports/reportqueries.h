#pragma once

#include <QString>

// The SQL text of every report, with its optional clauses, exactly as ReportService prepares
// it. Kept apart so that benchmarks can run the very same statements in the sqlite3 shell.
// Every "?" is a positional parameter: start date, end date, then the account id and the
// category id when their clause is present.
class ReportQueries
{
public:
    static QString categorySpending(bool byAccount);
    static QString payeeSummary(bool byAccount);
    static QString taxReport();
    static QString incomeVsExpenses(bool byAccount);
    static QString cashFlow(bool byAccount);
    // Inflows and outflows per category, for the two periods of the year-over-year report.
    static QString categoryTotals(bool byAccount);
    static QString accountSummary();
    static QString transactionReport(bool byAccount, bool byCategory);
};
