// Times a QIF import of a generated multi-account file beside the floor of inserting the same
// transactions with one prepared INSERT in one transaction, through the same schema and
// triggers. Usage: bench_qifimport [records]   (100,000 when omitted)

#include "bench/benchtools.h"
#include "bench/importprogressprobe.h"
#include "bench/qifsamplefile.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/import/importservice.h"
#include "services/import/qif/qifparser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>

#include <cstdio>

namespace {

// A fresh migrated file with one account per QIF account, ids "a0".."a4".
std::unique_ptr<Database> openDatabase(const QString& path)
{
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->runMigrations())
        return nullptr;
    QSqlQuery insert(database->connection());
    insert.prepare(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                  "(?, ?, 'x', 'x')"));
    const QStringList names = QifSampleFile::accountNames();
    for (int i = 0; i < names.size(); ++i) {
        insert.addBindValue(QStringLiteral("a%1").arg(i));
        insert.addBindValue(names.at(i));
        if (!insert.exec())
            return nullptr;
    }
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
    const QString qifPath = BenchTools::scratchPath(QStringLiteral("sample.qif"));
    const int records = QifSampleFile::write(qifPath, requested);
    if (records < 0)
        return 1;
    std::printf("QIF file: %d records, %.1f MiB\n", records, QFile(qifPath).size() / 1048576.0);

    QHash<QString, QString> mapping;
    const QStringList names = QifSampleFile::accountNames();
    for (int i = 0; i < names.size(); ++i)
        mapping.insert(names.at(i), QStringLiteral("a%1").arg(i));

    // The import, end to end: reading, decoding, parsing, pairing, writing.
    std::unique_ptr<Database> database = openDatabase(BenchTools::scratchPath("import.db"));
    if (!database)
        return 1;
    double importMs = 0;
    double importPeak = 0;
    ImportResult result;
    int updates = 0;
    double longestProgressGap = 0;
    double longestTimerGap = 0;
    {
        AccountRepository accounts(database.get());
        TransactionRepository transactions(database.get());
        CategoryRepository categories(database.get());
        SplitLineRepository splitLines(database.get());
        ImportService service(&accounts, &transactions, &categories, &splitLines);
        const double before = BenchTools::peakMemoryMiB();
        BenchTools::resetPeakMemory();
        ImportProgressProbe probe(&service);
        QElapsedTimer timer;
        timer.start();
        result = service.importQif({qifPath}, mapping);
        importMs = double(timer.nsecsElapsed()) / 1e6;
        importPeak = BenchTools::peakMemoryMiB();
        updates = probe.progressUpdates();
        longestProgressGap = probe.longestProgressGapMs();
        longestTimerGap = probe.longestTimerGapMs();
        std::printf("resident before the import: %.1f MiB\n", before);
    }
    closeDatabase(database);

    // The floor: the same transactions, already parsed, through one prepared INSERT.
    const QifParseResult parsed = [&] {
        QFile file(qifPath);
        file.open(QIODevice::ReadOnly);
        return QifParser::parse(QString::fromUtf8(file.readAll()));
    }();
    database = openDatabase(BenchTools::scratchPath("floor.db"));
    if (!database)
        return 1;
    QSqlDatabase connection = database->connection();
    const QString now = toIsoTimestamp(nowUtc());
    QElapsedTimer timer;
    timer.start();
    connection.transaction();
    QSqlQuery insert(connection);
    insert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QifTransaction& t : parsed.transactions) {
        const QVariantList values{newId(),
                                  mapping.value(t.accountName),
                                  toIsoDate(t.date),
                                  t.payee,
                                  t.memo,
                                  t.amount,
                                  QVariant(QMetaType::fromType<QString>()),
                                  t.checkNumber,
                                  t.cleared ? 1 : 0,
                                  t.reconciled ? 1 : 0,
                                  QString(),
                                  QString(),
                                  t.splits.isEmpty() ? 0 : 1,
                                  QString(),
                                  1,
                                  QStringLiteral("pending"),
                                  QString(),
                                  now,
                                  now};
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values.at(i));
        insert.exec();
    }
    connection.commit();
    const double floorMs = double(timer.nsecsElapsed()) / 1e6;
    closeDatabase(database);

    std::printf("importQif: %d imported, %d duplicates, %d linked, %d failed in %.0f ms: %.0f "
                "records/s; peak resident %.1f MiB\n",
                result.imported, result.duplicates, result.transfersLinked, result.failedInserts,
                importMs, records / (importMs / 1000.0), importPeak);
    std::printf("floor (one prepared INSERT, one transaction): %lld rows in %.0f ms: %.0f rows/s\n",
                static_cast<long long>(parsed.transactions.size()), floorMs,
                parsed.transactions.size() / (floorMs / 1000.0));
    std::printf("import / floor: %.2f\n", importMs / floorMs);
    std::printf("window: %d progress updates, longest gap between them %.0f ms; a 10 ms timer "
                "fired at worst %.0f ms apart\n",
                updates, longestProgressGap, longestTimerGap);
    return 0;
}
