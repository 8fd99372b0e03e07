#include "tests/server/support/browsersignin.h"
#include "tests/server/support/loopbacklistener.h"
#include "tests/server/support/testserver.h"
#include "tests/server/support/tokenclaims.h"

#include "server/auth/sessionstore.h"
#include "server/auth/tokensigner.h"
#include "server/auth/userstore.h"
#include "server/core/serverconfig.h"
#include "server/storage/database.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QRegularExpression>
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
    void browserSignInHandsACodeToTheLoopbackListener();
    void signInLinksThatAreRefused_data();
    void signInLinksThatAreRefused();
    void codeExchangesThatAreRefused_data();
    void codeExchangesThatAreRefused();
    void aReplayedCodeIsRefusedAndEndsItsSession();
    void codesAreStoredOnlyAsHashes();
    void wrongCredentialsGiveNoTokens_data();
    void wrongCredentialsGiveNoTokens();
    void postsWithoutTheFormCookieAreRefused();
    void failedSignInsAreThrottled();
    void failuresFromOneAddressLockOnlyThatAddressOut();
    void anAccountUnderAttackSlowsItsGuessersDown();
    void signInCookieIsSecureBehindATlsProxy_data();
    void signInCookieIsSecureBehindATlsProxy();
    void signInPageSpeaksTheBrowsersLanguage_data();
    void signInPageSpeaksTheBrowsersLanguage();
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

void TestServerAuth::browserSignInHandsACodeToTheLoopbackListener()
{
    const HttpClient client = m_server->client();
    LoopbackListener listener;
    const BrowserSignIn browser(client);
    BrowserSignIn::Link link;
    link.redirectUri = listener.redirectUri();
    const auto page = browser.open(link);
    QCOMPARE(page.reply.status, 200);
    QVERIFY(page.reply.header("Content-Type").startsWith("text/html"));
    QVERIFY(page.reply.body.contains("<form method=\"post\""));
    QVERIFY(!page.hiddenFields.value(QStringLiteral("csrf")).isEmpty());
    // The form carries the app's state and challenge through the post.
    QCOMPARE(page.hiddenFields.value(QStringLiteral("state")), link.state);
    QCOMPARE(page.hiddenFields.value(QStringLiteral("code_challenge")), link.challenge());
    QCOMPARE(page.hiddenFields.value(QStringLiteral("code_challenge_method")),
             QStringLiteral("S256"));
    QVERIFY(page.cookie.startsWith("pennibar_login="));
    QVERIFY(page.reply.header("Content-Security-Policy").contains("frame-ancestors 'none'"));

    const auto posted =
        browser.submit(page, {{QStringLiteral("email"), QStringLiteral(" ANN@example.org ")},
                              {QStringLiteral("password"), QStringLiteral("password1")}});
    QCOMPARE(posted.status, 303);
    // Only a code and the state travel through the browser, never a token.
    const QUrl location = QUrl::fromEncoded(posted.header("Location"));
    QCOMPARE(location.toString(QUrl::RemoveQuery), listener.redirectUri());
    const QUrlQuery redirect(location);
    QCOMPARE(redirect.queryItems().size(), 2);
    QCOMPARE(redirect.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded), link.state);
    const QString code = redirect.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    QVERIFY(code.size() >= 43);
    client.send("GET", location, {}, {});
    QCOMPARE(listener.waitForCallback(), location);

    const auto exchanged = browser.exchange(code, link);
    QCOMPARE(exchanged.status, 200);
    QCOMPARE(exchanged.json().value(QStringLiteral("token_type")).toString(),
             QStringLiteral("Bearer"));
    QCOMPARE(exchanged.json().value(QStringLiteral("expires_in")).toInt(), 15 * 60);
    const QString access = exchanged.json().value(QStringLiteral("access_token")).toString();
    QVERIFY(!exchanged.json().value(QStringLiteral("refresh_token")).toString().isEmpty());

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
    // No token, code, verifier or password reaches the access log.
    const QString log = m_server->accessLog().join(QLatin1Char('\n'));
    for (const QString& secret : {access, code, link.verifier, QStringLiteral("password1")})
        QVERIFY2(!log.contains(secret), qPrintable(secret));
    QVERIFY(log.contains(QStringLiteral("POST %1/auth/token 200").arg(kRealm)));
    QVERIFY(log.contains(QStringLiteral("GET %1/users/me 200").arg(kRealm)));
    QVERIFY(log.contains(QStringLiteral("user=") + m_annId));
}

