#include "sync/changeapplier.h"

#include "tests/common/testrecords.h"
#include "tests/sync/syncbench.h"

#include "data/reconciliation.h"
#include "data/syncwireidrepository.h"

#include <QJsonArray>
#include <QLocale>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const QDate LocalDay(2026, 3, 1);

// What each entity's pulled record holds unless a case says otherwise.
QJsonObject baseRecord(const QString& entity)
{
    if (entity == "account")
        return {{"id", "srv-1"},     {"client_id", "x-1"},
                {"name", "Server"},  {"account_type", "savings"},
                {"currency", "JPY"}, {"starting_balance", 5000}};
    if (entity == "recurring")
        return {{"id", "srv-1"},
                {"client_id", "x-1"},
                {"account_id", "a-1"},
                {"payee", "Server"},
                {"amount", -250},
                {"frequency", "weekly"},
                {"start_date", "2026-04-01"},
                {"next_due_date", "2026-04-08"},
                {"is_active", true}};
    if (entity == "reconciliation")
        return {{"id", "srv-1"},
                {"client_id", "x-1"},
                {"account_id", "a-1"},
                {"statement_date", "2026-04-30"},
                {"statement_balance", 9000},
                {"reconciled_balance", 9000}};
    return {{"id", "srv-1"},        {"client_id", "x-1"}, {"account_id", "a-1"},
            {"date", "2026-04-01"}, {"payee", "Server"},  {"amount", -250}};
}

QString tableOf(const QString& entity)
{
    if (entity == "account")
        return "accounts";
    if (entity == "recurring")
        return "recurring_transactions";
    if (entity == "reconciliation")
        return "reconciliations";
    return "transactions";
}

QJsonObject merged(QJsonObject base, const QJsonObject& changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it)
        base[it.key()] = it.value();
    return base;
}

} // namespace

// The merge of pulled records into the local tables, as one table of cases. Every case starts
// with the account "a-1" and, unless its local version is 0, a local row "x-1" of the entity.
class TestChangeApplier : public QObject
{
    Q_OBJECT

private:
    // The local row "x-1": version, pending or synced, and the case's extras.
    void addLocalRow(SyncBench& bench, const QString& entity, const QJsonObject& local)
    {
        SyncBookkeeping row;
        row.version = local["version"].toInt();
        row.syncStatus = local["pending"].toBool() ? SyncStatus::Pending : SyncStatus::Synced;
        row.serverId = local["server_id"].toString();
        row.createdAt = row.updatedAt = nowUtc();
        if (entity == "account") {
            Account account = testAccount("x-1", "Local");
            static_cast<SyncBookkeeping&>(account) = row;
            QVERIFY(bench.accounts.insert(account));
        } else if (entity == "recurring") {
            RecurringTransaction recurring =
                testRecurring("x-1", "a-1", "Local", -100, Frequency::Monthly, LocalDay);
            static_cast<SyncBookkeeping&>(recurring) = row;
            recurring.leadDays = local["lead_days"].toInt();
            QVERIFY(bench.recurring.insert(recurring));
        } else if (entity == "reconciliation") {
            Reconciliation reconciliation;
            static_cast<SyncBookkeeping&>(reconciliation) = row;
            reconciliation.id = "x-1";
            reconciliation.accountId = "a-1";
            reconciliation.statementDate = LocalDay;
            reconciliation.statementBalance = 100;
            QVERIFY(bench.reconciliations.insert(reconciliation));
        } else {
            Transaction transaction = testTransaction("x-1", "a-1", LocalDay, "Local", -100);
            static_cast<SyncBookkeeping&>(transaction) = row;
            transaction.isSplit = local["split"].toBool();
            QVERIFY(bench.transactions.insert(transaction));
            if (transaction.isSplit)
                for (const char* id : {"l-1", "l-2", "l-3"})
                    QVERIFY(bench.splitLines.insert(
                        {id, "x-1", "cat-1", -50, "local line", nowUtc(), nowUtc()}));
        }
        if (local["deleted"].toBool()) {
            bench.db.exec(QStringLiteral("UPDATE %1 SET deleted_at='2026-03-02T00:00:00Z' "
                                         "WHERE id='x-1'")
                              .arg(tableOf(entity)));
        }
    }

