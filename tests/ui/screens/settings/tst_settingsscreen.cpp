#include "tests/common/httptestserver.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "tests/libs/account/testtokens.h"

#include <QApplication>

#include "app/core/serviceendpoints.h"
#include "app/core/uilanguage.h"
#include "app/core/uitranslators.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "services/backup/backupservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "sync/syncengine.h"
#include "sync/wire/changepayload.h"
#include "ui/screens/settings/settingsscreen.h"
#include "ui/theme/displaysettings.h"
#include "ui/theme/thememanager.h"

#include "libs/account/tokens/filetokenstore.h"
#include "libs/account/tokens/tokenstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QComboBox* combo(const SettingsScreen& screen, const char* name)
{
    return screen.findChild<QComboBox*>(QLatin1String(name));
}

QPushButton* button(const QWidget& root, const QString& text)
{
    for (QPushButton* candidate : root.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

// The title and text of the next message box, which is answered with OK.
struct MessageBoxSeen
{
    QString title;
    QString text;

    MessageBoxSeen()
    {
        whenModalOpens([this](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
    }
};

// A base URL on 127.0.0.1 where nothing listens: every sync cycle fails.
QString unreachableBase()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return QString();
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// The app's three endpoints at one base URL while it lives.
struct PointedAt
{
    static constexpr const char* variables[] = {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"};
    explicit PointedAt(const QString& base)
    {
        for (const char* variable : variables)
            qputenv(variable, base.toUtf8());
    }
    ~PointedAt()
    {
        for (const char* variable : variables)
            qunsetenv(variable);
    }
    PointedAt(const PointedAt&) = delete;
    PointedAt& operator=(const PointedAt&) = delete;
};

QStringList visibleLabelTexts(const QWidget& root)
{
    QStringList visible;
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&root))
            visible << label->text();
    }
    return visible;
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;

    AppState* state() const { return m_app->state(); }
    PreferencesRepository* preferences() const { return state()->preferencesRepository(); }

    // Stored before the state starts, as a previous run would have left them.
    void restartWith(const QList<QPair<QString, QString>>& stored)
    {
        for (const auto& [key, value] : stored)
            preferences()->set(key, value);
        m_app->restart();
        QVERIFY(m_app->isReady());
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
    }
    void cleanup() { m_app.reset(); }

    void buildingSelectsWithoutWriting_data();
    void buildingSelectsWithoutWriting();
    void generalHandlersApplyAndStore();
    void languageChangeIsAnnouncedOnce_data();
    void languageChangeIsAnnouncedOnce();
    void registerOptionsAreStored();
    void notSignedInShowsNoSyncDetails();
    void syncButtonsWaitForTheCycle_data();
    void syncButtonsWaitForTheCycle();
    void restoreBringsBackWhatTheDeletionTook();
    void conflictsAreKeptOrDiscarded();
    void completedSyncShowsWhenItRan();
    void exportWritesWholeArchivesOnly_data();
    void exportWritesWholeArchivesOnly();
    void importReportsRefusalsAsFailures_data();
    void importReportsRefusalsAsFailures();
    void serverFieldKeepsOneBaseUrl();
    void pagesFitTheWindowInEveryLanguage_data();
    void pagesFitTheWindowInEveryLanguage();
    void boxesShowTheirWholeTextAtTheLargestFont_data();
    void boxesShowTheirWholeTextAtTheLargestFont();
    void sidebarFollowsTheTheme_data();
    void sidebarFollowsTheTheme();
};

void TestSettingsScreen::buildingSelectsWithoutWriting_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("fontScale");
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<QStringList>("shown"); // theme, font size, week start

    QTest::newRow("stored values") << "dark"
                                   << "130"
                                   << "1" << QStringList{"Dark", "Large", "Monday"};
    QTest::newRow("scale not offered reads as Default")
        << "light"
        << "120"
        << "6" << QStringList{"Light", "Default", "Saturday"};
    QTest::newRow("Tuesday is kept, Sunday shown")
        << "system"
        << "100"
        << "2" << QStringList{"System Default", "Default", "Sunday"};
}

void TestSettingsScreen::buildingSelectsWithoutWriting()
{
    QFETCH(QString, theme);
    QFETCH(QString, fontScale);
    QFETCH(QString, weekStart);
    QFETCH(QStringList, shown);

    restartWith({{"theme", theme}, {"fontScale", fontScale}, {"weekStartDay", weekStart}});
    const Qt::DayOfWeek weekStartBefore = DisplaySettings::weekStartDay();
    QSignalSpy writes(preferences(), &PreferencesRepository::changed);

    SettingsScreen screen(state());
    QCOMPARE((QStringList{combo(screen, "theme")->currentText(),
                          combo(screen, "fontSize")->currentText(),
                          combo(screen, "weekStart")->currentText()}),
             shown);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(preferences()->get("fontScale"), fontScale);
    QCOMPARE(preferences()->get("weekStartDay"), weekStart);
    QCOMPARE(DisplaySettings::weekStartDay(), weekStartBefore);
}

void TestSettingsScreen::generalHandlersApplyAndStore()
{
    SettingsScreen screen(state());
    combo(screen, "theme")->setCurrentIndex(combo(screen, "theme")->findData("dark"));
    QCOMPARE(preferences()->get("theme"), QStringLiteral("dark"));

    combo(screen, "fontSize")->setCurrentIndex(combo(screen, "fontSize")->findData(130));
    QCOMPARE(state()->themeManager()->fontScale(), 130);
    QCOMPARE(preferences()->get("fontScale"), QStringLiteral("130"));

    combo(screen, "weekStart")->setCurrentIndex(combo(screen, "weekStart")->findData(6));
    QCOMPARE(preferences()->get("weekStartDay"), QStringLiteral("6"));
    QCOMPARE(DisplaySettings::weekStartDay(), Qt::Saturday);
}

void TestSettingsScreen::languageChangeIsAnnouncedOnce_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("announced");

    QTest::newRow("another language") << "system"
                                      << "fr" << true;
    QTest::newRow("back to the system's") << "de"
                                          << "system" << true;
    QTest::newRow("the stored language") << "de"
                                         << "de" << false;
    QTest::newRow("system while system") << "system"
                                         << "system" << false;
}

