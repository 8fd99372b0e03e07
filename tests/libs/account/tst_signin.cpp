#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/browserstub.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/signin/authclient.h"
#include "libs/account/signin/webauthhandler.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QJsonObject>
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
const QString State = QStringLiteral("state-7Fq2");

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

QByteArray request(const QByteArray& method, const QString& target)
{
    return method + ' ' + target.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
}

QByteArray get(const QString& target)
{
    return request("GET", target);
}

bool refusesConnections(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return QTest::qWaitFor(
        [&] { return socket.error() == QAbstractSocket::ConnectionRefusedError; }, 2000);
}

QString queryValue(const QUrl& url, const QString& key)
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

// The token endpoint's answer to a good exchange.
HttpTestReply tokensReply(const QString& access, const QString& refresh)
{
    return HttpTestReply::json(200, {{"access_token", access},
                                     {"refresh_token", refresh},
                                     {"token_type", "Bearer"},
                                     {"expires_in", 900}});
}

QString tokenPath()
{
    return AccountTestBench::realmPath(QStringLiteral("/auth/token"));
}

} // namespace

class TestSignIn : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void callbackGetsTheCompletionPageAndEndsListening();
    void requestLineReadInPieces();
    void otherRequestsAreRefusedAndListeningGoesOn_data();
    void otherRequestsAreRefusedAndListeningGoesOn();
    void endlessRequestLineIsCutOff();
    void takenPortGivesAnotherPort();

    void signInThroughTheBrowser();
    void eachSignInHasItsOwnStateAndVerifier();
    void forgedCallbackWhileASignInWaits_data();
    void forgedCallbackWhileASignInWaits();
    void browserReturningWithoutACodeFails_data();
    void browserReturningWithoutACodeFails();
    void codeExchangeThatFails_data();
    void codeExchangeThatFails();

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
    // A browser request to the app's listener, at the redirect the sign-in link names.
    QNetworkReply* visitLoopback(const QUrl& signInUrl, const QByteArray& method,
                                 const QString& query);
    // The browser's return from the auth server after a successful sign-in, with `query`.
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
    WebAuthHandler handler(State);
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    const QString target = "/callback?code=c1&state=" + State;
    QCOMPARE(exchange(handler.port(), {get(target)}), CompletionPage);
    QCOMPARE(callbacks.size(), 1);
    QCOMPARE(callbacks.first().first().toUrl(),
             QUrl(QStringLiteral("http://localhost:%1%2").arg(handler.port()).arg(target)));
    QVERIFY(refusesConnections(handler.port()));
}

void TestSignIn::requestLineReadInPieces()
{
    WebAuthHandler handler(State);
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    const QByteArray reply =
        exchange(handler.port(), {"GET /call", "back?code=c&sta",
                                  "te=" + State.toUtf8() + " HTTP/1.1\r\n", "Host: x\r\n\r\n"});
    QCOMPARE(reply, CompletionPage);
    QCOMPARE(callbacks.size(), 1);
    QCOMPARE(queryValue(callbacks.first().first().toUrl(), "code"), QStringLiteral("c"));
}

void TestSignIn::otherRequestsAreRefusedAndListeningGoesOn_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");

    const QString state = "&state=" + State;
    QTest::newRow("favicon") << get("/favicon.ico") << QByteArray("404");
    QTest::newRow("root") << get("/") << QByteArray("404");
    QTest::newRow("below the callback")
        << get("/callback/more?code=c" + state) << QByteArray("404");
    QTest::newRow("longer name") << get("/callbacks?code=c" + state) << QByteArray("404");
    QTest::newRow("no target") << QByteArray("HELLO\r\n\r\n") << QByteArray("404");
    // What a web page can make the browser send while the app waits: it does not know the state.
    QTest::newRow("tokens, no state")
        << get("/callback?access_token=a.b.c&refresh_token=r") << QByteArray("400");
    QTest::newRow("code, no state") << get("/callback?code=c") << QByteArray("400");
    QTest::newRow("code, another state")
        << get("/callback?code=c&state=guess") << QByteArray("400");
    QTest::newRow("state given twice")
        << get("/callback?code=c&state=guess" + state) << QByteArray("400");
    QTest::newRow("empty state") << get("/callback?code=c&state=") << QByteArray("400");
    QTest::newRow("bare POST") << request("POST", "/callback") << QByteArray("400");
    QTest::newRow("POST with the state")
        << request("POST", "/callback?code=c" + state) << QByteArray("400");
    QTest::newRow("HEAD with the state")
        << request("HEAD", "/callback?code=c" + state) << QByteArray("400");
}