    void apply(ChangeApplier& applier, const QString& entity, const QJsonObject& record)
    {
        const QJsonArray records{record};
        if (entity == "account")
            applier.applyAccount(records);
        else if (entity == "recurring")
            applier.applyRecurring(records);
        else if (entity == "reconciliation")
            applier.applyReconciliation(records);
        else
            applier.applyTransactionChange(records);
    }

private slots:
    void merge_data();
    void merge();
    void replacedPendingEditsAreKept_data();
    void replacedPendingEditsAreKept();
    void aWithdrawnAccountLeavesWithEverythingBookedToIt();
    void anAccountKeptApartTakesItsRowsAlong();
};

void TestChangeApplier::merge_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<QJsonObject>("local");  // empty: no local row
    QTest::addColumn<QJsonObject>("pulled"); // over the entity's base record
    QTest::addColumn<QString>("id");         // the row to look at; empty: the new row
    // Columns of that row, plus "rows" (rows in the table), "split_lines" (lines of the row)
    // and "deleted" (whether deleted_at is set); an empty object: no row with that id.
    QTest::addColumn<QJsonObject>("expected");

    const QJsonObject synced3{{"version", 3}};
    const QJsonObject pending3{{"version", 3}, {"pending", true}};

    QTest::newRow("client id match, higher version")
        << "transaction" << synced3 << QJsonObject{{"version", 4}} << "x-1"
        << QJsonObject{{"payee", "Server"},       {"amount", -250},       {"version", 4},
                       {"sync_status", "synced"}, {"server_id", "srv-1"}, {"rows", 1}};
    QTest::newRow("server id match keeps the local id")
        << "account" << QJsonObject{{"version", 1}, {"server_id", "srv-1"}}
        << QJsonObject{{"client_id", "other"}, {"version", 2}} << "x-1"
        << QJsonObject{{"name", "Server"},
                       {"account_type", "savings"},
                       {"currency", "JPY"},
                       {"rows", 2}}; // a-1 and x-1
    QTest::newRow("no match: inserted under its client id")
        << "transaction" << QJsonObject() << QJsonObject{{"client_id", "t-new"}, {"version", 1}}
        << "t-new" << QJsonObject{{"payee", "Server"}, {"sync_status", "synced"}, {"rows", 1}};
    QTest::newRow("no match, no client id: a new id")
        << "account" << QJsonObject() << QJsonObject{{"client_id", ""}, {"version", 1}} << QString()
        << QJsonObject{{"name", "Server"}, {"starting_balance", 5000}, {"rows", 2}};
    QTest::newRow("lower version loses")
        << "transaction" << synced3 << QJsonObject{{"version", 2}} << "x-1"
        << QJsonObject{{"payee", "Local"}, {"version", 3}};
    QTest::newRow("equal version wins over a synced row")
        << "transaction" << synced3 << QJsonObject{{"version", 3}} << "x-1"
        << QJsonObject{{"payee", "Server"}, {"sync_status", "synced"}};
    QTest::newRow("equal version keeps a pending edit")
        << "transaction" << pending3 << QJsonObject{{"version", 3}} << "x-1"
        << QJsonObject{{"payee", "Local"}, {"sync_status", "pending"}};
    QTest::newRow("higher version wins over a pending edit")
        << "transaction" << pending3 << QJsonObject{{"version", 4}} << "x-1"
        << QJsonObject{{"payee", "Server"}, {"sync_status", "synced"}};
    QTest::newRow("missing version reads 0 and loses")
        << "account" << QJsonObject{{"version", 1}} << QJsonObject() << "x-1"
        << QJsonObject{{"name", "Local"}};
    QTest::newRow("deleted, local row live: soft-deleted and pushed again")
        << "transaction" << synced3
        << QJsonObject{{"version", 4}, {"deleted_at", "2026-04-02T10:00:00Z"}} << "x-1"
        << QJsonObject{{"deleted", true}, {"sync_status", "pending"}, {"payee", "Server"}};
    // The server refuses every later upsert of a deleted row: a pending edit of it, whatever
    // its version, would never be pushed, and the devices would disagree for good.
    QTest::newRow("deleted wins over a pending edit of a higher version")
        << "transaction" << QJsonObject{{"version", 5}, {"pending", true}}
        << QJsonObject{{"version", 4}, {"deleted_at", "2026-04-02T10:00:00Z"}} << "x-1"
        << QJsonObject{{"deleted", true}, {"sync_status", "pending"}};
    QTest::newRow("deleted wins over a pending recurring edit of the same version")
        << "recurring" << pending3
        << QJsonObject{{"version", 3}, {"deleted_at", "2026-04-02T10:00:00Z"}} << "x-1"
        << QJsonObject{{"deleted", true}};
    // The server's "withdrawn": the user may no longer see the row (a share ended). It was never
    // theirs, so it leaves outright instead of waiting among deleted rows to be restored.
    const QJsonObject withdrawn{
        {"version", 4}, {"deleted_at", "2026-04-02T10:00:00Z"}, {"withdrawn", true}};
    QTest::newRow("withdrawn account removed")
        << "account" << synced3 << withdrawn << "x-1" << QJsonObject();
    QTest::newRow("withdrawn split transaction removed with its lines")
        << "transaction" << QJsonObject{{"version", 3}, {"split", true}} << withdrawn << "x-1"
        << QJsonObject();
    QTest::newRow("withdrawn pending edit removed")
        << "transaction" << pending3 << withdrawn << "x-1" << QJsonObject();
    QTest::newRow("withdrawn row found by its server id removed")
        << "recurring" << QJsonObject{{"version", 3}, {"server_id", "srv-1"}}
        << merged(withdrawn, {{"client_id", "other"}}) << "x-1" << QJsonObject();
    QTest::newRow("withdrawn reconciliation removed")
        << "reconciliation" << synced3 << withdrawn << "x-1" << QJsonObject();
    QTest::newRow("withdrawn, no local row: nothing")
        << "transaction" << QJsonObject() << withdrawn << "x-1" << QJsonObject();
    QTest::newRow("withdrawn without a deletion: an ordinary record")
        << "transaction" << synced3 << QJsonObject{{"version", 4}, {"withdrawn", true}} << "x-1"
        << QJsonObject{{"payee", "Server"}, {"deleted", false}};
    // The server keeps rows per owner, so a user may see two rows of one client id: their own
    // account and one shared with them, say. The server id tells which local row a record is.
    const QJsonObject otherServerRow{{"version", 3}, {"server_id", "srv-9"}};
    const QJsonObject ambiguous{{"version", 4}, {"ambiguous_client_id", true}};
    QTest::newRow("server id match wins over another row's client id")
        << "account" << QJsonObject{{"version", 1}, {"server_id", "srv-1"}}
        << QJsonObject{{"client_id", "a-1"}, {"version", 2}} << "x-1"
        << QJsonObject{{"name", "Server"}, {"rows", 2}};
    QTest::newRow("ambiguous id held by another server row: kept apart under a new id")
        << "transaction" << otherServerRow << ambiguous << QString()
        << QJsonObject{{"payee", "Server"}, {"server_id", "srv-1"}, {"rows", 2}};
    QTest::newRow("ambiguous account id held by another server row: kept apart")
        << "account" << otherServerRow << ambiguous << QString()
        << QJsonObject{{"name", "Server"}, {"server_id", "srv-1"}, {"rows", 3}};
    QTest::newRow("the row a record is kept apart from stays as it was")
        << "transaction" << otherServerRow << ambiguous << "x-1"
        << QJsonObject{{"payee", "Local"}, {"server_id", "srv-9"}, {"version", 3}};
    QTest::newRow("ambiguous deletion of another server row deletes nothing")
        << "account" << otherServerRow
        << merged(ambiguous, {{"deleted_at", "2026-04-02T10:00:00Z"}}) << "x-1"
        << QJsonObject{{"deleted", false}, {"name", "Local"}, {"rows", 2}};
    QTest::newRow("ambiguous, the local row never pushed: merged into it")
        << "transaction" << synced3 << ambiguous << "x-1"
        << QJsonObject{{"payee", "Server"}, {"server_id", "srv-1"}, {"rows", 1}};
    // Server ids a device holds from a server it used before differ from the current one's.
    QTest::newRow("another server row's id, not ambiguous: merged into it")
        << "transaction" << otherServerRow << QJsonObject{{"version", 4}} << "x-1"
        << QJsonObject{{"payee", "Server"}, {"server_id", "srv-1"}, {"rows", 1}};
    QTest::newRow("withdrawn record of another server row leaves the local row")
        << "account" << otherServerRow << withdrawn << "x-1"
        << QJsonObject{{"name", "Local"}, {"deleted", false}};
    QTest::newRow("deleted, no local row: nothing")
        << "transaction" << QJsonObject()
        << QJsonObject{{"version", 4}, {"deleted_at", "2026-04-02T10:00:00Z"}} << "x-1"
        << QJsonObject();
    QTest::newRow("deleted locally stays deleted")
        << "account" << QJsonObject{{"version", 1}, {"deleted", true}}
        << QJsonObject{{"version", 2}} << "x-1" << QJsonObject{{"deleted", true}};
    QTest::newRow("date with a time of day")
        << "transaction" << QJsonObject()
        << QJsonObject{{"date", "2026-05-06T18:30:00Z"}, {"version", 1}} << "x-1"
        << QJsonObject{{"date", "2026-05-06"}};
    QTest::newRow("date in 1999 skipped")
        << "transaction" << synced3 << QJsonObject{{"date", "1999-12-31"}, {"version", 9}} << "x-1"
        << QJsonObject{{"payee", "Local"}, {"date", "2026-03-01"}};
    QTest::newRow("empty date skipped")
        << "transaction" << QJsonObject() << QJsonObject{{"date", ""}, {"version", 1}} << "x-1"
        << QJsonObject();
    QTest::newRow("next due date unreadable skipped")
        << "recurring" << QJsonObject() << QJsonObject{{"next_due_date", "soon"}, {"version", 1}}
        << "x-1" << QJsonObject();
    QTest::newRow("statement date missing skipped")
        << "reconciliation" << QJsonObject{{"version", 1}}
        << QJsonObject{{"statement_date", QJsonValue()}, {"version", 2}} << "x-1"
        << QJsonObject{{"statement_balance", 100}};
    // The largest amount a form takes is 99,999,999.99 in a dollar account and ¥99,999,999 in
    // a yen one; beyond it a record is unusable, lest a running balance pass 64 bits.
    QTest::newRow("largest enterable amount kept")
        << "transaction" << QJsonObject()
        << QJsonObject{{"amount", qint64(-9999999999)}, {"version", 1}} << "x-1"
        << QJsonObject{{"amount", qint64(-9999999999)}};
    QTest::newRow("amount of 64 bits skipped")
        << "transaction" << synced3
        << QJsonObject{{"amount", qint64(9223372036854775807)}, {"version", 4}} << "x-1"
        << QJsonObject{{"payee", "Local"}, {"amount", -100}, {"version", 3}};
    QTest::newRow("split line beyond what can be entered skipped")
        << "transaction" << QJsonObject{{"version", 1}, {"split", true}}
        << QJsonObject{{"version", 2},
                       {"is_split", true},
                       {"split_lines",
                        QJsonArray{QJsonObject{{"category_id", "cat-1"}, {"amount", -250}},
                                   QJsonObject{{"category_id", "cat-1"},
                                               {"amount", qint64(-10000000000)}}}}}
        << "x-1" << QJsonObject{{"payee", "Local"}, {"split_lines", 3}};
    QTest::newRow("recurring amount beyond what can be entered skipped")
        << "recurring" << QJsonObject()
        << QJsonObject{{"amount", qint64(10000000000)}, {"version", 1}} << "x-1" << QJsonObject();
    QTest::newRow("yen starting balance beyond what can be entered skipped")
        << "account" << QJsonObject{{"version", 1}}
        << QJsonObject{{"starting_balance", 100000000}, {"version", 2}} << "x-1"
        << QJsonObject{{"name", "Local"}, {"starting_balance", 0}};
    QTest::newRow("split lines replaced")
        << "transaction" << QJsonObject{{"version", 1}, {"split", true}}
        << QJsonObject{{"version", 2},
                       {"is_split", true},
                       {"split_lines",
                        QJsonArray{QJsonObject{{"category_id", "cat-1"}, {"amount", -200}},
                                   QJsonObject{{"category_id", "cat-1"}, {"memo", "tip"}}}}}
        << "x-1" << QJsonObject{{"split_lines", 2}, {"is_split", 1}};
    QTest::newRow("split lines removed")
        << "transaction" << QJsonObject{{"version", 1}, {"split", true}}
        << QJsonObject{{"version", 2}, {"is_split", false}} << "x-1"
        << QJsonObject{{"split_lines", 0}, {"is_split", 0}};
    QTest::newRow("split lines kept when the record loses")
        << "transaction" << QJsonObject{{"version", 5}, {"split", true}}
        << QJsonObject{{"version", 2}, {"is_split", false}} << "x-1"
        << QJsonObject{{"split_lines", 3}};
    QTest::newRow("lead days kept when absent")
        << "recurring" << QJsonObject{{"version", 1}, {"lead_days", 5}}
        << QJsonObject{{"version", 2}} << "x-1"
        << QJsonObject{{"lead_days", 5}, {"payee", "Server"}, {"frequency", "weekly"}};
    QTest::newRow("lead days taken when present")
        << "recurring" << QJsonObject{{"version", 1}, {"lead_days", 5}}
        << QJsonObject{{"version", 2}, {"lead_days", 0}} << "x-1" << QJsonObject{{"lead_days", 0}};
    QTest::newRow("missing is_active reads false")
        << "recurring" << QJsonObject() << QJsonObject{{"version", 1}, {"is_active", QJsonValue()}}
        << "x-1" << QJsonObject{{"is_active", 0}, {"end_date", QJsonValue()}};
    QTest::newRow("is_shared 1 reads true")
        << "account" << QJsonObject() << QJsonObject{{"version", 1}, {"is_shared", 1}} << "x-1"
        << QJsonObject{{"is_shared", 1}};
    QTest::newRow("is_shared text reads false")
        << "account" << QJsonObject() << QJsonObject{{"version", 1}, {"is_shared", "true"}} << "x-1"
        << QJsonObject{{"is_shared", 0}};
    QTest::newRow("unknown enumerations fall back")
        << "account" << QJsonObject()
        << QJsonObject{{"version", 1}, {"account_type", "Savings"}, {"currency", "usd"}} << "x-1"
        << QJsonObject{{"account_type", "other"}, {"currency", "USD"}};
    QTest::newRow("wrong types read as empty") << "transaction" << QJsonObject()
                                               << QJsonObject{{"version", 1},
                                                              {"check_number", 42},
                                                              {"amount", "12"},
                                                              {"memo", true},
                                                              {"cleared", "yes"}}
                                               << "x-1"
                                               << QJsonObject{{"check_number", QJsonValue()},
                                                              {"amount", 0},
                                                              {"memo", QJsonValue()},
                                                              {"cleared", 0}};
}