void TestSettingsScreen::languageChangeIsAnnouncedOnce()
{
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(bool, announced);

    setUiLanguage(stored);
    SettingsScreen screen(state());
    QComboBox* language = combo(screen, "language");
    QCOMPARE(language->currentData().toString(), stored);

    // Answers whatever box opens, so that an unexpected one cannot hold the test up.
    QString text;
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, this, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    answerer.start();
    screen.onLanguageChanged(language->findData(chosen));
    answerer.stop();
    QCOMPARE(uiLanguage(false), chosen);
    QCOMPARE(!text.isEmpty(), announced);
    if (announced)
        QVERIFY(text.contains("next time you start"));
}

void TestSettingsScreen::registerOptionsAreStored()
{
    SettingsScreen screen(state());
    QSignalSpy writes(preferences(), &PreferencesRepository::changed);
    auto checks = screen.findChildren<QCheckBox*>();
    QCOMPARE(checks.size(), 2);
    checks.at(0)->setChecked(true);
    checks.at(1)->setChecked(true);
    QCOMPARE(preferences()->getBool("registerTwoLine", false), true);
    QCOMPARE(preferences()->getBool("registerNewestFirst", false), true);
    QCOMPARE(writes.count(), 2); // each announced, so the register reloads
}

void TestSettingsScreen::notSignedInShowsNoSyncDetails()
{
    SettingsScreen screen(state());
    screen.show();
    screen.onCategoryChanged(2); // Data & Sync
    const QStringList texts = [&] {
        QStringList visible;
        for (QLabel* label : screen.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&screen))
                visible << label->text();
        }
        return visible;
    }();
    QVERIFY(texts.contains("Not signed in.\nSign in via File › Tovarly Account to enable sync."));
    QVERIFY(!texts.join('\n').contains("Last synced"));
    QVERIFY(!texts.join('\n').contains("Never synced"));
    QVERIFY(!button(screen, "Sync Now")->isVisibleTo(&screen));
    QVERIFY(!button(screen, "Force Full Sync")->isVisibleTo(&screen));
}

