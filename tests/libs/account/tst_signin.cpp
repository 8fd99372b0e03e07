#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/browserstub.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/signin/authclient.h"
#include "libs/account/signin/webauthhandler.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace TovAccount;

Q_DECLARE_METATYPE(TovAccount::AuthState)

namespace {

const QString AccessKey = QStringLiteral("tovarly_access_token");
const QString RefreshKey = QStringLiteral("tovarly_refresh_token");

const QByteArray CompletionPage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2>"
    "<p>You can close this tab and return to the application.</p></body></html>";

// A client on a raw connection to the loopback listener: sends the request in the given
// pieces, letting the event loop run between them, and returns all it read until the
// listener closed the connection.
QByteArray exchange(quint16 port, const QList<QByteArray>& pieces)
{
    QTcpSocket socket;
    QByteArray received;
    bool closed = false;
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket,
                     [&] { received += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &socket, [&] { closed = true; });
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }))
        return "not connected";
    for (const QByteArray& piece : pieces) {
        socket.write(piece);
        QTest::qWait(20);
    }
    if (!QTest::qWaitFor([&] { return closed; }, 5000))
        return "not closed";
    return received;
}

QByteArray get(const QString& target)
{
    return "GET " + target.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
}

bool refusesConnections(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return QTest::qWaitFor(
        [&] { return socket.error() == QAbstractSocket::ConnectionRefusedError; }, 2000);
}

} // namespace

class TestSignIn : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void callbackGetsTheCompletionPageAndEndsListening();
    void requestLineReadInPieces();
    void otherRequestsGetNotFoundAndListeningGoesOn_data();
    void otherRequestsGetNotFoundAndListeningGoesOn();
    void endlessRequestLineIsCutOff();
    void takenPortGivesAnotherPort();

    void callbackTokensAreKept_data();
    void callbackTokensAreKept();
    void signInThroughTheBrowser();
    void browserReturningWithoutRefreshTokenFails();

    void startUpRestoresTheSession_data();
    void startUpRestoresTheSession();
    void forcedRefresh_data();
    void forcedRefresh();
    void logoutForgetsTheSession_data();
    void logoutForgetsTheSession();
    void refreshAnsweredAfterLogoutStaysSignedOut();
    void userIdComesFromAUsableToken_data();
    void userIdComesFromAUsableToken();

private:
    // The redirect of the auth server after a successful sign-in, as the browser follows it.
    QByteArray followRedirect(const QUrl& signInUrl, const QString& query);

    BrowserStub m_browser;
    QNetworkAccessManager m_network;
};

void TestSignIn::init()
{
    m_browser.opened.clear();
    m_browser.onOpen = nullptr;
}

void TestSignIn::callbackGetsTheCompletionPageAndEndsListening()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    const QString target = "/callback?access_token=a.b.c&refresh_token=r1";
    QCOMPARE(exchange(handler.port(), {get(target)}), CompletionPage);
    QCOMPARE(callbacks.size(), 1);
    QCOMPARE(callbacks.first().first().toUrl(),
             QUrl(QStringLiteral("http://localhost:%1%2").arg(handler.port()).arg(target)));
    QVERIFY(refusesConnections(handler.port()));
}

void TestSignIn::requestLineReadInPieces()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    const QByteArray reply =
        exchange(handler.port(), {"GET /call", "back?access_token=a&refre",
                                  "sh_token=r HTTP/1.1\r\n", "Host: x\r\n\r\n"});
    QCOMPARE(reply, CompletionPage);
    QCOMPARE(callbacks.size(), 1);
    const QUrlQuery query(callbacks.first().first().toUrl());
    QCOMPARE(query.queryItemValue("access_token"), QStringLiteral("a"));
    QCOMPARE(query.queryItemValue("refresh_token"), QStringLiteral("r"));
}

void TestSignIn::otherRequestsGetNotFoundAndListeningGoesOn_data()
{
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("favicon") << get("/favicon.ico");
    QTest::newRow("root") << get("/");
    QTest::newRow("below the callback") << get("/callback/more?access_token=a&refresh_token=r");
    QTest::newRow("longer name") << get("/callbacks?access_token=a&refresh_token=r");
    QTest::newRow("no target") << QByteArray("HELLO\r\n\r\n");
}