void TestChangeApplier::merge()
{
    QFETCH(QString, entity);
    QFETCH(QJsonObject, local);
    QFETCH(QJsonObject, pulled);
    QFETCH(QString, id);
    QFETCH(QJsonObject, expected);

    SyncBench bench;
    Account account = testAccount("a-1", "Checking");
    account.syncStatus = SyncStatus::Synced;
    QVERIFY(bench.accounts.insert(account));
    QVERIFY(bench.categories.insert(testCategory("cat-1", "Food")));
    if (!local.isEmpty())
        addLocalRow(bench, entity, local);
    ChangeApplier applier(&bench.accounts, &bench.transactions, &bench.categories, &bench.recurring,
                          &bench.reconciliations, &bench.splitLines);
    QTest::failOnWarning(QRegularExpression("failed:"));
    // Every skip is logged.
    if (QByteArray(QTest::currentDataTag()).endsWith("skipped"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("skipping server record with"));
    // A record kept apart from the row holding its client id is logged.
    const QString localServerId = local["server_id"].toString();
    if (pulled["ambiguous_client_id"].toBool() && !localServerId.isEmpty() &&
        localServerId != baseRecord(entity)["id"].toString())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has the id of another row here"));
    apply(applier, entity, merged(baseRecord(entity), pulled));

    const QString table = tableOf(entity);
    if (id.isEmpty()) {
        id = bench.db
                 .scalar(
                     QStringLiteral("SELECT id FROM %1 WHERE id NOT IN ('a-1', 'x-1')").arg(table))
                 .toString();
        QCOMPARE(id.size(), 36);
    }
    QSqlQuery query(bench.db.database()->connection());
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE id = ?").arg(table));
    query.addBindValue(id);
    QVERIFY(query.exec());
    if (expected.isEmpty()) {
        QVERIFY2(!query.next(), "no row was to be stored");
        return;
    }
    QVERIFY2(query.next(), "the row is missing");
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString key = it.key();
        QVariant actual;
        if (key == "rows")
            actual = bench.db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
        else if (key == "split_lines")
            actual = bench.db.scalar(
                QStringLiteral("SELECT COUNT(*) FROM split_lines WHERE transaction_id = '%1'")
                    .arg(id));
        else if (key == "deleted")
            actual = !query.value("deleted_at").isNull() &&
                     !query.value("deleted_at").toString().isEmpty();
        else
            actual = query.value(key);
        QVERIFY2(query.record().contains(key) || key == "rows" || key == "split_lines" ||
                     key == "deleted",
                 qPrintable("no column " + key));
        const QVariant want = it.value().toVariant();
        QVERIFY2(actual.toString() == want.toString() ||
                     (want.isNull() && (actual.isNull() || actual.toString().isEmpty())),
                 qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(key, actual.toString(), want.toString())));
    }
}

