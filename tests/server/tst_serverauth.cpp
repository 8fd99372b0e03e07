#include "tests/server/support/browsersignin.h"
#include "tests/server/support/loopbacklistener.h"
#include "tests/server/support/testserver.h"
#include "tests/server/support/tokenclaims.h"

#include "server/auth/tokensigner.h"
#include "server/auth/userstore.h"
#include "server/core/serverconfig.h"

#include <QJsonDocument>
#include <QTest>

using PennibarServer::ServerConfig;

namespace {

const QString kRealm = QStringLiteral("/api/v1/realms/tovarly");

HttpClient::Reply refresh(const HttpClient& client, const QString& token)
{
    return client.post(kRealm + QStringLiteral("/auth/token/refresh"),
                       {{QStringLiteral("refresh_token"), token}});
}

} // namespace

class TestServerAuth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void browserSignInHandsTokensToTheLoopbackListener();
    void signInLinksThatAreRefused_data();
    void signInLinksThatAreRefused();
    void wrongCredentialsGiveNoTokens_data();
    void wrongCredentialsGiveNoTokens();
    void postsWithoutTheFormCookieAreRefused();
    void failedSignInsAreThrottled();
    void refreshRotatesAndDetectsReuse();
    void refreshRequestsThatAreRefused_data();
    void refreshRequestsThatAreRefused();
    void logoutEndsTheSession();
    void sessionsAreListedAndRevoked();
    void passwordChange();
    void disablingAUserCutsOffItsTokens();
    void foreignOrExpiredAccessTokens_data();
    void foreignOrExpiredAccessTokens();
    void displayNameUpdate_data();
    void displayNameUpdate();
    void signUpWhenAllowed();
    void aDisplayNameIsCheckedAlikeAtSignUpAndLater_data();
    void aDisplayNameIsCheckedAlikeAtSignUpAndLater();

private:
    std::unique_ptr<TestServer> m_server;
    QString m_annId;
};

void TestServerAuth::initTestCase()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_annId = m_server->addUser(QStringLiteral("ann@example.org"), QStringLiteral("password1"),
                                QStringLiteral("Ann"));
    QVERIFY(!m_annId.isEmpty());
}

void TestServerAuth::browserSignInHandsTokensToTheLoopbackListener()
{
    const HttpClient client = m_server->client();
    LoopbackListener listener;
    const BrowserSignIn browser(client);
    const auto page = browser.open(ServerConfig::defaultClientId(), listener.redirectUri());
    QCOMPARE(page.reply.status, 200);
    QVERIFY(page.reply.header("Content-Type").startsWith("text/html"));
    QVERIFY(page.reply.body.contains("<form method=\"post\""));
    QVERIFY(!page.hiddenFields.value(QStringLiteral("csrf")).isEmpty());
    QVERIFY(page.cookie.startsWith("pennibar_login="));
    QVERIFY(page.reply.header("Content-Security-Policy").contains("frame-ancestors 'none'"));

    const auto posted =
        browser.submit(page, {{QStringLiteral("email"), QStringLiteral(" ANN@example.org ")},
                              {QStringLiteral("password"), QStringLiteral("password1")}});
    QCOMPARE(posted.status, 303);
    const QUrl location = QUrl::fromEncoded(posted.header("Location"));
    QCOMPARE(location.toString(QUrl::RemoveQuery), listener.redirectUri());
    client.send("GET", location, {}, {});
    const QUrlQuery received(listener.waitForCallback());
    const QString access = received.queryItemValue(QStringLiteral("access_token"));
    QVERIFY(!received.queryItemValue(QStringLiteral("refresh_token")).isEmpty());

    const QJsonObject claims = TokenClaims::of(access);
    QCOMPARE(claims.value(QStringLiteral("sub")).toString(), m_annId);
    const qint64 lifetime =
        claims.value(QStringLiteral("exp")).toInteger() - QDateTime::currentSecsSinceEpoch();
    QVERIFY2(lifetime > 14 * 60 && lifetime <= 15 * 60, qPrintable(QString::number(lifetime)));
    QVERIFY(claims.value(QStringLiteral("custom")).toObject().contains(QStringLiteral("tov")));

    HttpClient api = m_server->client();
    api.setToken(access);
    const auto me = api.get(kRealm + QStringLiteral("/users/me"));
    QCOMPARE(me.status, 200);
    QCOMPARE(me.json().value(QStringLiteral("email")).toString(),
             QStringLiteral("ann@example.org"));
    QCOMPARE(me.json().value(QStringLiteral("display_name")).toString(), QStringLiteral("Ann"));
    // No token or password reaches the access log.
    const QString log = m_server->accessLog().join(QLatin1Char('\n'));
    QVERIFY(!log.contains(access));
    QVERIFY(!log.contains(QLatin1String("password1")));
    QVERIFY(log.contains(QStringLiteral("GET %1/users/me 200").arg(kRealm)));
    QVERIFY(log.contains(QStringLiteral("user=") + m_annId));
}