void TestServerAuth::signInLinksThatAreRefused_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("value"); // empty: the parameter is left out
    QTest::addColumn<QString>("reason");

    const QString notFromApp = QStringLiteral("does not come from an application");
    const QString elsewhere = QStringLiteral("somewhere other than the application");
    const QString older = QStringLiteral("older version of the application");
    QTest::newRow("unregistered client")
        << "client_id" << QString(32, QLatin1Char('0')) << notFromApp;
    QTest::newRow("no client") << "client_id" << QString() << notFromApp;
    QTest::newRow("another host") << "redirect_uri"
                                  << "http://attacker.example/callback" << elsewhere;
    QTest::newRow("another host on the port") << "redirect_uri"
                                              << "http://attacker.example:9/callback" << elsewhere;
    QTest::newRow("https") << "redirect_uri"
                           << "https://localhost:9/callback" << elsewhere;
    QTest::newRow("another path") << "redirect_uri"
                                  << "http://localhost:9/steal" << elsewhere;
    QTest::newRow("with a query") << "redirect_uri"
                                  << "http://localhost:9/callback?next=x" << elsewhere;
    QTest::newRow("with user info") << "redirect_uri"
                                    << "http://me@localhost:9/callback" << elsewhere;
    QTest::newRow("without a port") << "redirect_uri"
                                    << "http://localhost/callback" << elsewhere;
    QTest::newRow("no redirect") << "redirect_uri" << QString() << elsewhere;
    // What an app from before codes and PKCE sends: no state and no challenge.
    QTest::newRow("no state") << "state" << QString() << older;
    QTest::newRow("state with a control character") << "state"
                                                    << "a\u0001b" << older;
    QTest::newRow("state too long") << "state" << QString(513, QLatin1Char('s')) << older;
    QTest::newRow("no challenge") << "code_challenge" << QString() << older;
    QTest::newRow("challenge of the wrong form") << "code_challenge"
                                                 << "not-a-sha256-digest" << older;
    QTest::newRow("plain challenge method") << "code_challenge_method"
                                            << "plain" << older;
    QTest::newRow("no challenge method") << "code_challenge_method" << QString() << older;
}

void TestServerAuth::signInLinksThatAreRefused()
{
    QFETCH(QString, parameter);
    QFETCH(QString, value);
    QFETCH(QString, reason);
    const HttpClient client = m_server->client();
    const BrowserSignIn browser(client);
    BrowserSignIn::Link link;
    link.redirectUri = QStringLiteral("http://localhost:9/callback");
    QUrlQuery query = link.query();
    query.removeAllQueryItems(parameter);
    if (!value.isEmpty())
        query.addQueryItem(parameter, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    const auto page = browser.openUrl(client.url(QStringLiteral("/tovarly/account/login"), query));
    QCOMPARE(page.reply.status, 400);
    QVERIFY(!page.reply.body.contains("<form"));
    QVERIFY2(page.reply.body.contains(reason.toUtf8()), page.reply.body.constData());
    // Posting credentials straight away issues nothing either.
    BrowserSignIn::Page forged;
    for (const auto& [key, item] : query.queryItems(QUrl::FullyDecoded))
        forged.hiddenFields.insert(key, item);
    forged.hiddenFields.insert(QStringLiteral("csrf"), QStringLiteral("abc"));
    forged.cookie = "pennibar_login=abc";
    const auto posted =
        browser.submit(forged, {{QStringLiteral("email"), QStringLiteral("ann@example.org")},
                                {QStringLiteral("password"), QStringLiteral("password1")}});
    QCOMPARE(posted.status, 400);
    QVERIFY(posted.header("Location").isEmpty());
    QVERIFY(!posted.body.contains("code="));
}

void TestServerAuth::codeExchangesThatAreRefused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("error");

    QTest::newRow("wrong verifier") << "verifier"
                                    << "invalid_grant";
    QTest::newRow("another client") << "client_id"
                                    << "invalid_grant";
    QTest::newRow("another redirect") << "redirect_uri"
                                      << "invalid_grant";
    QTest::newRow("unknown code") << "code"
                                  << "invalid_grant";
    QTest::newRow("code older than a minute") << "late"
                                              << "invalid_grant";
    QTest::newRow("no verifier") << "no verifier"
                                 << "invalid_request";
    QTest::newRow("verifier too short") << "short verifier"
                                        << "invalid_request";
    QTest::newRow("another grant type") << "grant_type"
                                        << "unsupported_grant_type";
    QTest::newRow("not JSON") << "not JSON"
                              << "invalid_request";
}

