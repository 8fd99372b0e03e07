#include "data/repository.h"
#include "tests/common/testdatabase.h"

#include <QSqlQuery>
#include <QTest>

// The schema after every migration, read back from SQLite itself. Each column is written as
// "name type notnull default pk", each foreign key as "column -> table(column)".
class TestSchema : public QObject
{
    Q_OBJECT

private:
    static QStringList columns(const TestDatabase& db, const QString& table)
    {
        QStringList result;
        QSqlQuery query(db.database()->connection());
        query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (query.next()) {
            result << QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(query.value(1).toString(), query.value(2).toString(),
                               query.value(3).toString(),
                               query.value(4).isNull() ? QStringLiteral("-")
                                                       : query.value(4).toString(),
                               query.value(5).toString());
        }
        return result;
    }

    static QStringList foreignKeys(const TestDatabase& db, const QString& table)
    {
        QStringList result;
        QSqlQuery query(db.database()->connection());
        query.exec(QStringLiteral("PRAGMA foreign_key_list(%1)").arg(table));
        while (query.next()) {
            result << QStringLiteral("%1 -> %2(%3)")
                          .arg(query.value(3).toString(), query.value(2).toString(),
                               query.value(4).toString());
        }
        result.sort();
        return result;
    }

    static QStringList bookkeeping()
    {
        return {"version INTEGER 1 1 0", "sync_status TEXT 1 'pending' 0", "server_id TEXT 0 - 0",
                "created_at TEXT 1 - 0", "updated_at TEXT 1 - 0",          "deleted_at TEXT 0 - 0"};
    }

private slots:
    void tables_data();
    void tables();
    void indexesAndTriggers();
    void serverIdLookupSearchesAnIndex_data();
    void serverIdLookupSearchesAnIndex();
    void foreignKeysAreEnforced();
};

