#include "data/database.h"
#include "data/sqlstatementsplitter.h"
#include "tests/common/testdatabase.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString readResource(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return QString::fromUtf8(file.readAll());
}

// A database file opened but not migrated, removed with its connection afterwards.
struct BareDatabase
{
    QTemporaryDir directory;
    Database database;

    BareDatabase() { database.open(directory.filePath(QStringLiteral("pennibar.db"))); }
    ~BareDatabase() { database.connection().close(); }

    QVariant scalar(const QString& sql)
    {
        QSqlQuery query(database.connection());
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
};

} // namespace

class TestMigrations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection)); }

    void emptyFileGetsEveryMigrationInOrder();
    void upToDateFileReadsNoScript();
    void versionOneReconciliationsAreBackfilled();
    void versionThreeFileGainsTheRegisterIndexes();
    void versionFourFileGainsTheServerIdIndexes();
    void failingStatementRollsBackItsMigration();
    void unreadableScriptIsReported();
    void migrationNumberedBelowAnAppliedOneStillRuns();
    void splitterKeepsTriggerBodiesWhole();
    void splitterHandlesCommentsAndRemainders_data();
    void splitterHandlesCommentsAndRemainders();
    void updatingATransactionReindexesIt();
};

void TestMigrations::emptyFileGetsEveryMigrationInOrder()
{
    BareDatabase bare;
    QSignalSpy applied(&bare.database, &Database::migrationApplied);
    QSignalSpy failed(&bare.database, &Database::migrationError);

    QVERIFY(bare.database.runMigrations());

    QCOMPARE(failed.count(), 0);
    const QList<int> versions = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const QStringList names = {QStringLiteral("initial"),
                               QStringLiteral("recon_sync"),
                               QStringLiteral("recurring_lead_days"),
                               QStringLiteral("register_indexes"),
                               QStringLiteral("sync_indexes"),
                               QStringLiteral("account_balance_index"),
                               QStringLiteral("uncleared_amount_index"),
                               QStringLiteral("sync_conflicts"),
                               QStringLiteral("sync_wire_ids")};
    QCOMPARE(applied.count(), versions.size());
    for (int i = 0; i < versions.size(); ++i) {
        QCOMPARE(applied.at(i).at(0).toInt(), versions.at(i));
        QCOMPARE(applied.at(i).at(1).toString(), names.at(i));
    }
    QSqlQuery rows(
        QStringLiteral("SELECT version, name, applied_at FROM schema_version ORDER BY version"),
        bare.database.connection());
    for (int i = 0; i < versions.size(); ++i) {
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toInt(), versions.at(i));
        QCOMPARE(rows.value(1).toString(), names.at(i));
        QVERIFY(
            QDateTime::fromString(rows.value(2).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                .isValid());
    }
    QVERIFY(!rows.next());
}

void TestMigrations::upToDateFileReadsNoScript()
{
    BareDatabase bare;
    QVERIFY(bare.database.runMigrations());

    // Were any script read, these missing files would fail the run.
    const QList<Migration> missing = {
        {1, QStringLiteral("initial"), QStringLiteral("/nonexistent/1.sql")},
        {2, QStringLiteral("recon_sync"), QStringLiteral("/nonexistent/2.sql")},
        {3, QStringLiteral("recurring_lead_days"), QStringLiteral("/nonexistent/3.sql")},
        {4, QStringLiteral("register_indexes"), QStringLiteral("/nonexistent/4.sql")},
        {5, QStringLiteral("sync_indexes"), QStringLiteral("/nonexistent/5.sql")},
        {6, QStringLiteral("account_balance_index"), QStringLiteral("/nonexistent/6.sql")},
        {7, QStringLiteral("uncleared_amount_index"), QStringLiteral("/nonexistent/7.sql")},
        {8, QStringLiteral("sync_conflicts"), QStringLiteral("/nonexistent/8.sql")},
        {9, QStringLiteral("sync_wire_ids"), QStringLiteral("/nonexistent/9.sql")}};
    QSignalSpy applied(&bare.database, &Database::migrationApplied);
    QSignalSpy failed(&bare.database, &Database::migrationError);
    QVERIFY(bare.database.runMigrations(missing));
    QCOMPARE(applied.count(), 0);
    QCOMPARE(failed.count(), 0);
}

