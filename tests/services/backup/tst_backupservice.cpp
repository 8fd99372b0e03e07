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

#include <algorithm>

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

// One kind of synchronised row: its table and archive folder, a text column that tells whose
// version a row is, and the other columns it needs (their row in "owner" for those of an account).
struct RestoredKind
{
    const char* table;
    const char* folder;
    const char* marker;
    QJsonObject required;
};

QList<RestoredKind> restoredKinds()
{
    const QJsonObject ofOwner{{"account_id", "owner"}};
    QJsonObject transaction = ofOwner;
    transaction.insert("date", "2024-01-01");
    transaction.insert("amount", -100);
    QJsonObject recurring = ofOwner;
    recurring.insert("amount", -100);
    recurring.insert("start_date", "2024-01-01");
    recurring.insert("next_due_date", "2024-02-01");
    QJsonObject reconciliation = ofOwner;
    reconciliation.insert("statement_balance", 100);
    reconciliation.insert("reconciled_balance", 100);
    reconciliation.insert("completed_at", "2024-01-31T12:00:00Z");
    return {{"accounts", "accounts", "name", {}},
            {"categories", "categories", "name", {}},
            {"transactions", "transactions", "payee", transaction},
            {"recurring_transactions", "recurring", "payee", recurring},
            {"reconciliations", "reconciliations", "statement_date", reconciliation}};
}

// A row of `kind` as its document: `marker` in the marker column, deleted when `deletedAt` is
// not empty.
QJsonObject rowDocument(const RestoredKind& kind, const QString& marker, const QString& updatedAt,
                        const QString& deletedAt)
{
    QJsonObject row = kind.required;
    row.insert("id", "row");
    row.insert(kind.marker, marker);
    row.insert("created_at", "2024-01-01T00:00:00Z");
    row.insert("updated_at", updatedAt);
    row.insert("deleted_at", deletedAt.isEmpty() ? QJsonValue() : QJsonValue(deletedAt));
    return row;
}

// Stores a row document as it stands, with the sync bookkeeping of a synced row.
void insertDocument(const TestDatabase& db, const QString& table, QJsonObject row)
{
    row.insert("sync_status", "synced");
    row.insert("server_id", "srv");
    row.insert("version", 3);
    QStringList names;
    QStringList values;
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        names << it.key();
        values << (it.value().isNull()     ? QStringLiteral("NULL")
                   : it.value().isString() ? QStringLiteral("'%1'").arg(it.value().toString())
                                           : QString::number(it.value().toInteger()));
    }
    db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, names.join(", "), values.join(", ")));
}

QByteArray documentBytes(const QJsonObject& row)
{
    return QJsonDocument(row).toJson();
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
    void deletionsCountAsChanges_data();
    void deletionsCountAsChanges();
    void splitLinesFollowTheirTransaction_data();
    void splitLinesFollowTheirTransaction();
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

// A row's last change is its deletion when it was deleted after its last edit (a deletion kept
// from the server carries the time of both). The version whose last change is later is the
// newer one, and a deletion in the backup newer than the stored row is restored even when
// existing rows are skipped: a deleted category must not come back to life.
void TestBackupService::deletionsCountAsChanges_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("storedUpdatedAt");
    QTest::addColumn<QString>("storedDeletedAt");
    QTest::addColumn<QString>("backupUpdatedAt");
    QTest::addColumn<QString>("backupDeletedAt");
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<bool>("backupWins");

    const QString t0 = "2024-04-01T12:00:00Z";
    const QString t1 = "2024-05-01T12:00:00Z";
    const QString t2 = "2024-06-01T12:00:00Z";
    struct Case
    {
        const char* name;
        QString storedUpdatedAt, storedDeletedAt, backupUpdatedAt, backupDeletedAt;
        bool skipWins, replaceWins, keepNewerWins; // whether the backup's version is the result
    };
    const QList<Case> cases{
        {"both live, backup newer", t1, {}, t2, {}, false, true, true},
        {"both live, stored newer", t2, {}, t1, {}, false, true, false},
        {"deleted in the backup later", t1, {}, t2, t2, true, true, true},
        {"deleted in the backup earlier", t2, {}, t1, t1, false, true, false},
        {"deleted here later", t2, t2, t1, {}, false, true, false},
        {"deleted here, edited in the backup later", t1, t1, t2, {}, false, true, true},
        {"deleted on both, backup later", t1, t1, t2, t2, false, true, true},
        {"deleted on both, here later", t2, t2, t1, t1, false, true, false},
        {"backup deleted after its last edit", t1, {}, t0, t2, true, true, true},
        {"deleted here after its last edit", t0, t2, t1, {}, false, true, false},
    };
    const QList<QPair<const char*, BackupImportMode>> modes{
        {"skip", BackupImportMode::SkipExisting},
        {"replace", BackupImportMode::ReplaceAll},
        {"keep newer", BackupImportMode::KeepNewer}};
    for (const RestoredKind& kind : restoredKinds()) {
        for (const Case& c : cases) {
            for (const auto& [modeName, mode] : modes) {
                const bool wins = mode == BackupImportMode::SkipExisting ? c.skipWins
                                  : mode == BackupImportMode::ReplaceAll ? c.replaceWins
                                                                         : c.keepNewerWins;
                QTest::addRow("%s, %s, %s", kind.table, c.name, modeName)
                    << QString(kind.table) << c.storedUpdatedAt << c.storedDeletedAt
                    << c.backupUpdatedAt << c.backupDeletedAt << mode << wins;
            }
        }
    }
}