// Only the app that started the sign-in, holding its verifier, gets tokens for a code, and only
// in the minute after the sign-in; a code that was refused is used up.
void TestServerAuth::codeExchangesThatAreRefused()
{
    QFETCH(QString, change);
    QFETCH(QString, error);
    TestServer server; // its own clock
    const QString annId = server.addUser(QStringLiteral("ann@example.org"));
    const HttpClient client = server.client();
    const BrowserSignIn browser(client);
    BrowserSignIn::Link link;
    const auto signedIn = browser.signInForCode(QStringLiteral("ann@example.org"),
                                                QStringLiteral("password1"), &link);
    QVERIFY(!signedIn.code.isEmpty());

    QJsonObject body{{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                     {QStringLiteral("code"), signedIn.code},
                     {QStringLiteral("code_verifier"), link.verifier},
                     {QStringLiteral("client_id"), link.clientId},
                     {QStringLiteral("redirect_uri"), link.redirectUri}};
    if (change == QLatin1String("verifier"))
        body.insert(QStringLiteral("code_verifier"), BrowserSignIn::Link::randomValue());
    else if (change == QLatin1String("client_id"))
        body.insert(QStringLiteral("client_id"), QString(32, QLatin1Char('0')));
    else if (change == QLatin1String("redirect_uri"))
        body.insert(QStringLiteral("redirect_uri"), QStringLiteral("http://localhost:9/callback"));
    else if (change == QLatin1String("code"))
        body.insert(QStringLiteral("code"), BrowserSignIn::Link::randomValue());
    else if (change == QLatin1String("late"))
        server.instance().clock().advance(61);
    else if (change == QLatin1String("no verifier"))
        body.remove(QStringLiteral("code_verifier"));
    else if (change == QLatin1String("short verifier"))
        body.insert(QStringLiteral("code_verifier"), link.verifier.left(42));
    else if (change == QLatin1String("grant_type"))
        body.insert(QStringLiteral("grant_type"), QStringLiteral("password"));
    const auto refused =
        change == QLatin1String("not JSON")
            ? client.send("POST", client.url(kRealm + QStringLiteral("/auth/token")),
                          "code=" + signedIn.code.toLatin1(),
                          {{"Content-Type", "application/x-www-form-urlencoded"}})
            : browser.exchange(body);
    QCOMPARE(refused.status, 400);
    QCOMPARE(refused.json().value(QStringLiteral("error")).toString(), error);
    QVERIFY(!refused.json().value(QStringLiteral("error_description")).toString().isEmpty());
    QVERIFY(!refused.body.contains("access_token"));
    QVERIFY(server.instance().sessions().active(annId, server.instance().clock().now())->isEmpty());

    // A code presented with the wrong verifier or to the wrong client has leaked: it is spent.
    const bool spent = error == QLatin1String("invalid_grant") && change != QLatin1String("code");
    const auto rightful = browser.exchange(signedIn.code, link);
    QCOMPARE(rightful.status, spent ? 400 : 200);
}

void TestServerAuth::aReplayedCodeIsRefusedAndEndsItsSession()
{
    TestServer server;
    server.addUser(QStringLiteral("ann@example.org"));
    const HttpClient client = server.client();
    const BrowserSignIn browser(client);
    BrowserSignIn::Link link;
    const auto signedIn = browser.signInForCode(QStringLiteral("ann@example.org"),
                                                QStringLiteral("password1"), &link);
    const auto first = browser.exchange(signedIn.code, link);
    QCOMPARE(first.status, 200);
    HttpClient app = server.client();
    app.setToken(first.json().value(QStringLiteral("access_token")).toString());
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 200);

    const auto replayed = browser.exchange(signedIn.code, link);
    QCOMPARE(replayed.status, 400);
    QCOMPARE(replayed.json().value(QStringLiteral("error")).toString(),
             QStringLiteral("invalid_grant"));
    // Whoever replays a code may hold the tokens of its first use too: they stop working.
    QCOMPARE(app.get(kRealm + QStringLiteral("/users/me")).status, 401);
    QCOMPARE(refresh(client, first.json().value(QStringLiteral("refresh_token")).toString()).status,
             401);
}

void TestServerAuth::codesAreStoredOnlyAsHashes()
{
    TestServer server;
    server.addUser(QStringLiteral("ann@example.org"));
    const HttpClient client = server.client();
    BrowserSignIn::Link link;
    const auto signedIn = BrowserSignIn(client).signInForCode(QStringLiteral("ann@example.org"),
                                                              QStringLiteral("password1"), &link);
    QVERIFY(!signedIn.code.isEmpty());
    const auto rows =
        server.instance().database().select(QStringLiteral("SELECT * FROM authorization_codes"));
    QVERIFY(rows);
    QCOMPARE(rows->size(), 1);
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(signedIn.code.toUtf8(), QCryptographicHash::Sha256).toHex());
    QStringList values;
    for (const QVariant& value : rows->first())
        values.append(value.toString());
    QVERIFY(values.contains(hash));
    QVERIFY(!values.join(QLatin1Char(' ')).contains(signedIn.code));
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

