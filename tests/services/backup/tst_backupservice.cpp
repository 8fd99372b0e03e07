#include "services/backup/backupservice.h"
#include "services/backup/zipreader.h"
#include "services/backup/zipwriter.h"
#include "tests/common/tabledump.h"
#include "tests/common/testdatabase.h"
#include "tests/common/unziptool.h"
#include "tests/common/ziptamper.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

Q_DECLARE_METATYPE(BackupImportMode)

namespace {

// Every table with a live and where possible a soft-deleted row, synced rows with server ids,
// NULLs, and text that JSON must escape.
void fillEveryTable(const TestDatabase& db)
{
    db.exec("INSERT INTO accounts (id, name, account_type, currency, institution, "
            "account_number_last4, starting_balance, sort_order, is_shared, version, sync_status, "
            "server_id, created_at, updated_at, deleted_at) VALUES "
            "('acc-1', 'Chequing \"Main\"', 'checking', 'EUR', 'Bank' || char(10) || 'Nord', "
            "'1234', 150000, 0, "
            "1, 7, 'synced', 'srv-1', '2024-01-01T08:00:00Z', '2024-02-01T08:00:00Z', NULL), "
            "('acc-2', 'Old Savings', 'savings', 'USD', NULL, NULL, 0, 1, 0, 3, 'synced', "
            "'srv-2', '2023-01-01T08:00:00Z', '2024-03-01T08:00:00Z', '2024-03-01T08:00:00Z')");
    db.exec("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, "
            "tax_category, icon, color, is_default, account_id, version, sync_status, server_id, "
            "created_at, updated_at, deleted_at) VALUES "
            "('cat-parent', 'Food', 'expense', NULL, 0, NULL, 'food', '#ff0000', 1, NULL, 1, "
            "'pending', NULL, '2024-01-01T08:00:00Z', '2024-01-01T08:00:00Z', NULL), "
            "('cat-child', 'Café ☕', 'expense', 'cat-parent', 1, 'meals', NULL, NULL, 0, "
            "'acc-1', 2, 'conflict', 'srv-9', '2024-01-02T08:00:00Z', '2024-01-03T08:00:00Z', "
            "'2024-04-01T08:00:00Z')");
    db.exec("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
            "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
            "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at, "
            "deleted_at) VALUES "
            "('tx-1', 'acc-1', '2024-02-03', 'Market', 'tab' || char(9) || 'here', -12345, NULL, "
            "'101', 1, 0, "
            "NULL, NULL, 1, NULL, 4, 'synced', 'srv-t1', '2024-02-03T10:00:00Z', "
            "'2024-02-03T10:00:00Z', NULL), "
            "('tx-2', 'acc-2', '2024-02-04', 'Transfer', NULL, 5000, 'cat-child', NULL, 0, 1, "
            "'tx-1', 'acc-1', 0, 'rec-1', 1, 'pending', NULL, '2024-02-04T10:00:00Z', "
            "'2024-02-05T10:00:00Z', '2024-03-01T08:00:00Z')");
    db.exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
            "updated_at) VALUES "
            "('sl-1', 'tx-1', 'cat-parent', -10000, 'groceries', '2024-02-03T10:00:00Z', "
            "'2024-02-03T10:00:00Z'), "
            "('sl-2', 'tx-1', 'cat-child', -2345, NULL, '2024-02-03T10:00:00Z', "
            "'2024-02-03T10:00:00Z')");
    db.exec("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
            "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
            "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, "
            "deleted_at, lead_days) VALUES "
            "('rec-1', 'acc-1', 'Rent', NULL, -90000, 'cat-parent', 'monthly', '2024-01-01', NULL, "
            "'2024-03-01', 1, 1, NULL, 5, 'synced', 'srv-r1', '2024-01-01T08:00:00Z', "
            "'2024-02-01T08:00:00Z', NULL, 3)");
    db.exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at, version, sync_status, server_id, created_at, "
            "updated_at, deleted_at) VALUES "
            "('rc-1', 'acc-1', '2024-01-31', 140000, 140000, '2024-02-01T09:00:00Z', 2, "
            "'synced', 'srv-c1', '2024-02-01T09:00:00Z', '2024-02-01T09:00:00Z', NULL)");
}

QByteArray archiveOf(const QList<QPair<QString, QByteArray>>& entries)
{
    ZipWriter writer;
    for (const auto& [name, content] : entries)
        writer.addFile(name, content);
    return writer.finish();
}

QByteArray manifest(int version = 1)
{
    return QStringLiteral("{\"version\": %1}").arg(version).toUtf8();
}

