// Times a backup of a 200,000-transaction database and its restore into an empty database:
// wall time, peak resident memory of each phase, archive size.
// Usage: bench_backup [database-file]   (generated into a temporary file when omitted)

#include "bench/benchtools.h"
#include "bench/largedatabase.h"

#include "data/database.h"
#include "services/backup/backupservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void closeDatabase(std::unique_ptr<Database>& database)
{
    database.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

void printRestore(const char* label, const BackupImportResult& result, double ms, double peak)
{
    std::printf("%s: %d imported, %d skipped, %lld errors in %.0f ms (%.0f rows/s); peak "
                "resident %.1f MiB\n",
                label, result.totalImported(), result.totalSkipped(),
                static_cast<long long>(result.errors.size()), ms,
                (result.totalImported() + result.totalSkipped()) / (ms / 1000.0), peak);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString path = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (path.isEmpty())
        return 1;

    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->runMigrations())
        return 1;
    QByteArray archive;
    {
        BackupService backup(database.get());
        BenchTools::resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        archive = backup.exportBackup();
        const double ms = elapsedMs(timer);
        std::printf("exportBackup: %.1f MiB archive in %.0f ms; peak resident %.1f MiB\n",
                    archive.size() / 1048576.0, ms, BenchTools::peakMemoryMiB());
    }
    closeDatabase(database);

    database = std::make_unique<Database>();
    if (!database->open(BenchTools::scratchPath(QStringLiteral("restored.db"))) ||
        !database->runMigrations())
        return 1;
    BackupService restore(database.get());
    for (const char* label :
         {"importBackup into an empty database", "importBackup again (all skipped)"}) {
        BenchTools::resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        const BackupImportResult result =
            restore.importBackup(archive, BackupImportMode::SkipExisting);
        printRestore(label, result, elapsedMs(timer), BenchTools::peakMemoryMiB());
    }
    return 0;
}