void TestSettingsScreen::syncButtonsWaitForTheCycle_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fullSyncBusy");
    QTest::addColumn<bool>("cursorKept");

    QTest::newRow("sync now") << "Sync Now" << false << true;
    QTest::newRow("force full sync") << "Force Full Sync" << true << false;
}

// Signed in with the server out of reach: each button is held until its cycle has failed, and
// the failure is then shown.
void TestSettingsScreen::syncButtonsWaitForTheCycle()
{
    QFETCH(QString, command);
    QFETCH(bool, fullSyncBusy);
    QFETCH(bool, cursorKept);

    const QString base = unreachableBase();
    QVERIFY(!base.isEmpty());
    const PointedAt pointed(base);
    TovAccount::FileTokenStore tokens(m_app->tokenStorePath());
    tokens.save(TovAccount::TokenStore::accessTokenKey(), TestTokens::expiringIn(3600));
    tokens.save(TovAccount::TokenStore::refreshTokenKey(), QStringLiteral("refresh-1"));
    restartWith({{QStringLiteral("syncCursor"), QStringLiteral("cursor-7")}});
    SyncEngine* engine = state()->syncEngine();
    // The cycles that start-up runs (at once, then debounced) fail and end.
    QTest::qWait(SyncEngine::DebounceMs + 500);
    QTRY_COMPARE_WITH_TIMEOUT(engine->state(), SyncState::Error, 10000);

    SettingsScreen screen(state());
    screen.show();
    screen.onCategoryChanged(2); // Data & Sync
    QPushButton* syncNow = button(screen, "Sync Now");
    QPushButton* fullSync = button(screen, "Force Full Sync");
    QVERIFY(syncNow && syncNow->isVisibleTo(&screen));
    QVERIFY(fullSync && fullSync->isVisibleTo(&screen));
    QVERIFY(visibleLabelTexts(screen).join('\n').contains("Sync error"));

    if (command == QLatin1String("Sync Now")) {
        syncNow->click();
    } else {
        QString question;
        answerNextMessageBox(QMessageBox::Yes, &question);
        fullSync->click();
        QVERIFY(question.startsWith("This will re-upload every local row to the server"));
    }
    QCOMPARE(engine->state(), SyncState::Syncing);
    QCOMPARE(syncNow->text(), QStringLiteral("Syncing..."));
    QVERIFY(!syncNow->isEnabled());
    QCOMPARE(fullSync->isEnabled(), !fullSyncBusy);
    QCOMPARE(preferences()->getOptional("syncCursor").has_value(), cursorKept);

    QTRY_COMPARE_WITH_TIMEOUT(syncNow->text(), QStringLiteral("Sync Now"), 10000);
    QVERIFY(syncNow->isEnabled());
    QVERIFY(fullSync->isEnabled());
    const QString shown = visibleLabelTexts(screen).join('\n');
    QVERIFY2(shown.contains("Never synced\nError: The sync server could not be reached"),
             qPrintable(shown));
    QVERIFY(shown.contains("Sync error"));
}

