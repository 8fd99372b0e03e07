#include "tests/server/support/testserver.h"

#include "server/core/serverconfig.h"

#include <QTest>

class TestServerHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void routing_data();
    void routing();
    void oversizedBodiesAreRefusedEarly();
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
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"),
                       PennibarServer::ServerConfig::defaultClientId());
    query.addQueryItem(QStringLiteral("redirect_uri"),
                       QStringLiteral("http://localhost:9/callback"));
    QVERIFY(client.get(QStringLiteral("/tovarly/account/login"), query)
                .header("Set-Cookie")
                .endsWith("; Secure"));
    // Plain HTTP on the TLS port gets no answer.
    QUrl plain = server.baseUrl();
    plain.setScheme(QStringLiteral("http"));
    plain.setPath(QStringLiteral("/healthz"));
    QCOMPARE(client.send("GET", plain, {}, {}).status, 0);
}

QTEST_GUILESS_MAIN(TestServerHttp)
#include "tst_serverhttp.moc"
