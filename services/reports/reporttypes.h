#pragma once

#include "app/core/currency.h"

#include <QDate>
#include <QString>

// The report periods, whose amounts a report adds up, and the rows of each report.

// The accounts a report adds up: those of one currency, or one account of that currency.
// Amounts of different currencies are never added together, and no rate turns one into another.
struct ReportScope
{
    Currency currency = Currency::USD;
    QString accountId; // empty: every account in the currency
};

// A named date range the reports screen offers. The label is the untranslated source text (of
// the "ReportService" context); both dates are invalid for "Custom", whose range the user
// enters.
struct ReportPeriod
{
    QString label;
    QDate start;
    QDate end;
};

// A named pair of periods for the year-over-year report. The label is the untranslated source
// text (of the "ReportService" context); every date is invalid for "Custom", whose periods the
// user enters.
struct PeriodComparison
{
    QString label;
    QDate period1Start;
    QDate period1End;
    QDate period2Start;
    QDate period2End;
};

// One account of the balance summary, in the account's currency; the starting balance counts
// as cleared.
struct AccountSummaryRow
{
    QString name;
    QString accountType; // the stored account_type text
    Currency currency = Currency::USD;
    qint64 cleared = 0;
    qint64 uncleared = 0;
    qint64 total = 0;
};

// One row of the category spending report.
struct CategoryTotal
{
    QString categoryName;
    qint64 total = 0;
};

// One row of the payee summary: inflows and outflows of the payee net out.
struct PayeeTotal
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};

// One row of the tax report: the total of one tax-relevant category.
struct TaxLine
{
    QString categoryName;
    QString taxCategory;
    qint64 total = 0;
};

// One month of the income-versus-expenses and cash-flow reports.
struct MonthlyFlow
{
    QString month;        // "yyyy-MM"
    qint64 inAmount = 0;  // sum of the positive amounts
    qint64 outAmount = 0; // sum of the negative amounts, never above 0
    qint64 net = 0;       // inAmount + outAmount
};

// One category of a two-period comparison.
struct YearOverYearRow
{
    QString categoryName;
    qint64 period1 = 0;
    qint64 period2 = 0;
    qint64 difference = 0; // period2 - period1
};

// One transaction of the filtered transaction list; its amount is in its account's currency.
struct TransactionReportRow
{
    QDate date; // invalid when the stored text does not parse
    QString accountName;
    Currency currency = Currency::USD;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
};
