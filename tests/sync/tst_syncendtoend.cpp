#include "sync/conflicts/syncconflictservice.h"
#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"

#include "tests/common/testrecords.h"
#include "tests/server/support/testserver.h"
#include "tests/sync/support/syncsession.h"

#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"

#include "server/accounts/groupservice.h"

#include "app/core/ids.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The services the program writes through, over one device's open database: to be dropped
// before another device's database opens.
struct Ledger
{
    explicit Ledger(Session& s)
        : accounts(&s.database, &s.accounts, &s.transactions, &s.recurring, &s.reconciliations),
          transactions(&s.database, &s.accounts, &s.transactions, &s.splitLines),
          categories(&s.categories), recurring(&s.recurring, &transactions),
          conflicts(&s.database, s.engine->conflicts(), &s.accounts, &s.transactions, &s.categories,
                    &s.recurring, &s.reconciliations, &accounts, &transactions, &categories,
                    &recurring)
    {
    }

    AccountService accounts;
    TransactionService transactions;
    CategoryService categories;
    RecurringService recurring;
    SyncConflictService conflicts;
};

} // namespace

// Devices converge through a real server: one user's two devices, and an account shared with
// a member of the family group.
class TestSyncEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void twoDevicesOfOneUserConverge();
    void sharedAccountReachesTheMemberOnly();
    void replacedEditsAreKeptAndCanBePutBack();
    void aWithdrawnShareIsNotTheMembersToRestore();
    void aDefaultCategoryDeletedBeforeTheFirstSyncIsDeletedEverywhere();

private:
    // Ann shares "a-usd" of her ledger with Cy (m_cy), who joins her family group; Cy's laptop
    // has pulled it.
    void shareWithCy(Device& annsLaptop, Device& cysLaptop);
    static bool share(Device& owner, const QString& accountId, const QString& memberId);
    static bool withdraw(Device& owner, const QString& accountId, const QString& memberId);

    std::unique_ptr<TestServer> m_server;
    QString m_ann;
    QString m_cy;
};

void TestSyncEndToEnd::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_ann = m_server->addUser("ann@example.org");
    QVERIFY(!m_ann.isEmpty());
}

void TestSyncEndToEnd::twoDevicesOfOneUserConverge()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    writeLedger(laptop);
    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());
    QCOMPARE(desktop.data(), laptop.data());
    QCOMPARE(desktop.s().scalar("SELECT COUNT(*) FROM split_lines").toInt(), 2);

    // An edit and a delete on the desktop reach the laptop.
    Transaction bread = *desktop.s().transactions.byId("t-bread");
    bread.payee = "Corner Bakery";
    bread.syncStatus = SyncStatus::Pending;
    bread.updatedAt = nowUtc();
    QVERIFY(desktop.s().transactions.update(bread));
    QVERIFY(desktop.s().transactions.softDelete("t-out"));
    QVERIFY(desktop.s().transactions.softDelete("t-in"));
    QVERIFY(desktop.sync());
    QVERIFY(laptop.sync());
    QCOMPARE(laptop.s().transactions.byId("t-bread")->payee, "Corner Bakery");
    QVERIFY(laptop.s().transactions.byId("t-out")->isDeleted());
    QVERIFY(desktop.sync());
    QCOMPARE(laptop.data(), desktop.data());

    // A full resync pushes everything again and changes nothing in the data.
    const QStringList before = laptop.data();
    QSignalSpy completed(laptop.s().engine.get(), &SyncEngine::syncCompleted);
    laptop.s().engine->fullResync();
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 30000);
    QCOMPARE(laptop.data(), before);
    QCOMPARE(
        laptop.s().scalar("SELECT COUNT(*) FROM transactions WHERE sync_status='pending'").toInt(),
        0);
}

