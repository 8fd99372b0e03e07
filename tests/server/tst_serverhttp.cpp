#include "tests/server/support/browsersignin.h"
#include "tests/server/support/rawconnection.h"
#include "tests/server/support/testserver.h"

#include "server/core/serverconfig.h"

#include <memory>
#include <vector>

#include <QTest>

class TestServerHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void routing_data();
    void routing();
    void oversizedBodiesAreRefusedEarly();
    void requestFraming_data();
    void requestFraming();
    void pipelinedRequestsAreAnsweredInOrder();
    void expectContinueWaitsForTheVerdict();
    void slowRequestsAreCutAtTheirDeadline_data();
    void slowRequestsAreCutAtTheirDeadline();
    void aKeptConnectionMayWaitLongerThanAHeadTakes();
    void connectionCapsHoldWhileHealthzAnswers();
    void everyRequestLeavesOneLogLineWithoutItsQuery();
    void logFieldsStayApart_data();
    void logFieldsStayApart();
    void servesHttpsWithTheConfiguredCertificate();

private:
    std::unique_ptr<TestServer> m_server;
};

void TestServerHttp::initTestCase()
{
    m_server = std::make_unique<TestServer>(
        QMap<QString, QString>{{QStringLiteral("max_body_bytes"), QStringLiteral("65536")}});
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
}

void TestServerHttp::routing_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("allow");

    QTest::newRow("health") << QByteArray("GET") << "/healthz" << 200 << QByteArray();
    QTest::newRow("unknown path") << QByteArray("GET") << "/nothing/here" << 404 << QByteArray();
    QTest::newRow("trailing slash is another path")
        << QByteArray("GET") << "/healthz/" << 404 << QByteArray();
    QTest::newRow("known path, other method")
        << QByteArray("DELETE") << "/healthz" << 405 << QByteArray("GET");
}

void TestServerHttp::routing()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, allow);
    const HttpClient client = m_server->client();
    const auto reply = client.send(method, client.url(path), {}, {});
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(reply.header("X-Content-Type-Options"), QByteArray("nosniff"));
    QCOMPARE(reply.header("Allow"), allow);
    if (status >= 400)
        QVERIFY(!reply.error().isEmpty());
}

void TestServerHttp::oversizedBodiesAreRefusedEarly()
{
    const HttpClient client = m_server->client();
    // Under the limit the body reaches the router (which refuses the method).
    const auto small =
        client.send("POST", client.url(QStringLiteral("/healthz")), QByteArray(60 * 1024, 'x'), {});
    QCOMPARE(small.status, 405);
    // Far over it the connection is answered 413 and dropped before the body is buffered.
    const auto large = client.send("POST", client.url(QStringLiteral("/healthz")),
                                   QByteArray(8 * 1024 * 1024, 'x'), {});
    QVERIFY2(large.status == 413 || !large.networkError.isEmpty(),
             qPrintable(QString::number(large.status)));
    QCOMPARE(client.get(QStringLiteral("/healthz")).status, 200);
}