QByteArray accountDocument(const QString& id, const QString& extra = QString())
{
    return QStringLiteral("{\"id\": \"%1\", \"name\": \"Restored\", \"created_at\": "
                          "\"2024-01-01T00:00:00Z\", \"updated_at\": \"2024-01-01T00:00:00Z\"%2}")
        .arg(id, extra)
        .toUtf8();
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIntoEmptyDatabase();
    void archiveLayout();
    void emptyDatabaseGivesManifestOnly();
    void exportPassesOverRefusedRows();
    void existingRows_data();
    void existingRows();
    void refusedArchives_data();
    void refusedArchives();
    void badEntriesAmongGoodOnes_data();
    void badEntriesAmongGoodOnes();
    void damagedEntryAmongGoodOnes_data();
    void damagedEntryAmongGoodOnes();
    void restoreCommitsEveryRowOnce();
};

void TestBackupService::roundTripIntoEmptyDatabase()
{
    // Both fixtures use the one default connection, so the source goes before the target.
    QByteArray archive;
    QHash<QString, QStringList> expected;
    {
        TestDatabase source;
        QVERIFY(source.isReady());
        fillEveryTable(source);
        archive = BackupService(source.database()).exportBackup();

        // What the restore must produce: the same rows, each synchronised one a new pending
        // revision without server id. Split lines have no bookkeeping and come back unchanged.
        for (const QString& table : TableDump::ledgerTables()) {
            for (QString row : TableDump::rows(source, table)) {
                row.replace(QRegularExpression("version=qlonglong:\\d+"), "version=qlonglong:1");
                row.replace(QRegularExpression("sync_status=QString:\\w+"),
                            "sync_status=QString:pending");
                row.replace(QRegularExpression("server_id=(QString:[\\w-]+|NULL)"),
                            "server_id=NULL");
                expected[table] << row;
            }
        }
    }
    if (UnzipTool::isAvailable()) {
        QString output;
        QVERIFY2(UnzipTool::accepts(archive, &output), qPrintable(output));
    }

    TestDatabase target;
    QVERIFY(target.isReady());
    BackupService restore(target.database());
    const BackupImportResult first = restore.importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(first.errors, QStringList());
    QCOMPARE(first.accountsImported, 2);
    QCOMPARE(first.categoriesImported, 2);
    QCOMPARE(first.transactionsImported, 2);
    QCOMPARE(first.splitLinesImported, 2);
    QCOMPARE(first.recurringImported, 1);
    QCOMPARE(first.reconciliationsImported, 1);
    QCOMPARE(first.totalSkipped(), 0);
    for (const QString& table : TableDump::ledgerTables())
        QCOMPARE(TableDump::rows(target, table), expected.value(table));

    // The same archive again changes nothing and skips everything.
    const BackupImportResult second = restore.importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(second.totalImported(), 0);
    QCOMPARE(second.totalSkipped(), 10);
    QCOMPARE(second.accountsSkipped, 2);
    QCOMPARE(second.splitLinesSkipped, 2);
    for (const QString& table : TableDump::ledgerTables())
        QCOMPARE(TableDump::rows(target, table), expected.value(table));
}

