#pragma once

#include "app/core/currency.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

// The eight reports of the reports screen, in the order of its tabs.
enum class ReportKind
{
    CategorySpending,
    PayeeSummary,
    TaxReport,
    IncomeVsExpenses,
    CashFlow,
    YearOverYear,
    AccountSummary,
    Transactions,
};

inline constexpr int reportKindCount = 8;

// What one report is called and how its table and files are named.
struct ReportDescription
{
    QString tabTitle;
    QStringList headers;
    QString fileStem; // "cash_flow": the suggested CSV and PNG names
};

class ReportCatalog
{
    Q_DECLARE_TR_FUNCTIONS(ReportCatalog)

public:
    // The translated description of a report.
    static ReportDescription describe(ReportKind kind);
};

// The filters of the reports screen. Each report takes what applies to it: the tax report has
// no account filter, year-over-year its two periods instead of the period, the transaction list
// no currency and the account summary none at all.
struct ReportFilters
{
    // The currency the reports add up: the book's own, or the one chosen when its accounts hold
    // several. An account filter is in its account's currency.
    Currency currency = Currency::USD;
    bool severalCurrencies = false;
    QString accountId; // empty: every account in the currency
    QDate start;
    QDate end;
    QDate period1Start;
    QDate period1End;
    QDate period2Start;
    QDate period2End;
};
