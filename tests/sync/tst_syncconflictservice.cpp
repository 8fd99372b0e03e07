#include "sync/conflicts/syncconflictservice.h"
#include "sync/wire/changepayload.h"

#include "tests/common/tabledump.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using KeepMine = SyncConflictService::KeepMine;
Q_DECLARE_METATYPE(KeepMine)

namespace {

const QDate Day(2026, 3, 14);

template <typename Record> Record synced(Record record, int version)
{
    record.version = version;
    record.syncStatus = SyncStatus::Synced;
    record.serverId = "srv-" + record.id;
    return record;
}

} // namespace

// Keeping or discarding a local version that another device's copy replaced, for every kind of
// synchronised row, with the row still there, deleted since, or its account gone.
class TestSyncConflictService : public QObject
{
    Q_OBJECT

private:
    struct Ledger
    {
        TestDatabase db;
        AccountRepository accounts{db.database()};
        TransactionRepository transactions{db.database()};
        CategoryRepository categories{db.database()};
        RecurringRepository recurring{db.database()};
        ReconciliationRepository reconciliations{db.database()};
        SplitLineRepository splitLines{db.database()};
        SyncConflictRepository conflicts{db.database()};
        AccountService accountService{db.database(), &accounts, &transactions, &recurring,
                                      &reconciliations};
        TransactionService transactionService{db.database(), &accounts, &transactions, &splitLines};
        CategoryService categoryService{&categories};
        RecurringService recurringService{&recurring, &transactionService};
        SyncConflictService service{db.database(),    &conflicts,       &accounts,
                                    &transactions,    &categories,      &recurring,
                                    &reconciliations, &accountService,  &transactionService,
                                    &categoryService, &recurringService};

        QStringList everything() const
        {
            QStringList rows;
            for (const QString& table : TableDump::ledgerTables())
                rows += TableDump::rows(db, table);
            return rows;
        }
    };

    // Stores the other device's copy of the row "x-1" (version 3, synced) and records this
    // device's replaced version of it (pushed with version 1) as the engine would.
    static qint64 replaced(Ledger& ledger, const QString& entity)
    {
        QJsonObject mine;
        if (entity == "account") {
            Account theirs = synced(testAccount("x-1", "Theirs"), 3);
            theirs.isShared = true;
            ledger.accounts.insert(theirs);
            mine = ChangePayload::account(synced(testAccount("x-1", "Mine"), 1));
        } else if (entity == "category") {
            ledger.categories.insert(synced(testCategory("x-1", "Theirs"), 3));
            mine = ChangePayload::category(synced(testCategory("x-1", "Mine"), 1));
        } else if (entity == "recurring") {
            ledger.recurring.insert(
                synced(testRecurring("x-1", "a-1", "Theirs", -9000, Frequency::Monthly, Day), 3));
            mine = ChangePayload::recurring(
                synced(testRecurring("x-1", "a-1", "Mine", -9500, Frequency::Weekly, Day), 1));
        } else if (entity == "reconciliation") {
            Reconciliation statement;
            statement.id = "x-1";
            statement.accountId = "a-1";
            statement.statementDate = Day;
            statement.statementBalance = statement.reconciledBalance = 9000;
            statement.completedAt = statement.createdAt = statement.updatedAt = nowUtc();
            ledger.reconciliations.insert(synced(statement, 3));
            statement.statementBalance = statement.reconciledBalance = 9500;
            mine = ChangePayload::reconciliation(synced(statement, 1));
        } else {
            Transaction theirs = synced(testTransaction("x-1", "a-1", Day, "Theirs", -9000), 3);
            Transaction own = synced(testTransaction("x-1", "a-1", Day, "Mine", -9500), 1);
            QList<SplitLine> lines;
            if (entity == "split transaction") {
                own.isSplit = true;
                lines = {{"l-1", "x-1", "cat-1", -5000, "veg", nowUtc(), nowUtc()},
                         {"l-2", "x-1", "cat-1", -4500, "", nowUtc(), nowUtc()}};
            } else if (entity == "transfer") {
                for (Transaction* side : {&theirs, &own}) {
                    side->transferLinkId = "x-2";
                    side->transferDestAccountId = "a-2";
                }
                Transaction partner = synced(testTransaction("x-2", "a-2", Day, "Theirs", 9000), 3);
                partner.transferLinkId = "x-1";
                partner.transferDestAccountId = "a-1";
                ledger.transactions.insert(partner);
            } else if (entity == "amount beyond what can be entered") {
                own.amount = -10000000000;
            }
            ledger.transactions.insert(theirs);
            mine = ChangePayload::transaction(own, lines);
        }
        SyncConflict conflict;
        conflict.entityType = mine["entity_type"].toString();
        conflict.entityId = "x-1";
        conflict.localChange = QString::fromUtf8(QJsonDocument(mine).toJson());
        conflict.description = "Mine";
        conflict.replacedAt = nowUtc();
        ledger.conflicts.record(conflict);
        return ledger.conflicts.listAll().constFirst().id;
    }