void TestSignIn::otherRequestsGetNotFoundAndListeningGoesOn()
{
    QFETCH(QByteArray, request);

    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    QVERIFY(exchange(handler.port(), {request}).startsWith("HTTP/1.1 404 "));
    QCOMPARE(callbacks.size(), 0);
    QCOMPARE(exchange(handler.port(), {get("/callback?access_token=a&refresh_token=r")}),
             CompletionPage);
    QCOMPARE(callbacks.size(), 1);
}

void TestSignIn::endlessRequestLineIsCutOff()
{
    WebAuthHandler handler;
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    QCOMPARE(exchange(handler.port(), {"GET /callback?x=" + QByteArray(100 * 1024, 'a')}),
             QByteArray());
    QCOMPARE(callbacks.size(), 0);
    QCOMPARE(exchange(handler.port(), {get("/callback?access_token=a&refresh_token=r")}),
             CompletionPage);
}

void TestSignIn::takenPortGivesAnotherPort()
{
    // If something else holds the port already, the case stands all the same.
    QTcpServer occupant;
    occupant.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort);

    WebAuthHandler handler;
    const QString redirectUri = handler.start();
    QVERIFY(handler.port() != 0);
    QVERIFY(handler.port() != WebAuthHandler::PreferredPort);
    QCOMPARE(redirectUri, QStringLiteral("http://localhost:%1/callback").arg(handler.port()));
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);
    QCOMPARE(exchange(handler.port(), {get("/callback?access_token=a&refresh_token=r")}),
             CompletionPage);
    QCOMPARE(callbacks.size(), 1);
}

void TestSignIn::callbackTokensAreKept_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");

    const QString base = "http://localhost:19876/callback";
    QTest::newRow("in the query") << base + "?access_token=a.b.c&refresh_token=r1"
                                  << "a.b.c"
                                  << "r1";
    QTest::newRow("in the fragment") << base + "#access_token=a.b.c&refresh_token=r1"
                                     << "a.b.c"
                                     << "r1";
    QTest::newRow("encoded characters")
        << base + "?access_token=a%2Bb%2F%3D&refresh_token=r%2B%26%20s"
        << "a+b/="
        << "r+& s";
    QTest::newRow("only an access token") << base + "?access_token=a.b.c"
                                          << ""
                                          << "";
    QTest::newRow("only a refresh token") << base + "?refresh_token=r1"
                                          << ""
                                          << "";
    QTest::newRow("no tokens") << base << ""
                               << "";
    QTest::newRow("empty values") << base + "?access_token=&refresh_token="
                                  << ""
                                  << "";
}

void TestSignIn::callbackTokensAreKept()
{
    QFETCH(QString, url);
    QFETCH(QString, access);
    QFETCH(QString, refresh);

    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
    QSignalSpy failed(auth, &AuthClient::loginFailed);

    auth->handleCallback(QUrl(url));
    const bool signedIn = !access.isEmpty();
    QCOMPARE(succeeded.size(), signedIn ? 1 : 0);
    QCOMPARE(failed.size(), signedIn ? 0 : 1);
    if (!signedIn)
        QCOMPARE(failed.first().first().toString(), QStringLiteral("No tokens received"));
    QCOMPARE(auth->state(), signedIn ? AuthState::Authenticated : AuthState::Unauthenticated);
    QCOMPARE(bench.stored(AccessKey), access);
    QCOMPARE(bench.stored(RefreshKey), refresh);
}

QByteArray TestSignIn::followRedirect(const QUrl& signInUrl, const QString& query)
{
    const QUrl redirectUri(QUrlQuery(signInUrl).queryItemValue("redirect_uri", QUrl::FullyDecoded));
    // A browser may ask the listener for other things first.
    m_network.get(QNetworkRequest(redirectUri.resolved(QUrl("/favicon.ico"))));
    QUrl target = redirectUri;
    target.setQuery(query);
    QNetworkReply* reply = m_network.get(QNetworkRequest(target));
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000))
        return "no answer";
    reply->deleteLater();
    return reply->readAll();
}

