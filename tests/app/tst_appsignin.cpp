#include "app/appstate.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "tests/libs/account/browserstub.h"
#include "tests/libs/account/testtokens.h"
#include "tests/server/support/browsersignin.h"
#include "tests/server/support/testserver.h"

#include "data/accountrepository.h"
#include "sync/syncengine.h"
#include "ui/register/registerscreen.h"
#include "ui/screens/account/accountscreen.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/statusbar.h"
#include "ui/shell/welcomescreen.h"

#include "libs/account/client.h"
#include "libs/account/signin/authclient.h"
#include "libs/account/tokens/filetokenstore.h"
#include "libs/account/tokens/tokenstore.h"

#include <QAction>
#include <QDialog>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTest>

using TovAccount::AuthState;
using TovAccount::TokenStore;

namespace {

constexpr int networkTimeoutMs = 20000;
const QString email = QStringLiteral("robin@example.org");
const QString password = QStringLiteral("correct horse");

// The app's three endpoints all at one base URL, as for a self-hosted server.
void pointAppAt(const QString& base)
{
    for (const char* variable : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"})
        qputenv(variable, base.toUtf8());
}

// A base URL on 127.0.0.1 where nothing listens: the network is down.
QString unreachableBase()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return QString();
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

QString stored(const TestApp& app, const QString& key)
{
    return TovAccount::FileTokenStore(app.tokenStorePath()).load(key).value_or(QString());
}

void storeTokens(const TestApp& app, const QString& access, const QString& refresh)
{
    TovAccount::FileTokenStore store(app.tokenStorePath());
    if (!access.isEmpty())
        store.save(TokenStore::accessTokenKey(), access);
    if (!refresh.isEmpty())
        store.save(TokenStore::refreshTokenKey(), refresh);
}

AuthState authState(const TestApp& app)
{
    return app.state()->accountClient()->authClient()->state();
}

// Plays the user at the browser the app opens: signs in on the server's page, then follows
// the redirect back to the app's listener.
class SignInBrowser
{
public:
    SignInBrowser(const TestServer& server, const QString& email, const QString& password)
        : m_http(server.client())
    {
        m_stub.onOpen = [this, email, password](const QUrl& url) {
            const BrowserSignIn browser(m_http);
            const BrowserSignIn::Page page = browser.openUrl(url);
            formReply = browser.submit(
                page, {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
            const QByteArray location = formReply.header("Location");
            if (!location.isEmpty())
                backAtTheApp = m_http.send("GET", QUrl::fromEncoded(location), {}, {});
        };
    }

    const QList<QUrl>& opened() const { return m_stub.opened; }

    HttpClient::Reply formReply;
    HttpClient::Reply backAtTheApp;

private:
    HttpClient m_http;
    BrowserStub m_stub;
};

QAction* commandNamed(const MainWindow& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QWidget* shownPage(const MainWindow& window)
{
    return window.findChild<QStackedWidget*>()->currentWidget();
}

QPushButton* buttonNamed(const QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

bool showsText(const QWidget* parent, const QString& text)
{
    for (const QLabel* label : parent->findChildren<QLabel*>()) {
        if (label->text() == text && label->isVisibleTo(parent))
            return true;
    }
    return false;
}

// What the window's commands and status bar show about the sign-in.
void verifySignInCommands(const MainWindow& window, bool signedIn)
{
    QAction* signOut = commandNamed(window, QStringLiteral("Sign &Out"));
    QVERIFY(signOut);
    QCOMPARE(signOut->isVisible(), signedIn);
    QAction* account = commandNamed(window, QStringLiteral("&Tovarly Account..."));
    QVERIFY(account);
    QCOMPARE(account->statusTip(), signedIn ? QStringLiteral("Manage your account")
                                            : QStringLiteral("Sign in or sign up"));
    QCOMPARE(showsText(window.statusBarWidget(), QStringLiteral("Not signed in")), !signedIn);
}

// What the window shows about the sign-in: the sign-out entry, the sync label, the page. Signed
// out, the welcome screen stands for a book without accounts; accounts stay on screen.
void verifySignedInWindow(const MainWindow& window, bool signedIn)
{
    verifySignInCommands(window, signedIn);
    const bool hasAccounts = window.accountList()->count() > 0;
    QCOMPARE(shownPage(window) == window.findChild<WelcomeScreen*>(), !signedIn && !hasAccounts);
}

} // namespace

// Signing in, staying signed in across restarts and signing out, with the app's own state and
// window against a real server on 127.0.0.1, the test playing the browser.
class TestAppSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.1.3"));
        for (const char* variable : {"AUTH_REALM_SLUG", "AUTH_CLIENT_ID", "ACCOUNT_PORTAL_URL"})
            qunsetenv(variable);
    }

    void signInRegistersTheDeviceAndSurvivesARestart();
    void signOutEndsTheSessionOnTheServer();
    void aBrowserComingBackWithoutTokensIsAFailure();
    void aForgedSignInWhileTheAppWaitsIsRefused();
    void startUpWithStoredTokens_data();
    void startUpWithStoredTokens();
    void signOutWithTheNetworkDown();
    void leavingTheSession_data();
    void leavingTheSession();
};

void TestAppSignIn::signInRegistersTheDeviceAndSurvivesARestart()
{
    TestServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    QVERIFY(!server.addUser(email, password).isEmpty());
    pointAppAt(server.baseUrl().toString(QUrl::StripTrailingSlash));
    TestApp app;
    QVERIFY(app.isReady());
    SignInBrowser browser(server, email, password);
    {
        MainWindow window(app.state());
        verifySignedInWindow(window, false);
        QVERIFY(!QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());

        QSignalSpy succeeded(app.state()->accountClient()->authClient(),
                             &TovAccount::AuthClient::loginSucceeded);
        QPushButton* signIn = buttonNamed(window.findChild<WelcomeScreen*>(),
                                          QStringLiteral("Already have an account? Sign In"));
        QVERIFY(signIn);
        signIn->click();
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, networkTimeoutMs);

        // The browser was sent to the realm's sign-in page with the app's client id and a
        // loopback address to come back to, and the app answered it there.
        QCOMPARE(browser.opened().size(), 1);
        const QUrl opened = browser.opened().first();
        QCOMPARE(opened.path(), QStringLiteral("/tovarly/account/login"));
        const QUrlQuery query(opened);
        QCOMPARE(query.queryItemValue(QStringLiteral("client_id")),
                 QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1"));
        QVERIFY(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded)
                    .startsWith(QStringLiteral("http://localhost:")));
        QCOMPARE(browser.formReply.status, 303);
        // The browser carried a code and the state back, never a token.
        const QUrlQuery back(QUrl::fromEncoded(browser.formReply.header("Location")));
        QCOMPARE(back.queryItemValue(QStringLiteral("state")),
                 query.queryItemValue(QStringLiteral("state")));
        QVERIFY(back.hasQueryItem(QStringLiteral("code")));
        QVERIFY(!back.hasQueryItem(QStringLiteral("access_token")));
        QCOMPARE(browser.backAtTheApp.status, 200);
        QVERIFY(browser.backAtTheApp.body.contains("Authentication complete!"));

        QCOMPARE(authState(app), AuthState::Authenticated);
        QVERIFY(QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
        QCOMPARE(window.statusBarWidget()->currentMessage(),
                 QStringLiteral("Signed in successfully"));
        verifySignedInWindow(window, true);
    }

    const QString access = stored(app, TokenStore::accessTokenKey());
    const QString refresh = stored(app, TokenStore::refreshTokenKey());
    QVERIFY(!access.isEmpty() && !refresh.isEmpty());

    // The device is registered for this user, as the Linux machine it is.
    HttpClient asTheApp = server.client();
    asTheApp.setToken(access);
    QJsonArray devices;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(devices =
              asTheApp.get(QStringLiteral("/devices")).json()[QStringLiteral("devices")].toArray())
             .isEmpty(),
        networkTimeoutMs);
    QCOMPARE(devices.size(), 1);
    const QJsonObject device = devices.first().toObject();
    QCOMPARE(device[QStringLiteral("platform")].toString(), QStringLiteral("Linux"));
    QCOMPARE(device[QStringLiteral("app_id")].toString(), QStringLiteral("com.tovarly.pennibar"));
    QCOMPARE(device[QStringLiteral("app_version")].toString(), QStringLiteral("1.1.3"));
    QCOMPARE(device[QStringLiteral("device_name")].toString(), QSysInfo::machineHostName());

    QString fetched;
    app.state()->accountClient()->authClient()->fetchCurrentUser(
        [&fetched](const TovAccount::User& user) { fetched = user.email; });
    QTRY_COMPARE_WITH_TIMEOUT(fetched, email, networkTimeoutMs);

    // A restart finds the session in the store, signed in at once, and refreshes it.
    app.restart();
    QVERIFY(app.isReady());
    QCOMPARE(authState(app), AuthState::Authenticated);
    QTRY_VERIFY_WITH_TIMEOUT(stored(app, TokenStore::refreshTokenKey()) != refresh,
                             networkTimeoutMs);
    QCOMPARE(authState(app), AuthState::Authenticated);
    MainWindow restarted(app.state());
    verifySignedInWindow(restarted, true);
    fetched.clear();
    app.state()->accountClient()->authClient()->fetchCurrentUser(
        [&fetched](const TovAccount::User& user) { fetched = user.email; });
    QTRY_COMPARE_WITH_TIMEOUT(fetched, email, networkTimeoutMs);
}

void TestAppSignIn::signOutEndsTheSessionOnTheServer()
{
    TestServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    QVERIFY(!server.addUser(email, password).isEmpty());
    pointAppAt(server.baseUrl().toString(QUrl::StripTrailingSlash));
    TestApp app;
    SignInBrowser browser(server, email, password);
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("a"), QStringLiteral("Everyday")));
    MainWindow window(app.state());
    QSignalSpy succeeded(app.state()->accountClient()->authClient(),
                         &TovAccount::AuthClient::loginSucceeded);
    SyncEngine* engine = app.state()->syncEngine();
    QSignalSpy completed(engine, &SyncEngine::syncCompleted);
    // The account entry signs a signed-out user in.
    commandNamed(window, QStringLiteral("&Tovarly Account..."))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, networkTimeoutMs);
    const QString access = stored(app, TokenStore::accessTokenKey());
    const QString refresh = stored(app, TokenStore::refreshTokenKey());
    HttpClient asTheApp = server.client();
    asTheApp.setToken(access);
    QCOMPARE(asTheApp.get(QStringLiteral("/api/v1/realms/tovarly/users/me")).status, 200);

    // The sign-in starts a sync cycle against the server, which ends well, and the periodic one.
    QVERIFY(engine->isAutoSyncActive());
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() >= 1, networkTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(engine->state(), SyncState::Idle, networkTimeoutMs);
    QVERIFY2(engine->lastError().isEmpty(), qPrintable(engine->lastError()));
    QVERIFY(showsText(window.statusBarWidget(), QStringLiteral("Synced")));

    // Signed in, the account entry opens the account window, and Share the share dialog.
    commandNamed(window, QStringLiteral("&Tovarly Account..."))->trigger();
    auto* accountWindow = window.findChild<TovAccount::AccountScreen*>();
    QVERIFY(accountWindow && accountWindow->isVisible());
    QCOMPARE(accountWindow->windowTitle(), QStringLiteral("Tovarly Account"));
    QString shareTitle;
    whenModalOpens([&shareTitle](QWidget* modal) {
        shareTitle = modal->windowTitle();
        static_cast<QDialog*>(modal)->reject();
    });
    commandNamed(window, QStringLiteral("&Share..."))->trigger();
    QCOMPARE(shareTitle, QStringLiteral("Share Account"));

    commandNamed(window, QStringLiteral("Sign &Out"))->trigger();
    QVERIFY(!engine->isAutoSyncActive());
    QVERIFY(!accountWindow->isVisible());
    QCOMPARE(authState(app), AuthState::Unauthenticated);
    QVERIFY(stored(app, TokenStore::accessTokenKey()).isEmpty());
    QVERIFY(stored(app, TokenStore::refreshTokenKey()).isEmpty());
    verifySignedInWindow(window, false);
    // The user chose to sign out: the account stays on screen.
    QCOMPARE(shownPage(window), window.registerScreen());

    // The server ended the session: neither token works any more.
    QTRY_COMPARE_WITH_TIMEOUT(
        asTheApp.get(QStringLiteral("/api/v1/realms/tovarly/users/me")).status, 401,
        networkTimeoutMs);
    HttpClient anonymous = server.client();
    QCOMPARE(anonymous
                 .post(QStringLiteral("/api/v1/realms/tovarly/auth/token/refresh"),
                       {{QStringLiteral("refresh_token"), refresh}})
                 .status,
             401);
}