    static QString table(const QString& entity)
    {
        if (entity == "account")
            return "accounts";
        if (entity == "category")
            return "categories";
        if (entity == "recurring")
            return "recurring_transactions";
        if (entity == "reconciliation")
            return "reconciliations";
        return "transactions";
    }

    // What tells the two versions apart in each table.
    static QString shownColumn(const QString& entity)
    {
        if (entity == "account" || entity == "category")
            return "name";
        if (entity == "reconciliation")
            return "statement_balance";
        return "payee";
    }

private slots:
    void keepMine_data();
    void keepMine();
    void discardKeepsTheirs();
    void unreadableEntryCanOnlyBeDiscarded();
    void laterReplacementTakesThePlaceOfTheEarlier();
};

void TestSyncConflictService::keepMine_data()
{
    QTest::addColumn<QString>("entity");
    // "live", "deleted" (the row, and a transfer's other side), "account deleted" (the row's
    // account, and with it the row)
    QTest::addColumn<QString>("state");
    QTest::addColumn<KeepMine>("effect");
    QTest::addColumn<bool>("kept");

    for (const char* entity : {"transaction", "split transaction", "transfer", "account",
                               "category", "recurring", "reconciliation"})
        QTest::addRow("%s, live", entity) << entity << "live" << KeepMine::Reapply << true;
    QTest::newRow("transaction, deleted: added again") << "transaction"
                                                       << "deleted" << KeepMine::AddAgain << true;
    QTest::newRow("split transaction, deleted: added again with its lines")
        << "split transaction"
        << "deleted" << KeepMine::AddAgain << true;
    QTest::newRow("recurring, deleted: added again") << "recurring"
                                                     << "deleted" << KeepMine::AddAgain << true;
    QTest::newRow("transfer, deleted: one side alone is not put back")
        << "transfer"
        << "deleted" << KeepMine::Unavailable << false;
    for (const char* entity : {"account", "category", "reconciliation"})
        QTest::addRow("%s, deleted", entity)
            << entity << "deleted" << KeepMine::Unavailable << false;
    QTest::newRow("transaction, account deleted")
        << "transaction"
        << "account deleted" << KeepMine::Unavailable << false;
    QTest::newRow("recurring, account deleted")
        << "recurring"
        << "account deleted" << KeepMine::Unavailable << false;
    QTest::newRow("write refused: nothing changes") << "amount beyond what can be entered"
                                                    << "live" << KeepMine::Reapply << false;
}