void TestChangeApplier::replacedPendingEditsAreKept_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<QJsonObject>("local");  // the local row "x-1", as in merge()
    QTest::addColumn<QJsonObject>("pulled"); // over the entity's base record
    // The replaced local change's payload fields to check; empty: nothing was replaced.
    QTest::addColumn<QJsonObject>("kept");
    QTest::addColumn<QString>("description");

    const QJsonObject pending3{{"version", 3}, {"pending", true}};
    QTest::newRow("pending edit replaced by a higher version")
        << "transaction" << pending3 << QJsonObject{{"version", 4}}
        << QJsonObject{{"payee", "Local"}, {"amount", -100}, {"client_id", "x-1"}}
        << "3/1/26 · Local · -$1.00";
    QTest::newRow("pending edit replaced by a deletion")
        << "transaction" << QJsonObject{{"version", 5}, {"pending", true}}
        << QJsonObject{{"version", 4}, {"deleted_at", "2026-04-02T10:00:00Z"}}
        << QJsonObject{{"payee", "Local"}} << "3/1/26 · Local · -$1.00";
    QTest::newRow("split lines go with the replaced edit")
        << "transaction" << QJsonObject{{"version", 1}, {"pending", true}, {"split", true}}
        << QJsonObject{{"version", 2}} << QJsonObject{{"is_split", true}, {"split_lines", 3}}
        << "3/1/26 · Local · -$1.00";
    QTest::newRow("account edit replaced")
        << "account" << QJsonObject{{"version", 1}, {"pending", true}}
        << QJsonObject{{"version", 2}} << QJsonObject{{"name", "Local"}} << "Local";
    QTest::newRow("recurring edit replaced")
        << "recurring" << pending3 << QJsonObject{{"version", 4}}
        << QJsonObject{{"payee", "Local"}, {"amount", -100}} << "Local · -$1.00";
    QTest::newRow("statement replaced")
        << "reconciliation" << pending3 << QJsonObject{{"version", 4}}
        << QJsonObject{{"statement_balance", 100}} << "3/1/26 · $1.00";
    QTest::newRow("synced row: nothing of this device's is lost")
        << "transaction" << QJsonObject{{"version", 3}} << QJsonObject{{"version", 4}}
        << QJsonObject() << QString();
    QTest::newRow("pending edit that stays: nothing replaced")
        << "transaction" << pending3 << QJsonObject{{"version", 3}} << QJsonObject() << QString();
    QTest::newRow("pulled copy holding the edit: nothing lost")
        << "transaction" << pending3
        << QJsonObject{{"version", 4}, {"payee", "Local"}, {"amount", -100}, {"date", "2026-03-01"}}
        << QJsonObject() << QString();
    QTest::newRow("account differing only in being shared: nothing lost")
        << "account" << QJsonObject{{"version", 1}, {"pending", true}}
        << QJsonObject{{"version", 2},      {"name", "Local"},       {"account_type", "checking"},
                       {"currency", "USD"}, {"starting_balance", 0}, {"is_shared", true}}
        << QJsonObject() << QString();
}

