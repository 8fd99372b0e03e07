#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

// One statement of a report with the values of its "?" placeholders, in order.
struct ReportStatement
{
    QString sql;
    QVariantList bindings;
};

// The SQL of every report, with its bindings, exactly as ReportService runs it. Kept apart so
// that benchmarks can run the very same statements in the sqlite3 shell.
//
// What counts as income and spending (category spending, payee summary, tax report, income vs
// expenses, year-over-year) leaves out transfers between the book's accounts and opening
// balances; a split transaction counts each of its lines under the line's category (one without
// lines counts whole). Cash flow counts every movement in or out of an account, transfers
// included, but no opening balance. The account summary and the transaction list show
// everything.
class ReportQueries
{
public:
    // The transactions a report reads: live, dated from start to end (both included, compared
    // as "yyyy-MM-dd" text), of these accounts (every account's when empty).
    struct Range
    {
        QDate start;
        QDate end;
        QStringList accountIds;
    };

    static ReportStatement categorySpending(const Range& range);
    static ReportStatement payeeSummary(const Range& range);
    static ReportStatement taxReport(const Range& range);
    static ReportStatement incomeVsExpenses(const Range& range);
    static ReportStatement cashFlow(const Range& range);
    // Inflows and outflows per category in one period of the year-over-year report.
    static ReportStatement categoryTotals(const Range& range);
    static ReportStatement accountSummary();
    // An empty category id lists every category's transactions.
    static ReportStatement transactionReport(const Range& range, const QString& categoryId);
};
