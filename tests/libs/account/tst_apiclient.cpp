#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/clientconfig.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace TovAccount;

namespace {

// What one request's callback received.
struct Outcome
{
    int calls = 0;
    bool ok = false;
    int status = -1;
    QJsonObject body;

    ResponseCallback callback()
    {
        return [this](bool replyOk, int replyStatus, const QJsonObject& replyBody) {
            ++calls;
            ok = replyOk;
            status = replyStatus;
            body = replyBody;
        };
    }
    bool waitForCall(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return calls > 0; }, timeoutMs);
    }
};

const QString Data = AccountTestBench::accountPath(QStringLiteral("/data"));

QByteArray bearer(const QString& token)
{
    return "Bearer " + token.toUtf8();
}

} // namespace

class TestApiClient : public QObject
{
    Q_OBJECT

private slots:
    void everyRequestCarriesTheHeaders_data();
    void everyRequestCarriesTheHeaders();
    void emptyHeaderValuesAreLeftOut();
    void platformHeaderNamesTheSystem_data();
    void platformHeaderNamesTheSystem();
    void pathIsAppendedToTheBasePath_data();
    void pathIsAppendedToTheBasePath();
    void replyIsPassedOnAsStatusAndJsonObject_data();
    void replyIsPassedOnAsStatusAndJsonObject();
    void tokenCloseToExpiryIsRefreshedFirst_data();
    void tokenCloseToExpiryIsRefreshedFirst();
    void expiredTokenIsRefreshedOnceForConcurrentRequests();
    void unauthorizedRequestIsRetriedOnceWithTheNewToken();
    void secondUnauthorizedIsPassedOn();
    void failedRefreshEndsTheRequest_data();
    void failedRefreshEndsTheRequest();
    void transportFailureReportsNetworkError_data();
    void transportFailureReportsNetworkError();
    void unsupportedMethodFailsWithoutRequest();
    void tokenDoesNotFollowRedirectToAnotherHost();
};

void TestApiClient::everyRequestCarriesTheHeaders_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("GET") << QByteArray("GET") << QByteArray();
    QTest::newRow("POST") << QByteArray("POST") << QByteArray(R"({"a":1})");
    QTest::newRow("PATCH") << QByteArray("PATCH") << QByteArray(R"({"a":1})");
    QTest::newRow("DELETE") << QByteArray("DELETE") << QByteArray();
}

void TestApiClient::everyRequestCarriesTheHeaders()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, body);

    AccountTestBench bench;
    const QString token = TestTokens::expiringIn(3600);
    bench.signIn(token, "refresh-1");
    bench.server.setReply(method, Data, HttpTestReply::json(200));
    Outcome outcome;
    bench.client()->accountApi()->sendRequest(
        method, "/data", QJsonDocument::fromJson(body).object(), outcome.callback(), {}, true);
    QVERIFY(outcome.waitForCall());
    QVERIFY(outcome.ok);

    const HttpTestRequest request = bench.server.requests().constFirst();
    QCOMPARE(request.method, method);
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(request.header("Accept"), QByteArray("application/json"));
    QCOMPARE(request.header("X-App-Id"), QByteArray("com.tovarly.pennibar.test"));
    QCOMPARE(request.header("X-App-Version"), QByteArray("1.1.3"));
    QCOMPARE(request.header("X-Platform"), QByteArray("linux"));
    QCOMPARE(request.header("Authorization"), bearer(token));
    QCOMPARE(request.body, body);
}

void TestApiClient::emptyHeaderValuesAreLeftOut()
{
    AccountTestBench bench;
    ApiClient* api = bench.client()->accountApi();
    api->setAppInfo({}, {}, {});
    bench.server.setReply("POST", Data, HttpTestReply::json(200));
    Outcome outcome;
    api->postPublic("/data", {}, outcome.callback());
    QVERIFY(outcome.waitForCall());

    const HttpTestRequest request = bench.server.requests().constFirst();
    for (const char* header : {"X-App-Id", "X-App-Version", "X-Platform", "Authorization"})
        QVERIFY2(!request.hasHeader(header), header);
    QVERIFY(request.body.isEmpty());
}

void TestApiClient::platformHeaderNamesTheSystem_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("platform");

    QTest::newRow("linux") << "linux" << "linux";
    QTest::newRow("darwin") << "darwin" << "macos";
    QTest::newRow("winnt") << "winnt" << "windows";
    QTest::newRow("other kernels in lower case") << "FreeBSD" << "freebsd";
}

void TestApiClient::platformHeaderNamesTheSystem()
{
    QFETCH(QString, kernel);
    QFETCH(QString, platform);

    QCOMPARE(ClientConfig::platformForKernel(kernel), platform);
}

