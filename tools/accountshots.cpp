// accountshots <directory>: the account window's five pages for a group owner, and the share
// dialog, in the light and the dark theme, against a pennibar-server started on 127.0.0.1 for
// the purpose.

#include "tools/shots.h"

#include "tests/libs/account/memorytokenstore.h"
#include "tests/libs/account/serversharing.h"
#include "tests/server/support/browsersignin.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/api/apiclient.h"
#include "libs/account/client.h"
#include "libs/account/sharing/sharingbackend.h"
#include "libs/account/tokens/tokenmanager.h"
#include "server/accounts/groupservice.h"
#include "ui/screens/account/accountscreen.h"
#include "ui/screens/account/sharemembersdialog.h"
#include "ui/theme/themecolors.h"

#include <QJsonArray>
#include <QStyleFactory>
#include <QTest>

namespace {

void settle(int milliseconds = 1500)
{
    QTest::qWait(milliseconds);
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString directory = shotDirectory(QStringLiteral("accountshots"));
    if (directory.isEmpty())
        return 1;

    TestServer server;
    if (!server.isRunning())
        return 1;
    const QString ann = server.addUser("ann@example.org", "password1", "Ann Owner");
    server.addUser("bob@example.org", "password1", "Bob Baker");
    server.addUser("cy@example.org");
    PennibarServer::Group group;
    server.instance().groups().create(ann, "The Owners", &group);
    for (const char* member : {"bob@example.org", "cy@example.org"}) {
        const QString code = server.signedIn("ann@example.org")
                                 .postEmpty("/group/invite")
                                 .json()
                                 .value("invite_code")
                                 .toString();
        server.signedIn(member).postEmpty("/group/join/" + code);
    }
    server.signedIn("ann@example.org").post("/group/invite", {{"email", "dee@example.org"}});
    SyncDevice laptop(server.signedIn("ann@example.org"));
    laptop.pushOne(ChangeBuilder::account("acc-household", "Household"));
    laptop.http().post(
        "/accounts/acc-household/share",
        {{"user_id",
          server.signedIn("bob@example.org").get("/profile").json().value("id").toString()},
         {"role", "member"}});

    const BrowserSignIn::Result signIn =
        BrowserSignIn(server.client()).signIn("ann@example.org", "password1");
    TovAccount::ClientConfig config;
    config.authBaseUrl = config.accountApiUrl = server.baseUrl().toString();
    config.realmSlug = QStringLiteral("tovarly");
    config.clientId = QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
    config.appId = QStringLiteral("com.tovarly.pennibar.shots");
    config.appName = QStringLiteral("Tovarly Pennibar");
    config.appVersion = QStringLiteral("1.1.3");
    TovAccount::Client client(config, new MemoryTokenStore(std::make_shared<StoredTokens>()));
    client.tokenManager()->setTokens(signIn.accessToken, signIn.refreshToken);
    client.restoreSession();
    client.setSyncBaseUrl(server.baseUrl());
    client.accountClient()->registerDevice();
    settle(500);

    const QStringList tabs = {"profile", "group", "devices", "security", "privacy"};
    bool saved = true;
    for (const bool dark : {false, true}) {
        const QString theme = dark ? QStringLiteral("dark") : QStringLiteral("light");
        QApplication::setPalette(ThemeColors::palette(dark));
        TovAccount::AccountScreen screen(&client);
        screen.setWindowTitle(QStringLiteral("Tovarly Account"));
        screen.resize(600, 550);
        screen.show();
        screen.refreshAll();
        settle();
        for (int tab = 0; tab < tabs.size(); ++tab) {
            screen.setCurrentTab(TovAccount::AccountScreen::Tab(tab));
            QApplication::processEvents();
            saved &= saveShot(
                screen, QStringLiteral("%1/account-%2-%3.png").arg(directory, tabs.at(tab), theme));
        }

        ServerSharing sharing(client.syncApi());
        TovAccount::ShareMembersDialog dialog(
            &client, &sharing, "acc-household",
            {.windowTitle = "Share Account",
             .heading = "Sharing: Household",
             .description = "Share this account with members of your Tovarly family group. "
                            "They'll see the same register, balances, and reconciliation "
                            "history on their devices.",
             .withAccessHeading = "Shared with",
             .role = "member"});
        dialog.show();
        settle();
        saved &= saveShot(dialog, QStringLiteral("%1/share-dialog-%2.png").arg(directory, theme));
    }
    return saved ? 0 : 1;
}