void TestServerHttp::requestFraming_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("staysOpen");

    const QByteArray post = "POST /healthz HTTP/1.1\r\nHost: localhost\r\n";
    // The refresh route reads its JSON body: 401 for an unknown token means the body arrived.
    const QByteArray refresh = "POST /api/v1/realms/tovarly/auth/token/refresh HTTP/1.1\r\n"
                               "Host: localhost\r\nContent-Type: application/json\r\n";
    const QByteArray json = R"({"refresh_token":"unknown"})";

    // Two framings, or two lengths, that a proxy in front may read differently.
    QTest::newRow("two different Content-Length headers")
        << post + "Content-Length: 3\r\nContent-Length: 4\r\n\r\nabcd" << 400 << false;
    QTest::newRow("a Content-Length list that disagrees")
        << post + "Content-Length: 3, 4\r\n\r\nabcd" << 400 << false;
    QTest::newRow("Content-Length with Transfer-Encoding")
        << post + "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n"
        << 400 << false;
    QTest::newRow("Transfer-Encoding with Content-Length")
        << post + "Transfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n0\r\n\r\n"
        << 400 << false;
    QTest::newRow("the same Content-Length twice")
        << post + "Content-Length: 3\r\ncontent-length: 3\r\n\r\nabc" << 405 << true;
    QTest::newRow("Content-Length not a number")
        << post + "Content-Length: 3x\r\n\r\nabc" << 400 << false;
    QTest::newRow("negative Content-Length") << post + "Content-Length: -1\r\n\r\n" << 400 << false;
    QTest::newRow("chunked body") << refresh + "Transfer-Encoding: chunked\r\n\r\n5\r\n" +
                                         json.left(5) + "\r\n" +
                                         QByteArray::number(json.size() - 5, 16) + ";ext=1\r\n" +
                                         json.mid(5) + "\r\n0\r\nTrailer: x\r\n\r\n"
                                  << 401 << true;
    QTest::newRow("malformed chunk size") << refresh + "Transfer-Encoding: chunked\r\n\r\nzz\r\n"
                                          << 400 << false;
    QTest::newRow("transfer coding not understood")
        << post + "Transfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n"
        << 501 << false;
    QTest::newRow("chunked not the last coding")
        << post + "Transfer-Encoding: chunked, gzip\r\n\r\n0\r\n\r\n"
        << 400 << false;
    QTest::newRow("chunked larger than the limit")
        << post + "Transfer-Encoding: chunked\r\n\r\n20000\r\n"
        << 413 << false;
    QTest::newRow("Content-Length larger than the limit")
        << post + "Content-Length: 10000000\r\n\r\n"
        << 413 << false;
    QTest::newRow("blank before a colon") << post + "Content-Length : 3\r\n\r\nabc" << 400 << false;
    QTest::newRow("folded header line")
        << QByteArray("GET /healthz HTTP/1.1\r\nHost: localhost\r\nX-A: b\r\n c\r\n\r\n") << 400
        << false;
    QTest::newRow("head too large")
        << "GET /healthz HTTP/1.1\r\nX-Big: " + QByteArray(70 * 1024, 'x') + "\r\n\r\n"
        << 431 << false;
    QTest::newRow("not HTTP") << QByteArray("HELLO\r\n\r\n") << 400 << false;
    QTest::newRow("another HTTP version")
        << QByteArray("GET /healthz HTTP/2.0\r\nHost: localhost\r\n\r\n") << 505 << false;
    QTest::newRow("bare line feeds, a blank line first")
        << QByteArray("\r\nGET /healthz HTTP/1.1\nHost: localhost\n\n") << 200 << true;
    QTest::newRow("asked to close")
        << QByteArray("GET /healthz HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n")
        << 200 << false;
    QTest::newRow("HTTP/1.0") << QByteArray("GET /healthz HTTP/1.0\r\n\r\n") << 200 << false;
    QTest::newRow("HTTP/1.0 keep-alive")
        << QByteArray("GET /healthz HTTP/1.0\r\nConnection: keep-alive\r\n\r\n") << 200 << true;
}

void TestServerHttp::requestFraming()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(bool, staysOpen);
    RawConnection connection(m_server->instance().port());
    QVERIFY(connection.waitForConnected());
    connection.send(request);
    const RawConnection::Response response = connection.nextResponse();
    QCOMPARE(response.status, status);
    if (status >= 400)
        QVERIFY(!response.body.isEmpty());
    QCOMPARE(response.header("Connection") == "close", !staysOpen);
    QCOMPARE(connection.waitForClosed(staysOpen ? 300 : 5000), !staysOpen);
}

void TestServerHttp::pipelinedRequestsAreAnsweredInOrder()
{
    RawConnection connection(m_server->instance().port());
    QVERIFY(connection.waitForConnected());
    connection.send("GET /healthz HTTP/1.1\r\nHost: localhost\r\n\r\n"
                    "GET /missing HTTP/1.1\r\nHost: localhost\r\n\r\n"
                    "HEAD /healthz HTTP/1.1\r\nHost: localhost\r\n\r\n");
    QCOMPARE(connection.nextResponse().status, 200);
    QCOMPARE(connection.nextResponse().status, 404);
    const RawConnection::Response head = connection.nextResponseToHead();
    QCOMPARE(head.status, 200);
    QVERIFY(head.header("Content-Length").toInt() > 0);
    QVERIFY(head.body.isEmpty());
    // Nothing more came: the HEAD answer had no body.
    QCOMPARE(connection.nextResponse(200).status, 0);
}