void TestBackupService::archiveLayout()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    fillEveryTable(db);
    ZipReader reader(BackupService(db.database()).exportBackup());
    QVERIFY(reader.isValid());

    QStringList names;
    for (const ZipReader::Entry& entry : reader.entries())
        names << entry.name;
    QCOMPARE(names, (QStringList{
                        "accounts/acc-1.json", "accounts/acc-2.json", "categories/cat-parent.json",
                        "categories/cat-child.json", "transactions/tx-1.json",
                        "transactions/tx-2.json", "split_lines/sl-1.json", "split_lines/sl-2.json",
                        "recurring/rec-1.json", "reconciliations/rc-1.json", "manifest.json"}));

    QByteArray content;
    QCOMPARE(reader.read(reader.indexOf("manifest.json"), 1 << 20, content),
             ZipReader::ReadStatus::Ok);
    const QJsonObject manifestObject = QJsonDocument::fromJson(content).object();
    QCOMPARE(manifestObject.value("version").toInt(), 1);
    QVERIFY(QDateTime::fromString(manifestObject.value("exportedAt").toString(), Qt::ISODate)
                .isValid());
    QVERIFY(manifestObject.value("exportedAt").toString().endsWith('Z'));
    const QStringList countKeys{"accountCount",   "categoryCount",  "transactionCount",
                                "splitLineCount", "recurringCount", "reconciliationCount"};
    const QList<int> counts{2, 2, 2, 2, 1, 1};
    for (int i = 0; i < countKeys.size(); ++i)
        QCOMPARE(manifestObject.value(countKeys.at(i)).toInt(-1), counts.at(i));

    // A row document lists the columns in table order with their JSON types.
    QCOMPARE(reader.read(reader.indexOf("accounts/acc-2.json"), 1 << 20, content),
             ZipReader::ReadStatus::Ok);
    QCOMPARE(content, QByteArray("{\n"
                                 "    \"id\": \"acc-2\",\n"
                                 "    \"name\": \"Old Savings\",\n"
                                 "    \"account_type\": \"savings\",\n"
                                 "    \"currency\": \"USD\",\n"
                                 "    \"institution\": null,\n"
                                 "    \"account_number_last4\": null,\n"
                                 "    \"starting_balance\": 0,\n"
                                 "    \"sort_order\": 1,\n"
                                 "    \"is_shared\": 0,\n"
                                 "    \"version\": 3,\n"
                                 "    \"sync_status\": \"synced\",\n"
                                 "    \"server_id\": \"srv-2\",\n"
                                 "    \"created_at\": \"2023-01-01T08:00:00Z\",\n"
                                 "    \"updated_at\": \"2024-03-01T08:00:00Z\",\n"
                                 "    \"deleted_at\": \"2024-03-01T08:00:00Z\"\n"
                                 "}\n"));
    QCOMPARE(reader.read(reader.indexOf("accounts/acc-1.json"), 1 << 20, content),
             ZipReader::ReadStatus::Ok);
    const QJsonObject escaped = QJsonDocument::fromJson(content).object();
    QCOMPARE(escaped.value("name").toString(), QString("Chequing \"Main\""));
    QCOMPARE(escaped.value("institution").toString(), QString("Bank\nNord"));

    // The export reads inside a transaction of its own and leaves none open.
    QVERIFY(db.database()->connection().transaction());
    QVERIFY(db.database()->connection().rollback());
}

void TestBackupService::emptyDatabaseGivesManifestOnly()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    ZipReader reader(BackupService(db.database()).exportBackup());
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), 1);
    QCOMPARE(reader.entries().first().name, QString("manifest.json"));
    QByteArray content;
    QCOMPARE(reader.read(0, 1 << 20, content), ZipReader::ReadStatus::Ok);
    const QJsonObject object = QJsonDocument::fromJson(content).object();
    QCOMPARE(object.value("transactionCount").toInt(-1), 0);
    QCOMPARE(object.value("accountCount").toInt(-1), 0);
}

void TestBackupService::exportPassesOverRefusedRows()
{
    // The id column admits NULL: a NULL id and an empty one both name "accounts/.json", which
    // the archive takes once. The documents are made while the archive is written, and every
    // entry must still get its own row's document.
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
            "(NULL, 'No id', 'c', 'u'), ('', 'Empty id', 'c', 'u'), ('acc-9', 'After', 'c', 'u')");
    QTest::ignoreMessage(QtWarningMsg, "BackupService could not add accounts/.json");
    ZipReader reader(BackupService(db.database()).exportBackup());
    QVERIFY(reader.isValid());

    const QStringList names{"accounts/.json", "accounts/acc-9.json", "manifest.json"};
    const QStringList accountNames{"No id", "After"};
    QCOMPARE(reader.entries().size(), names.size());
    QByteArray content;
    for (int i = 0; i < accountNames.size(); ++i) {
        QCOMPARE(reader.entries().at(i).name, names.at(i));
        QCOMPARE(reader.read(i, 1 << 20, content), ZipReader::ReadStatus::Ok);
        QCOMPARE(QJsonDocument::fromJson(content).object().value("name").toString(),
                 accountNames.at(i));
    }
    QCOMPARE(reader.read(reader.indexOf("manifest.json"), 1 << 20, content),
             ZipReader::ReadStatus::Ok);
    QCOMPARE(QJsonDocument::fromJson(content).object().value("accountCount").toInt(), 2);
}

void TestBackupService::existingRows_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<QString>("backupUpdatedAt");
    QTest::addColumn<bool>("overwritten");

    const QString stored = "2024-05-01T12:00:00Z";
    QTest::newRow("skip existing, backup newer")
        << BackupImportMode::SkipExisting << "2024-06-01T12:00:00Z" << false;
    QTest::newRow("replace all, backup older")
        << BackupImportMode::ReplaceAll << "2024-04-01T12:00:00Z" << true;
    QTest::newRow("keep newer, backup older")
        << BackupImportMode::KeepNewer << "2024-04-01T12:00:00Z" << false;
    QTest::newRow("keep newer, same time") << BackupImportMode::KeepNewer << stored << false;
    QTest::newRow("keep newer, backup newer")
        << BackupImportMode::KeepNewer << "2024-05-01T12:00:01Z" << true;
    QTest::newRow("keep newer, backup without time") << BackupImportMode::KeepNewer << "" << true;
}