void TestApiClient::pathIsAppendedToTheBasePath_data()
{
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QUrlQuery>("query");
    QTest::addColumn<QString>("receivedPath");
    QTest::addColumn<QString>("receivedQuery");

    QTest::newRow("base path and path") << "/v1"
                                        << "/sync/push" << QUrlQuery() << "/v1/sync/push"
                                        << "";
    QTest::newRow("no base path") << ""
                                  << "/group" << QUrlQuery() << "/group"
                                  << "";
    QTest::newRow("encoded base path") << "/my%20api"
                                       << "/x" << QUrlQuery() << "/my api/x"
                                       << "";
    QTest::newRow("query") << "/v1"
                           << "/sync/pull" << QUrlQuery("cursor=c 1&limit=500") << "/v1/sync/pull"
                           << "cursor=c 1&limit=500";
}

void TestApiClient::pathIsAppendedToTheBasePath()
{
    QFETCH(QString, basePath);
    QFETCH(QString, path);
    QFETCH(QUrlQuery, query);
    QFETCH(QString, receivedPath);
    QFETCH(QString, receivedQuery);

    AccountTestBench bench;
    bench.client()->setSyncBaseUrl(QUrl(bench.server.url().toString() + basePath));
    Outcome outcome;
    bench.client()->syncApi()->get(path, outcome.callback(), query);
    QVERIFY(outcome.waitForCall());

    const HttpTestRequest request = bench.server.requests().constFirst();
    QCOMPARE(request.path, receivedPath);
    QCOMPARE(request.query.toString(QUrl::FullyDecoded), receivedQuery);
}

void TestApiClient::replyIsPassedOnAsStatusAndJsonObject_data()
{
    QTest::addColumn<HttpTestReply>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QJsonObject>("body");

    const QJsonObject object{{"id", "x"}};
    QTest::newRow("200 with an object")
        << HttpTestReply::json(200, object) << true << 200 << object;
    QTest::newRow("204 without a body")
        << HttpTestReply::raw(204, {}) << true << 204 << QJsonObject();
    QTest::newRow("299") << HttpTestReply::json(299, object) << true << 299 << object;
    QTest::newRow("300") << HttpTestReply::json(300, object) << false << 300 << object;
    QTest::newRow("409 with an error object") << HttpTestReply::json(409, {{"error", "taken"}})
                                              << false << 409 << QJsonObject{{"error", "taken"}};
    QTest::newRow("500 with text")
        << HttpTestReply::raw(500, "oops") << false << 500 << QJsonObject();
    QTest::newRow("200 with an array")
        << HttpTestReply::raw(200, "[1,2]", "application/json") << true << 200 << QJsonObject();
}

void TestApiClient::replyIsPassedOnAsStatusAndJsonObject()
{
    QFETCH(HttpTestReply, reply);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QJsonObject, body);

    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.server.setReply("GET", Data, reply);
    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.body, body);
    QTest::qWait(50);
    QCOMPARE(outcome.calls, 1);
}

void TestApiClient::tokenCloseToExpiryIsRefreshedFirst_data()
{
    QTest::addColumn<qint64>("secondsAhead");
    QTest::addColumn<bool>("refreshed");

    QTest::newRow("31 s before expiry") << qint64(31) << false;
    QTest::newRow("29 s before expiry") << qint64(29) << true;
}

void TestApiClient::tokenCloseToExpiryIsRefreshedFirst()
{
    QFETCH(qint64, secondsAhead);
    QFETCH(bool, refreshed);

    AccountTestBench bench;
    const QString current = TestTokens::expiringIn(secondsAhead);
    const QString fresh = TestTokens::expiringIn(3600);
    bench.signIn(current, "refresh-1");
    bench.grantRefresh(fresh, "refresh-2");
    bench.server.setReply("GET", Data, HttpTestReply::json(200));

    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QVERIFY(outcome.ok);
    QCOMPARE(bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size(),
             refreshed ? 1 : 0);
    QCOMPARE(bench.server.requestsTo("GET", Data).first().header("Authorization"),
             bearer(refreshed ? fresh : current));
}

void TestApiClient::expiredTokenIsRefreshedOnceForConcurrentRequests()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(-60), "refresh-1");
    const QString fresh = TestTokens::expiringIn(3600);
    bench.grantRefresh(fresh, "refresh-2");
    bench.server.setReply("GET", Data, HttpTestReply::json(200));

    Outcome outcomes[3];
    for (Outcome& outcome : outcomes)
        bench.client()->accountApi()->get("/data", outcome.callback());
    for (Outcome& outcome : outcomes)
        QVERIFY(outcome.waitForCall());

    const auto refreshes = bench.server.requestsTo("POST", AccountTestBench::refreshPath());
    QCOMPARE(refreshes.size(), 1);
    QCOMPARE(refreshes.first().json(), QJsonObject({{"refresh_token", "refresh-1"}}));
    QVERIFY(!refreshes.first().hasHeader("Authorization"));
    const auto requests = bench.server.requestsTo("GET", Data);
    QCOMPARE(requests.size(), 3);
    for (const HttpTestRequest& request : requests)
        QCOMPARE(request.header("Authorization"), bearer(fresh));
    for (const Outcome& outcome : outcomes)
        QVERIFY(outcome.ok);
    QCOMPARE(bench.stored("tovarly_refresh_token"), QStringLiteral("refresh-2"));
}