// Deleting an account soft-deletes its rows a moment before the account; restoring it brings
// those back and leaves a transaction deleted on its own earlier deleted.
void TestSettingsScreen::restoreBringsBackWhatTheDeletionTook()
{
    const QDate day(2025, 3, 1);
    QVERIFY(state()->accountService()->create(testAccount("acc", "Everyday"), day));
    QVERIFY(
        state()->transactionService()->add(testTransaction("kept", "acc", day, "Grocer", -500)));
    const Transaction early = testTransaction("early", "acc", day, "Typo", -100);
    QVERIFY(state()->transactionService()->add(early));
    QVERIFY(state()->transactionService()->remove(early));
    QSqlQuery age(state()->database()->connection());
    QVERIFY(age.exec("UPDATE transactions SET deleted_at = '2025-03-01T08:00:00Z' "
                     "WHERE id = 'early'"));

    SettingsScreen screen(state());
    screen.show();
    screen.onCategoryChanged(2); // Data & Sync
    QListWidget* deleted = nullptr;
    for (QListWidget* candidate : screen.findChildren<QListWidget*>())
        if (candidate->maximumHeight() == 120)
            deleted = candidate;
    QVERIFY(deleted);
    QVERIFY(!deleted->isVisibleTo(&screen)); // nothing deleted yet

    QVERIFY(state()->accountService()->remove("acc").removed);
    screen.refreshSyncStatus();
    QVERIFY(deleted->isVisibleTo(&screen));
    QCOMPARE(deleted->count(), 1);
    QCOMPARE(deleted->item(0)->text(), QStringLiteral("Everyday"));
    QPushButton* restore = button(screen, "Restore Selected");
    QVERIFY(!restore->isEnabled());
    deleted->setCurrentRow(0);
    QVERIFY(restore->isEnabled());

    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    restore->click();
    QCOMPARE(restored.count(), 1);
    QVERIFY(!state()->accountRepository()->byId("acc")->isDeleted());
    QVERIFY(!state()->transactionRepository()->byId("kept")->isDeleted());
    QVERIFY(state()->transactionRepository()->byId("early")->isDeleted());
    QVERIFY(!deleted->isVisibleTo(&screen));
}

// Two local versions that other devices' copies replaced: a payment that is still there, which
// Keep Mine writes again, and one whose account was deleted since, which can only be discarded.
void TestSettingsScreen::conflictsAreKeptOrDiscarded()
{
    const QDate day(2026, 3, 14);
    QVERIFY(state()->accountService()->create(testAccount("acc", "Everyday"), day));
    QVERIFY(state()->accountService()->create(testAccount("old", "Old"), day));
    Transaction theirs = testTransaction("bread", "acc", day, "Bakery", -9000);
    QVERIFY(state()->transactionService()->add(theirs));
    Transaction mine = *state()->transactionRepository()->byId("bread");
    mine.amount = -9500;
    Transaction gone = testTransaction("gone", "old", day, "Florist", -2000);
    QVERIFY(state()->accountService()->remove("old").removed);
    SyncConflictRepository* conflicts = state()->syncEngine()->conflicts();
    for (const auto& [change, description] :
         {std::pair{ChangePayload::transaction(mine, {}), QStringLiteral("Bakery · -$95.00")},
          std::pair{ChangePayload::transaction(gone, {}), QStringLiteral("Florist · -$20.00")}}) {
        SyncConflict conflict;
        conflict.entityType = "transaction";
        conflict.entityId = change["entity_id"].toString();
        conflict.localChange = QString::fromUtf8(QJsonDocument(change).toJson());
        conflict.description = description;
        conflict.replacedAt = nowUtc();
        QVERIFY(conflicts->record(conflict));
    }

    SettingsScreen screen(state());
    screen.show();
    screen.onCategoryChanged(2); // Data & Sync
    auto* list = screen.findChild<QListWidget*>("syncConflicts");
    QVERIFY(list && list->isVisibleTo(&screen));
    QCOMPARE(list->count(), 2);
    QPushButton* keep = button(screen, "Keep Mine");
    QPushButton* discard = button(screen, "Discard");
    QVERIFY(!keep->isEnabled() && !discard->isEnabled());
    const auto select = [list](const QString& text) {
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text().startsWith(text))
                list->setCurrentRow(row);
    };

    select("Transaction: Florist");
    QVERIFY(
        list->currentItem()->text().contains("deleted on another device; it cannot be put back"));
    QVERIFY(!keep->isEnabled());
    QVERIFY(discard->isEnabled());

    select("Transaction: Bakery · -$95.00\nReplaced ");
    QVERIFY(keep->isEnabled());
    keep->click();
    const Transaction kept = *state()->transactionRepository()->byId("bread");
    QCOMPARE(kept.amount, -9500);
    QCOMPARE(kept.syncStatus, SyncStatus::Pending);
    QCOMPARE(list->count(), 1);

    select("Transaction: Florist");
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    discard->click();
    QCOMPARE(question, "Discard your version of \"Transaction: Florist · -$20.00\"? The version "
                       "from the other device stays.");
    QCOMPARE(conflicts->count(), 0);
    QVERIFY(!list->isVisibleTo(&screen));
}

