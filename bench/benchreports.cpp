// Times every report over the whole history of a 200,000-transaction database beside the
// same statement in the sqlite3 shell. Usage: bench_reports [database-file]
// (generated into a temporary file when omitted)

#include "bench/benchtools.h"
#include "bench/largedatabase.h"

#include "data/database.h"
#include "services/reports/reportqueries.h"
#include "services/reports/reportservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

// The statement with its "?" replaced, in order, by its bindings as quoted text.
QString withLiterals(const ReportStatement& statement)
{
    QString text;
    qsizetype next = 0;
    for (const QChar c : statement.sql) {
        if (c == QLatin1Char('?') && next < statement.bindings.size()) {
            QString value = statement.bindings.at(next++).toString();
            value.replace(QLatin1Char('\''), QStringLiteral("''"));
            text += QLatin1Char('\'') + value + QLatin1Char('\'');
        } else {
            text += c;
        }
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
    const QString account = LargeDatabase::largestAccountId();
    // The book holds one currency: the reports read every account without naming them.
    const ReportScope book{Currency::USD, QString()};
    const ReportScope oneAccount{Currency::USD, account};
    const ReportQueries::Range range{start, today, {}};

    const QList<Report> list{
        {"categorySpending",
         [&] { return reports.categorySpending(start, today, book).size(); },
         {withLiterals(ReportQueries::categorySpending(range))}},
        {"categorySpending(account)",
         [&] { return reports.categorySpending(start, today, oneAccount).size(); },
         {withLiterals(ReportQueries::categorySpending({start, today, {account}}))}},
        {"payeeSummary",
         [&] { return reports.payeeSummary(start, today, book).size(); },
         {withLiterals(ReportQueries::payeeSummary(range))}},
        {"taxReport",
         [&] { return reports.taxReport(start, today, Currency::USD).size(); },
         {withLiterals(ReportQueries::taxReport(range))}},
        {"incomeVsExpenses",
         [&] { return reports.incomeVsExpenses(start, today, book).size(); },
         {withLiterals(ReportQueries::incomeVsExpenses(range))}},
        {"cashFlow",
         [&] { return reports.cashFlow(start, today, book).size(); },
         {withLiterals(ReportQueries::cashFlow(range))}},
        {"yearOverYear",
         [&] {
             return reports.yearOverYear(start, middle.addDays(-1), middle, today, book).size();
         },
         {withLiterals(ReportQueries::categoryTotals({start, middle.addDays(-1), {}})),
          withLiterals(ReportQueries::categoryTotals({middle, today, {}}))}},
        {"accountSummary",
         [&] { return reports.accountSummary().size(); },
         {withLiterals(ReportQueries::accountSummary())}},
        {"transactionReport",
         [&] { return reports.transactionReport(start, today).size(); },
         {withLiterals(ReportQueries::transactionReport(range, QString()))}},
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