void TestSyncConflictService::keepMine()
{
    QFETCH(QString, entity);
    QFETCH(QString, state);
    QFETCH(KeepMine, effect);
    QFETCH(bool, kept);

    Ledger ledger;
    QVERIFY(ledger.accounts.insert(synced(testAccount("a-1", "Checking"), 1)));
    QVERIFY(ledger.accounts.insert(synced(testAccount("a-2", "Savings"), 1)));
    QVERIFY(ledger.categories.insert(synced(testCategory("cat-1", "Food"), 1)));
    const qint64 id = replaced(ledger, entity);
    const QString rows = table(entity);
    if (state == "deleted") {
        ledger.db.exec(QStringLiteral("UPDATE %1 SET deleted_at = '2026-03-15T08:00:00Z' WHERE "
                                      "id IN ('x-1', 'x-2')")
                           .arg(rows));
    } else if (state == "account deleted") {
        QVERIFY(ledger.accountService.remove("a-1").removed);
    }
    const SyncConflict conflict = *ledger.conflicts.byId(id);
    QCOMPARE(ledger.service.keepMineEffect(conflict), effect);

    const QStringList before = ledger.everything();
    if (!kept)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not keep the local version"));
    if (entity.startsWith("amount"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("beyond what can be entered"));
    QCOMPARE(ledger.service.keepMine(id), kept);
    if (!kept) {
        QCOMPARE(ledger.everything(), before);
        QCOMPARE(ledger.conflicts.count(), 1);
        return;
    }
    QCOMPARE(ledger.conflicts.count(), 0);

    const QString column = shownColumn(entity);
    const QString mine = column == "statement_balance" ? "9500" : "Mine";
    QString keptId = "x-1";
    if (effect == KeepMine::AddAgain) {
        // The deleted row stays deleted; a new row holds this device's version.
        QCOMPARE(
            ledger.db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE id = 'x-1'").arg(column, rows))
                .toString(),
            "Theirs");
        keptId = ledger.db
                     .scalar(QStringLiteral("SELECT id FROM %1 WHERE id != 'x-1' AND "
                                            "deleted_at IS NULL AND %2 = 'Mine'")
                                 .arg(rows, column))
                     .toString();
        QCOMPARE(keptId.size(), 36);
        QCOMPARE(
            ledger.db
                .scalar(QStringLiteral("SELECT version FROM %1 WHERE id = '%2'").arg(rows, keptId))
                .toInt(),
            1);
    } else {
        // Over the row, one version above the other device's copy, so that it wins the push.
        QCOMPARE(
            ledger.db.scalar(QStringLiteral("SELECT version FROM %1 WHERE id = 'x-1'").arg(rows))
                .toInt(),
            4);
        QCOMPARE(
            ledger.db.scalar(QStringLiteral("SELECT server_id FROM %1 WHERE id = 'x-1'").arg(rows))
                .toString(),
            "srv-x-1");
    }
    QCOMPARE(
        ledger.db
            .scalar(QStringLiteral("SELECT %1 FROM %2 WHERE id = '%3'").arg(column, rows, keptId))
            .toString(),
        mine);
    QCOMPARE(
        ledger.db
            .scalar(QStringLiteral("SELECT sync_status FROM %1 WHERE id = '%2'").arg(rows, keptId))
            .toString(),
        "pending");
    if (entity == "split transaction")
        QCOMPARE(ledger.splitLines.listForTransaction(keptId).size(), 2);
    if (entity == "transfer") // the other side follows the amount
        QCOMPARE(ledger.transactions.byId("x-2")->amount, 9500);
    if (entity == "account") // the server's knowledge, not the edit's
        QVERIFY(ledger.accounts.byId("x-1")->isShared);
    if (entity == "recurring")
        QCOMPARE(ledger.recurring.byId(keptId)->frequency, Frequency::Weekly);
}

void TestSyncConflictService::discardKeepsTheirs()
{
    Ledger ledger;
    QVERIFY(ledger.accounts.insert(synced(testAccount("a-1", "Checking"), 1)));
    const qint64 id = replaced(ledger, "transaction");
    const QStringList before = ledger.everything();
    QVERIFY(ledger.service.discard(id));
    QCOMPARE(ledger.conflicts.count(), 0);
    QCOMPARE(ledger.everything(), before);
}

void TestSyncConflictService::unreadableEntryCanOnlyBeDiscarded()
{
    Ledger ledger;
    QVERIFY(ledger.accounts.insert(synced(testAccount("a-1", "Checking"), 1)));
    QVERIFY(
        ledger.transactions.insert(synced(testTransaction("x-1", "a-1", Day, "Theirs", -9000), 3)));
    SyncConflict conflict;
    conflict.entityType = "transaction";
    conflict.entityId = "x-1";
    conflict.localChange = "{not json";
    conflict.description = "Mine";
    conflict.replacedAt = nowUtc();
    QVERIFY(ledger.conflicts.record(conflict));
    const SyncConflict stored = ledger.conflicts.listAll().constFirst();
    QCOMPARE(ledger.service.keepMineEffect(stored), KeepMine::Unavailable);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not keep the local version"));
    QVERIFY(!ledger.service.keepMine(stored.id));
    QCOMPARE(ledger.transactions.byId("x-1")->payee, "Theirs");
    QVERIFY(ledger.service.discard(stored.id));
    QCOMPARE(ledger.conflicts.count(), 0);
}

// A row replaced twice before the user looked is listed once, with the version last had here.
void TestSyncConflictService::laterReplacementTakesThePlaceOfTheEarlier()
{
    Ledger ledger;
    SyncConflict conflict;
    conflict.entityType = "transaction";
    conflict.entityId = "x-1";
    conflict.localChange = "{}";
    conflict.description = "Bakery · -$95.00";
    conflict.replacedAt = QDateTime(Day, QTime(9, 0), Qt::UTC);
    QVERIFY(ledger.conflicts.record(conflict));
    conflict.entityId = "x-2";
    conflict.description = "Florist · -$20.00";
    conflict.replacedAt = QDateTime(Day, QTime(10, 0), Qt::UTC);
    QVERIFY(ledger.conflicts.record(conflict));
    conflict.entityId = "x-1";
    conflict.description = "Bakery · -$97.00";
    conflict.replacedAt = QDateTime(Day, QTime(11, 0), Qt::UTC);
    QVERIFY(ledger.conflicts.record(conflict));

    QStringList listed;
    for (const SyncConflict& entry : ledger.conflicts.listAll())
        listed << entry.entityId + ": " + entry.description + " at " +
                      entry.replacedAt.toString(Qt::ISODate);
    QCOMPARE(listed, QStringList({"x-1: Bakery · -$97.00 at 2026-03-14T11:00:00Z",
                                  "x-2: Florist · -$20.00 at 2026-03-14T10:00:00Z"}));
}

QTEST_GUILESS_MAIN(TestSyncConflictService)
#include "tst_syncconflictservice.moc"