void TestSignIn::otherRequestsAreRefusedAndListeningGoesOn()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);

    WebAuthHandler handler(State);
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    const QByteArray answer = exchange(handler.port(), {request});
    QVERIFY2(answer.startsWith("HTTP/1.1 " + status + ' '), answer.constData());
    QVERIFY(!answer.contains("Authentication complete"));
    QCOMPARE(callbacks.size(), 0);
    QCOMPARE(exchange(handler.port(), {get("/callback?code=c&state=" + State)}), CompletionPage);
    QCOMPARE(callbacks.size(), 1);
}

void TestSignIn::endlessRequestLineIsCutOff()
{
    WebAuthHandler handler(State);
    QVERIFY(!handler.start().isEmpty());
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);

    QCOMPARE(exchange(handler.port(), {"GET /callback?x=" + QByteArray(100 * 1024, 'a')}),
             QByteArray());
    QCOMPARE(callbacks.size(), 0);
    QCOMPARE(exchange(handler.port(), {get("/callback?code=c&state=" + State)}), CompletionPage);
}

void TestSignIn::takenPortGivesAnotherPort()
{
    // If something else holds the port already, the case stands all the same.
    QTcpServer occupant;
    occupant.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort);

    WebAuthHandler handler(State);
    const QString redirectUri = handler.start();
    QVERIFY(handler.port() != 0);
    QVERIFY(handler.port() != WebAuthHandler::PreferredPort);
    QCOMPARE(redirectUri, QStringLiteral("http://localhost:%1/callback").arg(handler.port()));
    QSignalSpy callbacks(&handler, &WebAuthHandler::callbackReceived);
    QCOMPARE(exchange(handler.port(), {get("/callback?code=c&state=" + State)}), CompletionPage);
    QCOMPARE(callbacks.size(), 1);
}

QNetworkReply* TestSignIn::visitLoopback(const QUrl& signInUrl, const QByteArray& method,
                                         const QString& query)
{
    QUrl target(queryValue(signInUrl, "redirect_uri"));
    target.setQuery(query);
    return m_network.sendCustomRequest(QNetworkRequest(target), method);
}

