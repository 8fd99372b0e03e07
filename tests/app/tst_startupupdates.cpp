#include "tests/common/testapp.h"
#include "tests/libs/update/manifestjson.h"
#include "tests/libs/update/releasehost.h"

#include "app/core/serviceendpoints.h"
#include "app/startupupdates.h"
#include "data/preferencesrepository.h"
#include "libs/update/platform.h"
#include "libs/update/updatedialog.h"
#include "libs/update/whatsnewdialog.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/statusbar.h"

#include <QAction>
#include <QMenuBar>

#include <QSettings>
#include <QTest>
#include <QTextBrowser>

// The checks that follow the main window's showing, against a release host on 127.0.0.1 laid
// out as pennibar-server lays out its release channel, chosen as the app's server.
class TestStartupUpdates : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<ReleaseHost> m_host;

    PreferencesRepository* preferences() const { return m_app->state()->preferencesRepository(); }

    void publish(const QString& version, bool withNotes = true)
    {
        const QString notesPath =
            QStringLiteral("/releases/pennibar/%1/release-notes.md").arg(version);
        if (withNotes)
            m_host->serve(notesPath,
                          QStringLiteral("## %1\n\nFaster registers.").arg(version).toUtf8());
        m_host->serve(
            QStringLiteral("/releases/pennibar/stable/latest.json"),
            ManifestJson::bytes(ManifestJson::manifest(
                TovUpdate::platformKey(),
                ManifestJson::artifact(version, withNotes ? m_host->url(notesPath) : QUrl()))));
    }

    // Runs one start-up check and waits until the host has answered it.
    TovUpdate::UpdateDialog* checkOnce(QWidget* window)
    {
        const qsizetype before = m_host->requests().size();
        StartupUpdates updates(m_app->state(), window);
        updates.checkForUpdate();
        if (!QTest::qWaitFor([&] { return m_host->requests().size() > before; }, 5000))
            return nullptr;
        QTest::qWait(200);
        return window->findChild<TovUpdate::UpdateDialog*>();
    }

private slots:
    void init()
    {
        qunsetenv("PENNIBAR_RELEASES_URL");
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        m_host = std::make_unique<ReleaseHost>();
        setChosenServerUrl(m_host->url(QStringLiteral("/")).toString());
    }
    void cleanup()
    {
        m_host.reset();
        m_app.reset();
    }

    void whatsNewShowsOncePerVersion_data();
    void whatsNewShowsOncePerVersion();
    void whatsNewShowsTheRunningVersionsNotes();
    void dismissedVersionRule_data();
    void dismissedVersionRule();
    void newerReleaseIsOfferedUntilPutOff();
    void environmentOverridesTheChosenServer();
    void helpMenuAlwaysOffersTheNewest();
};

void TestStartupUpdates::whatsNewShowsOncePerVersion_data()
{
    QTest::addColumn<QString>("lastShown");
    QTest::addColumn<QString>("legacyPreference");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("recorded");

    QTest::newRow("first start") << ""
                                 << "" << true << "1.1.3";
    QTest::newRow("older version seen") << "1.0.9"
                                        << "" << true << "1.1.3";
    QTest::newRow("this version seen") << "1.1.3"
                                       << "" << false << "1.1.3";
    QTest::newRow("newer version seen") << "2.0"
                                        << "" << false << "2.0";
    QTest::newRow("unreadable reads as 0.0.0") << "1.x"
                                               << "" << true << "1.1.3";
    QTest::newRow("seen by an earlier version") << ""
                                                << "1.1.3" << false << "1.1.3";
    QTest::newRow("earlier version saw older") << ""
                                               << "1.0.0" << true << "1.1.3";
}

void TestStartupUpdates::whatsNewShowsOncePerVersion()
{
    QFETCH(QString, lastShown);
    QFETCH(QString, legacyPreference);
    QFETCH(bool, shown);
    QFETCH(QString, recorded);

    if (!lastShown.isEmpty())
        QSettings().setValue(QStringLiteral("whatsNew/lastShownVersion"), lastShown);
    if (!legacyPreference.isEmpty())
        preferences()->set(QStringLiteral("last_whats_new_version"), legacyPreference);

    StartupUpdates updates(m_app->state(), nullptr);
    QCOMPARE(updates.claimWhatsNew(), shown);
    QCOMPARE(QSettings().value(QStringLiteral("whatsNew/lastShownVersion")).toString(), recorded);
    QVERIFY(!updates.claimWhatsNew());
}