void TestSignIn::signInThroughTheBrowser()
{
    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
    QSignalSpy states(bench.client(), &Client::authStateChanged);

    const QString access = TestTokens::expiringIn(3600, "user-42");
    QByteArray page;
    m_browser.onOpen = [&](const QUrl& url) {
        page = followRedirect(url, "access_token=" + access + "&refresh_token=refresh-1");
    };
    auth->login();
    QVERIFY(QTest::qWaitFor([&] { return !page.isEmpty(); }, 5000));

    QCOMPARE(m_browser.opened.size(), 1);
    const QUrl signInUrl = m_browser.opened.first();
    const QString redirectUri =
        QUrlQuery(signInUrl).queryItemValue("redirect_uri", QUrl::FullyDecoded);
    const quint16 port = QUrl(redirectUri).port();
    QCOMPARE(signInUrl.toString(QUrl::FullyEncoded),
             bench.server.url().toString() + "/test/account/login?client_id=" +
                 "0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2Flocalhost%3A" +
                 QString::number(port) + "%2Fcallback");

    QVERIFY(page.contains("Authentication complete!"));
    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(auth->state(), AuthState::Authenticated);
    QCOMPARE(states.last().first().value<AuthState>(), AuthState::Authenticated);
    QCOMPARE(bench.stored(AccessKey), access);
    QCOMPARE(bench.stored(RefreshKey), QStringLiteral("refresh-1"));
    QCOMPARE(auth->userId(), QStringLiteral("user-42"));
    QVERIFY(refusesConnections(port));
}

void TestSignIn::browserReturningWithoutRefreshTokenFails()
{
    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy failed(auth, &AuthClient::loginFailed);

    QByteArray page;
    m_browser.onOpen = [&](const QUrl& url) {
        page = followRedirect(url, "access_token=" + TestTokens::expiringIn(3600));
    };
    auth->login();
    QVERIFY(QTest::qWaitFor([&] { return !page.isEmpty(); }, 5000));

    QVERIFY(page.contains("Authentication complete!"));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("No tokens received"));
    QCOMPARE(auth->state(), AuthState::Unauthenticated);
    QVERIFY(bench.storeIsEmpty());
}

void TestSignIn::startUpRestoresTheSession_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<HttpTestReply>("refreshReply");
    QTest::addColumn<bool>("serverDown");
    QTest::addColumn<AuthState>("state");
    QTest::addColumn<int>("refreshRequests");
    QTest::addColumn<bool>("tokensKept");

    const QString valid = TestTokens::expiringIn(3600);
    const QString expiring = TestTokens::expiringIn(20);
    const HttpTestReply granted = HttpTestReply::json(
        200, {{"access_token", TestTokens::expiringIn(7200)}, {"refresh_token", "refresh-2"}});
    const HttpTestReply refused = HttpTestReply::json(401, {{"error", "revoked"}});

    QTest::newRow("valid access token")
        << valid << "r1" << refused << false << AuthState::Authenticated << 0 << true;
    QTest::newRow("expiring in 20 s, refreshed")
        << expiring << "r1" << granted << false << AuthState::Authenticated << 1 << true;
    QTest::newRow("refresh token only, refreshed")
        << ""
        << "r1" << granted << false << AuthState::Authenticated << 1 << true;
    QTest::newRow("offline") << expiring << "r1" << granted << true << AuthState::Authenticated << 0
                             << true;
    QTest::newRow("server error") << ""
                                  << "r1" << HttpTestReply::json(502) << false
                                  << AuthState::Authenticated << 1 << true;
    QTest::newRow("refresh refused")
        << expiring << "r1" << refused << false << AuthState::Unauthenticated << 1 << false;
    QTest::newRow("no tokens") << ""
                               << "" << granted << false << AuthState::Unauthenticated << 0
                               << false;
}

void TestSignIn::startUpRestoresTheSession()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(HttpTestReply, refreshReply);
    QFETCH(bool, serverDown);
    QFETCH(AuthState, state);
    QFETCH(int, refreshRequests);
    QFETCH(bool, tokensKept);

    AccountTestBench bench;
    if (!access.isEmpty() || !refresh.isEmpty())
        bench.signIn(access, refresh);
    bench.restart();
    bench.server.setReply("POST", AccountTestBench::refreshPath(), refreshReply);
    if (serverDown)
        bench.server.close();
    AuthClient* auth = bench.client()->authClient();
    QSignalSpy states(auth, &AuthClient::stateChanged);
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);

    bench.client()->restoreSession();
    QVERIFY(QTest::qWaitFor([&] { return auth->state() != AuthState::Initial; }, 5000));
    QCOMPARE(auth->state(), state);
    QCOMPARE(bench.client()->isAuthenticated(), state == AuthState::Authenticated);
    QCOMPARE(states.size(), 1);
    QCOMPARE(succeeded.size(), 0);
    QCOMPARE(bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size(),
             refreshRequests);
    QCOMPARE(bench.storeIsEmpty(), !tokensKept);
}

