// Times switching the main window to an account until its register is painted: the largest
// account, one of about 5,000 rows and an empty one, each the median of several switches
// (each switch comes from another account). Reports the process's peak memory with the largest
// account open.
// Usage: bench_accountswitch [database-file] [runs]

#include "bench/benchtools.h"
#include "bench/largedatabase.h"
#include "bench/paintprobe.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/shell/mainwindow.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The live account whose row count is nearest to `rows`, with that count.
QPair<QString, int> accountNear(int rows)
{
    QSqlQuery query(QStringLiteral("SELECT account_id, COUNT(*) AS n FROM transactions WHERE "
                                   "deleted_at IS NULL GROUP BY account_id ORDER BY ABS(n - %1) "
                                   "LIMIT 1")
                        .arg(rows));
    return query.next() ? qMakePair(query.value(0).toString(), query.value(1).toInt())
                        : qMakePair(QString(), 0);
}

QString addEmptyAccount(AppState& state)
{
    Account account;
    account.id = newId();
    account.name = QStringLiteral("Empty Account");
    account.createdAt = account.updatedAt = nowUtc();
    return state.accountRepository()->insert(account) ? account.id : QString();
}

} // namespace

int main(int argc, char** argv)
{
    const QString configHome = BenchTools::scratchPath(QStringLiteral("config"));
    const QString dataDirectory = BenchTools::scratchPath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
    qputenv("PENNIBAR_DATA_DIR", dataDirectory.toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tovarly"));
    QCoreApplication::setApplicationName(QStringLiteral("Pennibar"));
    const QString path = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (path.isEmpty())
        return 1;
    const int runs = std::max(1, application.arguments().value(2, QStringLiteral("7")).toInt());
    QDir().mkpath(dataDirectory);
    if (!QFile::copy(path, dataDirectory + QStringLiteral("/pennibar.db")))
        return 1;

    AppState state;
    if (!state.initialize())
        return 1;
    const QString empty = addEmptyAccount(state);
    const QString largest = LargeDatabase::largestAccountId();
    const QPair<QString, int> medium = accountNear(5000);
    state.setCurrentAccountId(empty);

    PaintProbe probe(PaintProbe::Target::Register);
    application.installEventFilter(&probe);
    MainWindow window(&state);
    window.show();
    if (!probe.waitForPaint())
        return 1;

    // Some other account to come from, so that every timed switch changes the account.
    const QString elsewhere = QStringLiteral("acct-loan");
    const auto switchTo = [&](const QString& accountId) {
        probe.rearm();
        window.selectAccount(accountId);
        return probe.waitForPaint();
    };
    const auto median = [&](const QString& accountId) {
        std::vector<double> samples;
        for (int i = 0; i < runs; ++i) {
            switchTo(elsewhere); // leaving is not timed
            QElapsedTimer timer;
            timer.start();
            if (!switchTo(accountId))
                return -1.0;
            samples.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(samples.begin(), samples.end());
        return samples[samples.size() / 2];
    };

    BenchTools::resetPeakMemory();
    const double largestMs = median(largest);
    const int largestRows = window.registerScreen()->model()->rowCount();
    const double peak = BenchTools::peakMemoryMiB();
    const double mediumMs = median(medium.first);
    const double emptyMs = median(empty);

    // Sorting the largest register by each column, each from the date order it opens in.
    switchTo(largest);
    RegisterTableView* view = window.registerScreen()->view();
    const auto sortedMs = [&](int column, Qt::SortOrder order) {
        std::vector<double> samples;
        for (int i = 0; i < std::min(runs, 3); ++i) {
            switchTo(elsewhere);
            switchTo(largest);
            QElapsedTimer timer;
            timer.start();
            probe.rearm();
            view->sortByColumn(column, order);
            if (!probe.waitForPaint())
                return -1.0;
            samples.push_back(double(timer.nsecsElapsed()) / 1e6);
            view->sortByColumn(RegisterModel::DateColumn, Qt::AscendingOrder);
        }
        std::sort(samples.begin(), samples.end());
        return samples[samples.size() / 2];
    };
    QStringList sorts;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const QString name =
            window.registerScreen()->model()->headerData(column, Qt::Horizontal).toString();
        sorts << QStringLiteral("%1 %2 ms")
                     .arg(name)
                     .arg(sortedMs(column, Qt::DescendingOrder), 0, 'f', 1);
    }

    std::printf("account switch to the painted register, median of %d switches:\n", runs);
    std::printf("  largest (%s, %d view rows): %.1f ms\n", qPrintable(largest), largestRows,
                largestMs);
    std::printf("  medium (%s, %d transactions): %.1f ms\n", qPrintable(medium.first),
                medium.second, mediumMs);
    std::printf("  empty: %.1f ms\n", emptyMs);
    std::printf("peak memory with the largest account open: %.1f MiB\n", peak);
    std::printf("sorting the largest register, descending, to the painted register: %s\n",
                qPrintable(sorts.join(QStringLiteral(", "))));
    return 0;
}