// Signed in with a server that answers: once a sync has completed, the page says when.
void TestSettingsScreen::completedSyncShowsWhenItRan()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    server.setReply("POST", "/api/v1/realms/tovarly/auth/token/refresh",
                    HttpTestReply::json(200, {{"access_token", TestTokens::expiringIn(3600)},
                                              {"refresh_token", "refresh-2"},
                                              {"token_type", "Bearer"},
                                              {"expires_in", 3600}}));
    // The default categories go out first; the server takes every change.
    server.setHandler("POST", "/sync/push", [](const HttpTestRequest& request) {
        QJsonArray results;
        for (const QJsonValue& change : request.json()["changes"].toArray())
            results.append(QJsonObject{{"entity_type", change["entity_type"]},
                                       {"entity_id", change["entity_id"]},
                                       {"status", "ok"},
                                       {"server_id", "srv-" + change["entity_id"].toString()}});
        return HttpTestReply::json(200, {{"results", results}});
    });
    server.setReply("GET", "/sync/pull",
                    HttpTestReply::json(200, {{"cursor", "c-1"}, {"has_more", false}}));
    const PointedAt pointed(server.url().toString());
    TovAccount::FileTokenStore tokens(m_app->tokenStorePath());
    tokens.save(TovAccount::TokenStore::accessTokenKey(), TestTokens::expiringIn(3600));
    tokens.save(TovAccount::TokenStore::refreshTokenKey(), QStringLiteral("refresh-1"));
    restartWith({});
    // The cycles that start-up runs (at once, then debounced) complete.
    QTest::qWait(SyncEngine::DebounceMs + 500);
    QTRY_VERIFY_WITH_TIMEOUT(preferences()->getOptional("lastSyncTimestamp").has_value(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(state()->syncEngine()->state(), SyncState::Idle, 10000);

    SettingsScreen screen(state());
    screen.show();
    screen.onCategoryChanged(2); // Data & Sync
    const QString shown = visibleLabelTexts(screen).join('\n');
    QVERIFY2(shown.contains("Synced"), qPrintable(shown));
    QVERIFY2(shown.contains("Last synced: "), qPrintable(shown));
    QVERIFY2(!shown.contains("Never synced"), qPrintable(shown));
}

void TestSettingsScreen::exportWritesWholeArchivesOnly_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("title");

    QTest::newRow("a new file") << "backup.zip"
                                << "Backup Complete";
    QTest::newRow("over an older backup") << "older.zip"
                                          << "Backup Complete";
    QTest::newRow("a folder that does not exist") << "missing/backup.zip"
                                                  << "Backup Failed";
    QTest::newRow("a name taken by a folder") << "taken"
                                              << "Backup Failed";
}