void TestServerAuth::failuresFromOneAddressLockOnlyThatAddressOut()
{
    TestServer server({{QStringLiteral("trust_forwarded_for"), QStringLiteral("true")}});
    server.addUser(QStringLiteral("cy@example.org"));
    const HttpClient client = server.client();
    BrowserSignIn attacker(client);
    attacker.from("192.0.2.1");
    for (int attempt = 0; attempt < 10; ++attempt)
        QCOMPARE(attacker.signIn(QStringLiteral("cy@example.org"), QStringLiteral("guess"))
                     .formReply.status,
                 401);
    QCOMPARE(attacker.signIn(QStringLiteral("cy@example.org"), QStringLiteral("password1"))
                 .formReply.status,
             429);
    // The owner of the account, elsewhere, signs in as ever.
    BrowserSignIn owner(client);
    owner.from("198.51.100.7");
    QVERIFY(!owner.signIn(QStringLiteral("cy@example.org"), QStringLiteral("password1"))
                 .accessToken.isEmpty());
}

// Many addresses guessing one account slow each other down: an address that guessed wrong waits
// longer after each of its failures. An address that has not failed is not held up.
void TestServerAuth::anAccountUnderAttackSlowsItsGuessersDown()
{
    TestServer server({{QStringLiteral("trust_forwarded_for"), QStringLiteral("true")}});
    server.addUser(QStringLiteral("cy@example.org"));
    const HttpClient client = server.client();
    const auto guessFrom = [&client](const QByteArray& address, const QString& password) {
        BrowserSignIn browser(client);
        browser.from(address);
        return browser.signIn(QStringLiteral("cy@example.org"), password);
    };
    for (int n = 0; n < 10; ++n)
        QCOMPARE(guessFrom("192.0.2." + QByteArray::number(10 + n), QStringLiteral("guess"))
                     .formReply.status,
                 401);

    const auto slowed = guessFrom("192.0.2.10", QStringLiteral("guess"));
    QCOMPARE(slowed.formReply.status, 429);
    const int wait = slowed.formReply.header("Retry-After").toInt();
    QVERIFY2(wait > 0 && wait < 15 * 60, qPrintable(QString::number(wait)));
    QVERIFY(slowed.formReply.body.contains("Too many attempts."));
    QVERIFY(!guessFrom("198.51.100.7", QStringLiteral("password1")).accessToken.isEmpty());

    server.instance().clock().advance(wait);
    QCOMPARE(guessFrom("192.0.2.10", QStringLiteral("guess")).formReply.status, 401);
    // A second failure of the same address makes its next wait longer.
    const auto slowerStill = guessFrom("192.0.2.10", QStringLiteral("password1"));
    QCOMPARE(slowerStill.formReply.status, 429);
    QVERIFY(slowerStill.formReply.header("Retry-After").toInt() > wait);
}

void TestServerAuth::signInCookieIsSecureBehindATlsProxy_data()
{
    QTest::addColumn<QString>("behindTlsProxy");
    QTest::addColumn<bool>("secure");

    QTest::newRow("plain HTTP") << QString() << false;
    QTest::newRow("told it sits behind a TLS proxy") << "true" << true;
    QTest::newRow("told it does not") << "false" << false;
}

void TestServerAuth::signInCookieIsSecureBehindATlsProxy()
{
    QFETCH(QString, behindTlsProxy);
    QFETCH(bool, secure);
    QMap<QString, QString> settings;
    if (!behindTlsProxy.isEmpty())
        settings.insert(QStringLiteral("behind_tls_proxy"), behindTlsProxy);
    TestServer server(settings);
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    const HttpClient client = server.client();
    const auto page = BrowserSignIn(client).open(ServerConfig::defaultClientId(),
                                                 QStringLiteral("http://localhost:9/callback"));
    QCOMPARE(page.reply.status, 200);
    const QByteArray cookie = page.reply.header("Set-Cookie");
    QVERIFY(cookie.startsWith("pennibar_login="));
    QCOMPARE(cookie.split(';').contains(" Secure"), secure);
}