void TestSignIn::forcedRefresh_data()
{
    QTest::addColumn<HttpTestReply>("refreshReply");
    QTest::addColumn<bool>("done");
    QTest::addColumn<AuthState>("state");
    QTest::addColumn<QString>("storedRefresh");

    QTest::newRow("granted") << HttpTestReply::json(200,
                                                    {{"access_token", TestTokens::expiringIn(7200)},
                                                     {"refresh_token", "refresh-2"}})
                             << true << AuthState::Authenticated << "refresh-2";
    QTest::newRow("refused") << HttpTestReply::json(400) << false << AuthState::Unauthenticated
                             << "";
    QTest::newRow("cut off") << HttpTestReply::dropped() << false << AuthState::Authenticated
                             << "refresh-1";
}

void TestSignIn::forcedRefresh()
{
    QFETCH(HttpTestReply, refreshReply);
    QFETCH(bool, done);
    QFETCH(AuthState, state);
    QFETCH(QString, storedRefresh);

    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.restart();
    bench.client()->restoreSession();
    bench.server.setReply("POST", AccountTestBench::refreshPath(), refreshReply);

    QList<bool> results;
    bench.client()->authClient()->refreshToken([&results](bool ok) { results.append(ok); });
    QVERIFY(QTest::qWaitFor([&] { return !results.isEmpty(); }, 5000));
    QCOMPARE(results, QList<bool>{done});
    QCOMPARE(bench.client()->authClient()->state(), state);
    QCOMPARE(bench.stored(RefreshKey), storedRefresh);
}

void TestSignIn::logoutForgetsTheSession_data()
{
    QTest::addColumn<bool>("serverDown");

    QTest::newRow("server up") << false;
    QTest::newRow("network down") << true;
}

void TestSignIn::logoutForgetsTheSession()
{
    QFETCH(bool, serverDown);

    AccountTestBench bench;
    const QString access = TestTokens::expiringIn(3600);
    bench.signIn(access, "refresh-1");
    bench.client()->restoreSession();
    bench.server.setReply("POST", AccountTestBench::realmPath("/auth/logout"),
                          HttpTestReply::json(200));
    if (serverDown)
        bench.server.close();
    AuthClient* auth = bench.client()->authClient();
    QSignalSpy completed(auth, &AuthClient::logoutCompleted);

    auth->logout();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(auth->state(), AuthState::Unauthenticated);
    QVERIFY(bench.storeIsEmpty());
    QCOMPARE(auth->userId(), QString());
    if (!serverDown) {
        QVERIFY(bench.server.waitForRequests(1));
        const HttpTestRequest request = bench.server.requests().first();
        QCOMPARE(request.path, AccountTestBench::realmPath("/auth/logout"));
        QCOMPARE(request.header("Authorization"), "Bearer " + access.toUtf8());
        QVERIFY(request.body.isEmpty());
    }
}

void TestSignIn::refreshAnsweredAfterLogoutStaysSignedOut()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(-60), "refresh-1");
    bench.client()->restoreSession();
    bench.grantRefresh(TestTokens::expiringIn(3600), "refresh-2");

    // The sign-out request itself needs a fresh token first.
    bench.client()->authClient()->logout();
    QVERIFY(bench.server.waitForRequests(1));
    QTest::qWait(100);

    QVERIFY(bench.storeIsEmpty());
    bench.restart();
    bench.client()->restoreSession();
    QCOMPARE(bench.client()->authClient()->state(), AuthState::Unauthenticated);
}

void TestSignIn::userIdComesFromAUsableToken_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("userId");

    QTest::newRow("valid") << TestTokens::expiringIn(3600, "user-9") << "user-9";
    QTest::newRow("expiring in 20 s") << TestTokens::expiringIn(20, "user-9") << "";
    QTest::newRow("none") << ""
                          << "";
}

void TestSignIn::userIdComesFromAUsableToken()
{
    QFETCH(QString, access);
    QFETCH(QString, userId);

    AccountTestBench bench;
    bench.signIn(access, "refresh-1");
    QCOMPARE(bench.client()->authClient()->userId(), userId);
}

QTEST_MAIN(TestSignIn)
#include "tst_signin.moc"
