#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/browserstub.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/signin/authclient.h"
#include "libs/account/tokens/filetokenstore.h"

#include <QFile>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

using namespace TovAccount;

namespace {

// Every secret of the flows below. None may show up in any message, debug included.
const QString Access = TestTokens::expiringIn(3600, "user-1");
const QString ExpiredAccess = TestTokens::expiringIn(-60, "user-1");
const QString NewAccess = TestTokens::expiringIn(7200, "user-1");
const QString RefreshSecret = QStringLiteral("refresh-4Xq9zP");
const QString NewRefreshSecret = QStringLiteral("refresh-Lm2wR7");
const QString Password = QStringLiteral("hunter2-Vb8kT1");
const QString NewPassword = QStringLiteral("correct-horse-Zt5");
const QString Code = QStringLiteral("code-Hq7Lw3");

QStringList captured;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    captured.append(message);
    previousHandler(type, context, message);
}

using Flow = std::function<void(AccountTestBench&)>;

void waitABit()
{
    QTest::qWait(150);
}

} // namespace

Q_DECLARE_METATYPE(Flow)

class TestSecretsInLogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noSecretIsEverLogged_data();
    void noSecretIsEverLogged();
};

void TestSecretsInLogs::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tovaccount.*=true"));
    previousHandler = qInstallMessageHandler(capture);
}

void TestSecretsInLogs::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void TestSecretsInLogs::noSecretIsEverLogged_data()
{
    QTest::addColumn<Flow>("flow");

    QTest::newRow("browser sign-in") << Flow([](AccountTestBench& bench) {
        BrowserStub browser;
        QNetworkAccessManager network;
        // The browser comes back with the code; a web page then tries its own tokens.
        browser.onOpen = [&network](const QUrl& url) {
            const QUrlQuery link(url);
            QUrl back(link.queryItemValue("redirect_uri", QUrl::FullyDecoded));
            back.setQuery("access_token=" + Access + "&refresh_token=" + RefreshSecret);
            network.get(QNetworkRequest(back));
            back.setQuery("code=" + Code + "&state=" + link.queryItemValue("state"));
            network.get(QNetworkRequest(back));
        };
        bench.server.setReply("POST", AccountTestBench::realmPath("/auth/token"),
                              HttpTestReply::json(200, {{"access_token", NewAccess},
                                                        {"refresh_token", NewRefreshSecret}}));
        QSignalSpy succeeded(bench.client()->authClient(), &AuthClient::loginSucceeded);
        bench.client()->authClient()->login();
        QVERIFY(QTest::qWaitFor([&] { return succeeded.size() == 1; }, 5000));
    });
    QTest::newRow("refused sign-in code echoed") << Flow([](AccountTestBench& bench) {
        BrowserStub browser;
        QNetworkAccessManager network;
        browser.onOpen = [&network](const QUrl& url) {
            const QUrlQuery link(url);
            QUrl back(link.queryItemValue("redirect_uri", QUrl::FullyDecoded));
            back.setQuery("code=" + Code + "&state=" + link.queryItemValue("state"));
            network.get(QNetworkRequest(back));
        };
        bench.server.setReply("POST", AccountTestBench::realmPath("/auth/token"),
                              HttpTestReply::json(400, {{"error", "invalid_grant " + Code}}));
        QSignalSpy failed(bench.client()->authClient(), &AuthClient::loginFailed);
        bench.client()->authClient()->login();
        QVERIFY(QTest::qWaitFor([&] { return failed.size() == 1; }, 5000));
    });
    QTest::newRow("refresh before a request") << Flow([](AccountTestBench& bench) {
        bench.signIn(ExpiredAccess, RefreshSecret);
        bench.grantRefresh(NewAccess, NewRefreshSecret);
        bench.client()->accountApi()->get("/data", {});
        waitABit();
    });
    QTest::newRow("retry after 401") << Flow([](AccountTestBench& bench) {
        bench.signIn(Access, RefreshSecret);
        bench.grantRefresh(NewAccess, NewRefreshSecret);
        bench.server.setReply("GET", AccountTestBench::accountPath("/data"),
                              HttpTestReply::json(401, {{"token", Access}}));
        bench.client()->accountApi()->get("/data", {});
        waitABit();
    });
    QTest::newRow("refused refresh echoing the token") << Flow([](AccountTestBench& bench) {
        bench.signIn(ExpiredAccess, RefreshSecret);
        bench.restart();
        bench.server.setReply("POST", AccountTestBench::refreshPath(),
                              HttpTestReply::json(400, {{"error", "bad " + RefreshSecret}}));
        bench.client()->restoreSession();
        waitABit();
    });
    QTest::newRow("refresh without network") << Flow([](AccountTestBench& bench) {
        bench.signIn(ExpiredAccess, RefreshSecret);
        bench.server.close();
        bench.client()->authClient()->refreshToken({});
        waitABit();
    });
    QTest::newRow("wrong password") << Flow([](AccountTestBench& bench) {
        bench.signIn(Access, RefreshSecret);
        bench.server.setReply("POST", AccountTestBench::realmPath("/users/me/password"),
                              HttpTestReply::json(400, {{"error", "not " + Password}}));
        bench.client()->authClient()->changePassword(Password, NewPassword, {});
        waitABit();
    });
    QTest::newRow("sign-out") << Flow([](AccountTestBench& bench) {
        bench.signIn(ExpiredAccess, RefreshSecret);
        bench.grantRefresh(NewAccess, NewRefreshSecret);
        bench.client()->authClient()->logout();
        waitABit();
    });
    QTest::newRow("unreadable token file") << Flow([](AccountTestBench&) {
        QTemporaryDir dir;
        QFile file(dir.filePath("tokens.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("{\"tovarly_refresh_token\": \"" + RefreshSecret).toUtf8());
        file.close();
        FileTokenStore(file.fileName()).load(TokenStore::refreshTokenKey());
    });
}

void TestSecretsInLogs::noSecretIsEverLogged()
{
    QFETCH(Flow, flow);

    AccountTestBench bench;
    captured.clear();
    flow(bench);
    QVERIFY(!captured.isEmpty());
    QStringList secrets = {Access,           ExpiredAccess, NewAccess,   RefreshSecret,
                           NewRefreshSecret, Password,      NewPassword, Code};
    // The PKCE verifier of a browser sign-in, as it went to the token endpoint.
    for (const HttpTestRequest& exchange :
         bench.server.requestsTo("POST", AccountTestBench::realmPath("/auth/token")))
        secrets.append(exchange.json().value("code_verifier").toString());
    for (const QString& message : std::as_const(captured)) {
        for (const QString& secret : std::as_const(secrets))
            QVERIFY2(!message.contains(secret), qPrintable(message));
    }
}

QTEST_MAIN(TestSecretsInLogs)
#include "tst_secretsinlogs.moc"
