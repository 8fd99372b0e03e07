#include "tests/libs/update/manifestjson.h"
#include "tests/libs/update/releasehost.h"
#include "tests/libs/update/systemlocale.h"

#include "libs/update/client.h"
#include "libs/update/platform.h"
#include "libs/update/releasenotesfetcher.h"
#include "libs/update/updatecommands.h"
#include "libs/update/updatedialog.h"
#include "libs/update/whatsnewdialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include <memory>

using namespace TovUpdate;

namespace {

const QString appName = QStringLiteral("Tovarly Pennibar");
const QString channelPath = QStringLiteral("/pennibar/stable/");

// Stands in for the system browser: remembers what it was asked to open.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn()
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~BrowserStandIn() override
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The status-bar side of a command, as a list of what it was told.
struct StatusBarStandIn
{
    QStringList events;

    ProgressCallbacks callbacks()
    {
        return {[this](const QString& text) { events << QStringLiteral("progress: ") + text; },
                [this] { events << QStringLiteral("finished"); },
                [this](const QString& text, int timeoutMs) {
                    events << QStringLiteral("message: %1 (%2 ms)").arg(text).arg(timeoutMs);
                }};
    }
};

QStringList buttonTexts(const QDialog& dialog)
{
    QStringList texts;
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    return texts;
}

QPushButton* button(const QDialog& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
        if (button->text() == text)
            return qobject_cast<QPushButton*>(button);
    }
    return nullptr;
}

