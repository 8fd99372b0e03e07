// Times whole-process start-up, from launching the executable to the first paint of the window,
// with the large database (its largest account last viewed, so the register shows it) and with
// an empty one. Each figure is the median of several launches; the first launch of each
// database is a warm-up that also brings its schema up to date and is not counted.
// Usage: bench_startup [database-file] [runs]

#include "bench/benchtools.h"
#include "bench/largedatabase.h"
#include "bench/paintprobe.h"

#include "app/application.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char childFlag[] = "--child";

qint64 monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The launched side: the real application, with a probe that reports the time from the
// launch to the first paint and then ends the run.
int runChild(char** argv)
{
    const qint64 launchedAt = QByteArray(argv[2]).toLongLong();
    const bool register_ = std::strcmp(argv[3], "register") == 0;
    // The application reads the files to open from its arguments: it gets none of the probe's.
    int applicationArgc = 1;
    Application application(applicationArgc, argv);
    // A first start would show the release notes; a returning user sees the window at once.
    QSettings().setValue(QStringLiteral("whatsNew/lastShownVersion"),
                         QCoreApplication::applicationVersion());
    PaintProbe probe(register_ ? PaintProbe::Target::Register : PaintProbe::Target::AnyWidget);
    application.installEventFilter(&probe);
    QObject::connect(&probe, &PaintProbe::firstPaint, &application, [&] {
        // Queued, so that the paint under way has finished when the time is taken.
        QTimer::singleShot(0, &application, [&] {
            std::printf("first-paint %.3f\n", (monotonicNanoseconds() - launchedAt) / 1e6);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
    return application.run();
}

struct Launcher
{
    QString executable;
    QString configHome;

    // Milliseconds from launch to first paint; negative when the run failed.
    double launch(const QString& dataDirectory, const char* target) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("PENNIBAR_DATA_DIR"), dataDirectory);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        environment.remove(QStringLiteral("PENNIBAR_VERBOSE"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 now = monotonicNanoseconds();
        process.start(executable, {QString::fromLatin1(childFlag), QString::number(now),
                                   QString::fromLatin1(target)});
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        const QByteArray output = process.readAllStandardOutput();
        const qsizetype at = output.indexOf("first-paint ");
        if (at < 0)
            return -1;
        return output.mid(at + 12).trimmed().toDouble();
    }

    double median(const QString& dataDirectory, const char* target, int runs) const
    {
        launch(dataDirectory, target); // warm-up
        std::vector<double> samples;
        for (int i = 0; i < runs; ++i) {
            const double ms = launch(dataDirectory, target);
            if (ms >= 0)
                samples.push_back(ms);
        }
        if (samples.empty())
            return -1;
        std::sort(samples.begin(), samples.end());
        const std::size_t middle = samples.size() / 2;
        return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    }
};

// A data directory holding a copy of the large database with its largest account last viewed.
bool prepareLargeDirectory(const QString& source, const QString& directory)
{
    const QString target = directory + QStringLiteral("/pennibar.db");
    if (!QDir().mkpath(directory) || !QFile::copy(source, target))
        return false;
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-prepare"));
        db.setDatabaseName(target);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES "
                                         "('lastViewedAccountId', ?)"));
            query.addBindValue(LargeDatabase::largestAccountId());
            ok = query.exec();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-prepare"));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], childFlag) == 0)
        return runChild(argv);

    QCoreApplication application(argc, argv);
    const QString path = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (path.isEmpty())
        return 1;
    const int runs = std::max(1, application.arguments().value(2, QStringLiteral("9")).toInt());

    const QString large = BenchTools::scratchPath(QStringLiteral("large"));
    const QString empty = BenchTools::scratchPath(QStringLiteral("empty"));
    if (!prepareLargeDirectory(path, large) || !QDir().mkpath(empty)) {
        std::fprintf(stderr, "could not prepare the data directories\n");
        return 1;
    }

    const Launcher launcher{QCoreApplication::applicationFilePath(),
                            BenchTools::scratchPath(QStringLiteral("config"))};
    const double largeMs = launcher.median(large, "register", runs);
    const double emptyMs = launcher.median(empty, "any", runs);
    std::printf("start-up to first paint, median of %d launches:\n", runs);
    std::printf("  large database (register of %s): %.1f ms\n",
                qPrintable(LargeDatabase::largestAccountId()), largeMs);
    std::printf("  empty database: %.1f ms\n", emptyMs);
    std::printf("  ratio: %.2f\n", emptyMs > 0 ? largeMs / emptyMs : 0.0);
    return largeMs < 0 || emptyMs < 0 ? 1 : 0;
}
