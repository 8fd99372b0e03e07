// Times the register's queries on a 200,000-transaction database beside the sqlite3 shell.
// Usage: bench_register [database-file]   (generated into a temporary file when omitted)

#include "bench/benchtools.h"
#include "bench/largedatabase.h"

#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurring/recurringservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString path = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (path.isEmpty())
        return 1;

    Database database;
    if (!database.open(path) || !database.runMigrations())
        return 1;
    TransactionRepository transactions(&database);
    RecurringRepository recurring(&database);
    RecurringService service(&recurring, nullptr);
    const QString account = LargeDatabase::largestAccountId();
    const int runs = 7;

    qsizetype rowCount = 0;
    const double registerMs = BenchTools::medianMilliseconds(
        runs, [&] { rowCount = transactions.registerRows(account).size(); });
    const double registerFloorMs = BenchTools::sqliteShellMilliseconds(
        path,
        TransactionRepository::registerRowsQuery().replace(QLatin1Char('?'),
                                                           QStringLiteral("'%1'").arg(account)),
        runs);

    // What a switch to the account reads now: the outline, and the page of rows in view.
    qsizetype outlineCount = 0;
    const double outlineMs = BenchTools::medianMilliseconds(
        runs, [&] { outlineCount = transactions.registerOutline(account).entries.size(); });
    const auto withAccount = [&account](QString sql) {
        return sql.replace(QLatin1Char('?'), QStringLiteral("'%1'").arg(account));
    };
    const double outlineFloorMs =
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::registerOrderQuery()), runs) +
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::registerAmountsQuery()), runs) +
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::unclearedTotalQuery()), runs);
    // A switch reads the end of the outline first; the rest once that end is on screen.
    const int endRows = 300;
    const double endMs = BenchTools::medianMilliseconds(
        runs, [&] { transactions.registerOutlineEnd(account, endRows); });
    const double endFloorMs =
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::registerTotalsQuery()), runs) +
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::registerEndQuery(endRows)), runs) +
        BenchTools::sqliteShellMilliseconds(
            path, withAccount(TransactionRepository::unclearedTotalQuery()), runs);
    const RegisterOutline outline = transactions.registerOutline(account);
    QList<qint64> lastPage;
    for (qsizetype i = std::max<qsizetype>(0, outline.entries.size() - 100);
         i < outline.entries.size(); ++i)
        lastPage.append(outline.entries.at(i).rowId);
    const double pageMs =
        BenchTools::medianMilliseconds(runs, [&] { transactions.registerRowsAt(lastPage); });

    qsizetype hits = 0;
    const double searchMs = BenchTools::medianMilliseconds(
        runs, [&] { hits = transactions.search(QStringLiteral("market")).size(); });
    qsizetype payeeCount = 0;
    const double payeesMs = BenchTools::medianMilliseconds(
        runs, [&] { payeeCount = transactions.distinctPayees().size(); });
    const double payeesFloorMs = BenchTools::sqliteShellMilliseconds(
        path, TransactionRepository::distinctPayeesQuery(), runs);
    int due = 0;
    const double dueMs = BenchTools::medianMilliseconds(runs, [&] { due = service.dueCount(); });

    std::printf("registerRows(%s): %lld rows, median %.1f ms; sqlite3 shell floor %.1f ms; "
                "ratio %.2f\n",
                qPrintable(account), static_cast<long long>(rowCount), registerMs, registerFloorMs,
                registerFloorMs > 0 ? registerMs / registerFloorMs : 0.0);
    std::printf("registerOutline(%s): %lld rows, median %.1f ms; sqlite3 shell floor of its three "
                "queries %.1f ms\n",
                qPrintable(account), static_cast<long long>(outlineCount), outlineMs,
                outlineFloorMs);
    std::printf("registerOutlineEnd(%s, %d rows): median %.2f ms; sqlite3 shell floor of its "
                "three queries %.1f ms\n",
                qPrintable(account), endRows, endMs, endFloorMs);
    std::printf("registerRowsAt(the last %lld rows): median %.2f ms\n",
                static_cast<long long>(lastPage.size()), pageMs);
    std::printf("search(\"market\"): %lld rows, median %.2f ms\n", static_cast<long long>(hits),
                searchMs);
    std::printf("distinctPayees: %lld payees, median %.2f ms; sqlite3 shell floor %.2f ms\n",
                static_cast<long long>(payeeCount), payeesMs, payeesFloorMs);
    std::printf("dueCount: %d due, median %.3f ms\n", due, dueMs);
    std::printf("peak memory: %.1f MiB\n", BenchTools::peakMemoryMiB());
    return 0;
}