QLabel* label(const QWidget& widget, const QString& text)
{
    for (QLabel* label : widget.findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

Artifact release(const QString& version, const QUrl& notesUrl = QUrl(), bool mandatory = false)
{
    Artifact artifact;
    artifact.version = version;
    artifact.releasedAt = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);
    artifact.url = QUrl(QStringLiteral("https://127.0.0.1/downloads/pennibar-%1.exe").arg(version));
    artifact.size = 48213504;
    artifact.sha256 = QString(64, QLatin1Char('a'));
    artifact.mandatory = mandatory;
    artifact.releaseNotesUrl = notesUrl;
    return artifact;
}

UpdateConfig config(const ReleaseHost& host)
{
    return {QStringLiteral("pennibar"), QStringLiteral("stable"), host.url(channelPath),
            QStringLiteral("1.1.3")};
}

enum class Command
{
    StartUpWhatsNew,
    WhatsNew,
    CheckForUpdates,
};

void start(Command command, const ReleaseHost& host, QWidget* window, StatusBarStandIn& statusBar)
{
    switch (command) {
    case Command::StartUpWhatsNew:
        showWhatsNew(config(host), appName, window);
        break;
    case Command::WhatsNew:
        showReleaseNotes(config(host), appName, window, statusBar.callbacks());
        break;
    case Command::CheckForUpdates:
        checkForUpdates(config(host), appName, window, statusBar.callbacks());
        break;
    }
}

// Waits until every client and fetcher a command created has reported and gone.
bool commandDone()
{
    return QTest::qWaitFor([] {
        return qApp->findChildren<Client*>().isEmpty() &&
               qApp->findChildren<ReleaseNotesFetcher*>().isEmpty();
    });
}

// What the status bar was told by one command: at once, and by the time it had finished.
struct CommandRun
{
    QStringList atOnce;
    QStringList events;
};

CommandRun run(Command command, const ReleaseHost& host, QWidget& window)
{
    StatusBarStandIn statusBar;
    start(command, host, &window, statusBar);
    const QStringList atOnce = statusBar.events;
    if (!commandDone())
        return {atOnce, {QStringLiteral("still running")}};
    return {atOnce, statusBar.events};
}

// What a release host holds, by name: see publish().
void publish(ReleaseHost& host, const QStringList& items)
{
    const QString platform = platformKey();
    const auto manifest = [&](const QJsonObject& artifact) {
        return ManifestJson::bytes(ManifestJson::manifest(platform, artifact));
    };
    const QUrl newerNotes = host.url(QStringLiteral("/pennibar/1.2.0/release-notes.md"));
    for (const QString& item : items) {
        if (item == QLatin1String("current notes"))
            host.serve(QStringLiteral("/pennibar/1.1.3/release-notes.md"), "# Faster search");
        else if (item == QLatin1String("newer notes"))
            host.serve(newerNotes.path(), "# Budgets");
        else if (item == QLatin1String("1.1.3"))
            host.serve(channelPath + "latest.json", manifest(ManifestJson::artifact("1.1.3")));
        else if (item == QLatin1String("1.2.0"))
            host.serve(channelPath + "latest.json", manifest(ManifestJson::artifact("1.2.0")));
        else if (item == QLatin1String("1.2.0 with notes"))
            host.serve(channelPath + "latest.json",
                       manifest(ManifestJson::artifact("1.2.0", newerNotes)));
        else if (item == QLatin1String("schema 2"))
            host.serve(channelPath + "latest.json", "{\"schema\": 2}");
        else
            qFatal("unknown item %s", qPrintable(item));
    }
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void updateDialogAnnouncesTheRelease_data();
    void updateDialogAnnouncesTheRelease();
    void updateDialogShowsTheNotes_data();
    void updateDialogShowsTheNotes();
    void downloadOpensOnlyWebAddresses_data();
    void downloadOpensOnlyWebAddresses();
    void whatsNewDialogShowsTheNotes_data();
    void whatsNewDialogShowsTheNotes();
    void notesLinksStandOutInDarkPalettes();

    void startUpWhatsNew_data();
    void startUpWhatsNew();
    void helpCommand_data();
    void helpCommand();
    void closedWindowGetsNothing_data();
    void closedWindowGetsNothing();

private:
    std::unique_ptr<SystemLocaleOverride> m_english;
};

void TestUpdateDialogs::initTestCase()
{
    // Notes are asked for in English only, whatever the machine's language.
    m_english = std::make_unique<SystemLocaleOverride>(QStringLiteral("en_US"));
}

void TestUpdateDialogs::updateDialogAnnouncesTheRelease_data()
{
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("optional") << false << QStringList{"Download", "Later"};
    QTest::newRow("mandatory") << true << QStringList{"Download"};
}

void TestUpdateDialogs::updateDialogAnnouncesTheRelease()
{
    QFETCH(bool, mandatory);
    QFETCH(QStringList, buttons);
    UpdateDialog dialog(release(QStringLiteral("1.2.0"), QUrl(), mandatory),
                        QStringLiteral("1.1.3"), appName);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QVERIFY(dialog.isModal());
    QLabel* headline =
        label(dialog, QStringLiteral("A new version of Tovarly Pennibar is available."));
    QVERIFY(headline);
    QCOMPARE(headline->font().weight(), QFont::Bold);
    QCOMPARE(headline->font().pointSizeF(), dialog.font().pointSizeF() + 1);
    QVERIFY(label(dialog, QStringLiteral("You have version 1.1.3. The latest version is 1.2.0.")));
    QCOMPARE(buttonTexts(dialog), buttons);
    QVERIFY(button(dialog, QStringLiteral("Download"))->isDefault());

    // Without notes there is no notes view, and the dialog keeps its natural size.
    QVERIFY(!dialog.findChild<QTextBrowser*>());
    dialog.show();
    QVERIFY(dialog.size() != QSize(520, 420));
}

void TestUpdateDialogs::updateDialogShowsTheNotes_data()
{
    QTest::addColumn<QByteArray>("notes"); // empty: not on the host
    QTest::addColumn<QString>("shown");
    QTest::newRow("notes on the host")
        << QByteArray("# Budgets\n\nPlan each month.") << "Budgets\nPlan each month.";
    QTest::newRow("no notes") << QByteArray()
                              << "Release notes are not available for this version.";
    QTest::newRow("blank notes") << QByteArray("\n \n")
                                 << "Release notes are not available for this version.";
}

void TestUpdateDialogs::updateDialogShowsTheNotes()
{
    QFETCH(QByteArray, notes);
    QFETCH(QString, shown);
    ReleaseHost host;
    if (!notes.isEmpty())
        host.serve(QStringLiteral("/notes/1.2.0.md"), notes);

    UpdateDialog dialog(
        release(QStringLiteral("1.2.0"), host.url(QStringLiteral("/notes/1.2.0.md"))),
        QStringLiteral("1.1.3"), appName);
    QTextBrowser* view = dialog.findChild<QTextBrowser*>();
    QVERIFY(view);
    QVERIFY(view->openExternalLinks());
    QCOMPARE(view->placeholderText(), QStringLiteral("Loading release notes…"));
    QCOMPARE(dialog.size(), QSize(520, 420));
    QTRY_COMPARE(view->toPlainText(), shown);
    QCOMPARE(host.requests().first().userAgent, QStringLiteral("TovUpdateQt/0.1 (update-dialog)"));
    if (notes.isEmpty())
        QCOMPARE(view->toMarkdown().trimmed(),
                 QStringLiteral("*Release notes are not available for this version.*"));
}

void TestUpdateDialogs::downloadOpensOnlyWebAddresses_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("web download") << QUrl("https://127.0.0.1/downloads/pennibar-1.2.0.exe") << true;
    QTest::newRow("no address") << QUrl() << false;
    QTest::newRow("local program") << QUrl("file:///C:/Windows/System32/cmd.exe") << false;
}