void TestSettingsScreen::exportWritesWholeArchivesOnly()
{
    QFETCH(QString, target);
    QFETCH(QString, title);

    QVERIFY(state()->accountService()->create(testAccount("acc", "Everyday"), QDate(2025, 3, 1)));
    QTemporaryDir files;
    QDir(files.path()).mkpath("taken");
    QFile older(files.filePath("older.zip"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("an older backup");
    older.close();

    const QString path = files.filePath(target);
    SettingsScreen screen(state());
    MessageBoxSeen seen;
    screen.exportBackupTo(path);
    QCOMPARE(seen.title, title);
    QVERIFY(seen.text.endsWith(path));
    QCOMPARE(button(screen, "Export Backup")->isEnabled(), true);

    if (title == QLatin1String("Backup Complete")) {
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const BackupImportResult readBack = state()->backupService()->importBackup(
            written.readAll(), BackupImportMode::SkipExisting);
        QVERIFY(!readBack.isRejected());
        QCOMPARE(readBack.accountsSkipped, 1);
    } else {
        QVERIFY(!QFileInfo(path).isFile());
    }
    // No half-written file is left beside it either.
    QStringList expected = {"older.zip"};
    if (target == QLatin1String("backup.zip"))
        expected << target;
    expected.sort();
    QCOMPARE(QDir(files.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

void TestSettingsScreen::importReportsRefusalsAsFailures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("says");

    QTest::newRow("not a ZIP") << QByteArray("!Type:Bank\n") << "Import Failed"
                               << "Failed to open ZIP archive";
    QTest::newRow("empty file") << QByteArray() << "Import Failed"
                                << "Failed to open ZIP archive";
    QTest::newRow("a backup") << QByteArray("backup") << "Import Complete"
                              << "Imported ";
}

void TestSettingsScreen::importReportsRefusalsAsFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, says);

    if (content == "backup") {
        QVERIFY(
            state()->accountService()->create(testAccount("acc", "Everyday"), QDate(2025, 3, 1)));
        content = state()->backupService()->exportBackup();
        m_app.reset();
        m_app = std::make_unique<TestApp>(); // another household's database to read it into
        QVERIFY(m_app->isReady());
    }
    QTemporaryDir files;
    QFile file(files.filePath("chosen.zip"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    SettingsScreen screen(state());
    QSignalSpy announced(&screen, &SettingsScreen::deletedAccountRestored);
    MessageBoxSeen seen;
    screen.importBackupFrom(file.fileName(), BackupImportMode::SkipExisting);
    QCOMPARE(seen.title, title);
    QVERIFY2(seen.text.contains(says), qPrintable(seen.text));
    QCOMPARE(button(screen, "Import Backup")->isEnabled(), true);
    QCOMPARE(announced.count(), 1);

    MessageBoxSeen unreadable;
    screen.importBackupFrom(files.filePath("absent.zip"), BackupImportMode::SkipExisting);
    QCOMPARE(unreadable.title, QStringLiteral("Import Failed"));
    QCOMPARE(unreadable.text, QStringLiteral("Could not read file."));
}

void TestSettingsScreen::serverFieldKeepsOneBaseUrl()
{
    for (const char* variable :
         {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "PENNIBAR_RELEASES_URL"})
        qunsetenv(variable);
    SettingsScreen screen(state());
    auto* edit = screen.findChild<QLineEdit*>("serverUrl");
    QVERIFY(edit);

    edit->setText("not a server");
    emit edit->editingFinished();
    QVERIFY(chosenServerUrl().isEmpty());

    edit->setText("https://money.example.org/");
    emit edit->editingFinished();
    QCOMPARE(chosenServerUrl(), QStringLiteral("https://money.example.org"));
    QCOMPARE(state()->updateConfig().manifestBaseUrl,
             QUrl("https://money.example.org/releases/pennibar/stable/"));

    button(screen, "Use default")->click();
    QVERIFY(chosenServerUrl().isEmpty());
    QVERIFY(edit->text().isEmpty());
}

void TestSettingsScreen::pagesFitTheWindowInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("signedIn");
    for (const QString& language : supportedLanguages()) {
        for (const bool signedIn : {false, true})
            QTest::addRow("%s, signed %s", qPrintable(language), signedIn ? "in" : "out")
                << language << signedIn;
    }
}

// Long texts of a language widen the window rather than being cut off: no page scrolls
// sideways, and every button shows its whole text, the sync buttons of a signed-in user too.
void TestSettingsScreen::pagesFitTheWindowInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, signedIn);
    const PointedAt pointed(unreachableBase());
    if (signedIn) {
        TovAccount::FileTokenStore tokens(m_app->tokenStorePath());
        tokens.save(TovAccount::TokenStore::accessTokenKey(), TestTokens::expiringIn(3600));
        tokens.save(TovAccount::TokenStore::refreshTokenKey(), QStringLiteral("refresh-1"));
        restartWith({});
    }
    const UiTranslators translators(language);
    SettingsScreen screen(state());
    screen.resize(500, 550);
    screen.refreshSyncStatus();
    screen.show();

    for (int page = 0; page < 4; ++page) {
        screen.onCategoryChanged(page);
        QApplication::processEvents();
        for (const QScrollArea* scroll : screen.findChildren<QScrollArea*>()) {
            if (scroll->isVisible())
                QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        }
        for (const QPushButton* shown : screen.findChildren<QPushButton*>()) {
            if (shown->isVisible())
                QVERIFY2(shown->width() >= shown->sizeHint().width(), qPrintable(shown->text()));
        }
    }
    screen.onCategoryChanged(2); // Data & Sync
    const QPushButton* fullSync =
        button(screen, QCoreApplication::translate("SettingsScreen", "Force Full Sync"));
    QVERIFY(fullSync);
    QCOMPARE(fullSync->isVisibleTo(&screen), signedIn);
}

void TestSettingsScreen::boxesShowTheirWholeTextAtTheLargestFont_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("chosenWhileOpen");
    for (const QString& language : supportedLanguages()) {
        for (const bool whileOpen : {false, true})
            QTest::addRow("%s, %s", qPrintable(language),
                          whileOpen ? "chosen in the window" : "stored before")
                << language << whileOpen;
    }
}