// A local edit not yet pushed that a pulled record replaces is handed over whole, as the
// change it would have been pushed as, with what the user knows the row by.
void TestChangeApplier::replacedPendingEditsAreKept()
{
    QFETCH(QString, entity);
    QFETCH(QJsonObject, local);
    QFETCH(QJsonObject, pulled);
    QFETCH(QJsonObject, kept);
    QFETCH(QString, description);

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SyncBench bench;
    Account account = testAccount("a-1", "Checking");
    account.syncStatus = SyncStatus::Synced;
    QVERIFY(bench.accounts.insert(account));
    QVERIFY(bench.categories.insert(testCategory("cat-1", "Food")));
    addLocalRow(bench, entity, local);
    ChangeApplier applier(&bench.accounts, &bench.transactions, &bench.categories, &bench.recurring,
                          &bench.reconciliations, &bench.splitLines);
    apply(applier, entity, merged(baseRecord(entity), pulled));

    const QList<ReplacedEdit> replaced = applier.takeReplacedEdits();
    if (kept.isEmpty()) {
        QVERIFY(replaced.isEmpty());
        return;
    }
    QCOMPARE(replaced.size(), 1);
    const QJsonObject change = replaced.first().localChange;
    QCOMPARE(change["entity_type"].toString(), entity);
    QCOMPARE(change["entity_id"].toString(), "x-1");
    QCOMPARE(change["action"].toString(), "upsert");
    const QJsonObject payload = change["payload"].toObject();
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it.key() == "split_lines")
            QCOMPARE(payload["split_lines"].toArray().size(), it.value().toInt());
        else
            QCOMPARE(payload[it.key()], it.value());
    }
    QCOMPARE(replaced.first().description, description);
    QVERIFY(applier.takeReplacedEdits().isEmpty()); // handed over once
}