void TestBackupService::deletionsCountAsChanges()
{
    QFETCH(QString, table);
    QFETCH(QString, storedUpdatedAt);
    QFETCH(QString, storedDeletedAt);
    QFETCH(QString, backupUpdatedAt);
    QFETCH(QString, backupDeletedAt);
    QFETCH(BackupImportMode, mode);
    QFETCH(bool, backupWins);

    const QList<RestoredKind> kinds = restoredKinds();
    const RestoredKind& kind = *std::find_if(
        kinds.begin(), kinds.end(), [&table](auto& k) { return table == QLatin1String(k.table); });
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
            "('owner', 'Owner', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    insertDocument(db, kind.table, rowDocument(kind, "stored", storedUpdatedAt, storedDeletedAt));
    const QByteArray archive =
        archiveOf({{QStringLiteral("%1/row.json").arg(kind.folder),
                    documentBytes(rowDocument(kind, "backup", backupUpdatedAt, backupDeletedAt))},
                   {"manifest.json", manifest()}});

    const BackupImportResult result = BackupService(db.database()).importBackup(archive, mode);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.totalImported(), backupWins ? 1 : 0);
    QCOMPARE(result.totalSkipped(), backupWins ? 0 : 1);
    const QString row = QStringLiteral("FROM %1 WHERE id = 'row'").arg(kind.table);
    QCOMPARE(db.scalar(QStringLiteral("SELECT %1 %2").arg(kind.marker, row)).toString(),
             backupWins ? QString("backup") : QString("stored"));
    QCOMPARE(db.scalar("SELECT COALESCE(deleted_at, '') " + row).toString(),
             backupWins ? backupDeletedAt : storedDeletedAt);
    QCOMPARE(db.scalar("SELECT sync_status " + row).toString(),
             backupWins ? QString("pending") : QString("synced"));
}

void TestBackupService::splitLinesFollowTheirTransaction_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<bool>("backupNewer");
    QTest::addColumn<bool>("backupWins");

    QTest::newRow("skip, stored newer") << BackupImportMode::SkipExisting << false << false;
    QTest::newRow("skip, backup newer") << BackupImportMode::SkipExisting << true << false;
    QTest::newRow("replace, stored newer") << BackupImportMode::ReplaceAll << false << true;
    QTest::newRow("replace, backup newer") << BackupImportMode::ReplaceAll << true << true;
    QTest::newRow("keep newer, stored newer") << BackupImportMode::KeepNewer << false << false;
    QTest::newRow("keep newer, backup newer") << BackupImportMode::KeepNewer << true << true;
}

// A transaction's split lines are part of it: they come from the version of the transaction
// that the restore keeps. Re-split since the backup, the transaction kept its new lines, and the
// backup's old ones, deleted here, used to come back beside them and double its categories.
void TestBackupService::splitLinesFollowTheirTransaction()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(bool, backupNewer);
    QFETCH(bool, backupWins);

    const QString older = "2024-05-01T12:00:00Z";
    const QString newer = "2024-06-01T12:00:00Z";
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
            "('acc', 'Everyday', 'c', 'u')");
    db.exec("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
            "('food', 'Food', 'c', 'u'), ('home', 'Home', 'c', 'u')");
    const auto transaction = [](const QString& payee, const QString& updatedAt) {
        return QJsonObject{{"id", "tx"},
                           {"account_id", "acc"},
                           {"date", "2024-05-01"},
                           {"payee", payee},
                           {"amount", -3000},
                           {"is_split", 1},
                           {"created_at", "2024-01-01T00:00:00Z"},
                           {"updated_at", updatedAt}};
    };
    const auto split = [](const QString& id, const QString& category, int amount) {
        return QJsonObject{{"id", id},
                           {"transaction_id", "tx"},
                           {"category_id", category},
                           {"amount", amount},
                           {"created_at", "2024-01-01T00:00:00Z"},
                           {"updated_at", "2024-01-01T00:00:00Z"}};
    };
    insertDocument(db, "transactions", transaction("stored", backupNewer ? older : newer));
    db.exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
            "updated_at) VALUES ('here-1', 'tx', 'food', -1000, 'c', 'u'), "
            "('here-2', 'tx', 'home', -2000, 'c', 'u')");
    const QByteArray archive =
        archiveOf({{"transactions/tx.json",
                    documentBytes(transaction("backup", backupNewer ? newer : older))},
                   {"split_lines/old-1.json", documentBytes(split("old-1", "food", -2500))},
                   {"split_lines/old-2.json", documentBytes(split("old-2", "home", -500))},
                   {"manifest.json", manifest()}});

    const BackupImportResult result = BackupService(db.database()).importBackup(archive, mode);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.transactionsImported, backupWins ? 1 : 0);
    QCOMPARE(result.splitLinesImported, backupWins ? 2 : 0);
    QCOMPARE(result.splitLinesSkipped, backupWins ? 0 : 2);
    QCOMPARE(db.scalar("SELECT payee FROM transactions WHERE id = 'tx'").toString(),
             backupWins ? QString("backup") : QString("stored"));
    QCOMPARE(db.scalar("SELECT group_concat(id, ',') FROM (SELECT id FROM split_lines WHERE "
                       "transaction_id = 'tx' ORDER BY id)")
                 .toString(),
             backupWins ? QString("old-1,old-2") : QString("here-1,here-2"));
    QCOMPARE(db.scalar("SELECT SUM(amount) FROM split_lines WHERE transaction_id = 'tx'").toInt(),
             -3000);
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