void TestServerAuth::signInLinksThatAreRefused_data()
{
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("redirectUri");

    const QString app = ServerConfig::defaultClientId();
    QTest::newRow("unregistered client")
        << QString(32, QLatin1Char('0')) << "http://localhost:9/callback";
    QTest::newRow("no client") << QString() << "http://localhost:9/callback";
    QTest::newRow("another host") << app << "http://attacker.example/callback";
    QTest::newRow("another host on the port") << app << "http://attacker.example:9/callback";
    QTest::newRow("https") << app << "https://localhost:9/callback";
    QTest::newRow("another path") << app << "http://localhost:9/steal";
    QTest::newRow("with a query") << app << "http://localhost:9/callback?next=x";
    QTest::newRow("with user info") << app << "http://me@localhost:9/callback";
    QTest::newRow("without a port") << app << "http://localhost/callback";
    QTest::newRow("no redirect") << app << QString();
}

void TestServerAuth::signInLinksThatAreRefused()
{
    QFETCH(QString, clientId);
    QFETCH(QString, redirectUri);
    const HttpClient client = m_server->client();
    const BrowserSignIn browser(client);
    const auto page = browser.open(clientId, redirectUri);
    QCOMPARE(page.reply.status, 400);
    QVERIFY(!page.reply.body.contains("<form"));
    // Posting credentials straight away issues nothing either.
    BrowserSignIn::Page forged;
    forged.hiddenFields = {{QStringLiteral("client_id"), clientId},
                           {QStringLiteral("redirect_uri"), redirectUri},
                           {QStringLiteral("csrf"), QStringLiteral("abc")}};
    forged.cookie = "pennibar_login=abc";
    const auto posted =
        browser.submit(forged, {{QStringLiteral("email"), QStringLiteral("ann@example.org")},
                                {QStringLiteral("password"), QStringLiteral("password1")}});
    QCOMPARE(posted.status, 400);
    QVERIFY(posted.header("Location").isEmpty());
    QVERIFY(!posted.body.contains("token"));
}

void TestServerAuth::wrongCredentialsGiveNoTokens_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");

    QTest::newRow("wrong password") << "ann@example.org"
                                    << "password2";
    QTest::newRow("unknown e-mail") << "nobody@example.org"
                                    << "password1";
    QTest::newRow("empty password") << "ann@example.org"
                                    << "";
}

void TestServerAuth::wrongCredentialsGiveNoTokens()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    TestServer server; // its own throttle counts
    server.addUser(QStringLiteral("ann@example.org"));
    const HttpClient client = server.client();
    const auto result = BrowserSignIn(client).signIn(email, password);
    QCOMPARE(result.formReply.status, 401);
    QVERIFY(result.formReply.header("Location").isEmpty());
    QVERIFY(result.formReply.body.contains("The e-mail address or the password is wrong."));
    // The form comes back with the address filled in, never the password.
    if (!password.isEmpty())
        QVERIFY(!result.formReply.body.contains(password.toUtf8()));
}

