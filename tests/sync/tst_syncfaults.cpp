#include "tests/common/testrecords.h"
#include "tests/server/support/testserver.h"
#include "tests/sync/support/faultproxy.h"
#include "tests/sync/support/syncsession.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Enough rows for several push batches and several pull pages.
constexpr int ExtraTransactions = 1100;

void writeLargeLedger(Device& device)
{
    writeLedger(device);
    const QDate start(2025, 1, 1);
    for (int i = 0; i < ExtraTransactions; ++i)
        QVERIFY(device.s().transactions.insert(testTransaction(
            QStringLiteral("t-%1").arg(i, 5, 10, QLatin1Char('0')), "a-usd", start.addDays(i % 365),
            QStringLiteral("Payee %1").arg(i % 37), -(i + 1))));
}

// Syncs both devices until nothing is left to move, then checks they hold the same rows, all
// of them, once each.
void expectConverged(Device& laptop, Device& desktop)
{
    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());
    QVERIFY(laptop.sync());
    const QStringList rows = laptop.data();
    QCOMPARE(desktop.data(), rows);
    QCOMPARE(laptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), ExtraTransactions + 4);
    QCOMPARE(laptop.s().scalar("SELECT COUNT(*) FROM split_lines").toInt(), 2);
    QCOMPARE(laptop.s()
                 .scalar("SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'")
                 .toInt(),
             0);
    QCOMPARE(desktop.s()
                 .scalar("SELECT COUNT(*) FROM (SELECT server_id FROM transactions GROUP BY "
                         "server_id HAVING COUNT(*) > 1)")
                 .toInt(),
             0);
}

} // namespace

// Two devices of one user reach the same data through a real server after a cycle broke off
// half-way: the server going away, an error answer to a push, a pull cut off mid-page.
class TestSyncFaults : public QObject
{
    Q_OBJECT

private slots:
    void brokenRequestHealsOnTheNextCycle_data();
    void brokenRequestHealsOnTheNextCycle();
    void serverRestartedMidPushLosesNothing();
};

void TestSyncFaults::brokenRequestHealsOnTheNextCycle_data()
{
    QTest::addColumn<bool>("breakPush");
    QTest::addColumn<int>("skip");
    QTest::newRow("500 to the first push") << true << 0;
    QTest::newRow("500 to the second push") << true << 1;
    QTest::newRow("first pull page cut off") << false << 0;
    QTest::newRow("third pull page cut off") << false << 2;
}

void TestSyncFaults::brokenRequestHealsOnTheNextCycle()
{
    QFETCH(bool, breakPush);
    QFETCH(int, skip);
    TestServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    QVERIFY(!server.addUser("ann@example.org").isEmpty());
    FaultProxy proxy(server.baseUrl());
    Device laptop(server, "ann@example.org", proxy.baseUrl());
    Device desktop(server, "ann@example.org", proxy.baseUrl());
    writeLargeLedger(laptop);

    if (breakPush) {
        proxy.failPush(skip);
        QVERIFY(!laptop.sync());
    } else {
        QVERIFY(laptop.sync());
        proxy.cutPull(skip);
        QVERIFY(!desktop.sync());
    }
    QCOMPARE(proxy.faultsDone(), 1);
    expectConverged(laptop, desktop);
}

void TestSyncFaults::serverRestartedMidPushLosesNothing()
{
    if (qEnvironmentVariableIsSet("PENNIBAR_TEST_POSTGRES"))
        QSKIP("a restarted server keeps its data in its data directory only on SQLite");
    QTemporaryDir dataDir;
    auto server = std::make_unique<TestServer>(QMap<QString, QString>(), dataDir.path());
    QVERIFY2(server->isRunning(), qPrintable(server->startError()));
    QVERIFY(!server->addUser("ann@example.org").isEmpty());
    FaultProxy proxy(server->baseUrl());
    Device laptop(*server, "ann@example.org", proxy.baseUrl());
    writeLargeLedger(laptop);

    proxy.beforePush(1, [&server] { server.reset(); });
    QVERIFY(!laptop.sync());
    QVERIFY(!server);

    server = std::make_unique<TestServer>(QMap<QString, QString>(), dataDir.path());
    QVERIFY2(server->isRunning(), qPrintable(server->startError()));
    proxy.setUpstream(server->baseUrl());
    Device desktop(*server, "ann@example.org", proxy.baseUrl());
    expectConverged(laptop, desktop);
}

QTEST_GUILESS_MAIN(TestSyncFaults)
#include "tst_syncfaults.moc"
