// Times every report over the whole history of a 200,000-transaction database beside the
// same statement in the sqlite3 shell. Usage: bench_reports [database-file]
// (generated into a temporary file when omitted)

#include "bench/benchtools.h"
#include "bench/largedatabase.h"

#include "app/core/isodates.h"
#include "data/database.h"
#include "services/reports/reportqueries.h"
#include "services/reports/reportservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

// The statement with its "?" replaced, in order, by the quoted values.
QString withLiterals(const QString& sql, const QStringList& values)
{
    QString text;
    qsizetype next = 0;
    for (const QChar c : sql) {
        if (c == QLatin1Char('?') && next < values.size())
            text += QLatin1Char('\'') + values.at(next++) + QLatin1Char('\'');
        else
            text += c;
    }
    return text;
}

struct Report
{
    const char* name;
    std::function<qsizetype()> run;
    QStringList statements; // what the shell runs for the same answer
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString path = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (path.isEmpty())
        return 1;

    Database database;
    if (!database.open(path) || !database.runMigrations())
        return 1;
    const ReportService reports(&database);
    const QDate today = QDate::currentDate();
    const QDate start(2000, 1, 1);
    const QDate middle = today.addYears(-10);
    const QStringList range{toIsoDate(start), toIsoDate(today)};
    const QString account = LargeDatabase::largestAccountId();

    const QList<Report> list{
        {"categorySpending",
         [&] { return reports.categorySpending(start, today).size(); },
         {withLiterals(ReportQueries::categorySpending(false), range)}},
        {"categorySpending(account)",
         [&] { return reports.categorySpending(start, today, account).size(); },
         {withLiterals(ReportQueries::categorySpending(true), range + QStringList{account})}},
        {"payeeSummary",
         [&] { return reports.payeeSummary(start, today).size(); },
         {withLiterals(ReportQueries::payeeSummary(false), range)}},
        {"taxReport",
         [&] { return reports.taxReport(start, today).size(); },
         {withLiterals(ReportQueries::taxReport(), range)}},
        {"incomeVsExpenses",
         [&] { return reports.incomeVsExpenses(start, today).size(); },
         {withLiterals(ReportQueries::incomeVsExpenses(false), range)}},
        {"cashFlow",
         [&] { return reports.cashFlow(start, today).size(); },
         {withLiterals(ReportQueries::cashFlow(false), range)}},
        {"yearOverYear",
         [&] { return reports.yearOverYear(start, middle.addDays(-1), middle, today).size(); },
         {withLiterals(ReportQueries::categoryTotals(false),
                       {toIsoDate(start), toIsoDate(middle.addDays(-1))}),
          withLiterals(ReportQueries::categoryTotals(false),
                       {toIsoDate(middle), toIsoDate(today)})}},
        {"accountSummary",
         [&] { return reports.accountSummary().size(); },
         {ReportQueries::accountSummary()}},
        {"transactionReport",
         [&] { return reports.transactionReport(start, today).size(); },
         {withLiterals(ReportQueries::transactionReport(false, false), range)}},
    };

    const int runs = 5;
    std::printf("%-27s %8s %12s %14s %7s\n", "report", "rows", "median ms", "sqlite3 ms", "ratio");
    for (const Report& report : list) {
        qsizetype rows = 0;
        const double ms = BenchTools::medianMilliseconds(runs, [&] { rows = report.run(); });
        double shell = 0;
        for (const QString& statement : report.statements)
            shell += BenchTools::sqliteShellMilliseconds(path, statement, runs);
        std::printf("%-27s %8lld %12.1f %14.1f %7.2f\n", report.name, static_cast<long long>(rows),
                    ms, shell, shell > 0 ? ms / shell : 0.0);
    }
    return 0;
}
