#pragma once

#include "services/reports/reporttypes.h"

#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

class Database;

// The read-only report questions, answered in SQL over the local database. Date ranges are
// inclusive and compared as "yyyy-MM-dd" text; an empty account id means every account.
// Soft-deleted transactions and accounts never count. A query that fails gives an empty list.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database* database, QObject* parent = nullptr);

    // Outflows by category, largest spending first; totals stay negative.
    QList<CategoryTotal> categorySpending(const QDate& start, const QDate& end,
                                          const QString& accountId = QString()) const;
    QList<PayeeTotal> payeeSummary(const QDate& start, const QDate& end,
                                   const QString& accountId = QString()) const;
    QList<TaxLine> taxReport(const QDate& start, const QDate& end) const;
    // Transfers left out: moving money between one's own accounts is neither.
    QList<MonthlyFlow> incomeVsExpenses(const QDate& start, const QDate& end,
                                        const QString& accountId = QString()) const;
    // Transfers included: they move money in and out of each account.
    QList<MonthlyFlow> cashFlow(const QDate& start, const QDate& end,
                                const QString& accountId = QString()) const;
    QList<YearOverYearRow> yearOverYear(const QDate& period1Start, const QDate& period1End,
                                        const QDate& period2Start, const QDate& period2End,
                                        const QString& accountId = QString()) const;
    QList<AccountSummaryRow> accountSummary() const;
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
    // Runs a prepared statement; false (and a log line) when it fails to prepare or run.
    bool run(QSqlQuery& query, const QString& sql, const QVariantList& bindings) const;
    QList<MonthlyFlow> monthlyFlows(const QString& sql, const QDate& start, const QDate& end,
                                    const QString& accountId) const;
    QMap<QString, qint64> categoryTotals(const QDate& start, const QDate& end,
                                         const QString& accountId) const;

    Database* m_database;
};
