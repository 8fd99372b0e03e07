#include "tests/common/testapp.h"
#include "tests/libs/account/memorytokenstore.h"
#include "tests/libs/account/serversharing.h"
#include "tests/server/support/browsersignin.h"
#include "tests/server/support/testserver.h"

#include "tests/server/support/changebuilder.h"
#include "tests/server/support/syncdevice.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/api/apiclient.h"
#include "libs/account/client.h"
#include "libs/account/sharing/sharingbackend.h"
#include "libs/account/signin/authclient.h"
#include "libs/account/tokens/tokenmanager.h"
#include "server/accounts/groupservice.h"
#include "ui/screens/account/accountscreen.h"
#include "ui/screens/account/relativetime.h"
#include "ui/screens/account/sharemembersdialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using TovAccount::AccountScreen;
using TovAccount::ShareMembersDialog;

namespace {

// Answers the next input prompts in turn: a text is typed and accepted, a null string cancels.
void answerPrompts(QStringList answers)
{
    if (answers.isEmpty())
        return;
    whenModalOpens([answers](QWidget* modal) mutable {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY2(dialog, qPrintable(modal->metaObject()->className()));
        const QString answer = answers.takeFirst();
        answerPrompts(answers);
        if (answer.isNull()) {
            dialog->reject();
        } else {
            dialog->setTextValue(answer);
            dialog->accept();
        }
    });
}

QStringList visibleTexts(QWidget* root)
{
    QStringList texts;
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->isVisibleTo(root) && !label->text().isEmpty())
            texts << label->text();
    for (QPushButton* button : root->findChildren<QPushButton*>())
        if (button->isVisibleTo(root))
            texts << QStringLiteral("[%1]").arg(button->text());
    return texts;
}

QWidget* page(AccountScreen& screen, AccountScreen::Tab tab)
{
    return screen.findChild<QStackedWidget*>()->widget(tab);
}

} // namespace

// The account window against a real pennibar-server on 127.0.0.1: Ann owns "The Anns", Bob is a
// member with no display name.
class TestAccountScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;
    QList<std::shared_ptr<StoredTokens>> m_stores;

    std::unique_ptr<TovAccount::Client> signedInClient(const QString& email)
    {
        const BrowserSignIn::Result signIn =
            BrowserSignIn(m_server->client()).signIn(email, QStringLiteral("password1"));
        TovAccount::ClientConfig config;
        config.authBaseUrl = config.accountApiUrl = m_server->baseUrl().toString();
        config.realmSlug = QStringLiteral("tovarly");
        config.clientId = QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
        config.appId = QStringLiteral("com.tovarly.pennibar.test");
        config.appName = QStringLiteral("Tovarly Pennibar");
        config.appVersion = QStringLiteral("1.1.3");
        m_stores << std::make_shared<StoredTokens>();
        auto client =
            std::make_unique<TovAccount::Client>(config, new MemoryTokenStore(m_stores.last()));
        client->tokenManager()->setTokens(signIn.accessToken, signIn.refreshToken);
        client->restoreSession();
        client->setSyncBaseUrl(m_server->baseUrl());
        return client;
    }

    // Shows the screen on a tab and waits until every part has been refreshed.
    void open(AccountScreen& screen, AccountScreen::Tab tab)
    {
        screen.resize(600, 550);
        screen.show();
        screen.setCurrentTab(tab);
        screen.refreshAll();
        QTRY_VERIFY_WITH_TIMEOUT(
            visibleTexts(page(screen, AccountScreen::GroupTab)).size() > 2 &&
                visibleTexts(page(screen, AccountScreen::SecurityTab)).size() > 2 &&
                visibleTexts(page(screen, AccountScreen::DevicesTab)).size() > 2,
            10000);
    }

