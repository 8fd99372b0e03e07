#include "services/reports/reportservice.h"

#include "services/reports/reportqueries.h"

#include "app/core/isodates.h"
#include "data/database.h"

#include <QDebug>
#include <QMap>
#include <QSqlError>

namespace {

// The two dates of a range, then the account id when one is given.
QVariantList rangeBindings(const QDate& start, const QDate& end, const QString& accountId)
{
    QVariantList bindings{toIsoDate(start), toIsoDate(end)};
    if (!accountId.isEmpty())
        bindings << accountId;
    return bindings;
}

QDate firstOfQuarter(const QDate& today)
{
    return QDate(today.year(), (today.month() - 1) / 3 * 3 + 1, 1);
}

// The queries name the transactions without a category "Uncategorized"; the reports show that
// name in the interface language.
QString categoryName(const QVariant& queried)
{
    const QString name = queried.toString();
    return name == QLatin1String("Uncategorized") ? ReportService::tr("Uncategorized") : name;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

ReportService::ReportService(Database* database, QObject* parent)
    : QObject(parent), m_database(database)
{
}

bool ReportService::run(QSqlQuery& query, const QString& sql, const QVariantList& bindings) const
{
    query = QSqlQuery(m_database->connection());
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    if (ok) {
        for (const QVariant& value : bindings)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok)
        qWarning().noquote() << "ReportService query failed:" << query.lastError().text();
    return ok;
}

QList<CategoryTotal> ReportService::categorySpending(const QDate& start, const QDate& end,
                                                     const QString& accountId) const
{
    const QString sql = ReportQueries::categorySpending(!accountId.isEmpty());
    QList<CategoryTotal> rows;
    QSqlQuery query;
    if (!run(query, sql, rangeBindings(start, end, accountId)))
        return rows;
    while (query.next())
        rows.append({categoryName(query.value(0)), query.value(1).toLongLong()});
    return rows;
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate& start, const QDate& end,
                                              const QString& accountId) const
{
    const QString sql = ReportQueries::payeeSummary(!accountId.isEmpty());
    QList<PayeeTotal> rows;
    QSqlQuery query;
    if (!run(query, sql, rangeBindings(start, end, accountId)))
        return rows;
    while (query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    return rows;
}

QList<TaxLine> ReportService::taxReport(const QDate& start, const QDate& end) const
{
    const QString sql = ReportQueries::taxReport();
    QList<TaxLine> rows;
    QSqlQuery query;
    if (!run(query, sql, rangeBindings(start, end, QString())))
        return rows;
    while (query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    return rows;
}

QList<MonthlyFlow> ReportService::monthlyFlows(const QString& sql, const QDate& start,
                                               const QDate& end, const QString& accountId) const
{
    QList<MonthlyFlow> rows;
    QSqlQuery query;
    if (!run(query, sql, rangeBindings(start, end, accountId)))
        return rows;
    while (query.next()) {
        MonthlyFlow flow;
        flow.month = query.value(0).toString();
        flow.inAmount = query.value(1).toLongLong();
        flow.outAmount = query.value(2).toLongLong();
        flow.net = flow.inAmount + flow.outAmount;
        rows.append(flow);
    }
    return rows;
}

QList<MonthlyFlow> ReportService::incomeVsExpenses(const QDate& start, const QDate& end,
                                                   const QString& accountId) const
{
    return monthlyFlows(ReportQueries::incomeVsExpenses(!accountId.isEmpty()), start, end,
                        accountId);
}

QList<MonthlyFlow> ReportService::cashFlow(const QDate& start, const QDate& end,
                                           const QString& accountId) const
{
    return monthlyFlows(ReportQueries::cashFlow(!accountId.isEmpty()), start, end, accountId);
}

QMap<QString, qint64> ReportService::categoryTotals(const QDate& start, const QDate& end,
                                                    const QString& accountId) const
{
    const QString sql = ReportQueries::categoryTotals(!accountId.isEmpty());
    QMap<QString, qint64> totals;
    QSqlQuery query;
    if (!run(query, sql, rangeBindings(start, end, accountId)))
        return totals;
    while (query.next())
        totals.insert(categoryName(query.value(0)), query.value(1).toLongLong());
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate& period1Start,
                                                   const QDate& period1End,
                                                   const QDate& period2Start,
                                                   const QDate& period2End,
                                                   const QString& accountId) const
{
    const QMap<QString, qint64> first = categoryTotals(period1Start, period1End, accountId);
    const QMap<QString, qint64> second = categoryTotals(period2Start, period2End, accountId);

    // A QMap orders its keys by UTF-16 code units, which is the report's order.
    QMap<QString, YearOverYearRow> rows;
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        rows[it.key()].categoryName = it.key();
        rows[it.key()].period1 = it.value();
    }
    for (auto it = second.cbegin(); it != second.cend(); ++it) {
        rows[it.key()].categoryName = it.key();
        rows[it.key()].period2 = it.value();
    }
    QList<YearOverYearRow> result;
    result.reserve(rows.size());
    for (YearOverYearRow row : std::as_const(rows)) {
        row.difference = row.period2 - row.period1;
        result.append(row);
    }
    return result;
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    const QString sql = ReportQueries::accountSummary();
    QList<AccountSummaryRow> rows;
    QSqlQuery query;
    if (!run(query, sql, {}))
        return rows;
    while (query.next()) {
        const qint64 startingBalance = query.value(2).toLongLong();
        AccountSummaryRow row;
        row.name = query.value(0).toString();
        row.accountType = query.value(1).toString();
        row.cleared = startingBalance + query.value(3).toLongLong();
        row.uncleared = query.value(4).toLongLong();
        row.total = startingBalance + query.value(5).toLongLong();
        rows.append(row);
    }
    return rows;
}

QList<TransactionReportRow> ReportService::transactionReport(const QDate& start, const QDate& end,
                                                             const QString& accountId,
                                                             const QString& categoryId) const
{
    const QString sql =
        ReportQueries::transactionReport(!accountId.isEmpty(), !categoryId.isEmpty());
    QVariantList bindings = rangeBindings(start, end, accountId);
    if (!categoryId.isEmpty())
        bindings << categoryId;

    QList<TransactionReportRow> rows;
    QSqlQuery query;
    if (!run(query, sql, bindings))
        return rows;
    while (query.next()) {
        TransactionReportRow row;
        row.date = fromIsoDate(query.value(0).toString());
        row.accountName = query.value(1).toString();
        row.payee = query.value(2).toString();
        row.categoryName = query.value(3).toString();
        row.memo = query.value(4).toString();
        row.amount = query.value(5).toLongLong();
        rows.append(row);
    }
    return rows;
}

QList<ReportPeriod> ReportService::periodPresets()
{
    return periodPresets(QDate::currentDate());
}

QList<ReportPeriod> ReportService::periodPresets(const QDate& today)
{
    // QDate::addMonths and addYears clamp to the end of a shorter month.
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarterStart = firstOfQuarter(today);
    const int year = today.year();
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "This Month")), monthStart, today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last Month")), monthStart.addMonths(-1),
         monthStart.addDays(-1)},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "This Quarter")), quarterStart, today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last Quarter")),
         quarterStart.addMonths(-3), quarterStart.addDays(-1)},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "This Year")), QDate(year, 1, 1), today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last Year")), QDate(year - 1, 1, 1),
         QDate(year - 1, 12, 31)},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last 30 Days")), today.addDays(-30),
         today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last 90 Days")), today.addDays(-90),
         today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last 12 Months")), today.addYears(-1),
         today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "All Time")), QDate(2000, 1, 1), today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Custom")), QDate(), QDate()},
    };
}

