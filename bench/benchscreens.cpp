// Times the reports and search screens on a 200,000-transaction database, as a user meets them:
// from a change of the period to the report in view (table and chart) painted, for every tab
// and three periods; and search-as-you-type, from the last key to the results painted.
// Usage: bench_screens [database-file]   (generated into a temporary file when omitted)

#include "bench/benchtools.h"
#include "bench/largedatabase.h"

#include "app/appstate.h"
#include "ui/screens/reports/reportchartview.h"
#include "ui/screens/reports/reportsscreen.h"
#include "ui/screens/search/searchresultsmodel.h"
#include "ui/screens/search/searchscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int runs = 3;

// The period presets timed, by their place in the period list, and the one switched to between
// two timed changes so that each timed change is a real one.
struct Period
{
    const char* label;
    int index;
};
const Period timedPeriods[] = {{"This Month", 0}, {"Last 12 Months", 8}, {"All Time", 9}};
constexpr int lastMonth = 1;

// The median of `runs` samples, each a time in milliseconds that `sample` measures itself.
double medianOf(const std::function<double()>& sample)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i)
        samples.push_back(sample());
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Paints what a change left to be painted, as the event loop would before the user sees it.
void paintNow(QWidget* widget)
{
    widget->repaint();
    QApplication::processEvents();
}

double periodChangeMs(ReportsScreen& screen, ReportKind kind, int periodIndex)
{
    return medianOf([&] {
        screen.periodFilter()->setCurrentIndex(lastMonth);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        screen.periodFilter()->setCurrentIndex(periodIndex);
        paintNow(screen.table(kind)->viewport());
        paintNow(screen.chartView(kind)->viewport());
        return millisecondsSince(timer);
    });
}

void benchReports(AppState& state)
{
    ReportsScreen screen(&state);
    screen.resize(1024, 700);
    screen.refresh();
    screen.show();
    QApplication::processEvents();

    std::printf("Reports: a period change until the tab in view (table and chart) is painted, "
                "median of %d, ms\n",
                runs);
    std::printf("%-20s", "tab");
    for (const Period& period : timedPeriods)
        std::printf(" %15s", period.label);
    std::printf("\n");
    double allTabs[std::size(timedPeriods)] = {};
    for (int tab = 0; tab < reportKindCount; ++tab) {
        const auto kind = ReportKind(tab);
        screen.tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        std::printf("%-20s", qPrintable(screen.tabs()->tabText(tab)));
        for (size_t p = 0; p < std::size(timedPeriods); ++p) {
            const double ms = periodChangeMs(screen, kind, timedPeriods[p].index);
            allTabs[p] += ms;
            std::printf(" %15.1f", ms);
        }
        std::printf("   (%d rows)\n", screen.table(kind)->rowCount());
    }
    std::printf("%-20s", "all eight together");
    for (const double ms : allTabs)
        std::printf(" %15.1f", ms);
    std::printf("   (what one change cost when every tab was computed)\n\n");
}

void benchSearch(AppState& state)
{
    SearchScreen screen(&state);
    screen.resize(1024, 700);
    screen.refreshFilters();
    screen.show();
    QApplication::processEvents();
    QLineEdit* field = screen.searchField();

    std::printf("Search as you type: from the last key to the results painted (the %d ms "
                "typing pause included), and the search alone, median of %d, ms\n",
                SearchScreen::typingPauseMs, runs);
    std::printf("%-12s %10s %14s %14s\n", "typed", "results", "last key", "search alone");
    for (const char* typed : {"gre", "stellar", "pharm", "gift", "a"}) {
        const QString text = QString::fromLatin1(typed);
        const double total = medianOf([&] {
            field->clear();
            screen.performSearch();
            QEventLoop loop;
            const auto shown = QObject::connect(screen.results(), &QAbstractItemModel::modelReset,
                                                &loop, &QEventLoop::quit, Qt::QueuedConnection);
            QTest::keyClicks(field, text);
            QElapsedTimer sinceLastKey;
            sinceLastKey.start();
            loop.exec();
            paintNow(screen.resultsView()->viewport());
            QObject::disconnect(shown);
            return millisecondsSince(sinceLastKey);
        });
        const double alone = medianOf([&] {
            QElapsedTimer timer;
            timer.start();
            screen.performSearch();
            paintNow(screen.resultsView()->viewport());
            return millisecondsSince(timer);
        });
        const int found = screen.results()->rowCount();
        std::printf("%-12s %10d %14.1f %14.1f\n", typed, found, total, alone);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString source = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (source.isEmpty())
        return 1;

    // The application's own start-up on a copy of the database, with settings of its own.
    QTemporaryDir data;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       data.filePath(QStringLiteral("settings")));
    if (!QFile::copy(source, data.filePath(QStringLiteral("pennibar.db"))))
        return 1;
    qputenv("PENNIBAR_DATA_DIR", data.path().toUtf8());
    AppState state;
    if (!state.initialize())
        return 1;

    benchReports(state);
    benchSearch(state);
    return 0;
}