QByteArray TestSignIn::followRedirect(const QUrl& signInUrl, const QString& query)
{
    // A browser may ask the listener for other things first.
    const QUrl redirectUri(queryValue(signInUrl, "redirect_uri"));
    m_network.get(QNetworkRequest(redirectUri.resolved(QUrl("/favicon.ico"))));
    QNetworkReply* reply = visitLoopback(signInUrl, "GET", query);
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
    bench.server.setReply("POST", tokenPath(), tokensReply(access, "refresh-1"));

    QByteArray page;
    m_browser.onOpen = [&](const QUrl& url) {
        page = followRedirect(url, "code=code-1&state=" + queryValue(url, "state"));
    };
    auth->login();
    QVERIFY(QTest::qWaitFor([&] { return succeeded.size() == 1; }, 5000));

    QCOMPARE(m_browser.opened.size(), 1);
    const QUrl signInUrl = m_browser.opened.first();
    const QString redirectUri = queryValue(signInUrl, "redirect_uri");
    const quint16 port = QUrl(redirectUri).port();
    const QString state = queryValue(signInUrl, "state");
    const QString challenge = queryValue(signInUrl, "code_challenge");
    QCOMPARE(signInUrl.toString(QUrl::FullyEncoded),
             bench.server.url().toString() + "/test/account/login?client_id=" +
                 "0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2Flocalhost%3A" +
                 QString::number(port) + "%2Fcallback&state=" + state +
                 "&code_challenge=" + challenge + "&code_challenge_method=S256");
    QCOMPARE(state.size(), 43);
    QCOMPARE(challenge.size(), 43);
    QVERIFY(page.contains("Authentication complete!"));

    // The code went to the token endpoint with the verifier behind the challenge.
    const QList<HttpTestRequest> exchanges = bench.server.requestsTo("POST", tokenPath());
    QCOMPARE(exchanges.size(), 1);
    const QJsonObject sent = exchanges.first().json();
    QCOMPARE(sent.value("grant_type").toString(), QStringLiteral("authorization_code"));
    QCOMPARE(sent.value("code").toString(), QStringLiteral("code-1"));
    QCOMPARE(sent.value("client_id").toString(),
             QStringLiteral("0123456789abcdef0123456789abcdef"));
    QCOMPARE(sent.value("redirect_uri").toString(), redirectUri);
    const QString verifier = sent.value("code_verifier").toString();
    QCOMPARE(verifier.size(), 43);
    QCOMPARE(QString::fromLatin1(
                 QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
                     .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)),
             challenge);
    QVERIFY(!exchanges.first().hasHeader("Authorization"));

    QCOMPARE(auth->state(), AuthState::Authenticated);
    QCOMPARE(states.last().first().value<AuthState>(), AuthState::Authenticated);
    QCOMPARE(bench.stored(AccessKey), access);
    QCOMPARE(bench.stored(RefreshKey), QStringLiteral("refresh-1"));
    QCOMPARE(auth->userId(), QStringLiteral("user-42"));
    QVERIFY(refusesConnections(port));
}

void TestSignIn::eachSignInHasItsOwnStateAndVerifier()
{
    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->login();
    auth->login();
    QCOMPARE(m_browser.opened.size(), 2);
    const QUrl first = m_browser.opened.at(0);
    const QUrl second = m_browser.opened.at(1);
    QVERIFY(queryValue(first, "state") != queryValue(second, "state"));
    QVERIFY(queryValue(first, "code_challenge") != queryValue(second, "code_challenge"));
    QVERIFY(queryValue(first, "redirect_uri") != queryValue(second, "redirect_uri"));
}

void TestSignIn::forgedCallbackWhileASignInWaits_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("query");

    const QString attackerAccess = TestTokens::expiringIn(3600, "attacker");
    QTest::newRow("attacker's tokens")
        << QByteArray("GET") << "access_token=" + attackerAccess + "&refresh_token=attacker-r";
    QTest::newRow("attacker's code without a state") << QByteArray("GET") << "code=attacker-code";
    QTest::newRow("attacker's code with the attacker's state")
        << QByteArray("GET") << "code=attacker-code&state=attacker-state";
    QTest::newRow("a bare POST") << QByteArray("POST") << QString();
}

