#include "tests/server/support/browsersignin.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/rawconnection.h"
#include "tests/server/support/serverprocess.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
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
    void healthAnswersWhileSlowRequestsRun_data();
    void healthAnswersWhileSlowRequestsRun();

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

void TestServerLimits::healthAnswersWhileSlowRequestsRun_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");

    // A wrong current password costs one Argon2 check, a tenth of a second or more.
    QTest::newRow("password checks")
        << QStringLiteral("/api/v1/realms/tovarly/users/me/password")
        << QJsonDocument(
               QJsonObject{{QStringLiteral("current_password"), QStringLiteral("not the password")},
                           {QStringLiteral("new_password"), QStringLiteral("another password")}})
               .toJson(QJsonDocument::Compact);
    // 500 transactions of some 8,000 bytes each (the payee is in the memo too): a push just
    // under 4 MiB.
    QJsonArray changes;
    for (int i = 0; i < 500; ++i)
        changes.append(ChangeBuilder::transaction(QStringLiteral("txn-%1").arg(i),
                                                  QStringLiteral("acc-1"),
                                                  QString(3800, QLatin1Char('p')), -100));
    QTest::newRow("large pushes") << QStringLiteral("/sync/push")
                                  << QJsonDocument(
                                         QJsonObject{{QStringLiteral("changes"), changes}})
                                         .toJson(QJsonDocument::Compact);
}

void TestServerLimits::healthAnswersWhileSlowRequestsRun()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    ServerProcess server(executable(), QString(),
                         {{QStringLiteral("workers"), QStringLiteral("4")}});
    QVERIFY(server.isRunning());
    QVERIFY(server.addUser(QStringLiteral("ann@example.org"), QStringLiteral("password1")));
    HttpClient client(server.base());
    const QString token =
        BrowserSignIn(client)
            .signIn(QStringLiteral("ann@example.org"), QStringLiteral("password1"))
            .accessToken;
    QVERIFY(!token.isEmpty());

    // Three slow requests at once, each on a connection of its own.
    QNetworkAccessManager network;
    int uploaded = 0;
    int answered = 0;
    for (int i = 0; i < 3; ++i) {
        QNetworkRequest request(client.url(path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
        QNetworkReply* reply = network.post(request, body);
        connect(reply, &QNetworkReply::uploadProgress, reply, [&](qint64 sent, qint64 total) {
            if (total > 0 && sent == total)
                ++uploaded;
        });
        connect(reply, &QNetworkReply::finished, reply, [&answered, reply] {
            ++answered;
            reply->deleteLater();
        });
    }
    QTRY_COMPARE_WITH_TIMEOUT(uploaded, 3, 30000);
    QTest::qWait(50);
    // Asked once all three have arrived, the health check is answered while they still run: the
    // access log, written as each response goes out, has it before the last of them.
    RawConnection health(quint16(server.base().port()));
    QVERIFY(health.waitForConnected());
    health.send(healthRequest());
    QCOMPARE(health.nextResponse(30000).status, 200);
    QTRY_COMPARE_WITH_TIMEOUT(answered, 3, 30000);
    const QStringList log = server.accessLog();
    const QString slow = QStringLiteral(" POST %1 ").arg(path);
    qsizetype healthAt = -1;
    qsizetype lastSlowAt = -1;
    for (qsizetype i = 0; i < log.size(); ++i) {
        if (log.at(i).contains(QLatin1String(" GET /healthz 200 ")))
            healthAt = i;
        if (log.at(i).contains(slow))
            lastSlowAt = i;
    }
    QVERIFY2(healthAt >= 0 && healthAt < lastSlowAt, qPrintable(log.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestServerLimits)
#include "tst_serverlimits.moc"