void TestSyncEndToEnd::sharedAccountReachesTheMemberOnly()
{
    const QString cy = m_server->addUser("cy@example.org");
    PennibarServer::Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    Device annsLaptop(*m_server, "ann@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    const HttpClient annHttp = m_server->signedIn("ann@example.org");
    const HttpClient cyHttp = m_server->signedIn("cy@example.org");
    const QString code = annHttp.postEmpty("/group/invite").json().value("invite_code").toString();
    QCOMPARE(cyHttp.postEmpty("/group/join/" + code).status, 200);

    writeLedger(annsLaptop);
    QVERIFY(annsLaptop.sync());
    std::optional<bool> shared;
    annsLaptop.s().sharing->shareWith("a-usd", cy, QString(),
                                      [&](bool ok, const QString&) { shared = ok; });
    QTRY_VERIFY(shared.has_value());
    QVERIFY(*shared);

    QVERIFY(cysLaptop.sync());
    QVERIFY(cysLaptop.s().accounts.byId("a-usd").has_value());
    QVERIFY(!cysLaptop.s().accounts.byId("a-jpy").has_value());
    QVERIFY(cysLaptop.s().accounts.byId("a-usd")->isShared);
    QCOMPARE(cysLaptop.s()
                 .scalar("SELECT COUNT(*) FROM transactions WHERE account_id != 'a-usd'")
                 .toInt(),
             0);
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);

    // Cy's edit reaches Ann.
    Transaction bread = *cysLaptop.s().transactions.byId("t-bread");
    bread.memo = "sourdough";
    bread.syncStatus = SyncStatus::Pending;
    QVERIFY(cysLaptop.s().transactions.update(bread));
    QVERIFY(cysLaptop.sync());
    QVERIFY(annsLaptop.sync());
    QCOMPARE(annsLaptop.s().transactions.byId("t-bread")->memo, "sourdough");
    QVERIFY(annsLaptop.s().accounts.byId("a-usd")->isShared);

    // Withdrawing the share takes the register away from Cy.
    std::optional<bool> removed;
    annsLaptop.s().sharing->removeShare("a-usd", cy, [&](bool ok) { removed = ok; });
    QTRY_VERIFY(removed.has_value());
    QVERIFY(*removed);
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd"));
    QVERIFY(!cysLaptop.s().transactions.byId("t-bread"));
    QVERIFY(annsLaptop.sync());
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(!annsLaptop.s().transactions.byId("t-bread")->isDeleted());
}

// Both devices change the same rows offline: the laptop pays 90.00 where the desktop pays
// 95.00, and deletes the split transaction the desktop renames. The laptop syncs first and
// wins; the desktop shows the laptop's versions and keeps its own among the conflicts, from
// where Keep Mine brings them to both devices.
void TestSyncEndToEnd::replacedEditsAreKeptAndCanBePutBack()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    writeLedger(laptop);
    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());

    {
        Ledger ledger(laptop.s());
        Transaction bread = *laptop.s().transactions.byId("t-bread");
        bread.amount = -9000;
        QVERIFY(ledger.transactions.editInPlace(bread));
        QVERIFY(ledger.transactions.remove(*laptop.s().transactions.byId("t-market")));
    }
    {
        Ledger ledger(desktop.s());
        Transaction bread = *desktop.s().transactions.byId("t-bread");
        bread.amount = -9500;
        QVERIFY(ledger.transactions.editInPlace(bread));
        Transaction market = *desktop.s().transactions.byId("t-market");
        market.payee = "Farmers Market";
        QVERIFY(ledger.transactions.editInPlace(market));
    }
    QVERIFY(laptop.sync());
    QSignalSpy replaced(desktop.s().engine.get(), &SyncEngine::changesReplaced);
    QVERIFY(desktop.sync());
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(replaced.first().first().toInt(), 2);
    QCOMPARE(desktop.s().transactions.byId("t-bread")->amount, -9000);
    QVERIFY(desktop.s().transactions.byId("t-market")->isDeleted());
    QVERIFY(desktop.sync()); // the deletion's echo settles; nothing new is replaced
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(laptop.data(), desktop.data());
    QCOMPARE(laptop.s().engine->conflicts()->count(), 0);

    const QList<SyncConflict> conflicts = desktop.s().engine->conflicts()->listAll();
    QCOMPARE(conflicts.size(), 2);
    QStringList descriptions;
    for (const SyncConflict& conflict : conflicts)
        descriptions << conflict.entityId + ": " + conflict.description.section(" · ", 1);
    descriptions.sort();
    QCOMPARE(descriptions,
             QStringList({"t-bread: Bakery · -$95.00", "t-market: Farmers Market · -$30.00"}));
    {
        Ledger ledger(desktop.s());
        for (const SyncConflict& conflict : conflicts)
            QVERIFY(ledger.conflicts.keepMine(conflict.id));
    }
    QVERIFY(desktop.sync());
    QVERIFY(laptop.sync());
    QCOMPARE(laptop.s().transactions.byId("t-bread")->amount, -9500);
    const QString market =
        laptop.s()
            .scalar("SELECT id FROM transactions WHERE payee = 'Farmers Market' AND deleted_at "
                    "IS NULL")
            .toString();
    QCOMPARE(market.size(), 36); // back as a new transaction
    QCOMPARE(laptop.s().splitLines.listForTransaction(market).size(), 2);
    QVERIFY(desktop.sync());
    QCOMPARE(laptop.data(), desktop.data());
    QCOMPARE(desktop.s().engine->conflicts()->count(), 0);
    QCOMPARE(laptop.s().engine->conflicts()->count(), 0);
}

