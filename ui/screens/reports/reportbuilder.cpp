#include "ui/screens/reports/reportbuilder.h"

#include "ui/screens/reports/chartranking.h"

#include "app/core/money.h"
#include "data/enumerations.h"
#include "services/reports/reportservice.h"

#include <QDateTime>
#include <QLocale>

namespace {

using Colour = ReportChartData::Colour;
using Shape = ReportChartData::Shape;

QString money(qint64 amount)
{
    return formatMoney(amount, Currency::USD);
}

qreal units(qint64 amount)
{
    return toMajorUnits(amount, Currency::USD);
}

// Horizontal bars, one series per name, for the items kept by keepLargest.
ReportChartData barsOf(const QList<ChartItem>& items, const QList<ReportChartData::Series>& sets)
{
    ReportChartData chart;
    if (items.isEmpty())
        return chart;
    chart.shape = Shape::HorizontalBars;
    chart.bars = sets;
    for (const ChartItem& item : items) {
        chart.labels << item.label;
        for (qsizetype s = 0; s < chart.bars.size(); ++s)
            chart.bars[s].values << item.values.value(s);
    }
    return chart;
}

// The monthly reports: a row per month and a bold "Total" row under them; bars of money in
// and out with the net as a line.
ReportOutput monthly(const QList<MonthlyFlow>& flows, const QString& inName, const QString& outName)
{
    ReportOutput output;
    ReportTable& table = output.table;
    table.figureColumns = {1, 2, 3};
    qint64 in = 0;
    qint64 out = 0;
    qint64 net = 0;
    ReportChartData& chart = output.chart;
    chart.bars = {{inName, Colour::Inflow, {}}, {outName, Colour::Outflow, {}}};
    chart.line = {ReportBuilder::tr("Net"), Colour::Net, {}};
    for (const MonthlyFlow& flow : flows) {
        table.rows.append(
            {flow.month, money(flow.inAmount), money(flow.outAmount), money(flow.net)});
        in += flow.inAmount;
        out += flow.outAmount;
        net += flow.net;
        chart.labels << flow.month;
        chart.bars[0].values << units(flow.inAmount);
        chart.bars[1].values << units(flow.outAmount);
        chart.line.values << units(flow.net);
    }
    if (!flows.isEmpty()) {
        table.rows.append({ReportBuilder::tr("Total"), money(in), money(out), money(net)});
        table.endsWithTotals = true;
        chart.shape = Shape::MonthlyBars;
    }
    return output;
}

ReportOutput categorySpending(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {1};
    QList<ChartItem> items;
    for (const CategoryTotal& row :
         reports.categorySpending(filters.start, filters.end, filters.accountId)) {
        output.table.rows.append({row.categoryName, money(row.total)});
        // Spending is charted as the size of what went out.
        items.append({row.categoryName, {-units(row.total)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::tr("Spending"), Colour::Outflow, {}}});
    return output;
}

ReportOutput payeeSummary(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {1, 2};
    QList<ChartItem> items;
    for (const PayeeTotal& row :
         reports.payeeSummary(filters.start, filters.end, filters.accountId)) {
        output.table.rows.append({row.payee, money(row.total), QString::number(row.count)});
        items.append({row.payee, {units(row.total)}});
    }
    output.chart =
        barsOf(keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other payees")),
               {{ReportBuilder::tr("Total"), Colour::Bar, {}}});
    return output;
}

ReportOutput taxReport(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {2};
    QList<ChartItem> items;
    for (const TaxLine& row : reports.taxReport(filters.start, filters.end)) {
        output.table.rows.append({row.categoryName, row.taxCategory, money(row.total)});
        items.append({row.categoryName, {units(row.total)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::tr("Total"), Colour::Bar, {}}});
    return output;
}

ReportOutput yearOverYear(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {1, 2, 3};
    QList<ChartItem> items;
    for (const YearOverYearRow& row :
         reports.yearOverYear(filters.period1Start, filters.period1End, filters.period2Start,
                              filters.period2End, filters.accountId)) {
        output.table.rows.append(
            {row.categoryName, money(row.period1), money(row.period2), money(row.difference)});
        items.append({row.categoryName, {units(row.period1), units(row.period2)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::pairsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::firstPeriod(filters), Colour::FirstPeriod, {}},
         {ReportBuilder::secondPeriod(filters), Colour::SecondPeriod, {}}});
    return output;
}

ReportOutput accountSummary(const ReportService& reports)
{
    ReportOutput output;
    output.table.figureColumns = {2, 3, 4};
    QList<ChartItem> items;
    for (const AccountSummaryRow& row : reports.accountSummary()) {
        output.table.rows.append(
            {row.name,
             Enumerations::displayName(Enumerations::accountTypeFromStorage(row.accountType)),
             money(row.cleared), money(row.uncleared), money(row.total)});
        items.append({row.name, {units(row.total)}});
    }
    // Every account keeps its bar, in the order of the account list.
    output.chart = barsOf(items, {{ReportBuilder::tr("Balance"), Colour::Bar, {}}});
    return output;
}

ReportOutput transactions(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {5};
    const QList<TransactionReportRow> rows =
        reports.transactionReport(filters.start, filters.end, filters.accountId);
    output.table.rows.reserve(rows.size());
    ReportChartData& chart = output.chart;
    chart.line = {ReportBuilder::tr("Running total"), Colour::Net, {}};
    qint64 runningTotal = 0;
    for (const TransactionReportRow& row : rows) {
        output.table.rows.append({ReportBuilder::shortDate(row.date), row.accountName, row.payee,
                                  row.categoryName, row.memo, money(row.amount)});
        runningTotal += row.amount;
        if (!row.date.isValid())
            continue;
        // One point per day: the total after the day's last transaction.
        const qreal x = QDateTime(row.date, QTime(12, 0)).toMSecsSinceEpoch();
        if (!chart.points.isEmpty() && chart.points.last().x() == x)
            chart.points.last().setY(units(runningTotal));
        else
            chart.points.append(QPointF(x, units(runningTotal)));
    }
    if (!chart.points.isEmpty())
        chart.shape = Shape::TimeLine;
    return output;
}

} // namespace

ReportOutput ReportBuilder::build(ReportKind kind, const ReportService& reports,
                                  const ReportFilters& filters)
{
    switch (kind) {
    case ReportKind::CategorySpending:
        return categorySpending(reports, filters);
    case ReportKind::PayeeSummary:
        return payeeSummary(reports, filters);
    case ReportKind::TaxReport:
        return taxReport(reports, filters);
    case ReportKind::IncomeVsExpenses:
        return monthly(reports.incomeVsExpenses(filters.start, filters.end, filters.accountId),
                       tr("Income"), tr("Expenses"));
    case ReportKind::CashFlow:
        return monthly(reports.cashFlow(filters.start, filters.end, filters.accountId),
                       tr("Inflows"), tr("Outflows"));
    case ReportKind::YearOverYear:
        return yearOverYear(reports, filters);
    case ReportKind::AccountSummary:
        return accountSummary(reports);
    case ReportKind::Transactions:
        return transactions(reports, filters);
    }
    return {};
}

QString ReportBuilder::firstPeriod(const ReportFilters& filters)
{
    return tr("P1: %1 – %2").arg(shortDate(filters.period1Start), shortDate(filters.period1End));
}

QString ReportBuilder::secondPeriod(const ReportFilters& filters)
{
    return tr("P2: %1 – %2").arg(shortDate(filters.period2Start), shortDate(filters.period2End));
}

QString ReportBuilder::shortDate(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}
