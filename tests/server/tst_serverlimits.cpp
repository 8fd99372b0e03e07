#include "tests/server/support/rawconnection.h"
#include "tests/server/support/serverprocess.h"

#include <QTest>

#include <memory>
#include <vector>

// What one client, or many, can make the real server process hold: memory, descriptors, the
// event loop.
class TestServerLimits : public QObject
{
    Q_OBJECT

private slots:
    void memoryReturnsWhenUnfinishedBodiesClose();
    void runningOutOfDescriptorsPausesAccepting();

private:
    static QString executable() { return QStringLiteral(PENNIBAR_SERVER_EXECUTABLE); }
    static QByteArray healthRequest() { return "GET /healthz HTTP/1.1\r\nHost: localhost\r\n\r\n"; }
};

void TestServerLimits::memoryReturnsWhenUnfinishedBodiesClose()
{
    ServerProcess server(executable(), QString(),
                         {{QStringLiteral("max_connections_per_address"), QStringLiteral("200")}});
    QVERIFY(server.isRunning());
    RawConnection health(quint16(server.base().port()));
    QVERIFY(health.waitForConnected());
    health.send(healthRequest());
    QCOMPARE(health.nextResponse().status, 200);
    QTest::qWait(500);
    const double start = server.memoryMiB();

    // 80 clients each send all but the last byte of a 3 MiB body, and hold on.
    const qint64 length = 3 * 1024 * 1024;
    std::vector<std::unique_ptr<RawConnection>> uploads;
    for (int i = 0; i < 80; ++i) {
        uploads.push_back(std::make_unique<RawConnection>(quint16(server.base().port())));
        QVERIFY(uploads.back()->waitForConnected());
        uploads.back()->send("POST /sync/push HTTP/1.1\r\nHost: localhost\r\nContent-Length: " +
                             QByteArray::number(length) + "\r\n\r\n" + QByteArray(length - 1, '['));
    }
    for (const auto& upload : uploads)
        QVERIFY(upload->waitForSent(30000));
    QTest::qWait(500);
    const double held = server.peakMemoryMiB() - start;
    // The bodies held at once stay within the budget (64 MiB by default), whatever arrives.
    QVERIFY2(held < 64 + 40, qPrintable(QStringLiteral("%1 MiB held").arg(held)));
    health.send(healthRequest());
    QCOMPARE(health.nextResponse().status, 200);

    uploads.clear();
    // Trimmed a second after the connections close; the margin is for a loaded machine.
    QTRY_VERIFY2_WITH_TIMEOUT(server.memoryMiB() < start + 24,
                              qPrintable(QStringLiteral("%1 MiB after closing, %2 MiB at start")
                                             .arg(server.memoryMiB())
                                             .arg(start)),
                              10000);
}

void TestServerLimits::runningOutOfDescriptorsPausesAccepting()
{
    // Room for the server's own files and a few dozen connections, and caps far above that.
    const int descriptors = 96;
    ServerProcess server(executable(), QString(),
                         {{QStringLiteral("max_connections"), QStringLiteral("1000")},
                          {QStringLiteral("max_connections_per_address"), QStringLiteral("1000")}},
                         descriptors);
    QVERIFY(server.isRunning());
    // More connections than the server can hold: those it cannot take wait in the backlog,
    // which keeps the listener readable.
    std::vector<std::unique_ptr<RawConnection>> connections;
    for (int i = 0; i < 150; ++i)
        connections.push_back(std::make_unique<RawConnection>(quint16(server.base().port())));
    QTRY_VERIFY_WITH_TIMEOUT(server.openDescriptors() >= descriptors, 15000);
    // Out of descriptors, the server waits for some to come back instead of spinning.
    QTest::qWait(500);
    const double before = server.cpuSeconds();
    QTest::qWait(2000);
    const double used = server.cpuSeconds() - before;
    QVERIFY2(used < 0.5, qPrintable(QStringLiteral("%1 s of processor time in 2 s").arg(used)));

    connections.clear();
    RawConnection health(quint16(server.base().port()));
    QVERIFY(health.waitForConnected());
    health.send(healthRequest());
    QCOMPARE(health.nextResponse(15000).status, 200);
}

QTEST_GUILESS_MAIN(TestServerLimits)
#include "tst_serverlimits.moc"
