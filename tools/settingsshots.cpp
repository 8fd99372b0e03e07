// settingsshots <directory> [language]: the preferences window, each of its four pages, over the
// sample household with one account deleted and three sync conflicts (an edit that can be put
// back, a recurring row deleted on another device and a payment of the deleted account), in the
// light and the dark theme, signed out and then signed in (offline, the account service out of
// reach); and the General page after the theme and the largest font were chosen with the window
// open.

#include "tools/shots.h"

#include "app/appstate.h"
#include "app/core/isodates.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "libs/account/client.h"
#include "libs/account/tokens/filetokenstore.h"
#include "services/ledger/accountservice.h"
#include "services/recurring/recurringservice.h"
#include "services/sampledata/sampledataservice.h"
#include "sync/changedescription.h"
#include "sync/syncengine.h"
#include "sync/wire/changepayload.h"
#include "ui/screens/settings/settingsscreen.h"
#include "ui/theme/thememanager.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QListWidget>

namespace {

void recordConflict(AppState& state, const QJsonObject& change, const QString& description,
                    int minutesAgo)
{
    SyncConflict conflict;
    conflict.entityType = change.value(QStringLiteral("entity_type")).toString();
    conflict.entityId = change.value(QStringLiteral("entity_id")).toString();
    conflict.localChange = QString::fromUtf8(QJsonDocument(change).toJson());
    conflict.description = description;
    conflict.replacedAt = nowUtc().addSecs(-60 * minutesAgo);
    state.syncEngine()->conflicts()->record(conflict);
}

// The local versions a sync replaced, as the Data & Sync page lists them.
void addConflicts(AppState& state)
{
    Transaction edited = state.transactionRepository()
                             ->listByAccount(QStringLiteral("sample-acct-checking"))
                             .constFirst();
    edited.amount -= 500;
    recordConflict(state, ChangePayload::transaction(edited, {}),
                   ChangeDescription::of(edited, Currency::USD), 5);
    const RecurringTransaction recurring = state.recurringRepository()->listAll().constFirst();
    state.recurringService()->remove(recurring.id);
    recordConflict(state, ChangePayload::recurring(recurring),
                   ChangeDescription::of(recurring, Currency::USD), 12);
    const Transaction gone = state.transactionRepository()
                                 ->listByAccount(QStringLiteral("sample-acct-savings"))
                                 .constFirst();
    recordConflict(state, ChangePayload::transaction(gone, {}),
                   ChangeDescription::of(gone, Currency::USD), 40);
}

// Every page of the preferences window at the size it opens with, and the Data & Sync page
// larger, in both themes; `suffix` tells the sign-in state in the file names.
bool shootPages(AppState& state, const QString& directory, const QString& suffix)
{
    const QStringList pages = {QStringLiteral("general"), QStringLiteral("register"),
                               QStringLiteral("data"), QStringLiteral("about")};
    const auto path = [&directory, &suffix](const QString& page, const QString& theme) {
        return QStringLiteral("%1/settings-%2%3-%4.png").arg(directory, page, suffix, theme);
    };
    bool saved = true;
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        SettingsScreen screen(&state);
        screen.setWindowTitle(QCoreApplication::translate("MainWindow", "Preferences"));
        screen.resize(500, 550);
        screen.refreshSyncStatus();
        screen.show();
        for (int row = 0; row < pages.size(); ++row) {
            screen.findChild<QListWidget*>()->setCurrentRow(row);
            QApplication::processEvents();
            saved = saveShot(screen, path(pages.at(row), theme)) && saved;
        }
        screen.resize(720, 700);
        screen.findChild<QListWidget*>()->setCurrentRow(2);
        QApplication::processEvents();
        saved = saveShot(screen, path(QStringLiteral("data-large"), theme)) && saved;
    }
    return saved;
}

// The General page after the theme and the largest font the window offers were both chosen in
// it, the other theme before: what a user sees who changes them there.
bool shootChangesWhileOpen(AppState& state, const QString& directory)
{
    bool saved = true;
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(
            theme == QLatin1String("light") ? QStringLiteral("dark") : QStringLiteral("light"));
        SettingsScreen screen(&state);
        screen.setWindowTitle(QCoreApplication::translate("MainWindow", "Preferences"));
        screen.resize(500, 550);
        screen.refreshSyncStatus();
        screen.show();
        QApplication::processEvents();
        auto* themes = screen.findChild<QComboBox*>(QStringLiteral("theme"));
        themes->setCurrentIndex(themes->findData(theme));
        auto* fontSizes = screen.findChild<QComboBox*>(QStringLiteral("fontSize"));
        fontSizes->setCurrentIndex(fontSizes->count() - 1);
        QApplication::processEvents();
        saved =
            saveShot(screen,
                     QStringLiteral("%1/settings-general-changed-%2.png").arg(directory, theme)) &&
            saved;
        fontSizes->setCurrentIndex(fontSizes->findData(100));
    }
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const ShotEnvironment environment(application);
    application.setApplicationVersion(QStringLiteral("1.1.3"));
    const QString directory = shotDirectory(QStringLiteral("settingsshots"));
    if (directory.isEmpty())
        return 1;

    // Signed out first; then with a session in the token file, restored offline.
    const QString tokenFile = environment.scratch().filePath(QStringLiteral("tokens.json"));
    AppState state(std::make_unique<TovAccount::FileTokenStore>(tokenFile));
    if (!state.initialize())
        return 1;
    SampleDataService(state.database()).load();
    addConflicts(state);
    state.accountService()->remove(QStringLiteral("sample-acct-savings"));

    bool saved = shootPages(state, directory, QString());
    saved = shootChangesWhileOpen(state, directory) && saved;
    TovAccount::FileTokenStore tokens(tokenFile);
    tokens.save(TovAccount::TokenStore::accessTokenKey(), accessTokenForAnHour());
    tokens.save(TovAccount::TokenStore::refreshTokenKey(), QStringLiteral("shots-refresh-token"));
    state.accountClient()->restoreSession();
    state.preferencesRepository()->set(
        QStringLiteral("lastSyncTimestamp"),
        QDateTime::currentDateTimeUtc().addSecs(-3600).toString(Qt::ISODate));
    saved = shootPages(state, directory, QStringLiteral("-signed-in")) && saved;
    return saved ? 0 : 1;
}
