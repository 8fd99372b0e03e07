#include "tests/server/browser/headlesschromium.h"
#include "tests/server/support/browsersignin.h"
#include "tests/server/support/loopbacklistener.h"
#include "tests/server/support/testserver.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTest>
#include <QUrlQuery>

namespace {

const QString kEmail = QStringLiteral("robin@example.org");
const QString kPassword = QStringLiteral("correct horse");

// Where the screenshots go: PENNIBAR_SCREENSHOT_DIR, else the build tree.
QString screenshotDirectory()
{
    const QString chosen = qEnvironmentVariable("PENNIBAR_SCREENSHOT_DIR");
    return chosen.isEmpty() ? QStringLiteral(PENNIBAR_LOGIN_SCREENSHOTS) : chosen;
}

} // namespace

// The one web page of the system, the sign-in page, in a real browser: a user types e-mail and
// password on the keyboard and presses Enter, and the browser arrives at the app's loopback
// listener with a code and the app's state; a wrong password is said on the page. Each case runs
// in a light or dark colour scheme, on a desktop or a 360 px wide phone, in a language the
// browser asks for, and leaves a screenshot.
class TestServerLoginBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signInByKeyboard_data();
    void signInByKeyboard();

private:
    std::unique_ptr<HeadlessChromium> m_browser;
    std::unique_ptr<TestServer> m_server;
};

void TestServerLoginBrowser::initTestCase()
{
    if (HeadlessChromium::executable().isEmpty())
        QSKIP("chromium is not installed (scripts/install-deps.sh installs it): the sign-in page "
              "is not tried in a browser");
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    QVERIFY(!m_server->addUser(kEmail, kPassword).isEmpty());
    m_browser = std::make_unique<HeadlessChromium>();
    QString error;
    QVERIFY2(m_browser->start(&error), qPrintable(error));
    // The page behaves as in a window that has the focus: the focused field shows it.
    QVERIFY(m_browser->call("Emulation.setFocusEmulationEnabled", {{"enabled", true}}));
    QVERIFY(QDir().mkpath(screenshotDirectory()));
}

void TestServerLoginBrowser::signInByKeyboard_data()
{
    QTest::addColumn<QString>("shot");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("password");
    // What the page says after the post; empty: the browser went on to the app.
    QTest::addColumn<QString>("message");

    const QString wrong = QStringLiteral("not my password");
    QTest::newRow("desktop, light")
        << "signin-desktop-light" << 1280 << false << "en" << kPassword << QString();
    QTest::newRow("wrong password") << "signin-wrong-password" << 1280 << false << "en" << wrong
                                    << "The e-mail address or the password is wrong.";
    QTest::newRow("phone, 360 px")
        << "signin-phone-360" << 360 << false << "en" << kPassword << QString();
    QTest::newRow("dark mode, wrong password")
        << "signin-dark-wrong-password" << 1280 << true << "en" << wrong
        << "The e-mail address or the password is wrong.";
    QTest::newRow("phone, dark") << "signin-phone-360-dark" << 360 << true << "en" << kPassword
                                 << QString();
    QTest::newRow("German, wrong password")
        << "signin-de-wrong-password" << 1280 << false << "de" << wrong
        << "Die E-Mail-Adresse oder das Passwort ist falsch.";
    QTest::newRow("Japanese, phone, dark") << "signin-ja-phone-dark" << 360 << true << "ja" << wrong
                                           << "メールアドレスまたはパスワードが正しくありません。";
}

void TestServerLoginBrowser::signInByKeyboard()
{
    QFETCH(QString, shot);
    QFETCH(int, width);
    QFETCH(bool, dark);
    QFETCH(QString, language);
    QFETCH(QString, password);
    QFETCH(QString, message);
    HeadlessChromium& browser = *m_browser;
    const bool phone = width < 600;
    QVERIFY(browser.call("Emulation.setDeviceMetricsOverride", {{"width", width},
                                                                {"height", phone ? 740 : 800},
                                                                {"deviceScaleFactor", 1},
                                                                {"mobile", phone}}));
    QVERIFY(
        browser.call("Emulation.setEmulatedMedia",
                     {{"features", QJsonArray{QJsonObject{{"name", "prefers-color-scheme"},
                                                          {"value", dark ? "dark" : "light"}}}}}));
    QVERIFY(browser.call("Network.enable"));
    QVERIFY(browser.call("Network.setExtraHTTPHeaders",
                         {{"headers", QJsonObject{{"Accept-Language", language}}}}));

    LoopbackListener app;
    BrowserSignIn::Link link;
    link.redirectUri = app.redirectUri();
    const HttpClient client = m_server->client();
    QVERIFY(browser.navigate(client.url(QStringLiteral("/tovarly/account/login"), link.query())));
    QCOMPARE(browser.evaluate("document.documentElement.lang").toString(), language);
    QCOMPARE(browser.evaluate("matchMedia('(prefers-color-scheme: dark)').matches").toBool(), dark);
    // Nothing sticks out sideways, however narrow the screen.
    QVERIFY(browser.evaluate("document.documentElement.scrollWidth <= innerWidth").toBool());
    QCOMPARE(browser.evaluate("document.activeElement.name").toString(), QStringLiteral("email"));

    // The user types, as on a keyboard: the address, Tab, the password.
    QVERIFY(browser.type(kEmail));
    QVERIFY(browser.press("Tab"));
    QCOMPARE(browser.evaluate("document.activeElement.name").toString(),
             QStringLiteral("password"));
    QVERIFY(browser.type(password));
    const QString path = QDir(screenshotDirectory()).filePath(shot + QStringLiteral(".png"));
    if (message.isEmpty()) {
        // The form as the user sees it just before sending it.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(browser.screenshot()) > 0);
    }
    browser.forgetEvents();
    QVERIFY(browser.press("Enter"));
    QVERIFY(browser.waitForEvent("Page.loadEventFired"));

    if (message.isEmpty()) {
        const QUrl arrived = app.waitForCallback();
        QVERIFY(arrived.isValid());
        const QUrlQuery query(arrived);
        QCOMPARE(query.queryItemValue("state", QUrl::FullyDecoded), link.state);
        const QString code = query.queryItemValue("code", QUrl::FullyDecoded);
        QVERIFY(!code.isEmpty());
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(BrowserSignIn(client).exchange(code, link).status, 200);
        return;
    }
    QVERIFY(!app.waitForCallback(200).isValid());
    QCOMPARE(browser.evaluate("document.querySelector('.message').textContent").toString(),
             message);
    // The address stays, the password does not; the focus waits in the password field.
    QCOMPARE(browser.evaluate("document.querySelector('input[name=email]').value").toString(),
             kEmail);
    QCOMPARE(browser.evaluate("document.activeElement.name").toString(),
             QStringLiteral("password"));
    QVERIFY(browser.evaluate("document.documentElement.scrollWidth <= innerWidth").toBool());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(browser.screenshot()) > 0);
}

QTEST_GUILESS_MAIN(TestServerLoginBrowser)
#include "tst_serverloginbrowser.moc"