void TestServerHttp::expectContinueWaitsForTheVerdict()
{
    const QByteArray head = "POST /healthz HTTP/1.1\r\nHost: localhost\r\nExpect: 100-continue\r\n";
    RawConnection accepted(m_server->instance().port());
    QVERIFY(accepted.waitForConnected());
    accepted.send(head + "Content-Length: 3\r\n\r\n");
    QCOMPARE(accepted.nextResponse().status, 100);
    accepted.send("abc");
    QCOMPARE(accepted.nextResponse().status, 405);

    // Too large: the final answer comes at once, and no body is invited.
    RawConnection refused(m_server->instance().port());
    QVERIFY(refused.waitForConnected());
    refused.send(head + "Content-Length: 10000000\r\n\r\n");
    QCOMPARE(refused.nextResponse().status, 413);
    QVERIFY(refused.waitForClosed(5000));
}

void TestServerHttp::slowRequestsAreCutAtTheirDeadline_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("trickle"); // a byte every 250 ms, far longer than the deadline
    QTest::addColumn<int>("status");         // 0: closed without an answer

    QTest::newRow("head trickled")
        << QByteArray("GET /healthz HTTP/1.1\r\n") << QByteArray(60, 'x') << 408;
    QTest::newRow("body trickled")
        << QByteArray("POST /healthz HTTP/1.1\r\nHost: localhost\r\nContent-Length: 60\r\n\r\n")
        << QByteArray(60, 'x') << 408;
    QTest::newRow("nothing sent") << QByteArray() << QByteArray() << 0;
}