private slots:
    void init()
    {
        m_server = std::make_unique<TestServer>();
        QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
        const QString ann = m_server->addUser("ann@example.org", "password1", "Ann Owner");
        m_server->addUser("bob@example.org", "password1");
        PennibarServer::Group group;
        QCOMPARE(m_server->instance().groups().create(ann, "The Anns", &group),
                 PennibarServer::GroupService::Outcome::Ok);
        const QString code = m_server->signedIn("ann@example.org")
                                 .postEmpty("/group/invite")
                                 .json()
                                 .value("invite_code")
                                 .toString();
        QVERIFY(!code.isEmpty());
        QCOMPARE(m_server->signedIn("bob@example.org").postEmpty("/group/join/" + code).status,
                 200);
    }
    void cleanup() { m_server.reset(); }

    void relativeTime_data();
    void relativeTime();
    void ownerSeesTheGroupToManage();
    void memberSeesTheGroupToLeave();
    void ownerOrMemberAsTheGroupAnswers_data();
    void ownerOrMemberAsTheGroupAnswers();
    void passwordPromptsCheckBeforeSending();
    void deletionNeedsDeleteExactly_data();
    void deletionNeedsDeleteExactly();
    void initials_data();
    void initials();
    void shareDialogOffersTheOtherMembers();
    void shareDialogWithoutAGroup();
};

void TestAccountScreen::relativeTime_data()
{
    QTest::addColumn<int>("secondsAgo");
    QTest::addColumn<QString>("text");

    QTest::newRow("59 s") << 59 << "Active now";
    QTest::newRow("60 s") << 60 << "1m ago";
    QTest::newRow("59 min") << 3599 << "59m ago";
    QTest::newRow("1 h") << 3600 << "1h ago";
    QTest::newRow("6 d") << 6 * 86400 << "6d ago";
    QTest::newRow("8 d") << 8 * 86400 << "Feb 21, 2025";
}

void TestAccountScreen::relativeTime()
{
    QFETCH(int, secondsAgo);
    QFETCH(QString, text);
    const QDateTime now = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::LocalTime);
    QCOMPARE(TovAccount::formatRelativeTime(now.addSecs(-secondsAgo), now), text);
    QCOMPARE(TovAccount::formatRelativeTime(QDateTime(), now), QStringLiteral("Unknown"));
}

void TestAccountScreen::ownerSeesTheGroupToManage()
{
    auto client = signedInClient("ann@example.org");
    QCOMPARE(client->groupRole(), QStringLiteral("owner"));
    client->accountClient()->registerDevice();
    QTest::qWait(300);

    AccountScreen screen(client.get());
    open(screen, AccountScreen::GroupTab);
    QCOMPARE(screen.findChild<QListWidget*>()->currentRow(), 1);
    QCOMPARE(screen.findChild<QStackedWidget*>()->currentIndex(), 1);

    QTRY_VERIFY(visibleTexts(page(screen, AccountScreen::ProfileTab)).contains("Ann Owner"));
    QVERIFY(visibleTexts(page(screen, AccountScreen::ProfileTab)).contains("ann@example.org"));

    const QStringList group = visibleTexts(page(screen, AccountScreen::GroupTab));
    QVERIFY2(group.contains("The Anns"), qPrintable(group.join(" | ")));
    QVERIFY(group.contains("Owner"));
    QVERIFY(group.contains("bob@example.org"));
    QCOMPARE(group.count("[Remove]"), 1); // Bob, not the owner herself
    QVERIFY(group.contains("[Invite by Email]"));
    QVERIFY(group.contains("[Generate Invite Code]"));
    QVERIFY(!group.contains("[Leave Group]"));

    const QStringList devices = visibleTexts(page(screen, AccountScreen::DevicesTab));
    QVERIFY2(devices.contains("[Remove]"), qPrintable(devices.join(" | ")));

    const QStringList sessions = visibleTexts(page(screen, AccountScreen::SecurityTab));
    QVERIFY2(sessions.contains("Current"), qPrintable(sessions.join(" | ")));
    QVERIFY(sessions.join('\n').contains("This session"));

    auto* remove = screen.findChild<QPushButton*>("deleteAccount");
    QVERIFY(!remove->isEnabled());
    QVERIFY(visibleTexts(page(screen, AccountScreen::PrivacyTab))
                .join('\n')
                .contains("You are the group owner."));
}

void TestAccountScreen::memberSeesTheGroupToLeave()
{
    auto client = signedInClient("bob@example.org");
    AccountScreen screen(client.get());
    open(screen, AccountScreen::ProfileTab);

    QTRY_VERIFY(visibleTexts(page(screen, AccountScreen::ProfileTab)).contains("(not set)"));
    const QStringList group = visibleTexts(page(screen, AccountScreen::GroupTab));
    QVERIFY2(group.contains("[Leave Group]"), qPrintable(group.join(" | ")));
    QVERIFY(group.contains("Ann Owner"));
    QVERIFY(!group.contains("[Remove]"));
    QVERIFY(!group.contains("[Invite by Email]"));
    QVERIFY(
        visibleTexts(page(screen, AccountScreen::DevicesTab)).contains("No devices registered."));
    QVERIFY(screen.findChild<QPushButton*>("deleteAccount")->isEnabled());
}

