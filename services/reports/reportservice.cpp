#include "services/reports/reportservice.h"

#include "services/reports/reportqueries.h"

#include "app/core/isodates.h"
#include "data/database.h"
#include "data/enumerations.h"

#include <QDebug>
#include <QMap>
#include <QSqlError>

namespace {

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

bool ReportService::run(QSqlQuery& query, const ReportStatement& statement) const
{
    query = QSqlQuery(m_database->connection());
    query.setForwardOnly(true);
    bool ok = query.prepare(statement.sql);
    if (ok) {
        for (const QVariant& value : statement.bindings)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok)
        qWarning().noquote() << "ReportService query failed:" << query.lastError().text();
    return ok;
}

std::optional<ReportQueries::Range> ReportService::rangeOf(const QDate& start, const QDate& end,
                                                           const ReportScope& scope) const
{
    // Deleted accounts too: a transaction counts in its account's currency wherever it is.
    QSqlQuery query;
    if (!run(query, {QStringLiteral("SELECT id, currency FROM accounts"), {}}))
        return std::nullopt;
    QStringList inCurrency;
    bool otherCurrencies = false;
    while (query.next()) {
        const QString id = query.value(0).toString();
        const bool same =
            Enumerations::currencyFromStorage(query.value(1).toString()) == scope.currency;
        if (!scope.accountId.isEmpty() && id == scope.accountId && !same)
            return std::nullopt;
        if (same)
            inCurrency << id;
        else
            otherCurrencies = true;
    }
    if (!scope.accountId.isEmpty())
        return ReportQueries::Range{start, end, {scope.accountId}};
    if (inCurrency.isEmpty())
        return std::nullopt;
    // A book in one currency reads every account without naming them.
    return ReportQueries::Range{start, end, otherCurrencies ? inCurrency : QStringList()};
}

QList<CategoryTotal> ReportService::categorySpending(const QDate& start, const QDate& end,
                                                     const ReportScope& scope) const
{
    QList<CategoryTotal> rows;
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, scope);
    QSqlQuery query;
    if (!range || !run(query, ReportQueries::categorySpending(*range)))
        return rows;
    while (query.next())
        rows.append({categoryName(query.value(0)), query.value(1).toLongLong()});
    return rows;
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate& start, const QDate& end,
                                              const ReportScope& scope) const
{
    QList<PayeeTotal> rows;
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, scope);
    QSqlQuery query;
    if (!range || !run(query, ReportQueries::payeeSummary(*range)))
        return rows;
    while (query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    return rows;
}

QList<TaxLine> ReportService::taxReport(const QDate& start, const QDate& end,
                                        Currency currency) const
{
    QList<TaxLine> rows;
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, {currency, QString()});
    QSqlQuery query;
    if (!range || !run(query, ReportQueries::taxReport(*range)))
        return rows;
    while (query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    return rows;
}

QList<MonthlyFlow> ReportService::monthlyFlows(const ReportStatement& statement) const
{
    QList<MonthlyFlow> rows;
    QSqlQuery query;
    if (!run(query, statement))
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
                                                   const ReportScope& scope) const
{
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, scope);
    return range ? monthlyFlows(ReportQueries::incomeVsExpenses(*range)) : QList<MonthlyFlow>();
}

QList<MonthlyFlow> ReportService::cashFlow(const QDate& start, const QDate& end,
                                           const ReportScope& scope) const
{
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, scope);
    return range ? monthlyFlows(ReportQueries::cashFlow(*range)) : QList<MonthlyFlow>();
}

QMap<QString, qint64> ReportService::categoryTotals(const QDate& start, const QDate& end,
                                                    const ReportScope& scope) const
{
    QMap<QString, qint64> totals;
    const std::optional<ReportQueries::Range> range = rangeOf(start, end, scope);
    QSqlQuery query;
    if (!range || !run(query, ReportQueries::categoryTotals(*range)))
        return totals;
    while (query.next())
        totals.insert(categoryName(query.value(0)), query.value(1).toLongLong());
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate& period1Start,
                                                   const QDate& period1End,
                                                   const QDate& period2Start,
                                                   const QDate& period2End,
                                                   const ReportScope& scope) const
{
    const QMap<QString, qint64> first = categoryTotals(period1Start, period1End, scope);
    const QMap<QString, qint64> second = categoryTotals(period2Start, period2End, scope);

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
    QList<AccountSummaryRow> rows;
    QSqlQuery query;
    if (!run(query, ReportQueries::accountSummary()))
        return rows;
    while (query.next()) {
        const qint64 startingBalance = query.value(3).toLongLong();
        AccountSummaryRow row;
        row.name = query.value(0).toString();
        row.accountType = query.value(1).toString();
        row.currency = Enumerations::currencyFromStorage(query.value(2).toString());
        row.cleared = startingBalance + query.value(4).toLongLong();
        row.uncleared = query.value(5).toLongLong();
        row.total = startingBalance + query.value(6).toLongLong();
        rows.append(row);
    }
    return rows;
}

QList<TransactionReportRow> ReportService::transactionReport(const QDate& start, const QDate& end,
                                                             const QString& accountId,
                                                             const QString& categoryId) const
{
    const ReportQueries::Range range{start, end,
                                     accountId.isEmpty() ? QStringList() : QStringList{accountId}};
    QList<TransactionReportRow> rows;
    QSqlQuery query;
    if (!run(query, ReportQueries::transactionReport(range, categoryId)))
        return rows;
    while (query.next()) {
        TransactionReportRow row;
        row.date = fromIsoDate(query.value(0).toString());
        row.accountName = query.value(1).toString();
        row.currency = Enumerations::currencyFromStorage(query.value(2).toString());
        row.payee = query.value(3).toString();
        row.categoryName = query.value(4).toString();
        row.memo = query.value(5).toString();
        row.amount = query.value(6).toLongLong();
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