void TestStartupUpdates::whatsNewShowsTheRunningVersionsNotes()
{
    m_host->serve(QStringLiteral("/releases/pennibar/1.1.3/release-notes.md"),
                  "## 1.1.3\n\nShared accounts.");
    QWidget window;
    StartupUpdates updates(m_app->state(), &window);
    updates.start();
    QTRY_VERIFY_WITH_TIMEOUT(window.findChild<TovUpdate::WhatsNewDialog*>(), 5000);
    auto* dialog = window.findChild<TovUpdate::WhatsNewDialog*>();
    QVERIFY(dialog->findChild<QTextBrowser*>()->toPlainText().contains("Shared accounts."));
    dialog->close();

    // The next start shows nothing.
    QWidget again;
    StartupUpdates second(m_app->state(), &again);
    QVERIFY(!second.claimWhatsNew());
}

void TestStartupUpdates::dismissedVersionRule_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<bool>("offered");

    QTest::newRow("nothing put off") << "1.2.0"
                                     << "" << true;
    QTest::newRow("same version") << "1.2.0"
                                  << "1.2.0" << false;
    QTest::newRow("same, written short") << "1.2"
                                         << "1.2.0" << false;
    QTest::newRow("newer patch") << "1.2.1"
                                 << "1.2.0" << true;
    QTest::newRow("older than put off") << "1.1.9"
                                        << "1.2.0" << false;
    QTest::newRow("numbers, not text") << "1.10.0"
                                       << "1.9.9" << true;
}

void TestStartupUpdates::dismissedVersionRule()
{
    QFETCH(QString, version);
    QFETCH(QString, dismissed);
    QFETCH(bool, offered);
    QCOMPARE(StartupUpdates::isOffered(version, dismissed), offered);
}

void TestStartupUpdates::newerReleaseIsOfferedUntilPutOff()
{
    QWidget window;
    publish(QStringLiteral("1.2.0"));

    TovUpdate::UpdateDialog* dialog = checkOnce(&window);
    QVERIFY(dialog);
    QVERIFY(m_host->requestedPaths().contains("/releases/pennibar/stable/latest.json"));
    QTRY_VERIFY(dialog->findChild<QTextBrowser*>()->toPlainText().contains("Faster registers."));
    QVERIFY(dialog->isVisible());

    dialog->reject(); // Later
    QCOMPARE(preferences()->get(QStringLiteral("update_dismissed_version")),
             QStringLiteral("1.2.0"));
    QTRY_VERIFY(!window.findChild<TovUpdate::UpdateDialog*>());

    QVERIFY(!checkOnce(&window)); // the same release is not offered again at start-up

    publish(QStringLiteral("1.2.1"), false);
    dialog = checkOnce(&window);
    QVERIFY(dialog);
    dialog->close(); // the window's close control puts it off as well
    QCOMPARE(preferences()->get(QStringLiteral("update_dismissed_version")),
             QStringLiteral("1.2.1"));
}

void TestStartupUpdates::environmentOverridesTheChosenServer()
{
    QCOMPARE(m_app->state()->updateConfig().manifestBaseUrl,
             m_host->url(QStringLiteral("/releases/pennibar/stable/")));

    qputenv("PENNIBAR_RELEASES_URL", "http://127.0.0.1:9/channel/");
    QCOMPARE(m_app->state()->updateConfig().manifestBaseUrl,
             QUrl(QStringLiteral("http://127.0.0.1:9/channel/")));
    qunsetenv("PENNIBAR_RELEASES_URL");

    setChosenServerUrl(QString());
    QCOMPARE(m_app->state()->updateConfig().manifestBaseUrl,
             ServiceEndpoints::defaults().releasesUrl);
}

// Help > Check for Updates reports in the status bar, and offers a release even when the user
// put it off at start-up.
void TestStartupUpdates::helpMenuAlwaysOffersTheNewest()
{
    MainWindow window(m_app->state());
    window.show();
    QAction* check = nullptr;
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->text() == QLatin1String("Check for &Updates..."))
            check = action;
    QVERIFY(check && check->isEnabled());

    check->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(window.statusBarWidget()->currentMessage(),
                              QStringLiteral("Tovarly Pennibar is up to date (version 1.1.3)"),
                              5000);

    publish(QStringLiteral("1.2.0"));
    preferences()->set(QStringLiteral("update_dismissed_version"), QStringLiteral("1.2.0"));
    check->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(window.findChild<TovUpdate::UpdateDialog*>(), 5000);
}

QTEST_MAIN(TestStartupUpdates)
#include "tst_startupupdates.moc"