void TestServerHttp::slowRequestsAreCutAtTheirDeadline()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, trickle);
    QFETCH(int, status);
    // Deadlines of one and two seconds; the trickles would take fifteen.
    TestServer server({{QStringLiteral("request_head_seconds"), QStringLiteral("1")},
                       {QStringLiteral("request_body_seconds"), QStringLiteral("2")}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    RawConnection connection(server.instance().port());
    QVERIFY(connection.waitForConnected());
    connection.send(start);
    QElapsedTimer timer;
    timer.start();
    for (const char byte : trickle) {
        if (connection.isClosed())
            break;
        connection.send(QByteArray(1, byte));
        QTest::qWait(250);
    }
    QVERIFY(connection.waitForClosed(10000));
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(connection.nextResponse(100).status, status);
}

void TestServerHttp::aKeptConnectionMayWaitLongerThanAHeadTakes()
{
    TestServer server({{QStringLiteral("request_head_seconds"), QStringLiteral("1")}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    RawConnection connection(server.instance().port());
    QVERIFY(connection.waitForConnected());
    const QByteArray request = "GET /healthz HTTP/1.1\r\nHost: localhost\r\n\r\n";
    connection.send(request);
    QCOMPARE(connection.nextResponse().status, 200);
    // Between requests the connection waits as long as a kept connection may idle.
    QTest::qWait(1500);
    QVERIFY(!connection.isClosed());
    connection.send(request);
    QCOMPARE(connection.nextResponse().status, 200);
}

void TestServerHttp::connectionCapsHoldWhileHealthzAnswers()
{
    TestServer server({{QStringLiteral("max_connections"), QStringLiteral("12")},
                       {QStringLiteral("max_connections_per_address"), QStringLiteral("4")}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    const HttpClient client = server.client();
    // Clients at 127.0.0.2 to 127.0.0.6 open six idle connections each: 30 against caps of 4
    // per address and 12 in all. The health checks come from 127.0.0.1 all along.
    std::vector<std::vector<std::unique_ptr<RawConnection>>> hosts(5);
    for (std::size_t host = 0; host < hosts.size(); ++host) {
        const QHostAddress source(QStringLiteral("127.0.0.%1").arg(host + 2));
        for (int i = 0; i < 6; ++i) {
            hosts[host].push_back(
                std::make_unique<RawConnection>(server.instance().port(), source));
            QVERIFY(hosts[host].back()->waitForConnected());
        }
        QCOMPARE(client.get(QStringLiteral("/healthz")).status, 200);
    }
    QTest::qWait(300);
    int open = 0;
    bool turnedAway = false;
    for (const auto& connections : hosts) {
        int openHere = 0;
        for (const auto& connection : connections) {
            if (!connection->isClosed())
                ++openHere;
            else if (connection->nextResponse(0).status == 429)
                turnedAway = true;
        }
        QVERIFY2(openHere <= 4, qPrintable(QString::number(openHere)));
        open += openHere;
    }
    // Room for the health checks was made by closing the connections that waited longest.
    QVERIFY2(open <= 12 && open >= 8, qPrintable(QString::number(open)));
    QVERIFY(turnedAway);
    QCOMPARE(client.get(QStringLiteral("/healthz")).status, 200);
}

void TestServerHttp::everyRequestLeavesOneLogLineWithoutItsQuery()
{
    TestServer server;
    QVERIFY(server.isRunning());
    const HttpClient client = server.client();
    client.get(QStringLiteral("/healthz"), QUrlQuery(QStringLiteral("token=do-not-log-me")));
    client.get(QStringLiteral("/missing"));
    client.send("HEAD", client.url(QStringLiteral("/healthz")), {}, {});
    const QStringList lines = server.accessLog();
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(0).contains(QLatin1String(" GET /healthz 200 ")), qPrintable(lines.at(0)));
    QVERIFY(lines.at(0).endsWith(QLatin1String("ms user=-")));
    QVERIFY(lines.at(1).contains(QLatin1String(" GET /missing 404 ")));
    QVERIFY(lines.at(2).contains(QLatin1String(" HEAD /healthz 200 ")));
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("do-not-log-me")));
}

void TestServerHttp::logFieldsStayApart_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("logged");

    QTest::newRow("encoded angle bracket") << QByteArray("/x%3Cy") << "/x%3Cy";
    QTest::newRow("placeholder-like digits") << QByteArray("/%251%252") << "/%251%252";
    QTest::newRow("blank and forged fields")
        << QByteArray("/a%20200%200ms%20user=root") << "/a%20200%200ms%20user=root";
    QTest::newRow("line break") << QByteArray("/a%0D%0Ab") << "/a%0D%0Ab";
}

void TestServerHttp::logFieldsStayApart()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, logged);
    TestServer server;
    QVERIFY(server.isRunning());
    const HttpClient client = server.client();
    QUrl url = client.url(QString());
    url.setPath(QString::fromLatin1(target), QUrl::StrictMode);
    QCOMPARE(client.send("GET", url, {}, {}).status, 404);
    const QStringList lines = server.accessLog();
    QCOMPARE(lines.size(), 1);
    // TIME METHOD PATH STATUS MILLISECONDS user=ID
    const QStringList fields = lines.at(0).split(QLatin1Char(' '));
    QCOMPARE(fields.size(), 6);
    QCOMPARE(fields.at(1), QStringLiteral("GET"));
    QCOMPARE(fields.at(2), logged);
    QCOMPARE(fields.at(3), QStringLiteral("404"));
    QVERIFY2(fields.at(4).endsWith(QLatin1String("ms")), qPrintable(lines.at(0)));
    QCOMPARE(fields.at(5), QStringLiteral("user=-"));
}

void TestServerHttp::servesHttpsWithTheConfiguredCertificate()
{
    const QString data = QStringLiteral(PENNIBAR_SERVER_TEST_DATA);
    TestServer server(
        {{QStringLiteral("tls_certificate"), data + QStringLiteral("/localhost-cert.pem")},
         {QStringLiteral("tls_key"), data + QStringLiteral("/localhost-key.pem")}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    QCOMPARE(server.baseUrl().scheme(), QStringLiteral("https"));
    HttpClient client = server.client();
    client.trust(QSslCertificate::fromPath(data + QStringLiteral("/localhost-cert.pem")));
    const auto reply = client.get(QStringLiteral("/healthz"));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.json().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    // The sign-in form's cookie is then only sent over TLS.
    BrowserSignIn::Link link;
    link.redirectUri = QStringLiteral("http://localhost:9/callback");
    QVERIFY(BrowserSignIn(client).open(link).reply.header("Set-Cookie").endsWith("; Secure"));
    // Plain HTTP on the TLS port gets no answer.
    QUrl plain = server.baseUrl();
    plain.setScheme(QStringLiteral("http"));
    plain.setPath(QStringLiteral("/healthz"));
    QCOMPARE(client.send("GET", plain, {}, {}).status, 0);
}

QTEST_GUILESS_MAIN(TestServerHttp)
#include "tst_serverhttp.moc"