void TestSchema::tables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expectedColumns");
    QTest::addColumn<QStringList>("expectedForeignKeys");

    QTest::newRow("accounts") << "accounts"
                              << QStringList{"id TEXT 0 - 1",
                                             "name TEXT 1 - 0",
                                             "account_type TEXT 1 'checking' 0",
                                             "currency TEXT 1 'USD' 0",
                                             "institution TEXT 0 - 0",
                                             "account_number_last4 TEXT 0 - 0",
                                             "starting_balance INTEGER 1 0 0",
                                             "sort_order INTEGER 1 0 0",
                                             "is_shared INTEGER 1 0 0"} +
                                     bookkeeping()
                              << QStringList{};
    QTest::newRow("categories") << "categories"
                                << QStringList{"id TEXT 0 - 1",
                                               "name TEXT 1 - 0",
                                               "category_type TEXT 1 'expense' 0",
                                               "parent_id TEXT 0 - 0",
                                               "is_tax_relevant INTEGER 1 0 0",
                                               "tax_category TEXT 0 - 0",
                                               "icon TEXT 0 - 0",
                                               "color TEXT 0 - 0",
                                               "is_default INTEGER 1 0 0",
                                               "account_id TEXT 0 - 0"} +
                                       bookkeeping()
                                << QStringList{"parent_id -> categories(id)"};
    QTest::newRow("transactions") << "transactions"
                                  << QStringList{"id TEXT 0 - 1",
                                                 "account_id TEXT 1 - 0",
                                                 "date TEXT 1 - 0",
                                                 "payee TEXT 1 - 0",
                                                 "memo TEXT 0 - 0",
                                                 "amount INTEGER 1 - 0",
                                                 "category_id TEXT 0 - 0",
                                                 "check_number TEXT 0 - 0",
                                                 "cleared INTEGER 1 0 0",
                                                 "reconciled INTEGER 1 0 0",
                                                 "transfer_link_id TEXT 0 - 0",
                                                 "transfer_dest_account_id TEXT 0 - 0",
                                                 "is_split INTEGER 1 0 0",
                                                 "recurring_id TEXT 0 - 0"} +
                                         bookkeeping()
                                  << QStringList{"account_id -> accounts(id)",
                                                 "category_id -> categories(id)"};
    QTest::newRow("split_lines")
        << "split_lines" << QStringList{"id TEXT 0 - 1",          "transaction_id TEXT 1 - 0",
                                        "category_id TEXT 1 - 0", "amount INTEGER 1 - 0",
                                        "memo TEXT 0 - 0",        "created_at TEXT 1 - 0",
                                        "updated_at TEXT 1 - 0"}
        << QStringList{"category_id -> categories(id)", "transaction_id -> transactions(id)"};
    QTest::newRow("recurring_transactions")
        << "recurring_transactions"
        << QStringList{"id TEXT 0 - 1",
                       "account_id TEXT 1 - 0",
                       "payee TEXT 1 - 0",
                       "memo TEXT 0 - 0",
                       "amount INTEGER 1 - 0",
                       "category_id TEXT 0 - 0",
                       "frequency TEXT 1 'monthly' 0",
                       "start_date TEXT 1 - 0",
                       "end_date TEXT 0 - 0",
                       "next_due_date TEXT 1 - 0",
                       "auto_post INTEGER 1 0 0",
                       "is_active INTEGER 1 1 0",
                       "transfer_dest_account_id TEXT 0 - 0"} +
               bookkeeping() + QStringList{"lead_days INTEGER 1 0 0"}
        << QStringList{"account_id -> accounts(id)", "category_id -> categories(id)"};
    QTest::newRow("reconciliations") << "reconciliations"
                                     << QStringList{"id TEXT 0 - 1",
                                                    "account_id TEXT 1 - 0",
                                                    "statement_date TEXT 1 - 0",
                                                    "statement_balance INTEGER 1 - 0",
                                                    "reconciled_balance INTEGER 1 - 0",
                                                    "completed_at TEXT 1 - 0",
                                                    "version INTEGER 1 1 0",
                                                    "sync_status TEXT 1 'pending' 0",
                                                    "server_id TEXT 0 - 0",
                                                    "created_at TEXT 1 '' 0",
                                                    "updated_at TEXT 1 '' 0",
                                                    "deleted_at TEXT 0 - 0"}
                                     << QStringList{"account_id -> accounts(id)"};
    QTest::newRow("transaction_templates")
        << "transaction_templates" << QStringList{"id TEXT 0 - 1",
                                                  "account_id TEXT 1 - 0",
                                                  "name TEXT 1 - 0",
                                                  "payee TEXT 0 - 0",
                                                  "amount INTEGER 0 - 0",
                                                  "category_id TEXT 0 - 0",
                                                  "memo TEXT 0 - 0",
                                                  "check_number TEXT 0 - 0",
                                                  "is_payment INTEGER 1 1 0",
                                                  "created_at TEXT 1 - 0",
                                                  "updated_at TEXT 1 - 0"}
        << QStringList{"account_id -> accounts(id)", "category_id -> categories(id)"};
    QTest::newRow("sync_queue") << "sync_queue"
                                << QStringList{"id INTEGER 0 - 1",      "entity_type TEXT 1 - 0",
                                               "entity_id TEXT 1 - 0",  "action TEXT 1 - 0",
                                               "created_at TEXT 1 - 0", "processed INTEGER 1 0 0"}
                                << QStringList{};
    QTest::newRow("sync_conflicts")
        << "sync_conflicts" << QStringList{"id INTEGER 0 - 1",       "entity_type TEXT 1 - 0",
                                           "entity_id TEXT 1 - 0",   "local_change TEXT 1 - 0",
                                           "description TEXT 1 - 0", "replaced_at TEXT 1 - 0"}
        << QStringList{};
    QTest::newRow("sync_wire_ids")
        << "sync_wire_ids" << QStringList{"entity_type TEXT 1 - 1", "local_id TEXT 1 - 2",
                                          "server_id TEXT 1 - 0", "client_id TEXT 1 - 0"}
        << QStringList{};
    QTest::newRow("preferences") << "preferences"
                                 << QStringList{"key TEXT 0 - 1", "value TEXT 0 - 0"}
                                 << QStringList{};
    QTest::newRow("schema_version") << "schema_version"
                                    << QStringList{"version INTEGER 0 - 1", "name TEXT 1 - 0",
                                                   "applied_at TEXT 1 datetime('now') 0"}
                                    << QStringList{};
}

