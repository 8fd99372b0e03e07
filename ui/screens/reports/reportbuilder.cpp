#include "ui/screens/reports/reportbuilder.h"

#include "ui/screens/reports/chartranking.h"

#include "app/core/currencytotals.h"
#include "app/core/money.h"
#include "data/enumerations.h"
#include "services/reports/reportservice.h"

#include <QDateTime>
#include <QLocale>

namespace {

using Colour = ReportChartData::Colour;
using Shape = ReportChartData::Shape;

ReportScope scopeOf(const ReportFilters& filters)
{
    return {filters.currency, filters.accountId};
}

// A chart of amounts in `currency`, which its amount axis names when the book holds several.
ReportChartData chartIn(Currency currency, const ReportFilters& filters)
{
    ReportChartData chart;
    chart.currency = currency;
    if (filters.severalCurrencies)
        chart.amountTitle = Enumerations::displayName(currency);
    return chart;
}

// Horizontal bars, one series per name, for the items kept by keepLargest.
ReportChartData barsOf(const QList<ChartItem>& items, const QList<ReportChartData::Series>& sets,
                       const ReportFilters& filters)
{
    ReportChartData chart = chartIn(filters.currency, filters);
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
ReportOutput monthly(const QList<MonthlyFlow>& flows, const QString& inName, const QString& outName,
                     const ReportFilters& filters)
{
    const Currency currency = filters.currency;
    const auto money = [currency](qint64 amount) { return formatMoney(amount, currency); };
    const auto units = [currency](qint64 amount) { return toMajorUnits(amount, currency); };
    ReportOutput output;
    ReportTable& table = output.table;
    table.figureColumns = {1, 2, 3};
    qint64 in = 0;
    qint64 out = 0;
    qint64 net = 0;
    ReportChartData& chart = output.chart;
    chart = chartIn(currency, filters);
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
        table.totalRows = 1;
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
         reports.categorySpending(filters.start, filters.end, scopeOf(filters))) {
        output.table.rows.append({row.categoryName, formatMoney(row.total, filters.currency)});
        // Spending is charted as the size of what went out.
        items.append({row.categoryName, {-toMajorUnits(row.total, filters.currency)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::tr("Spending"), Colour::Outflow, {}}}, filters);
    return output;
}

ReportOutput payeeSummary(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {1, 2};
    QList<ChartItem> items;
    for (const PayeeTotal& row :
         reports.payeeSummary(filters.start, filters.end, scopeOf(filters))) {
        output.table.rows.append(
            {row.payee, formatMoney(row.total, filters.currency), QString::number(row.count)});
        items.append({row.payee, {toMajorUnits(row.total, filters.currency)}});
    }
    output.chart =
        barsOf(keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other payees")),
               {{ReportBuilder::tr("Total"), Colour::Bar, {}}}, filters);
    return output;
}

ReportOutput taxReport(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {2};
    QList<ChartItem> items;
    for (const TaxLine& row : reports.taxReport(filters.start, filters.end, filters.currency)) {
        output.table.rows.append(
            {row.categoryName, row.taxCategory, formatMoney(row.total, filters.currency)});
        items.append({row.categoryName, {toMajorUnits(row.total, filters.currency)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::barsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::tr("Total"), Colour::Bar, {}}}, filters);
    return output;
}

ReportOutput yearOverYear(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {1, 2, 3};
    QList<ChartItem> items;
    const Currency currency = filters.currency;
    for (const YearOverYearRow& row :
         reports.yearOverYear(filters.period1Start, filters.period1End, filters.period2Start,
                              filters.period2End, scopeOf(filters))) {
        output.table.rows.append({row.categoryName, formatMoney(row.period1, currency),
                                  formatMoney(row.period2, currency),
                                  formatMoney(row.difference, currency)});
        items.append({row.categoryName,
                      {toMajorUnits(row.period1, currency), toMajorUnits(row.period2, currency)}});
    }
    output.chart = barsOf(
        keepLargest(items, ReportBuilder::pairsShown, ReportBuilder::tr("All other categories")),
        {{ReportBuilder::firstPeriod(filters), Colour::FirstPeriod, {}},
         {ReportBuilder::secondPeriod(filters), Colour::SecondPeriod, {}}},
        filters);
    return output;
}

// Each account in its own currency. Where the accounts hold several currencies, a bold total
// row for each currency follows them, and the chart shows the accounts of the chosen one.
ReportOutput accountSummary(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {2, 3, 4};
    QList<ChartItem> items;
    CurrencyTotals cleared;
    CurrencyTotals uncleared;
    CurrencyTotals total;
    for (const AccountSummaryRow& row : reports.accountSummary()) {
        output.table.rows.append(
            {row.name,
             Enumerations::displayName(Enumerations::accountTypeFromStorage(row.accountType)),
             formatMoney(row.cleared, row.currency), formatMoney(row.uncleared, row.currency),
             formatMoney(row.total, row.currency)});
        cleared.add(row.currency, row.cleared);
        uncleared.add(row.currency, row.uncleared);
        total.add(row.currency, row.total);
        if (row.currency == filters.currency)
            items.append({row.name, {toMajorUnits(row.total, row.currency)}});
    }
    if (total.totals().size() > 1) {
        for (qsizetype i = 0; i < total.totals().size(); ++i) {
            const Currency currency = total.totals().at(i).currency;
            output.table.rows.append({ReportBuilder::totalIn(currency), QString(),
                                      formatMoney(cleared.totals().at(i).amount, currency),
                                      formatMoney(uncleared.totals().at(i).amount, currency),
                                      formatMoney(total.totals().at(i).amount, currency)});
        }
        output.table.totalRows = int(total.totals().size());
    }
    // Every account keeps its bar, in the order of the account list.
    output.chart = barsOf(items, {{ReportBuilder::tr("Balance"), Colour::Bar, {}}}, filters);
    return output;
}

// Each amount in its account's currency; the running total adds up those of the chosen
// currency, the book's own when it holds one.
ReportOutput transactions(const ReportService& reports, const ReportFilters& filters)
{
    ReportOutput output;
    output.table.figureColumns = {5};
    const QList<TransactionReportRow> rows =
        reports.transactionReport(filters.start, filters.end, filters.accountId);
    output.table.rows.reserve(rows.size());
    ReportChartData& chart = output.chart;
    chart = chartIn(filters.currency, filters);
    chart.line = {ReportBuilder::tr("Running total"), Colour::Net, {}};
    qint64 runningTotal = 0;
    for (const TransactionReportRow& row : rows) {
        output.table.rows.append({ReportBuilder::shortDate(row.date), row.accountName, row.payee,
                                  row.categoryName, row.memo,
                                  formatMoney(row.amount, row.currency)});
        if (row.currency != filters.currency)
            continue;
        runningTotal += row.amount;
        if (!row.date.isValid())
            continue;
        // One point per day: the total after the day's last transaction.
        const qreal x = QDateTime(row.date, QTime(12, 0)).toMSecsSinceEpoch();
        const qreal y = toMajorUnits(runningTotal, row.currency);
        if (!chart.points.isEmpty() && chart.points.last().x() == x)
            chart.points.last().setY(y);
        else
            chart.points.append(QPointF(x, y));
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
        return monthly(reports.incomeVsExpenses(filters.start, filters.end, scopeOf(filters)),
                       tr("Income"), tr("Expenses"), filters);
    case ReportKind::CashFlow:
        return monthly(reports.cashFlow(filters.start, filters.end, scopeOf(filters)),
                       tr("Inflows"), tr("Outflows"), filters);
    case ReportKind::YearOverYear:
        return yearOverYear(reports, filters);
    case ReportKind::AccountSummary:
        return accountSummary(reports, filters);
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

QString ReportBuilder::totalIn(Currency currency)
{
    // The stored form of a currency is its code.
    return tr("Total (%1)", "the code of the currency added up, such as USD")
        .arg(Enumerations::storageString(currency));
}

QString ReportBuilder::shortDate(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}