void TestApiClient::unauthorizedRequestIsRetriedOnceWithTheNewToken()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600, "revoked"), "refresh-1");
    const QString fresh = TestTokens::expiringIn(3600);
    bench.grantRefresh(fresh, "refresh-2");
    bench.server.setHandler("GET", Data, [fresh](const HttpTestRequest& request) {
        return request.header("Authorization") == bearer(fresh)
                   ? HttpTestReply::json(200, {{"fresh", true}})
                   : HttpTestReply::json(401);
    });

    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.body, QJsonObject({{"fresh", true}}));
    QCOMPARE(bench.server.requestsTo("GET", Data).size(), 2);
    QCOMPARE(bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size(), 1);
}

void TestApiClient::secondUnauthorizedIsPassedOn()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.grantRefresh(TestTokens::expiringIn(3600), "refresh-2");
    bench.server.setReply("GET", Data, HttpTestReply::json(401, {{"error", "no access"}}));
    QSignalSpy authenticationRequired(bench.client()->accountApi(),
                                      &ApiClient::authenticationRequired);

    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body, QJsonObject({{"error", "no access"}}));
    QTest::qWait(50);
    QCOMPARE(bench.server.requestsTo("GET", Data).size(), 2);
    QCOMPARE(bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size(), 1);
    QCOMPARE(authenticationRequired.size(), 0);
}

void TestApiClient::failedRefreshEndsTheRequest_data()
{
    QTest::addColumn<HttpTestReply>("refreshReply");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("authenticationRequired");

    QTest::newRow("refused with 400") << HttpTestReply::json(400) << 401 << 1;
    QTest::newRow("refused with 401") << HttpTestReply::json(401) << 401 << 1;
    QTest::newRow("server error") << HttpTestReply::json(503) << 0 << 0;
    QTest::newRow("connection cut") << HttpTestReply::dropped() << 0 << 0;
    QTest::newRow("no answer") << HttpTestReply::silent() << 0 << 0;
}

void TestApiClient::failedRefreshEndsTheRequest()
{
    QFETCH(HttpTestReply, refreshReply);
    QFETCH(int, status);
    QFETCH(int, authenticationRequired);

    AccountTestBench bench;
    const QString expired = TestTokens::expiringIn(-60);
    bench.signIn(expired, "refresh-1");
    bench.server.setReply("POST", AccountTestBench::refreshPath(), refreshReply);
    bench.client()->authApi()->setTransferTimeout(300);
    QSignalSpy required(bench.client()->accountApi(), &ApiClient::authenticationRequired);

    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.body, QJsonObject());
    QCOMPARE(required.size(), authenticationRequired);
    QVERIFY(bench.server.requestsTo("GET", Data).isEmpty());
    // Clearing the tokens after a refusal is the auth client's decision, not the request's.
    QCOMPARE(bench.stored("tovarly_access_token"), expired);
    QCOMPARE(bench.stored("tovarly_refresh_token"), QStringLiteral("refresh-1"));

    // The refresh is over: the next request may start another.
    bench.client()->accountApi()->get("/data", {});
    QVERIFY(QTest::qWaitFor([&] {
        return bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size() == 2;
    }));
}

void TestApiClient::transportFailureReportsNetworkError_data()
{
    QTest::addColumn<bool>("serverDown");

    QTest::newRow("server down") << true;
    QTest::newRow("no answer in time") << false;
}

void TestApiClient::transportFailureReportsNetworkError()
{
    QFETCH(bool, serverDown);

    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    ApiClient* api = bench.client()->accountApi();
    api->setTransferTimeout(300);
    bench.server.setReply("GET", Data, HttpTestReply::silent());
    if (serverDown)
        bench.server.close();
    QSignalSpy networkError(api, &ApiClient::networkError);

    Outcome outcome;
    api->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(networkError.size(), 1);
    QVERIFY(!networkError.first().first().toString().isEmpty());
}

void TestApiClient::unsupportedMethodFailsWithoutRequest()
{
    AccountTestBench bench;
    Outcome outcome;
    bench.client()->accountApi()->sendRequest("PUT", "/data", {}, outcome.callback(), {}, false);
    QCOMPARE(outcome.calls, 1);
    QCOMPARE(outcome.status, 0);
    QTest::qWait(50);
    QVERIFY(bench.server.requests().isEmpty());
}

void TestApiClient::tokenDoesNotFollowRedirectToAnotherHost()
{
    AccountTestBench bench;
    HttpTestServer elsewhere;
    QVERIFY(elsewhere.listen());
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.server.setReply("GET", Data, HttpTestReply::redirect(elsewhere.url("/collect")));

    Outcome outcome;
    bench.client()->accountApi()->get("/data", outcome.callback());
    QVERIFY(outcome.waitForCall());
    QTest::qWait(50);
    for (const HttpTestRequest& request : elsewhere.requests())
        QVERIFY(!request.hasHeader("Authorization"));
}

QTEST_MAIN(TestApiClient)
#include "tst_apiclient.moc"
