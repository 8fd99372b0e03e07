#include "ui/screens/reports/reportkind.h"

ReportDescription ReportCatalog::describe(ReportKind kind)
{
    switch (kind) {
    case ReportKind::CategorySpending:
        return {tr("Category Spending"),
                {tr("Category"), tr("Total")},
                QStringLiteral("category_spending")};
    case ReportKind::PayeeSummary:
        return {tr("Payee Summary"),
                {tr("Payee"), tr("Total"), tr("Count")},
                QStringLiteral("payee_summary")};
    case ReportKind::TaxReport:
        return {tr("Tax Report"),
                {tr("Category"), tr("Tax Code"), tr("Total")},
                QStringLiteral("tax_report")};
    case ReportKind::IncomeVsExpenses:
        return {tr("Income vs Expenses"),
                {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")},
                QStringLiteral("income_vs_expenses")};
    case ReportKind::CashFlow:
        return {tr("Cash Flow"),
                {tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")},
                QStringLiteral("cash_flow")};
    case ReportKind::YearOverYear:
        return {tr("Year-over-Year"),
                {tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")},
                QStringLiteral("year_over_year")};
    case ReportKind::AccountSummary:
        return {tr("Account Summary"),
                {tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")},
                QStringLiteral("account_summary")};
    case ReportKind::Transactions:
        return {tr("Transactions"),
                {tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")},
                QStringLiteral("transactions")};
    }
    return {};
}