void TestUpdateDialogs::downloadOpensOnlyWebAddresses()
{
    QFETCH(QUrl, url);
    QFETCH(bool, opened);
    BrowserStandIn browser;
    Artifact artifact = release(QStringLiteral("1.2.0"));
    artifact.url = url;
    UpdateDialog dialog(artifact, QStringLiteral("1.1.3"), appName);
    dialog.show();
    if (!opened)
        QTest::ignoreMessage(QtWarningMsg, "TovUpdate: download URL is empty or invalid");
    QTest::mouseClick(button(dialog, QStringLiteral("Download")), Qt::LeftButton);
    QCOMPARE(browser.opened, opened ? QList<QUrl>{url} : QList<QUrl>{});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TestUpdateDialogs::whatsNewDialogShowsTheNotes_data()
{
    QTest::addColumn<QUrl>("download");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("running version's notes") << QUrl() << QStringList{"Close"};
    QTest::newRow("newer release's notes") << QUrl("https://127.0.0.1/downloads/pennibar-1.2.0.exe")
                                           << QStringList{"Download 1.2.0", "Close"};
}

void TestUpdateDialogs::whatsNewDialogShowsTheNotes()
{
    QFETCH(QUrl, download);
    QFETCH(QStringList, buttons);
    BrowserStandIn browser;
    WhatsNewDialog dialog(QStringLiteral("# Budgets\n\n- Plan each **month**"),
                          QStringLiteral("1.2.0"), QStringLiteral("1.1.3"), appName, nullptr,
                          download);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("What's New in Tovarly Pennibar 1.2.0"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(dialog.size(), QSize(520, 420));
    QLabel* header = label(dialog, QStringLiteral("What's new in Tovarly Pennibar 1.2.0"));
    QVERIFY(header);
    QCOMPARE(header->font().weight(), QFont::Bold);
    QCOMPARE(header->font().pointSizeF(), dialog.font().pointSizeF() + 2);
    QCOMPARE(label(dialog, QStringLiteral("You are running version 1.1.3"))->styleSheet(),
             QStringLiteral("color: gray; font-size: 11px;"));
    QTextBrowser* view = dialog.findChild<QTextBrowser*>();
    QCOMPARE(view->toPlainText(), QStringLiteral("Budgets\nPlan each month"));
    QVERIFY(view->openExternalLinks());
    QCOMPARE(buttonTexts(dialog), buttons);

    dialog.show();
    if (download.isValid()) {
        QTest::mouseClick(button(dialog, QStringLiteral("Download 1.2.0")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QTest::mouseClick(button(dialog, QStringLiteral("Close")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(browser.opened, download.isValid() ? QList<QUrl>{download} : QList<QUrl>{});
    QVERIFY(!dialog.isVisible());
}

void TestUpdateDialogs::notesLinksStandOutInDarkPalettes()
{
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x0F, 0x1E, 0x19));
    dark.setColor(QPalette::Base, QColor(0x15, 0x24, 0x20));
    dark.setColor(QPalette::Highlight, QColor(0x4D, 0xB6, 0xAC));
    dark.setColor(QPalette::Link, QColor(0x00, 0x00, 0xFF)); // Qt's default, unreadable here
    QApplication::setPalette(dark);

    WhatsNewDialog dialog(QStringLiteral("See [all changes](https://127.0.0.1/changes)."),
                          QStringLiteral("1.2.0"), QStringLiteral("1.1.3"), appName);
    QApplication::setPalette(original);
    QTextCursor cursor(dialog.findChild<QTextBrowser*>()->document());
    cursor.setPosition(QStringLiteral("See a").size());
    QVERIFY(cursor.charFormat().isAnchor());
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(0x4D, 0xB6, 0xAC));
}

void TestUpdateDialogs::startUpWhatsNew_data()
{
    QTest::addColumn<QStringList>("published");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("notes of the running version") << QStringList{"current notes"} << 1;
    // At start-up, missing notes are no news: nothing is shown and nothing more is asked.
    QTest::newRow("no notes") << QStringList{"1.2.0 with notes", "newer notes"} << 0;
}

void TestUpdateDialogs::startUpWhatsNew()
{
    QFETCH(QStringList, published);
    QFETCH(int, dialogs);
    ReleaseHost host;
    publish(host, published);
    QWidget window;

    QCOMPARE(run(Command::StartUpWhatsNew, host, window).events, QStringList());
    const QList<WhatsNewDialog*> shown = window.findChildren<WhatsNewDialog*>();
    QCOMPARE(shown.size(), dialogs);
    QCOMPARE(host.requestedPaths(), QStringList{"/pennibar/1.1.3/release-notes.md"});
    if (dialogs) {
        QCOMPARE(shown.first()->windowTitle(),
                 QStringLiteral("What's New in Tovarly Pennibar 1.1.3"));
        QVERIFY(shown.first()->isVisible());
        QVERIFY(shown.first()->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(buttonTexts(*shown.first()), QStringList{"Close"});
    }
}

void TestUpdateDialogs::helpCommand_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QStringList>("published");
    QTest::addColumn<QString>("title"); // empty: no dialog
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("versionLine");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("message"); // empty: none

    const QString noNotes = QStringLiteral("No release notes available for Tovarly Pennibar 1.1.3");
    const QString running = QStringLiteral("You are running version 1.1.3");
    QTest::newRow("what's new: notes of the running version")
        << Command::WhatsNew << QStringList{"current notes", "1.2.0 with notes", "newer notes"}
        << "What's New in Tovarly Pennibar 1.1.3" << QStringList{"Close"} << running
        << "Faster search" << QString();
    QTest::newRow("what's new: notes of a newer release")
        << Command::WhatsNew << QStringList{"1.2.0 with notes", "newer notes"}
        << "What's New in Tovarly Pennibar 1.2.0" << QStringList{"Download 1.2.0", "Close"}
        << running << "Budgets" << QString();
    QTest::newRow("what's new: up to date without notes")
        << Command::WhatsNew << QStringList{"1.1.3"} << QString() << QStringList() << QString()
        << QString() << noNotes;
    QTest::newRow("what's new: newer release without notes")
        << Command::WhatsNew << QStringList{"1.2.0"} << QString() << QStringList() << QString()
        << QString() << noNotes;
    QTest::newRow("what's new: newer release's notes missing")
        << Command::WhatsNew << QStringList{"1.2.0 with notes"} << QString() << QStringList()
        << QString() << QString() << noNotes;
    QTest::newRow("what's new: check fails")
        << Command::WhatsNew << QStringList{"schema 2"} << QString() << QStringList() << QString()
        << QString() << noNotes;

    QTest::newRow("check: newer release")
        << Command::CheckForUpdates << QStringList{"1.2.0 with notes", "newer notes"}
        << "Update available" << QStringList{"Download", "Later"}
        << "You have version 1.1.3. The latest version is 1.2.0."
        << "Budgets" << QString();
    QTest::newRow("check: up to date")
        << Command::CheckForUpdates << QStringList{"1.1.3"} << QString() << QStringList()
        << QString() << QString() << "Tovarly Pennibar is up to date (version 1.1.3)";
    QTest::newRow("check: no manifest")
        << Command::CheckForUpdates << QStringList() << QString() << QStringList() << QString()
        << QString() << "Tovarly Pennibar is up to date (version 1.1.3)";
    QTest::newRow("check: fails")
        << Command::CheckForUpdates << QStringList{"schema 2"} << QString() << QStringList()
        << QString() << QString()
        << "Update check failed: manifest invalid: unsupported manifest schema: 2 (expected 1)";
}

void TestUpdateDialogs::helpCommand()
{
    QFETCH(Command, command);
    QFETCH(QStringList, published);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(QString, versionLine);
    QFETCH(QString, notes);
    QFETCH(QString, message);
    if (platformKey().isEmpty())
        QSKIP("no release is shipped for this platform");
    ReleaseHost host;
    publish(host, published);
    QWidget window;

    const QString busy = command == Command::WhatsNew ? QStringLiteral("Loading release notes…")
                                                      : QStringLiteral("Checking for updates…");
    const CommandRun outcome = run(command, host, window);
    QCOMPARE(outcome.atOnce, QStringList{"progress: " + busy});
    QStringList events{"progress: " + busy, "finished"};
    if (!message.isEmpty())
        events << QStringLiteral("message: %1 (5000 ms)").arg(message);
    QCOMPARE(outcome.events, events);

    const QList<QDialog*> shown = window.findChildren<QDialog*>();
    QCOMPARE(shown.size(), title.isEmpty() ? 0 : 1);
    if (title.isEmpty())
        return;
    QDialog* dialog = shown.first();
    QCOMPARE(dialog->windowTitle(), title);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(buttonTexts(*dialog), buttons);
    QVERIFY(label(*dialog, versionLine));
    QTRY_COMPARE(dialog->findChild<QTextBrowser*>()->toPlainText(), notes);
}

void TestUpdateDialogs::closedWindowGetsNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("progress");
    QTest::newRow("start-up what's new") << Command::StartUpWhatsNew << QString();
    QTest::newRow("what's new command") << Command::WhatsNew << "progress: Loading release notes…";
    QTest::newRow("check for updates")
        << Command::CheckForUpdates << "progress: Checking for updates…";
}

void TestUpdateDialogs::closedWindowGetsNothing()
{
    QFETCH(Command, command);
    QFETCH(QString, progress);
    ReleaseHost host;
    publish(host, {"current notes", "1.2.0 with notes", "newer notes"});
    auto* window = new QWidget;
    StatusBarStandIn statusBar;

    start(command, host, window, statusBar);
    delete window; // closed before the release host answers

    QVERIFY(commandDone());
    QCOMPARE(statusBar.events, progress.isEmpty() ? QStringList() : QStringList{progress});
    QVERIFY(!host.requests().isEmpty());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QDialog*>(widget));
}

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