bool TestSyncEndToEnd::share(Device& owner, const QString& accountId, const QString& memberId)
{
    std::optional<bool> shared;
    owner.s().sharing->shareWith(accountId, memberId, QString(),
                                 [&](bool ok, const QString&) { shared = ok; });
    return QTest::qWaitFor([&] { return shared.has_value(); }, 10000) && *shared;
}

bool TestSyncEndToEnd::withdraw(Device& owner, const QString& accountId, const QString& memberId)
{
    std::optional<bool> removed;
    owner.s().sharing->removeShare(accountId, memberId, [&](bool ok) { removed = ok; });
    return QTest::qWaitFor([&] { return removed.has_value(); }, 10000) && *removed;
}

void TestSyncEndToEnd::shareWithCy(Device& annsLaptop, Device& cysLaptop)
{
    PennibarServer::Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const QString code = m_server->signedIn("ann@example.org")
                             .postEmpty("/group/invite")
                             .json()
                             .value("invite_code")
                             .toString();
    QCOMPARE(m_server->signedIn("cy@example.org").postEmpty("/group/join/" + code).status, 200);
    writeLedger(annsLaptop);
    QVERIFY(annsLaptop.sync());
    QVERIFY(share(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
}

// Once Ann takes Cy's access away, her rows leave Cy's laptop for good: they are not among his
// deleted accounts to restore, nothing of them is pushed, and the server keeps them Ann's even
// when a copy of them comes back to one of Cy's devices. Shared again, they come back.
void TestSyncEndToEnd::aWithdrawnShareIsNotTheMembersToRestore()
{
    Device annsLaptop(*m_server, "ann@example.org");
    m_cy = m_server->addUser("cy@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    shareWithCy(annsLaptop, cysLaptop);
    QVERIFY(withdraw(annsLaptop, "a-usd", m_cy));

    QVERIFY(cysLaptop.sync());
    Session& cy = cysLaptop.s();
    QVERIFY(cy.accounts.listDeleted().isEmpty());
    QVERIFY(!cy.accounts.byId("a-usd"));
    for (const char* table :
         {"transactions", "split_lines", "recurring_transactions", "reconciliations"})
        QCOMPARE(cy.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 0);
    AccountService accounts(&cy.database, &cy.accounts, &cy.transactions, &cy.recurring,
                            &cy.reconciliations);
    accounts.restore("a-usd");
    QVERIFY(!cy.accounts.byId("a-usd"));
    QCOMPARE(cy.accounts.pendingCount() + cy.transactions.pendingCount(), 0);

    // A copy of Ann's rows that reaches another of Cy's devices (an old backup, say) does not
    // become Cy's own: the server refuses it, and the withdrawal that device then pulls takes
    // the copy away too.
    Device cysDesktop(*m_server, "cy@example.org");
    QVERIFY(cysDesktop.s().accounts.insert(testAccount("a-usd", "Checking", 150000)));
    QVERIFY(cysDesktop.s().transactions.insert(
        testTransaction("t-bread", "a-usd", QDate(2026, 2, 10), "Copied", -450)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("status= \"forbidden\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("status= \"forbidden\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("0 ok, 2 errors"));
    QVERIFY(cysDesktop.sync());
    QVERIFY(!cysDesktop.s().accounts.byId("a-usd"));
    QVERIFY(!cysDesktop.s().transactions.byId("t-bread"));
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd"));
    QVERIFY(annsLaptop.sync());
    QCOMPARE(annsLaptop.s().transactions.byId("t-bread")->payee, "Bakery");
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isShared);

    // Shared again, the account comes back whole.
    QVERIFY(share(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd")->isDeleted());
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
}

// A default category carries the same id on every device. Deleted on the laptop before it
// ever synced, it stays deleted once the desktop, which still has it, syncs after it.
void TestSyncEndToEnd::aDefaultCategoryDeletedBeforeTheFirstSyncIsDeletedEverywhere()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    const QString groceries = nameBasedId(dnsNamespace(), QStringLiteral("expense::Groceries"));
    for (Device* device : {&laptop, &desktop}) {
        CategoryService categories(&device->s().categories);
        categories.ensureDefaultCategories();
        QCOMPARE(device->s().categories.count(), 56);
    }
    QVERIFY(CategoryService(&laptop.s().categories).remove(groceries));

    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());
    QVERIFY(desktop.sync()); // pushes the deletion it pulled
    QVERIFY(laptop.sync());
    for (Device* device : {&laptop, &desktop}) {
        QVERIFY(device->s().categories.byId(groceries)->isDeleted());
        QCOMPARE(device->s().categories.count(), 55);
        QCOMPARE(device->s().categories.pendingCount(), 0);
    }
    QCOMPARE(laptop.data(), desktop.data());
}

QTEST_GUILESS_MAIN(TestSyncEndToEnd)
#include "tst_syncendtoend.moc"