// Every box of the General page shows each of its choices whole at the largest font the window
// offers, whether the font was chosen before the window opened or in it: the Language box used
// to read "System Defau" once Extra Large was chosen.
void TestSettingsScreen::boxesShowTheirWholeTextAtTheLargestFont()
{
    QFETCH(QString, language);
    QFETCH(bool, chosenWhileOpen);
    const UiTranslators translators(language);
    if (!chosenWhileOpen)
        restartWith({{"fontScale", "150"}});
    SettingsScreen screen(state());
    screen.resize(500, 550);
    screen.show();
    QComboBox* fontSize = combo(screen, "fontSize");
    if (chosenWhileOpen)
        fontSize->setCurrentIndex(fontSize->count() - 1);
    QCOMPARE(fontSize->currentData().toInt(), 150);
    QCOMPARE(state()->themeManager()->fontScale(), 150);
    QApplication::processEvents();

    for (const char* name : {"theme", "fontSize", "weekStart", "language"}) {
        const QComboBox* box = combo(screen, name);
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        for (int item = 0; item < box->count(); ++item) {
            const QString text = box->itemText(item);
            QVERIFY2(field.width() >= box->fontMetrics().horizontalAdvance(text),
                     qPrintable(QStringLiteral("%1: %2").arg(name, text)));
        }
    }
}

void TestSettingsScreen::sidebarFollowsTheTheme_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("light to dark") << "light"
                                   << "dark";
    QTest::newRow("dark to light") << "dark"
                                   << "light";
}

// The page list takes the colours of a theme chosen while the window is open, as one opened in
// that theme has them; it used to keep those of the theme it was opened in.
void TestSettingsScreen::sidebarFollowsTheTheme()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    const auto iconOf = [](const QListWidget* list) {
        return list->item(0)->icon().pixmap(20, 20).toImage();
    };
    state()->themeManager()->setThemeFromString(from);
    SettingsScreen screen(state());
    screen.show();
    auto* sidebar = screen.findChild<QListWidget*>();
    const QString before = sidebar->styleSheet();
    const QImage iconBefore = iconOf(sidebar);

    QComboBox* theme = combo(screen, "theme");
    theme->setCurrentIndex(theme->findData(to));
    SettingsScreen fresh(state());
    const auto* freshSidebar = fresh.findChild<QListWidget*>();
    QVERIFY(freshSidebar->styleSheet() != before);
    QCOMPARE(sidebar->styleSheet(), freshSidebar->styleSheet());
    QVERIFY(iconOf(freshSidebar) != iconBefore);
    QCOMPARE(iconOf(sidebar), iconOf(freshSidebar));
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