void TestAccountScreen::ownerOrMemberAsTheGroupAnswers_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("tokenRole"); // what the token, minted before the change, says
    QTest::addColumn<bool>("owner");

    QTest::newRow("a group made for the user after sign-in") << "create"
                                                             << "" << true;
    QTest::newRow("the own group left for another after sign-in") << "move"
                                                                  << "owner" << false;
}

// Owner or member is what the group the window fetches says, not the role in the access token,
// which dates from sign-in until the token is next refreshed.
void TestAccountScreen::ownerOrMemberAsTheGroupAnswers()
{
    QFETCH(QString, change);
    QFETCH(QString, tokenRole);
    QFETCH(bool, owner);

    const QString cy = m_server->addUser("cy@example.org", "password1", "Cy");
    PennibarServer::GroupService& groups = m_server->instance().groups();
    PennibarServer::Group group;
    if (change == "move")
        QCOMPARE(groups.create(cy, "Cy's", &group), PennibarServer::GroupService::Outcome::Ok);
    auto client = signedInClient("cy@example.org");
    if (change == "create") {
        QCOMPARE(groups.create(cy, "Cy's", &group), PennibarServer::GroupService::Outcome::Ok);
    } else {
        // Cy, alone in her group, leaves it (which dissolves it) and joins Ann's.
        const HttpClient cysBrowser = m_server->signedIn("cy@example.org");
        QCOMPARE(cysBrowser.postEmpty("/group/leave").status, 204);
        const QString code = m_server->signedIn("ann@example.org")
                                 .postEmpty("/group/invite")
                                 .json()
                                 .value("invite_code")
                                 .toString();
        QCOMPARE(cysBrowser.postEmpty("/group/join/" + code).status, 200);
    }
    QCOMPARE(client->groupRole(), tokenRole);

    AccountScreen screen(client.get());
    open(screen, AccountScreen::GroupTab);
    const QStringList shown = visibleTexts(page(screen, AccountScreen::GroupTab));
    QVERIFY2(shown.contains(owner ? "Cy's" : "The Anns"), qPrintable(shown.join(" | ")));
    QCOMPARE(shown.contains("[Generate Invite Code]"), owner);
    QCOMPARE(shown.contains("[Leave Group]"), !owner);
    QCOMPARE(screen.findChild<QPushButton*>("deleteAccount")->isEnabled(), !owner);
    QCOMPARE(visibleTexts(page(screen, AccountScreen::PrivacyTab))
                 .join('\n')
                 .contains("You are the group owner."),
             owner);
}

void TestAccountScreen::passwordPromptsCheckBeforeSending()
{
    auto client = signedInClient("bob@example.org");
    AccountScreen screen(client.get());
    screen.show();
    QPushButton* change = nullptr;
    for (QPushButton* button : screen.findChildren<QPushButton*>())
        if (button->text() == QLatin1String("Change Password"))
            change = button;
    QVERIFY(change);
    const auto passwordRequests = [this] {
        return m_server->accessLog().filter("/users/me/password").size();
    };

    answerPrompts({"password1", "short12"});
    change->click();
    QCOMPARE(screen.statusLabel()->text(),
             QStringLiteral("Password must be at least 8 characters."));

    answerPrompts({"password1", "longenough", QString()});
    change->click();
    QCOMPARE(screen.statusLabel()->text(), QStringLiteral("Passwords do not match."));
    QCOMPARE(passwordRequests(), 0);

    answerPrompts({"password1", "longenough", "longenough"});
    change->click();
    QTRY_COMPARE_WITH_TIMEOUT(screen.statusLabel()->text(), QStringLiteral("Password changed."),
                              10000);
    QCOMPARE(passwordRequests(), 1);
    QVERIFY(BrowserSignIn(m_server->client())
                .signIn("bob@example.org", "longenough")
                .accessToken.size() > 0);
}

void TestAccountScreen::deletionNeedsDeleteExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("sent");

    QTest::newRow("lower case") << "delete" << false;
    QTest::newRow("leading space") << " DELETE" << false;
    QTest::newRow("exactly") << "DELETE" << true;
}

