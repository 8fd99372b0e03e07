#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"

#include "tests/common/testrecords.h"
#include "tests/server/support/testserver.h"
#include "tests/sync/support/syncsession.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include "server/accounts/groupservice.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// Devices converge through a real server: one user's two devices, and an account shared with
// a member of the family group.
class TestSyncEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void twoDevicesOfOneUserConverge();
    void sharedAccountReachesTheMemberOnly();

private:
    std::unique_ptr<TestServer> m_server;
    QString m_ann;
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
    QVERIFY(cysLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(cysLaptop.s().transactions.byId("t-bread")->isDeleted());
    QVERIFY(annsLaptop.sync());
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(!annsLaptop.s().transactions.byId("t-bread")->isDeleted());
}

QTEST_GUILESS_MAIN(TestSyncEndToEnd)
#include "tst_syncendtoend.moc"
