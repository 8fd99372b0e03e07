// Times a CSV import of a generated bank export (lines above the table, semicolons, dotted
// dates, decimal commas with a currency code) through the import service: rows per second, peak
// memory, and what the window sees meanwhile. Also times reading every row as the import
// screen's preview does to count what will import.
// Usage: bench_csvimport [rows]   (100,000 when omitted)

#include "bench/benchtools.h"
#include "bench/csvsamplefile.h"
#include "bench/importprogressprobe.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/import/csv/csvdetector.h"
#include "services/import/csv/csvreader.h"
#include "services/import/csv/csvrowreader.h"
#include "services/import/importservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>

#include <cstdio>

namespace {

// A fresh migrated file with one euro account, "giro".
std::unique_ptr<Database> openDatabase(const QString& path)
{
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->runMigrations())
        return nullptr;
    QSqlQuery insert(database->connection());
    if (!insert.exec(QStringLiteral("INSERT INTO accounts (id, name, currency, created_at, "
                                    "updated_at) VALUES ('giro', 'Girokonto', 'EUR', 'x', 'x')")))
        return nullptr;
    return database;
}

void closeDatabase(std::unique_ptr<Database>& database)
{
    database.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int requested = application.arguments().value(1, QStringLiteral("100000")).toInt();
    const QString csvPath = BenchTools::scratchPath(QStringLiteral("export.csv"));
    const int rows = CsvSampleFile::write(csvPath, requested);
    if (rows < 0)
        return 1;
    std::printf("CSV file: %d rows, %.1f MiB\n", rows, QFile(csvPath).size() / 1048576.0);

    // The options the import screen offers for the file, with the user's column choices, and
    // the preview's reading of every row; freed before the import is measured.
    CsvImportOptions options;
    double parseMs = 0;
    double readMs = 0;
    int readable = 0;
    {
        QFile input(csvPath);
        if (!input.open(QIODevice::ReadOnly))
            return 1;
        const QString text = ImportService::decodeImportText(input.readAll());
        options = CsvDetector::suggestedOptions(text);
        options.memoColumn = 2;
        options.amountColumn = 3;
        QElapsedTimer timer;
        timer.start();
        const QList<QStringList> parsed = CsvReader::parse(text, options.delimiter);
        parseMs = double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        const CsvRowReader reader(options, parsed, Currency::EUR);
        for (qsizetype i = options.firstDataRow(); i < parsed.size(); ++i)
            readable += reader.read(parsed.at(i)).isImportable() ? 1 : 0;
        readMs = double(timer.nsecsElapsed()) / 1e6;
    }

    std::unique_ptr<Database> database = openDatabase(BenchTools::scratchPath("import.db"));
    if (!database)
        return 1;

    ImportResult result;
    double importMs = 0;
    double peak = 0;
    double before = 0;
    int updates = 0;
    double longestProgressGap = 0;
    double longestTimerGap = 0;
    {
        AccountRepository accounts(database.get());
        TransactionRepository transactions(database.get());
        CategoryRepository categories(database.get());
        SplitLineRepository splitLines(database.get());
        ImportService service(&accounts, &transactions, &categories, &splitLines);
        ImportProgressProbe probe(&service);
        before = BenchTools::peakMemoryMiB();
        BenchTools::resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        result = service.importCsv(csvPath, QStringLiteral("giro"), options);
        importMs = double(timer.nsecsElapsed()) / 1e6;
        peak = BenchTools::peakMemoryMiB();
        updates = probe.progressUpdates();
        longestProgressGap = probe.longestProgressGapMs();
        longestTimerGap = probe.longestTimerGapMs();
    }
    closeDatabase(database);

    std::printf("preview: parsing %.0f ms, reading every row %.0f ms (%d readable)\n", parseMs,
                readMs, readable);
    std::printf("resident before the import: %.1f MiB\n", before);
    std::printf("importCsv: %d imported, %d duplicates, %d unparseable, %d failed in %.0f ms: "
                "%.0f rows/s; peak resident %.1f MiB\n",
                result.imported, result.duplicates, result.unparseable, result.failedInserts,
                importMs, rows / (importMs / 1000.0), peak);
    std::printf("window: %d progress updates, longest gap between them %.0f ms; a 10 ms timer "
                "fired at worst %.0f ms apart\n",
                updates, longestProgressGap, longestTimerGap);
    return 0;
}