void TestServerAuth::postsWithoutTheFormCookieAreRefused()
{
    const HttpClient client = m_server->client();
    LoopbackListener listener;
    const BrowserSignIn browser(client);
    BrowserSignIn::Page page =
        browser.open(ServerConfig::defaultClientId(), listener.redirectUri());
    // A post from another site's page carries no cookie of ours (a fresh client has none).
    page.cookie.clear();
    const HttpClient otherSite = m_server->client();
    const auto posted = BrowserSignIn(otherSite).submit(
        page, {{QStringLiteral("email"), QStringLiteral("ann@example.org")},
               {QStringLiteral("password"), QStringLiteral("password1")}});
    QCOMPARE(posted.status, 400);
    QVERIFY(posted.header("Location").isEmpty());
    QVERIFY(posted.body.contains("expired"));
}

void TestServerAuth::failedSignInsAreThrottled()
{
    TestServer server;
    server.addUser(QStringLiteral("cy@example.org"));
    const HttpClient client = server.client();
    const BrowserSignIn browser(client);
    for (int attempt = 0; attempt < 10; ++attempt)
        QCOMPARE(browser.signIn(QStringLiteral("cy@example.org"), QStringLiteral("guess"))
                     .formReply.status,
                 401);
    const auto blocked =
        browser.signIn(QStringLiteral("cy@example.org"), QStringLiteral("password1"));
    QCOMPARE(blocked.formReply.status, 429);
    QVERIFY(blocked.accessToken.isEmpty());
    QVERIFY(blocked.formReply.header("Retry-After").toInt() > 0);
    server.instance().clock().advance(16 * 60);
    QVERIFY(!browser.signIn(QStringLiteral("cy@example.org"), QStringLiteral("password1"))
                 .accessToken.isEmpty());
}

void TestServerAuth::refreshRotatesAndDetectsReuse()
{
    QString first;
    HttpClient app =
        m_server->signedIn(QStringLiteral("ann@example.org"), QStringLiteral("password1"), &first);
    const auto rotated = refresh(app, first);
    QCOMPARE(rotated.status, 200);
    const QString second = rotated.json().value(QStringLiteral("refresh_token")).toString();
    const QString access = rotated.json().value(QStringLiteral("access_token")).toString();
    QVERIFY(!second.isEmpty() && second != first);
    QCOMPARE(TokenClaims::of(access).value(QStringLiteral("sub")).toString(), m_annId);
    app.setToken(access);
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 200);

    // The first token again: somebody holds a copy, so the whole session ends.
    QCOMPARE(refresh(app, first).status, 401);
    QCOMPARE(refresh(app, second).status, 401);
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 401);
}

void TestServerAuth::refreshRequestsThatAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    QTest::newRow("not JSON") << QByteArray("refresh_token=abc") << 400;
    QTest::newRow("JSON array") << QByteArray("[]") << 400;
    QTest::newRow("no token") << QByteArray("{}") << 400;
    QTest::newRow("token of the wrong type") << QByteArray(R"({"refresh_token": 12})") << 400;
    QTest::newRow("unknown token") << QByteArray(R"({"refresh_token": "abcdef"})") << 401;
}

void TestServerAuth::refreshRequestsThatAreRefused()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    const HttpClient client = m_server->client();
    const auto reply =
        client.send("POST", client.url(kRealm + QStringLiteral("/auth/token/refresh")), body,
                    {{"Content-Type", "application/json"}});
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.error().isEmpty());
}

void TestServerAuth::logoutEndsTheSession()
{
    QString refreshToken;
    const HttpClient app = m_server->signedIn(QStringLiteral("ann@example.org"),
                                              QStringLiteral("password1"), &refreshToken);
    QCOMPARE(app.postEmpty(kRealm + QStringLiteral("/auth/logout")).status, 204);
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 401);
    QCOMPARE(refresh(app, refreshToken).status, 401);
}