void TestMigrations::versionOneReconciliationsAreBackfilled()
{
    BareDatabase bare;
    QVERIFY(bare.database.runMigrations(applicationMigrations().mid(0, 1)));
    QSqlQuery setup(bare.database.connection());
    QVERIFY(setup.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')")));
    QVERIFY(setup.exec(QStringLiteral("INSERT INTO reconciliations VALUES ('r', 'a', '2024-01-31', "
                                      "100, 100, '2024-02-02T10:00:00Z')")));
    QVERIFY(setup.exec(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, "
                                      "amount, start_date, next_due_date, "
                                      "created_at, updated_at) VALUES ('p', 'a', 'Rent', -100, "
                                      "'2024-01-01', '2024-02-01', 'x', 'x')")));

    QVERIFY(bare.database.runMigrations());

    QSqlQuery row(QStringLiteral("SELECT created_at, updated_at, version, sync_status, server_id, "
                                 "deleted_at FROM reconciliations"),
                  bare.database.connection());
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("2024-02-02T10:00:00Z"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("2024-02-02T10:00:00Z"));
    QCOMPARE(row.value(2).toInt(), 1);
    QCOMPARE(row.value(3).toString(), QStringLiteral("pending"));
    QVERIFY(row.value(4).isNull());
    QVERIFY(row.value(5).isNull());
    QCOMPARE(bare.scalar(QStringLiteral("SELECT lead_days FROM recurring_transactions")).toInt(),
             0);
}

void TestMigrations::versionThreeFileGainsTheRegisterIndexes()
{
    BareDatabase bare;
    QVERIFY(bare.database.runMigrations(applicationMigrations().mid(0, 3)));
    QSqlQuery setup(bare.database.connection());
    QVERIFY(setup.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')")));
    QVERIFY(setup.exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
        "VALUES ('t1', 'a', '2024-01-02', 'Grocer', -500, 'x', 'x'), ('t2', 'a', '2024-01-01', "
        "'Bakery', -200, 'x', 'x')")));
    QSignalSpy applied(&bare.database, &Database::migrationApplied);

    QVERIFY(bare.database.runMigrations(applicationMigrations().mid(0, 4)));

    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).toInt(), 4);
    QCOMPARE(
        bare.scalar(QStringLiteral("SELECT name FROM schema_version WHERE version = 4")).toString(),
        QStringLiteral("register_indexes"));
    QCOMPARE(bare.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' "
                                        "AND name IN ('idx_transactions_account_live_date', "
                                        "'idx_transactions_live_payee')"))
                 .toInt(),
             2);
    QCOMPARE(bare.scalar(QStringLiteral("SELECT group_concat(id) FROM (SELECT id FROM "
                                        "transactions ORDER BY id)"))
                 .toString(),
             QStringLiteral("t1,t2"));
    QCOMPARE(bare.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
}

void TestMigrations::versionFourFileGainsTheServerIdIndexes()
{
    BareDatabase bare;
    QVERIFY(bare.database.runMigrations(applicationMigrations().mid(0, 4)));
    QSqlQuery setup(bare.database.connection());
    QVERIFY(setup.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at, "
                                      "server_id) VALUES ('a', 'A', 'x', 'x', 's-a')")));
    QSignalSpy applied(&bare.database, &Database::migrationApplied);

    QVERIFY(bare.database.runMigrations(applicationMigrations().mid(0, 5)));

    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).toInt(), 5);
    QCOMPARE(bare.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' "
                                        "AND name LIKE 'idx_%_server_id'"))
                 .toInt(),
             5);
    QCOMPARE(
        bare.scalar(QStringLiteral("SELECT id FROM accounts WHERE server_id = 's-a'")).toString(),
        QStringLiteral("a"));
    QCOMPARE(bare.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
}

void TestMigrations::failingStatementRollsBackItsMigration()
{
    QTemporaryDir scripts;
    const auto writeScript = [&scripts](const QString& name, const QByteArray& text) {
        QFile file(scripts.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return file.fileName();
    };
    const QString good =
        writeScript(QStringLiteral("good.sql"), "CREATE TABLE kept (x INTEGER);\n");
    const QString bad =
        writeScript(QStringLiteral("bad.sql"), "CREATE TABLE lost (x INTEGER);\n"
                                               "INSERT INTO no_such_table VALUES (1);\n");
    const QString later =
        writeScript(QStringLiteral("later.sql"), "CREATE TABLE never (x INTEGER);\n");

    BareDatabase bare;
    QSignalSpy applied(&bare.database, &Database::migrationApplied);
    QSignalSpy failed(&bare.database, &Database::migrationError);
    const bool ok = bare.database.runMigrations({{1, QStringLiteral("good"), good},
                                                 {2, QStringLiteral("bad"), bad},
                                                 {3, QStringLiteral("later"), later}});
    QVERIFY(!ok);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), 2);
    QVERIFY2(failed.at(0).at(1).toString().contains(QStringLiteral("no such table")),
             qPrintable(failed.at(0).at(1).toString()));
    QCOMPARE(bare.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 1);
    const auto tableExists = [&bare](const char* name) {
        return bare.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = '%1'")
                               .arg(QLatin1String(name)))
                   .toInt() == 1;
    };
    QVERIFY(tableExists("kept"));
    QVERIFY(!tableExists("lost"));
    QVERIFY(!tableExists("never"));
}

void TestMigrations::unreadableScriptIsReported()
{
    BareDatabase bare;
    QSignalSpy failed(&bare.database, &Database::migrationError);
    QVERIFY(!bare.database.runMigrations(
        {{1, QStringLiteral("gone"), QStringLiteral(":/sql/none.sql")}}));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(1).toString(),
             QStringLiteral("Cannot read migration file: :/sql/none.sql"));
}