void TestBackupService::existingRows()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(QString, backupUpdatedAt);
    QFETCH(bool, overwritten);

    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec("INSERT INTO accounts (id, name, version, sync_status, server_id, created_at, "
            "updated_at) VALUES ('acc', 'Stored', 4, 'synced', 'srv', '2024-01-01T00:00:00Z', "
            "'2024-05-01T12:00:00Z')");
    const QByteArray archive =
        archiveOf({{"accounts/acc.json",
                    QStringLiteral("{\"id\": \"acc\", \"name\": \"From backup\", \"created_at\": "
                                   "\"2024-01-01T00:00:00Z\", \"updated_at\": \"%1\"}")
                        .arg(backupUpdatedAt)
                        .toUtf8()},
                   {"accounts/new.json", accountDocument("new")},
                   {"manifest.json", manifest()}});

    const BackupImportResult result = BackupService(db.database()).importBackup(archive, mode);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.accountsImported, overwritten ? 2 : 1);
    QCOMPARE(result.accountsSkipped, overwritten ? 0 : 1);
    QCOMPARE(db.scalar("SELECT name FROM accounts WHERE id = 'acc'").toString(),
             overwritten ? QString("From backup") : QString("Stored"));
    QCOMPARE(db.scalar("SELECT sync_status || version || COALESCE(server_id, '-') FROM accounts "
                       "WHERE id = 'acc'")
                 .toString(),
             overwritten ? QString("pending1-") : QString("synced4srv"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts WHERE id = 'new'").toInt(), 1);
}

void TestBackupService::refusedArchives_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");

    const QByteArray account = accountDocument("acc");
    QTest::newRow("not a ZIP file")
        << QByteArray("!Type:Bank\nD01/02/2024\n^\n") << "Failed to open ZIP archive";
    QTest::newRow("no manifest") << archiveOf({{"accounts/acc.json", account}})
                                 << "Invalid backup: missing manifest.json";
    QTest::newRow("empty manifest")
        << archiveOf({{"accounts/acc.json", account}, {"manifest.json", QByteArray()}})
        << "Invalid backup: missing manifest.json";
    QTest::newRow("version 2") << archiveOf({{"accounts/acc.json", account},
                                             {"manifest.json", manifest(2)}})
                               << "Unsupported backup version: 2";
    QTest::newRow("manifest without version")
        << archiveOf({{"accounts/acc.json", account}, {"manifest.json", "{}"}})
        << "Unsupported backup version: 0";
    const QByteArray complete =
        archiveOf({{"accounts/acc.json", account}, {"manifest.json", manifest()}});
    QTest::newRow("empty file") << QByteArray() << "Failed to open ZIP archive";
    QTest::newRow("truncated archive")
        << complete.left(complete.size() / 2) << "Failed to open ZIP archive";
    QTest::newRow("manifest too large")
        << archiveOf({{"accounts/acc.json", account},
                      {"manifest.json", manifest() + QByteArray(9 << 20, ' ')}})
        << "manifest.json: entry too large";
}

void TestBackupService::refusedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    TestDatabase db;
    QVERIFY(db.isReady());
    const BackupImportResult result =
        BackupService(db.database()).importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(result.rejection, error); // refused as a whole, which the window reports as a failure
    QCOMPARE(result.totalImported() + result.totalSkipped(), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
}

void TestBackupService::badEntriesAmongGoodOnes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("skipped");

    QTest::newRow("text that is not JSON") << "transactions/bad.json" << QByteArray("date,payee\n")
                                           << "transactions/bad.json: invalid JSON" << 0;
    QTest::newRow("JSON that is not an object") << "transactions/bad.json" << QByteArray("[1, 2]")
                                                << "transactions/bad.json: invalid JSON" << 0;
    QTest::newRow("member name crafted as SQL")
        << "accounts/bad.json"
        << accountDocument("bad", ", \"name) VALUES ('x','y','z','w'); DROP TABLE transactions; "
                                  "--\": 1")
        << "accounts/bad.json: unknown column name) VALUES ('x','y','z','w'); DROP TABLE "
           "transactions; --"
        << 1;
    QTest::newRow("member that is no column")
        << "accounts/bad.json" << accountDocument("bad", ", \"colour\": \"red\"")
        << "accounts/bad.json: unknown column colour" << 1;
    QTest::newRow("object as a value")
        << "accounts/bad.json" << accountDocument("bad", ", \"institution\": {\"a\": 1}")
        << "accounts/bad.json: unsupported value for institution" << 1;
    QTest::newRow("split line of a transaction in neither database nor backup")
        << "split_lines/orphan.json"
        << QByteArray("{\"id\": \"orphan\", \"transaction_id\": \"gone\", \"category_id\": "
                      "\"cat\", \"amount\": 1, \"created_at\": \"c\", \"updated_at\": \"u\"}")
        << QString() << 1;
    QTest::newRow("entry declared huge")
        << "transactions/big.json"
        << QByteArray("{\"id\": \"big\", \"memo\": \"") + QByteArray(9 << 20, 'x') + "\"}"
        << "transactions/big.json: entry too large" << 0;
}