void TestServerAuth::sessionsAreListedAndRevoked()
{
    TestServer server;
    server.addUser(QStringLiteral("dee@example.org"));
    server.addUser(QStringLiteral("eve@example.org"));
    const HttpClient client = server.client();
    const auto laptop = BrowserSignIn(client).signIn(QStringLiteral("dee@example.org"),
                                                     QStringLiteral("password1"), "Laptop/1.0");
    const auto phone = BrowserSignIn(client).signIn(QStringLiteral("dee@example.org"),
                                                    QStringLiteral("password1"), "Phone/2.0");
    HttpClient onLaptop = server.client();
    onLaptop.setToken(laptop.accessToken);
    const QJsonArray sessions = onLaptop.get(kRealm + QStringLiteral("/users/me/sessions"))
                                    .json()
                                    .value(QStringLiteral("sessions"))
                                    .toArray();
    QCOMPARE(sessions.size(), 2);
    QString phoneSession;
    for (const QJsonValue& value : sessions) {
        const QJsonObject session = value.toObject();
        const bool current = session.value(QStringLiteral("is_current")).toBool();
        QCOMPARE(session.value(QStringLiteral("user_agent")).toString(),
                 current ? QStringLiteral("Laptop/1.0") : QStringLiteral("Phone/2.0"));
        QCOMPARE(session.value(QStringLiteral("ip_address")).toString(),
                 QStringLiteral("127.0.0.1"));
        QVERIFY(QDateTime::fromString(session.value(QStringLiteral("last_active_at")).toString(),
                                      Qt::ISODate)
                    .isValid());
        if (!current)
            phoneSession = session.value(QStringLiteral("id")).toString();
    }
    QVERIFY(!phoneSession.isEmpty());

    // Another user cannot revoke it, nor learn that it exists.
    const HttpClient eve = server.signedIn(QStringLiteral("eve@example.org"));
    QCOMPARE(eve.del(kRealm + QStringLiteral("/users/me/sessions/") + phoneSession).status, 404);
    QCOMPARE(onLaptop.del(kRealm + QStringLiteral("/users/me/sessions/") + phoneSession).status,
             204);
    QCOMPARE(onLaptop.del(kRealm + QStringLiteral("/users/me/sessions/") + phoneSession).status,
             404);
    QCOMPARE(refresh(client, phone.refreshToken).status, 401);
    HttpClient onPhone = server.client();
    onPhone.setToken(phone.accessToken);
    QCOMPARE(onPhone.get(kRealm + QStringLiteral("/users/me")).status, 401);
    QCOMPARE(onLaptop.get(kRealm + QStringLiteral("/users/me/sessions"))
                 .json()
                 .value(QStringLiteral("sessions"))
                 .toArray()
                 .size(),
             1);
}

void TestServerAuth::passwordChange()
{
    TestServer server;
    server.addUser(QStringLiteral("fay@example.org"), QStringLiteral("old password"));
    const HttpClient here =
        server.signedIn(QStringLiteral("fay@example.org"), QStringLiteral("old password"));
    const HttpClient elsewhere =
        server.signedIn(QStringLiteral("fay@example.org"), QStringLiteral("old password"));
    const QString path = kRealm + QStringLiteral("/users/me/password");
    auto change = [&](const QString& current, const QString& replacement) {
        return here.post(path, {{QStringLiteral("current_password"), current},
                                {QStringLiteral("new_password"), replacement}});
    };
    QCOMPARE(change(QStringLiteral("wrong"), QStringLiteral("new password")).status, 403);
    QCOMPARE(change(QStringLiteral("old password"), QStringLiteral("short")).status, 400);
    QCOMPARE(
        here.post(path, {{QStringLiteral("new_password"), QStringLiteral("new password")}}).status,
        400);
    QCOMPARE(change(QStringLiteral("old password"), QStringLiteral("new password")).status, 204);
    // This session goes on; the other one ends.
    QCOMPARE(here.get(kRealm + QStringLiteral("/users/me")).status, 200);
    QCOMPARE(elsewhere.get(kRealm + QStringLiteral("/users/me")).status, 401);
    const HttpClient client = server.client();
    QCOMPARE(BrowserSignIn(client)
                 .signIn(QStringLiteral("fay@example.org"), QStringLiteral("old password"))
                 .formReply.status,
             401);
    QVERIFY(!BrowserSignIn(client)
                 .signIn(QStringLiteral("fay@example.org"), QStringLiteral("new password"))
                 .accessToken.isEmpty());
}