void TestServerAuth::signInPageSpeaksTheBrowsersLanguage_data()
{
    QTest::addColumn<QByteArray>("acceptLanguage");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("wrongPassword");

    const QString en = QStringLiteral("The e-mail address or the password is wrong.");
    QTest::newRow("none") << QByteArray() << "en"
                          << "Sign in to Pennibar" << en;
    QTest::newRow("German with a region") << QByteArray("de-DE,de;q=0.9,en;q=0.8") << "de"
                                          << "Bei Pennibar anmelden"
                                          << "Die E-Mail-Adresse oder das Passwort ist falsch.";
    QTest::newRow("Spanish of Latin America")
        << QByteArray("es-419") << "es"
        << "Iniciar sesión en Pennibar"
        << "La dirección de correo electrónico o la contraseña no son correctas.";
    QTest::newRow("French by weight") << QByteArray("en;q=0.2, fr-CH;q=0.9, *;q=0.1") << "fr"
                                      << "Se connecter à Pennibar"
                                      << "L'adresse e-mail ou le mot de passe est incorrect.";
    QTest::newRow("Japanese") << QByteArray("ja") << "ja"
                              << "Pennibar にサインイン"
                              << "メールアドレスまたはパスワードが正しくありません。";
    QTest::newRow("a language without a catalogue") << QByteArray("pt-BR,pt;q=0.9") << "en"
                                                    << "Sign in to Pennibar" << en;
    QTest::newRow("refused outright") << QByteArray("de;q=0, en;q=0.5") << "en"
                                      << "Sign in to Pennibar" << en;
    QTest::newRow("garbage") << QByteArray(";;q=,,=de") << "en"
                             << "Sign in to Pennibar" << en;
}

void TestServerAuth::signInPageSpeaksTheBrowsersLanguage()
{
    QFETCH(QByteArray, acceptLanguage);
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, wrongPassword);
    const HttpClient client = m_server->client();
    BrowserSignIn::Link link;
    link.redirectUri = QStringLiteral("http://localhost:9/callback");
    const QList<QPair<QByteArray, QByteArray>> headers = {{"Accept-Language", acceptLanguage}};
    const QUrl address = client.url(QStringLiteral("/tovarly/account/login"), link.query());
    const auto page = client.send("GET", address, {}, headers);
    QCOMPARE(page.status, 200);
    const QString html = QString::fromUtf8(page.body);
    QVERIFY2(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<title>%1</title>").arg(title.toHtmlEscaped())),
             qPrintable(html));
    QCOMPARE(page.header("Content-Language"), language.toLatin1());
    QVERIFY(page.header("Vary").contains("Accept-Language"));

    // The form's answers speak it too.
    BrowserSignIn::Page form = BrowserSignIn(client).openUrl(address);
    QList<QPair<QByteArray, QByteArray>> post = headers;
    post += {{"Content-Type", "application/x-www-form-urlencoded"}, {"Cookie", form.cookie}};
    QByteArray body;
    form.hiddenFields.insert(QStringLiteral("email"), QStringLiteral("nobody@example.org"));
    form.hiddenFields.insert(QStringLiteral("password"), QStringLiteral("wrong one"));
    for (auto it = form.hiddenFields.cbegin(); it != form.hiddenFields.cend(); ++it)
        body += QUrl::toPercentEncoding(it.key()) + '=' + QUrl::toPercentEncoding(it.value()) + '&';
    const auto answer =
        client.send("POST", client.url(QStringLiteral("/tovarly/account/login")), body, post);
    QCOMPARE(answer.status, 401);
    QVERIFY2(QString::fromUtf8(answer.body).contains(wrongPassword.toHtmlEscaped()),
             answer.body.constData());
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
    // The sign-in page's link to the sign-up form carries the app's state and challenge along.
    BrowserSignIn::Link link;
    link.redirectUri = listener.redirectUri();
    const auto signInPage = BrowserSignIn(client).open(link);
    static const QRegularExpression switchLink(QStringLiteral("<a href=\"login\\?([^\"]*)\">"));
    const auto found = switchLink.match(QString::fromUtf8(signInPage.reply.body));
    QVERIFY2(found.hasMatch(), signInPage.reply.body.constData());
    const QUrlQuery signUpQuery(
        found.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")));
    QCOMPARE(signUpQuery.queryItemValue(QStringLiteral("mode")), QStringLiteral("signup"));
    QCOMPARE(signUpQuery.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded), link.state);
    QCOMPARE(signUpQuery.queryItemValue(QStringLiteral("code_challenge"), QUrl::FullyDecoded),
             link.challenge());
    QCOMPARE(signUpQuery.queryItemValue(QStringLiteral("code_challenge_method")),
             QStringLiteral("S256"));
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