void TestBackupService::badEntriesAmongGoodOnes()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QFETCH(int, skipped);

    const QByteArray transaction(
        "{\"id\": \"tx\", \"account_id\": \"acc\", \"date\": \"2024-01-01\", \"payee\": \"P\", "
        "\"amount\": -100, \"created_at\": \"c\", \"updated_at\": \"u\"}");
    const QByteArray split("{\"id\": \"sl\", \"transaction_id\": \"tx\", \"category_id\": \"cat\", "
                           "\"amount\": -100, \"created_at\": \"c\", \"updated_at\": \"u\"}");
    const QByteArray category("{\"id\": \"cat\", \"name\": \"Food\", \"created_at\": \"c\", "
                              "\"updated_at\": \"u\"}");
    const QByteArray archive = archiveOf({{"accounts/acc.json", accountDocument("acc")},
                                          {path, content},
                                          {"categories/cat.json", category},
                                          {"transactions/tx.json", transaction},
                                          {"split_lines/sl.json", split},
                                          {"manifest.json", manifest()}});

    TestDatabase db;
    QVERIFY(db.isReady());
    const BackupImportResult result =
        BackupService(db.database()).importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QVERIFY(!result.isRejected()); // a partial result, not a refusal
    QCOMPARE(result.totalSkipped(), skipped);
    QCOMPARE(result.accountsImported, 1);
    QCOMPARE(result.categoriesImported, 1);
    QCOMPARE(result.transactionsImported, 1);
    QCOMPARE(result.splitLinesImported, 1);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 1);
    QCOMPARE(db.scalar("SELECT amount FROM split_lines WHERE transaction_id = 'tx'").toInt(), -100);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 1);
}

void TestBackupService::damagedEntryAmongGoodOnes_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<quint32>("value");

    QTest::newRow("checksum mismatch") << ZipTamper::crcField << 0x12345678u;
    QTest::newRow("inflates beyond its declared size") << ZipTamper::sizeField << 20u;
    QTest::newRow("declared size larger than the data") << ZipTamper::sizeField << 4000u;
}

void TestBackupService::damagedEntryAmongGoodOnes()
{
    QFETCH(int, field);
    QFETCH(quint32, value);

    QByteArray archive = archiveOf({{"accounts/good.json", accountDocument("good")},
                                    {"accounts/bad.json", accountDocument("bad")},
                                    {"accounts/after.json", accountDocument("after")},
                                    {"manifest.json", manifest()}});
    QVERIFY(ZipTamper::patchCentral32(archive, "accounts/bad.json", field, value));

    TestDatabase db;
    QVERIFY(db.isReady());
    const BackupImportResult result =
        BackupService(db.database()).importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList{"accounts/bad.json: unreadable entry"});
    QCOMPARE(result.accountsImported, 2);
    QCOMPARE(result.totalSkipped(), 0);
    QCOMPARE(db.scalar("SELECT group_concat(id, ',') FROM (SELECT id FROM accounts ORDER BY id)")
                 .toString(),
             QString("after,good"));
}

void TestBackupService::restoreCommitsEveryRowOnce()
{
    // A large restore is committed as one: all of its rows must land, and the connection must
    // be left without an open transaction.
    ZipWriter writer;
    for (int i = 0; i < 2500; ++i)
        writer.addFile(QStringLiteral("accounts/a%1.json").arg(i),
                       accountDocument(QStringLiteral("a%1").arg(i)));
    writer.addFile("manifest.json", manifest());
    const QByteArray archive = writer.finish();

    TestDatabase db;
    QVERIFY(db.isReady());
    const BackupImportResult result =
        BackupService(db.database()).importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.accountsImported, 2500);
    QVERIFY(db.database()->connection().transaction());
    QVERIFY(db.database()->connection().rollback());
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 2500);
}

QTEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