void TestServerAuth::disablingAUserCutsOffItsTokens()
{
    TestServer server;
    const QString id = server.addUser(QStringLiteral("gus@example.org"));
    QString refreshToken;
    const HttpClient app = server.signedIn(QStringLiteral("gus@example.org"),
                                           QStringLiteral("password1"), &refreshToken);
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 200);
    QVERIFY(server.instance().users().setDisabled(id, true));
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 401);
    QCOMPARE(refresh(app, refreshToken).status, 401);
    const HttpClient client = server.client();
    const auto again = BrowserSignIn(client).signIn(QStringLiteral("gus@example.org"),
                                                    QStringLiteral("password1"));
    QCOMPARE(again.formReply.status, 403);
    QVERIFY(again.accessToken.isEmpty());
}

void TestServerAuth::foreignOrExpiredAccessTokens_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("unsigned") << "unsigned";
    QTest::newRow("signed with another secret") << "foreign";
    QTest::newRow("expired") << "expired";
}

void TestServerAuth::foreignOrExpiredAccessTokens()
{
    QFETCH(QString, kind);
    TestServer server;
    const QString id = server.addUser(QStringLiteral("hal@example.org"));
    HttpClient app = server.signedIn(QStringLiteral("hal@example.org"));
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 200);

    PennibarServer::AccessClaims forged;
    forged.userId = id;
    forged.sessionId = QStringLiteral("any");
    forged.expiresAt = QDateTime::currentSecsSinceEpoch() + 600;
    const QString foreign =
        PennibarServer::TokenSigner(QByteArray(32, 'k'), QStringLiteral("pennibar-server/tovarly"))
            .sign(forged);
    if (kind == QLatin1String("garbage")) {
        app.setToken(QStringLiteral("abc.def.ghi"));
    } else if (kind == QLatin1String("unsigned")) {
        const QByteArray none =
            QByteArray(R"({"alg":"none","typ":"JWT"})")
                .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
        app.setToken(QString::fromLatin1(none) + QLatin1Char('.') +
                     foreign.section(QLatin1Char('.'), 1, 1) + QLatin1Char('.'));
    } else if (kind == QLatin1String("foreign")) {
        app.setToken(foreign);
    } else {
        server.instance().clock().advance(16 * 60);
    }
    const auto reply = app.get(kRealm + QStringLiteral("/users/me"));
    QCOMPARE(reply.status, 401);
    QCOMPARE(reply.header("WWW-Authenticate"), QByteArray("Bearer"));
}

void TestServerAuth::displayNameUpdate_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stored");

    QTest::newRow("new name, trimmed")
        << QByteArray(R"({"display_name": "  Ann B  "})") << 200 << "Ann B";
    QTest::newRow("number") << QByteArray(R"({"display_name": 7})") << 400 << "Ann";
    QTest::newRow("control character")
        << QByteArray(R"({"display_name": "A\u0007"})") << 400 << "Ann";
    QTest::newRow("too long") << QByteArray(R"({"display_name": ")") + QByteArray(101, 'x') + "\"}"
                              << 400 << "Ann";
    QTest::newRow("broken JSON") << QByteArray("{") << 400 << "Ann";
}

void TestServerAuth::displayNameUpdate()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, stored);
    const HttpClient app = m_server->signedIn(QStringLiteral("ann@example.org"));
    QVERIFY(m_server->instance().users().setDisplayName(m_annId, QStringLiteral("Ann")));
    const auto reply = app.raw("PATCH", kRealm + QStringLiteral("/users/me"), body);
    QCOMPARE(reply.status, status);
    if (status == 200)
        QCOMPARE(reply.json().value(QStringLiteral("display_name")).toString(), stored);
    QCOMPARE(m_server->instance().users().byId(m_annId)->displayName, stored);
}