void TestAppSignIn::aBrowserComingBackWithoutTokensIsAFailure()
{
    pointAppAt(unreachableBase());
    TestApp app;
    MainWindow window(app.state());
    HttpClient http{QUrl()};
    BrowserStub browser;
    // The user gave up on the page; the browser still comes back to the app.
    browser.onOpen = [&http](const QUrl& url) {
        const QUrlQuery link(url);
        QUrl back(link.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        back.setQuery(QStringLiteral("error=access_denied&state=") +
                      link.queryItemValue(QStringLiteral("state")));
        http.send("GET", back, {}, {});
    };
    QSignalSpy failed(app.state()->accountClient()->authClient(),
                      &TovAccount::AuthClient::loginFailed);

    buttonNamed(window.findChild<WelcomeScreen*>(),
                QStringLiteral("Already have an account? Sign In"))
        ->click();
    QCOMPARE(window.statusBarWidget()->currentMessage(),
             QStringLiteral("Sign in on the page now open in your web browser"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, networkTimeoutMs);
    QCOMPARE(window.statusBarWidget()->currentMessage(),
             QStringLiteral("Sign-in failed: the browser came back without a sign-in"));
    QCOMPARE(authState(app), AuthState::Unauthenticated);
    QVERIFY(!QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
    verifySignedInWindow(window, false);
}

// A web page the user visits while the app waits for the browser sends the browser to the app's
// listener with the attacker's own sign-in (tokens, or a fresh code of the attacker's): the app
// refuses both and stays signed out, so its first sync cannot push the household's rows into the
// attacker's account; the user's own sign-in then completes.
void TestAppSignIn::aForgedSignInWhileTheAppWaitsIsRefused()
{
    TestServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    QVERIFY(!server.addUser(email, password).isEmpty());
    const QString mallory = QStringLiteral("mallory@example.org");
    QVERIFY(!server.addUser(mallory, password).isEmpty());
    pointAppAt(server.baseUrl().toString(QUrl::StripTrailingSlash));
    TestApp app;
    MainWindow window(app.state());
    const HttpClient attacker = server.client();
    const BrowserSignIn::Result attackersTokens = BrowserSignIn(attacker).signIn(mallory, password);
    QVERIFY(!attackersTokens.refreshToken.isEmpty());
    BrowserSignIn::Link attackersLink;
    const BrowserSignIn::Result attackersCode =
        BrowserSignIn(attacker).signInForCode(mallory, password, &attackersLink);
    QVERIFY(!attackersCode.code.isEmpty());

    QList<int> forgedStatuses;
    QUrl signInPage;
    BrowserStub browser;
    browser.onOpen = [&](const QUrl& url) {
        signInPage = url;
        QUrl back(
            QUrlQuery(url).queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        back.setQuery(QStringLiteral("access_token=%1&refresh_token=%2")
                          .arg(attackersTokens.accessToken, attackersTokens.refreshToken));
        forgedStatuses << attacker.send("GET", back, {}, {}).status;
        back.setQuery(
            QStringLiteral("code=%1&state=%2").arg(attackersCode.code, attackersCode.state));
        forgedStatuses << attacker.send("GET", back, {}, {}).status;
    };
    auto* auth = app.state()->accountClient()->authClient();
    QSignalSpy succeeded(auth, &TovAccount::AuthClient::loginSucceeded);
    QSignalSpy failed(auth, &TovAccount::AuthClient::loginFailed);
    commandNamed(window, QStringLiteral("&Tovarly Account..."))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(forgedStatuses.size(), 2, networkTimeoutMs);
    QCOMPARE(forgedStatuses, (QList<int>{400, 400}));
    QTest::qWait(200);
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(authState(app), AuthState::Unauthenticated);
    QVERIFY(stored(app, TokenStore::refreshTokenKey()).isEmpty());

    // The user signs in on the page the app opened, and the app is theirs.
    const HttpClient users = server.client();
    const BrowserSignIn usersBrowser(users);
    const auto posted = usersBrowser.submit(
        usersBrowser.openUrl(signInPage),
        {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
    QCOMPARE(posted.status, 303);
    QCOMPARE(users.send("GET", QUrl::fromEncoded(posted.header("Location")), {}, {}).status, 200);
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, networkTimeoutMs);
    QString fetched;
    auth->fetchCurrentUser([&fetched](const TovAccount::User& user) { fetched = user.email; });
    QTRY_COMPARE_WITH_TIMEOUT(fetched, email, networkTimeoutMs);
}

void TestAppSignIn::startUpWithStoredTokens_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<bool>("signedIn");
    // Whether the store still holds the refresh token it started with.
    QTest::addColumn<bool>("tokensKept");

    const QString fresh = TestTokens::expiringIn(3600);
    const QString expired = TestTokens::expiringIn(-60);
    const QString refresh = QStringLiteral("stored-refresh-token");
    QTest::newRow("offline, expired access token") << expired << refresh << false << true << true;
    QTest::newRow("offline, valid access token") << fresh << refresh << false << true << true;
    QTest::newRow("offline, only a refresh token") << QString() << refresh << false << true << true;
    QTest::newRow("refresh token refused by the server")
        << expired << refresh << true << false << false;
    QTest::newRow("nothing stored") << QString() << QString() << true << false << true;
}

// A user who starts without network stays signed in on the stored refresh token; one whose
// session the server no longer knows is signed out and forgotten.
void TestAppSignIn::startUpWithStoredTokens()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, serverUp);
    QFETCH(bool, signedIn);
    QFETCH(bool, tokensKept);

    std::unique_ptr<TestServer> server;
    if (serverUp) {
        server = std::make_unique<TestServer>();
        QVERIFY(server->isRunning());
        pointAppAt(server->baseUrl().toString(QUrl::StripTrailingSlash));
    } else {
        pointAppAt(unreachableBase());
    }
    TestApp app;
    storeTokens(app, access, refresh);
    app.restart();
    QVERIFY(app.isReady());
    QTRY_VERIFY_WITH_TIMEOUT(authState(app) != AuthState::Initial, networkTimeoutMs);
    // Let the start-up refresh end (its outcome must not sign the user out when offline).
    QTest::qWait(200);
    QCOMPARE(authState(app) == AuthState::Authenticated, signedIn);
    QCOMPARE(stored(app, TokenStore::refreshTokenKey()) == refresh, tokensKept);

    MainWindow window(app.state());
    verifySignedInWindow(window, signedIn);
}

void TestAppSignIn::signOutWithTheNetworkDown()
{
    pointAppAt(unreachableBase());
    TestApp app;
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    storeTokens(app, TestTokens::expiringIn(3600), QStringLiteral("stored-refresh-token"));
    app.restart();
    QCOMPARE(authState(app), AuthState::Authenticated);
    MainWindow window(app.state());
    verifySignedInWindow(window, true);
    QSignalSpy completed(app.state()->accountClient()->authClient(),
                         &TovAccount::AuthClient::logoutCompleted);

    commandNamed(window, QStringLiteral("Sign &Out"))->trigger();
    QCOMPARE(completed.count(), 1);
    QCOMPARE(authState(app), AuthState::Unauthenticated);
    QVERIFY(stored(app, TokenStore::accessTokenKey()).isEmpty());
    QVERIFY(stored(app, TokenStore::refreshTokenKey()).isEmpty());
    verifySignedInWindow(window, false);
    QVERIFY(showsText(window.findChild<WelcomeScreen*>(), QStringLiteral("Welcome back")));
    // The failed request to the server changes nothing once it ends.
    QTest::qWait(300);
    QCOMPARE(authState(app), AuthState::Unauthenticated);
}

void TestAppSignIn::leavingTheSession_data()
{
    QTest::addColumn<bool>("userSignsOut");
    QTest::addColumn<bool>("hasAccounts");
    QTest::addColumn<bool>("welcomeShown");
    QTest::newRow("signing out, with accounts") << true << true << false;
    QTest::newRow("signing out, without accounts") << true << false << true;
    QTest::newRow("session refused, with accounts") << false << true << true;
    QTest::newRow("session refused, without accounts") << false << false << true;
}

// Signing out is the user's choice: the register stays, and the welcome screen is only for a
// book without accounts. A session the server refused is another matter: the welcome screen
// says it has ended and offers to sign back in.
void TestAppSignIn::leavingTheSession()
{
    QFETCH(bool, userSignsOut);
    QFETCH(bool, hasAccounts);
    QFETCH(bool, welcomeShown);

    // The stored session is unknown to the server, which refuses its refresh at start-up.
    std::unique_ptr<TestServer> server;
    if (userSignsOut) {
        pointAppAt(unreachableBase());
    } else {
        server = std::make_unique<TestServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->startError()));
        pointAppAt(server->baseUrl().toString(QUrl::StripTrailingSlash));
    }
    TestApp app;
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    if (hasAccounts)
        app.state()->accountRepository()->insert(
            testAccount(QStringLiteral("a"), QStringLiteral("Everyday")));
    storeTokens(app, TestTokens::expiringIn(3600), QStringLiteral("stored-refresh-token"));
    app.restart();
    QCOMPARE(authState(app), AuthState::Authenticated);
    MainWindow window(app.state());
    verifySignedInWindow(window, true);
    QCOMPARE(shownPage(window) == window.registerScreen(), hasAccounts);

    if (userSignsOut)
        commandNamed(window, QStringLiteral("Sign &Out"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(authState(app), AuthState::Unauthenticated, networkTimeoutMs);

    verifySignInCommands(window, false);
    auto* welcome = window.findChild<WelcomeScreen*>();
    QCOMPARE(shownPage(window) == welcome, welcomeShown);
    if (!welcomeShown)
        QCOMPARE(shownPage(window), window.registerScreen());
    QVERIFY(showsText(welcome, QStringLiteral("Welcome back")));
    QVERIFY(showsText(welcome, QStringLiteral("Your session has ended. Sign back in to keep "
                                              "syncing.")));
}

QTEST_MAIN(TestAppSignIn)
#include "tst_appsignin.moc"