// An account withdrawn from the user takes every row booked to it along, split lines, rows
// never pushed and all, in one go; other accounts keep theirs.
void TestChangeApplier::aWithdrawnAccountLeavesWithEverythingBookedToIt()
{
    SyncBench bench;
    for (const char* id : {"a-shared", "a-own"}) {
        Account account = testAccount(id, id);
        account.syncStatus = SyncStatus::Synced;
        account.serverId = QStringLiteral("srv-%1").arg(id);
        QVERIFY(bench.accounts.insert(account));
    }
    QVERIFY(bench.categories.insert(testCategory("cat-1", "Food")));
    Transaction market = testTransaction("t-market", "a-shared", LocalDay, "Market", -300);
    market.isSplit = true;
    QVERIFY(bench.transactions.insert(market));
    QVERIFY(bench.splitLines.insert({"l-1", "t-market", "cat-1", -300, "", nowUtc(), nowUtc()}));
    QVERIFY(bench.transactions.insert(
        testTransaction("t-unpushed", "a-shared", LocalDay, "Typed here", -100)));
    QVERIFY(bench.recurring.insert(
        testRecurring("r-rent", "a-shared", "Rent", -900, Frequency::Monthly, LocalDay)));
    Reconciliation statement;
    statement.id = "rc-1";
    statement.accountId = "a-shared";
    statement.statementDate = LocalDay;
    QVERIFY(bench.reconciliations.insert(statement));
    Transaction own = testTransaction("t-own", "a-own", LocalDay, "Mine", -50);
    own.isSplit = true;
    QVERIFY(bench.transactions.insert(own));
    QVERIFY(bench.splitLines.insert({"l-own", "t-own", "cat-1", -50, "", nowUtc(), nowUtc()}));

    ChangeApplier applier(&bench.accounts, &bench.transactions, &bench.categories, &bench.recurring,
                          &bench.reconciliations, &bench.splitLines);
    QSignalSpy accountsChanged(&bench.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&bench.transactions,
                                   &TransactionRepository::transactionsChanged);
    QTest::failOnWarning(QRegularExpression("."));
    applier.applyAccount({QJsonObject{{"id", "srv-a-shared"},
                                      {"client_id", "a-shared"},
                                      {"name", "a-shared"},
                                      {"version", 2},
                                      {"deleted_at", "2026-04-02T10:00:00Z"},
                                      {"withdrawn", true}}});

    QCOMPARE(bench.db.scalar("SELECT group_concat(id) FROM accounts").toString(), "a-own");
    QCOMPARE(bench.db.scalar("SELECT group_concat(id) FROM transactions").toString(), "t-own");
    QCOMPARE(bench.db.scalar("SELECT group_concat(id) FROM split_lines").toString(), "l-own");
    QCOMPARE(bench.db.scalar("SELECT COUNT(*) FROM recurring_transactions").toInt(), 0);
    QCOMPARE(bench.db.scalar("SELECT COUNT(*) FROM reconciliations").toInt(), 0);
    QVERIFY(bench.accounts.listDeleted().isEmpty());
    QCOMPARE(bench.transactions.pendingCount(), 1); // t-own, still to be pushed
    QCOMPARE(accountsChanged.size(), 1);
    QCOMPARE(transactionsChanged.size(), 1);
    QCOMPARE(transactionsChanged.first().first().toString(), "a-shared");
}