void TestSchema::tables()
{
    QFETCH(QString, table);
    QFETCH(QStringList, expectedColumns);
    QFETCH(QStringList, expectedForeignKeys);

    TestDatabase db;
    QVERIFY(db.isReady());
    QCOMPARE(columns(db, table), expectedColumns);
    expectedForeignKeys.sort();
    QCOMPARE(foreignKeys(db, table), expectedForeignKeys);
}

void TestSchema::indexesAndTriggers()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QSqlQuery query(
        QStringLiteral("SELECT type, name, tbl_name FROM sqlite_master WHERE type IN "
                       "('index', 'trigger') AND name NOT LIKE 'sqlite_%' ORDER BY name"),
        db.database()->connection());
    QStringList found;
    while (query.next())
        found << QStringLiteral("%1 %2 %3")
                     .arg(query.value(0).toString(), query.value(1).toString(),
                          query.value(2).toString());
    QCOMPARE(
        found,
        (QStringList{"index idx_accounts_server_id accounts",
                     "index idx_categories_server_id categories",
                     "index idx_reconciliations_server_id reconciliations",
                     "index idx_recurring_transactions_server_id recurring_transactions",
                     "index idx_split_lines_transaction_id split_lines",
                     "index idx_transactions_account_id transactions",
                     "index idx_transactions_account_live_date transactions",
                     "index idx_transactions_category_id transactions",
                     "index idx_transactions_date transactions",
                     "index idx_transactions_live_account_amount transactions",
                     "index idx_transactions_live_payee transactions",
                     "index idx_transactions_live_uncleared transactions",
                     "index idx_transactions_server_id transactions",
                     "index idx_transactions_sync_status transactions",
                     "index idx_transactions_transfer_link_id transactions",
                     "trigger transactions_ad transactions", "trigger transactions_ai transactions",
                     "trigger transactions_au transactions"}));
    QCOMPARE(
        db.scalar(QStringLiteral(
                      "SELECT sql LIKE '%fts5(%payee%memo%check_number%content=''transactions''"
                      "%content_rowid=''rowid''%' FROM sqlite_master WHERE name = "
                      "'transactions_fts'"))
            .toInt(),
        1);
}

// A pull looks up each incoming row by its server id; a scan per row would make a large pull
// quadratic.
void TestSchema::serverIdLookupSearchesAnIndex_data()
{
    QTest::addColumn<QString>("table");
    for (const char* table :
         {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

void TestSchema::serverIdLookupSearchesAnIndex()
{
    QFETCH(QString, table);
    TestDatabase db;
    QVERIFY(db.isReady());
    QSqlQuery query(db.database()->connection());
    QVERIFY(query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") +
                          Repository::idForServerIdQuery(table)));
    query.addBindValue(QStringLiteral("server-1"));
    QVERIFY(query.exec());
    QStringList plan;
    while (query.next())
        plan << query.value(3).toString();
    const QString details = plan.join(QLatin1Char('\n'));
    QVERIFY2(details.contains(QStringLiteral("USING INDEX idx_%1_server_id").arg(table)),
             qPrintable(details));
    QVERIFY2(!details.contains(QStringLiteral("SCAN")), qPrintable(details));
}

void TestSchema::foreignKeysAreEnforced()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
    QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QSqlQuery orphan(db.database()->connection());
    QVERIFY(!orphan.exec(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                       "created_at, updated_at) VALUES ('t', 'missing', '2024-01-01', "
                       "'P', 1, 'x', 'x')")));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