QList<PeriodComparison> ReportService::comparisonPresets()
{
    return comparisonPresets(QDate::currentDate());
}

QList<PeriodComparison> ReportService::comparisonPresets(const QDate& today)
{
    const QDate quarterStart = firstOfQuarter(today);
    const int year = today.year();
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "This Year vs Last Year")),
         QDate(year - 1, 1, 1), QDate(year - 1, 12, 31), QDate(year, 1, 1), today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Last Year vs Year Before")),
         QDate(year - 2, 1, 1), QDate(year - 2, 12, 31), QDate(year - 1, 1, 1),
         QDate(year - 1, 12, 31)},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "This Quarter vs Last Quarter")),
         quarterStart.addMonths(-3), quarterStart.addDays(-1), quarterStart, today},
        {QStringLiteral(QT_TRANSLATE_NOOP("ReportService", "Custom")), QDate(), QDate(), QDate(),
         QDate()},
    };
}

QString ReportService::toCsv(const QStringList& headers, const QList<QStringList>& rows)
{
    QStringList fields;
    for (const QString& header : headers)
        fields.append(quoted(header));
    QString csv = fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QStringList& row : rows) {
        fields.clear();
        for (QString cell : row)
            fields.append(quoted(cell.replace(QLatin1Char('"'), QStringLiteral("\"\""))));
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}
