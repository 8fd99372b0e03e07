#pragma once

#include "services/reports/reportqueries.h"
#include "services/reports/reporttypes.h"

#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Database;

// The read-only report questions, answered in SQL over the local database. Date ranges are
// inclusive and compared as "yyyy-MM-dd" text. The reports of income, spending and cash flow
// add up the accounts of one scope, so in one currency; the account summary and the
// transaction list give each row its account's currency. What each report counts is told in
// ReportQueries. Soft-deleted transactions and accounts never count. A query that fails gives
// an empty list.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database* database, QObject* parent = nullptr);

    // Outflows by category, largest spending first; totals stay negative.
    QList<CategoryTotal> categorySpending(const QDate& start, const QDate& end,
                                          const ReportScope& scope) const;
    QList<PayeeTotal> payeeSummary(const QDate& start, const QDate& end,
                                   const ReportScope& scope) const;
    // Every account of the currency: the scope's account is not asked for.
    QList<TaxLine> taxReport(const QDate& start, const QDate& end, Currency currency) const;
    QList<MonthlyFlow> incomeVsExpenses(const QDate& start, const QDate& end,
                                        const ReportScope& scope) const;
    // Transfers included: they move money in and out of each account.
    QList<MonthlyFlow> cashFlow(const QDate& start, const QDate& end,
                                const ReportScope& scope) const;
    QList<YearOverYearRow> yearOverYear(const QDate& period1Start, const QDate& period1End,
                                        const QDate& period2Start, const QDate& period2End,
                                        const ReportScope& scope) const;
    // Every account, whatever its currency.
    QList<AccountSummaryRow> accountSummary() const;
    // Every currency's transactions, or one account's; an empty category id lists every
    // category.
    QList<TransactionReportRow> transactionReport(const QDate& start, const QDate& end,
                                                  const QString& accountId = QString(),
                                                  const QString& categoryId = QString()) const;

    static QList<ReportPeriod> periodPresets();
    static QList<ReportPeriod> periodPresets(const QDate& today);
    static QList<PeriodComparison> comparisonPresets();
    static QList<PeriodComparison> comparisonPresets(const QDate& today);

    // Every field quoted; quotes inside cells doubled, headers written as given; "\n" ends
    // each line.
    static QString toCsv(const QStringList& headers, const QList<QStringList>& rows);

private:
    // Runs a statement; false (and a log line) when it fails to prepare or run.
    bool run(QSqlQuery& query, const ReportStatement& statement) const;
    // The transactions the scope adds up between the dates; none when no account of the book
    // is in its currency, or when its account is in another.
    std::optional<ReportQueries::Range> rangeOf(const QDate& start, const QDate& end,
                                                const ReportScope& scope) const;
    QList<MonthlyFlow> monthlyFlows(const ReportStatement& statement) const;
    QMap<QString, qint64> categoryTotals(const QDate& start, const QDate& end,
                                         const ReportScope& scope) const;

    Database* m_database;
};