// Ann's own account "a-1" and one Bob shares with her under the same id, left by a server that
// shared such accounts: both reach her device, the rows of each stay with it, and Bob's leaves
// with its rows when the share ends, while hers stays whole.
void TestChangeApplier::anAccountKeptApartTakesItsRowsAlong()
{
    SyncBench bench;
    Account own = testAccount("a-1", "Mine");
    own.syncStatus = SyncStatus::Synced;
    own.serverId = "srv-own";
    QVERIFY(bench.accounts.insert(own));
    Transaction ownRow = testTransaction("t-own", "a-1", LocalDay, "Mine", -50);
    ownRow.syncStatus = SyncStatus::Synced;
    ownRow.serverId = "srv-t-own";
    QVERIFY(bench.transactions.insert(ownRow));
    ChangeApplier applier(&bench.accounts, &bench.transactions, &bench.categories, &bench.recurring,
                          &bench.reconciliations, &bench.splitLines);
    QTest::failOnWarning(QRegularExpression("failed:"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has the id of another row here"));

    auto account = [](const QString& serverId, const QString& name, int version) {
        return QJsonObject{{"id", serverId},       {"client_id", "a-1"},
                           {"name", name},         {"version", version},
                           {"account_type", "cash"}, {"ambiguous_client_id", true}};
    };
    auto transaction = [](const QString& id, const QString& accountServerId) {
        return QJsonObject{{"id", "srv-" + id},     {"client_id", id},
                           {"account_id", "a-1"},   {"account_server_id", accountServerId},
                           {"date", "2026-04-01"},  {"payee", id},
                           {"amount", -100},        {"version", 1}};
    };
    applier.applyPage({{"accounts", QJsonArray{account("srv-theirs", "Bob's", 1),
                                               account("srv-own", "Mine", 1)}},
                       {"transactions", QJsonArray{transaction("t-bobs", "srv-theirs"),
                                                   transaction("t-mine", "srv-own")}}});

    const QString kept = bench.db.scalar("SELECT id FROM accounts WHERE server_id = 'srv-theirs'")
                             .toString();
    QCOMPARE(kept.size(), 36);
    QCOMPARE(bench.accounts.byId("a-1")->name, "Mine");
    QCOMPARE(bench.accounts.byId(kept)->name, "Bob's");
    QCOMPARE(bench.transactions.byId("t-bobs")->accountId, kept);
    QCOMPARE(bench.transactions.byId("t-mine")->accountId, "a-1");
    const QList<SyncWireId> wireIds = SyncWireIdRepository(bench.db.database()).current();
    QCOMPARE(wireIds.size(), 1);
    QCOMPARE(wireIds.first().entityType, "account");
    QCOMPARE(wireIds.first().localId, kept);
    QCOMPARE(wireIds.first().serverId, "srv-theirs");
    QCOMPARE(wireIds.first().clientId, "a-1");

    // A later change of Bob's account finds it by its server id.
    applier.applyAccount({account("srv-theirs", "Bob's, renamed", 2)});
    QCOMPARE(bench.accounts.byId(kept)->name, "Bob's, renamed");
    QCOMPARE(bench.accounts.byId("a-1")->name, "Mine");

    // The share ends.
    QJsonObject withdrawn = account("srv-theirs", "Bob's, renamed", 3);
    withdrawn.insert("deleted_at", "2026-04-02T10:00:00Z");
    withdrawn.insert("withdrawn", true);
    applier.applyAccount({withdrawn});
    QCOMPARE(bench.db.scalar("SELECT group_concat(id) FROM accounts").toString(), "a-1");
    QCOMPARE(bench.db.scalar("SELECT group_concat(id, ' ') FROM (SELECT id FROM transactions "
                             "ORDER BY id)")
                 .toString(),
             "t-mine t-own");
    QVERIFY(!bench.accounts.byId("a-1")->isDeleted());
    QVERIFY(SyncWireIdRepository(bench.db.database()).current().isEmpty());
}

QTEST_GUILESS_MAIN(TestChangeApplier)
#include "tst_changeapplier.moc"