void TestMigrations::migrationNumberedBelowAnAppliedOneStillRuns()
{
    // A file migrated by a build that knew versions 1 and 3 meets a build that also knows 2.
    QTemporaryDir scripts;
    const auto writeScript = [&scripts](const QString& name, const QByteArray& text) {
        QFile file(scripts.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return Migration{int(name.at(0).digitValue()), name, file.fileName()};
    };
    const Migration first = writeScript(QStringLiteral("1.sql"), "CREATE TABLE one (x);\n");
    const Migration second = writeScript(QStringLiteral("2.sql"), "CREATE TABLE two (x);\n");
    const Migration third = writeScript(QStringLiteral("3.sql"), "CREATE TABLE three (x);\n");

    BareDatabase bare;
    QVERIFY(bare.database.runMigrations({first, third}));
    QSignalSpy applied(&bare.database, &Database::migrationApplied);
    QVERIFY(bare.database.runMigrations({first, second, third}));

    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.at(0).at(0).toInt(), 2);
    QCOMPARE(bare.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN "
                                        "('one', 'two', 'three')"))
                 .toInt(),
             3);
    QCOMPARE(bare.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(), 3);
}

void TestMigrations::splitterKeepsTriggerBodiesWhole()
{
    const QStringList initial = SqlStatementSplitter::split(
        readResource(QStringLiteral(":/sql/sql/migrations/001_initial.sql")));
    QStringList triggers;
    for (const QString& statement : initial) {
        QVERIFY2(!statement.endsWith(QLatin1Char(';')), qPrintable(statement));
        QVERIFY2(!statement.startsWith(QLatin1String("--")), qPrintable(statement));
        if (statement.startsWith(QLatin1String("CREATE TRIGGER")))
            triggers << statement;
    }
    QCOMPARE(triggers.size(), 3);
    for (const QString& trigger : std::as_const(triggers))
        QVERIFY2(trigger.endsWith(QLatin1String("END")), qPrintable(trigger));
    // 3 tables + 5 indexes + the index table + 3 triggers + 6 tables + 1 index
    QCOMPARE(initial.size(), 19);

    const QStringList reconSync = SqlStatementSplitter::split(
        readResource(QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")));
    QCOMPARE(reconSync.size(), 7);
    QCOMPARE(reconSync.last(),
             QStringLiteral("UPDATE reconciliations SET created_at = completed_at, "
                            "updated_at = completed_at\nWHERE created_at = ''"));
}

void TestMigrations::splitterHandlesCommentsAndRemainders_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("comment lines vanish")
        << "-- a comment\nSELECT 1;\n  -- indented comment\nSELECT 2;"
        << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("lone semicolons are dropped") << ";\nSELECT 1;\n;" << QStringList{"SELECT 1"};
    QTest::newRow("remainder without semicolon")
        << "SELECT 1;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("statement over lines") << "SELECT\n  1\n;" << QStringList{"SELECT\n  1"};
    QTest::newRow("block body stays open until END")
        << "CREATE TRIGGER t AFTER INSERT ON x BEGIN\n  SELECT 1;\nEND;\nSELECT 2;"
        << QStringList{"CREATE TRIGGER t AFTER INSERT ON x BEGIN\n  SELECT 1;\nEND", "SELECT 2"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestMigrations::splitterHandlesCommentsAndRemainders()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(SqlStatementSplitter::split(script), statements);
}

void TestMigrations::updatingATransactionReindexesIt()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"));
    db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                           "check_number, created_at, updated_at) VALUES ('t', 'a', '2024-01-01', "
                           "'Coffee Shop', 'beans', -500, '101', 'x', 'x')"));
    const auto matches = [&db](const QString& query) {
        return db
            .scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts "
                                   "MATCH '%1'")
                        .arg(query))
            .toInt();
    };
    QCOMPARE(matches(QStringLiteral("coffee*")), 1);
    QCOMPARE(matches(QStringLiteral("beans")), 1);
    QCOMPARE(matches(QStringLiteral("101")), 1);

    db.exec(
        QStringLiteral("UPDATE transactions SET payee = 'Tea House', memo = NULL, check_number = "
                       "'202' WHERE id = 't'"));
    QCOMPARE(matches(QStringLiteral("coffee*")), 0);
    QCOMPARE(matches(QStringLiteral("beans")), 0);
    QCOMPARE(matches(QStringLiteral("tea*")), 1);
    QCOMPARE(matches(QStringLiteral("202")), 1);

    // A soft delete is an update too: the row stays findable, the search filters it later.
    db.exec(QStringLiteral("UPDATE transactions SET deleted_at = 'now' WHERE id = 't'"));
    QCOMPARE(matches(QStringLiteral("tea*")), 1);

    db.exec(QStringLiteral("DELETE FROM transactions WHERE id = 't'"));
    QCOMPARE(matches(QStringLiteral("tea*")), 0);
}

QTEST_GUILESS_MAIN(TestMigrations)
#include "tst_migrations.moc"