// A web page the user visits while the app waits sends the browser to the listener with its own
// sign-in: it is refused, the app stays signed out, and the real sign-in still completes.
void TestSignIn::forgedCallbackWhileASignInWaits()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, query);

    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
    QSignalSpy failed(auth, &AuthClient::loginFailed);
    const QString access = TestTokens::expiringIn(3600, "user-42");
    bench.server.setReply("POST", tokenPath(), tokensReply(access, "refresh-1"));
    auth->login();
    QCOMPARE(m_browser.opened.size(), 1);
    const QUrl signInUrl = m_browser.opened.first();

    QNetworkReply* forged = visitLoopback(signInUrl, method, query);
    QVERIFY(QTest::qWaitFor([forged] { return forged->isFinished(); }, 5000));
    forged->deleteLater();
    QCOMPARE(forged->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 400);
    QVERIFY(!forged->readAll().contains("Authentication complete"));
    QTest::qWait(50);
    QCOMPARE(succeeded.size(), 0);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(bench.server.requestsTo("POST", tokenPath()).size(), 0);
    QCOMPARE(auth->state(), AuthState::Unauthenticated);
    QVERIFY(bench.storeIsEmpty());

    const QByteArray page =
        followRedirect(signInUrl, "code=code-1&state=" + queryValue(signInUrl, "state"));
    QVERIFY(page.contains("Authentication complete!"));
    QVERIFY(QTest::qWaitFor([&] { return succeeded.size() == 1; }, 5000));
    QCOMPARE(bench.server.requestsTo("POST", tokenPath()).first().json().value("code").toString(),
             QStringLiteral("code-1"));
    QCOMPARE(auth->userId(), QStringLiteral("user-42"));
}

void TestSignIn::browserReturningWithoutACodeFails_data()
{
    QTest::addColumn<QString>("query");

    QTest::newRow("the user gave up") << "error=access_denied";
    QTest::newRow("tokens of the old redirect")
        << "access_token=" + TestTokens::expiringIn(3600) + "&refresh_token=r1";
    QTest::newRow("empty code") << "code=";
}

// The browser brings this sign-in's state back without a code: the sign-in ends and nothing is
// stored, whatever else the query holds.
void TestSignIn::browserReturningWithoutACodeFails()
{
    QFETCH(QString, query);

    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy failed(auth, &AuthClient::loginFailed);

    QByteArray page;
    m_browser.onOpen = [&](const QUrl& url) {
        page = followRedirect(url, query + "&state=" + queryValue(url, "state"));
    };
    auth->login();
    QVERIFY(QTest::qWaitFor([&] { return !page.isEmpty(); }, 5000));

    QVERIFY(page.contains("Authentication complete!"));
    QVERIFY(QTest::qWaitFor([&] { return failed.size() == 1; }, 5000));
    QCOMPARE(failed.first().first().toString(), QStringLiteral("No tokens received"));
    QCOMPARE(bench.server.requestsTo("POST", tokenPath()).size(), 0);
    QCOMPARE(auth->state(), AuthState::Unauthenticated);
    QVERIFY(bench.storeIsEmpty());
}

void TestSignIn::codeExchangeThatFails_data()
{
    QTest::addColumn<HttpTestReply>("reply");
    QTest::addColumn<QString>("reason");

    const QString refused = QStringLiteral("The sign-in code was refused");
    const QString failed = QStringLiteral("The sign-in could not be completed");
    QTest::newRow("code refused") << HttpTestReply::json(400, {{"error", "invalid_grant"}})
                                  << refused;
    QTest::newRow("no refresh token")
        << HttpTestReply::json(200, {{"access_token", TestTokens::expiringIn(3600)}}) << refused;
    QTest::newRow("server error") << HttpTestReply::json(500) << failed;
    QTest::newRow("connection cut") << HttpTestReply::dropped() << failed;
}

void TestSignIn::codeExchangeThatFails()
{
    QFETCH(HttpTestReply, reply);
    QFETCH(QString, reason);

    AccountTestBench bench;
    AuthClient* auth = bench.client()->authClient();
    auth->initialize();
    QSignalSpy failed(auth, &AuthClient::loginFailed);
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
    bench.server.setReply("POST", tokenPath(), reply);
    m_browser.onOpen = [&](const QUrl& url) {
        followRedirect(url, "code=code-1&state=" + queryValue(url, "state"));
    };
    auth->login();
    QVERIFY(QTest::qWaitFor([&] { return failed.size() == 1; }, 5000));
    QCOMPARE(failed.first().first().toString(), reason);
    QCOMPARE(succeeded.size(), 0);
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