void TestAccountScreen::deletionNeedsDeleteExactly()
{
    QFETCH(QString, typed);
    QFETCH(bool, sent);

    auto client = signedInClient("bob@example.org");
    AccountScreen screen(client.get());
    screen.show();
    QSignalSpy logout(&screen, &AccountScreen::logoutRequested);
    answerPrompts({typed});
    if (sent)
        QTimer::singleShot(0, [] { answerNextMessageBox(QMessageBox::Ok); });
    screen.findChild<QPushButton*>("deleteAccount")->click();
    if (sent) {
        QTRY_COMPARE_WITH_TIMEOUT(logout.count(), 1, 10000);
    } else {
        QTest::qWait(200);
        QCOMPARE(logout.count(), 0);
    }
    QCOMPARE(m_server->accessLog().filter(QRegularExpression("DELETE .*/profile")).size(),
             sent ? 1 : 0);
}

void TestAccountScreen::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("initials");

    QTest::newRow("three words") << "ann marie owner"
                                 << ""
                                 << "AO";
    QTest::newRow("one lower-case word") << "bob"
                                         << ""
                                         << "B";
    QTest::newRow("spaces around") << "  Cy   Dee  "
                                   << ""
                                   << "CD";
    QTest::newRow("e-mail only") << ""
                                 << "dee@example.org"
                                 << "D";
    QTest::newRow("nothing") << ""
                             << ""
                             << "?";
}

void TestAccountScreen::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, initials);
    QCOMPARE(ShareMembersDialog::initials(name, email), initials);
}

// Ann shares her "acc-shared" with Bob: she is never offered herself, Bob only until he has
// access, and a second click while the first share is on its way does nothing.
void TestAccountScreen::shareDialogOffersTheOtherMembers()
{
    SyncDevice laptop(m_server->signedIn("ann@example.org"));
    QCOMPARE(laptop.pushOne(ChangeBuilder::account("acc-shared", "Household"))
                 .value("status")
                 .toString(),
             QStringLiteral("ok"));
    auto client = signedInClient("ann@example.org");
    ServerSharing sharing(client->syncApi());
    ShareMembersDialog dialog(client.get(), &sharing, "acc-shared",
                              {.windowTitle = "Share Account", .role = "member"});
    dialog.show();
    QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);

    const auto shareButtons = [&dialog] {
        QList<QPushButton*> buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QLatin1String("Share") && button->isVisibleTo(&dialog))
                buttons << button;
        return buttons;
    };
    QTRY_COMPARE_WITH_TIMEOUT(shareButtons().size(), 1, 10000);
    QTRY_VERIFY(visibleTexts(&dialog).contains("Not shared with anyone yet."));
    QVERIFY(visibleTexts(&dialog).contains("bob@example.org"));
    QVERIFY(!visibleTexts(&dialog).contains("Ann Owner"));

    QPushButton* share = shareButtons().first();
    share->click();
    QVERIFY(dialog.isBusy());
    share->click();
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 10000);
    QTRY_VERIFY(visibleTexts(&dialog).contains("All group members already have access"));
    QCOMPARE(shareButtons().size(), 0);
    QCOMPARE(m_server->accessLog().filter("POST /accounts/acc-shared/share").size(), 1);

    QToolButton* remove = nullptr;
    for (QToolButton* button : dialog.findChildren<QToolButton*>())
        if (button->isVisibleTo(&dialog))
            remove = button;
    QVERIFY(remove);
    answerNextMessageBox(QMessageBox::Yes);
    remove->click();
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(shareButtons().size(), 1, 10000);
    QVERIFY(!dialog.findChild<QLabel*>("shareError")->isVisible());
}

void TestAccountScreen::shareDialogWithoutAGroup()
{
    m_server->addUser("dee@example.org");
    auto client = signedInClient("dee@example.org");
    ServerSharing sharing(client->syncApi());
    ShareMembersDialog dialog(client.get(), &sharing, "acc-none", {.windowTitle = "Share Account"});
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(visibleTexts(&dialog).join('\n').contains("family group yet"), 10000);
    QVERIFY(visibleTexts(&dialog).contains("Not shared with anyone yet."));
    QVERIFY(!visibleTexts(&dialog).contains("All group members already have access"));
}

QTEST_MAIN(TestAccountScreen)
#include "tst_accountscreen.moc"