void TestServerAuth::signUpWhenAllowed()
{
    TestServer closed;
    const HttpClient closedClient = closed.client();
    LoopbackListener listener;
    const auto page = BrowserSignIn(closedClient)
                          .open(ServerConfig::defaultClientId(), listener.redirectUri(), true);
    QCOMPARE(page.hiddenFields.value(QStringLiteral("mode")), QStringLiteral("signin"));
    QVERIFY(BrowserSignIn(closedClient)
                .signUp(QStringLiteral("new@example.org"), QStringLiteral("password1"),
                        QStringLiteral("New"))
                .accessToken.isEmpty());
    QVERIFY(!closed.instance().users().byEmail(QStringLiteral("new@example.org")));

    TestServer open({{QStringLiteral("allow_signup"), QStringLiteral("true")}});
    const HttpClient client = open.client();
    const auto created = BrowserSignIn(client).signUp(
        QStringLiteral("New@Example.org"), QStringLiteral("password1"), QStringLiteral("Newton"));
    QVERIFY2(!created.accessToken.isEmpty(), created.formReply.body.constData());
    HttpClient app = open.client();
    app.setToken(created.accessToken);
    const QJsonObject me = app.get(kRealm + QStringLiteral("/users/me")).json();
    QCOMPARE(me.value(QStringLiteral("email")).toString(), QStringLiteral("new@example.org"));
    QCOMPARE(me.value(QStringLiteral("display_name")).toString(), QStringLiteral("Newton"));
    const auto again = BrowserSignIn(client).signUp(QStringLiteral("new@example.org"),
                                                    QStringLiteral("password2"), QString());
    QCOMPARE(again.formReply.status, 409);
    QVERIFY(again.accessToken.isEmpty());
    QCOMPARE(BrowserSignIn(client)
                 .signUp(QStringLiteral("x@example.org"), QStringLiteral("short"), QString())
                 .formReply.status,
             400);
}

void TestServerAuth::aDisplayNameIsCheckedAlikeAtSignUpAndLater_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("plain") << "Newton" << "Newton";
    QTest::newRow("trimmed") << "  Newton  " << "Newton";
    QTest::newRow("100 characters") << QString(100, u'n') << QString(100, u'n');
    QTest::newRow("101 characters") << QString(101, u'n') << QString();
    QTest::newRow("a bell") << QStringLiteral("New\aton") << QString();
    QTest::newRow("a terminal escape") << QStringLiteral("\x1b[2JNewton") << QString();
    QTest::newRow("a C1 control") << QStringLiteral("New") + QChar(0x9b) + "ton" << QString();
}

// Whether a display name comes with the sign-up form or later from the app, one rule decides
// what is stored: nothing that would reach other people's screens or an admin's terminal as a
// control character.
void TestServerAuth::aDisplayNameIsCheckedAlikeAtSignUpAndLater()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    TestServer open({{QStringLiteral("allow_signup"), QStringLiteral("true")}});
    const HttpClient client = open.client();
    const auto signUp =
        BrowserSignIn(client).signUp(QStringLiteral("new@example.org"), QStringLiteral("password1"), name);
    const auto user = open.instance().users().byEmail(QStringLiteral("new@example.org"));
    if (stored.isEmpty()) {
        QCOMPARE(signUp.formReply.status, 400);
        QVERIFY(signUp.formReply.body.contains("control characters"));
        QVERIFY(!user);
    } else {
        QVERIFY2(!signUp.accessToken.isEmpty(), signUp.formReply.body.constData());
        QCOMPARE(user->displayName, stored);
    }

    const HttpClient app = m_server->signedIn(QStringLiteral("ann@example.org"));
    QVERIFY(m_server->instance().users().setDisplayName(m_annId, QStringLiteral("Ann")));
    const auto patched = app.raw("PATCH", kRealm + QStringLiteral("/users/me"),
                                 QJsonDocument(QJsonObject{{QStringLiteral("display_name"), name}})
                                     .toJson(QJsonDocument::Compact));
    QCOMPARE(patched.status, stored.isEmpty() ? 400 : 200);
    QCOMPARE(m_server->instance().users().byId(m_annId)->displayName,
             stored.isEmpty() ? QStringLiteral("Ann") : stored);
}

QTEST_GUILESS_MAIN(TestServerAuth)
#include "tst_serverauth.moc"
