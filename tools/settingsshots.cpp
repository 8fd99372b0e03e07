// settingsshots <directory>: the preferences window, each of its four pages, over the sample
// household with one account deleted, in the light and the dark theme.

#include "tools/shots.h"

#include "app/appstate.h"
#include "services/ledger/accountservice.h"
#include "services/sampledata/sampledataservice.h"
#include "ui/screens/settings/settingsscreen.h"
#include "ui/theme/thememanager.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    application.setOrganizationName(QStringLiteral("Tovarly"));
    application.setApplicationName(QStringLiteral("PennibarShots"));
    application.setApplicationVersion(QStringLiteral("1.1.3"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
    const QString directory = shotDirectory(QStringLiteral("settingsshots"));
    if (directory.isEmpty())
        return 1;

    QTemporaryDir data;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       data.filePath(QStringLiteral("settings")));
    qputenv("PENNIBAR_DATA_DIR", data.path().toUtf8());
    AppState state;
    if (!state.initialize())
        return 1;
    SampleDataService(state.database()).load();
    state.accountService()->remove(QStringLiteral("sample-acct-savings"));

    const QStringList pages = {QStringLiteral("general"), QStringLiteral("register"),
                               QStringLiteral("data"), QStringLiteral("about")};
    bool saved = true;
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        // The page list takes its colours when the window is built, as in the application.
        SettingsScreen screen(&state);
        screen.setWindowTitle(QStringLiteral("Preferences"));
        screen.resize(500, 550);
        screen.show();
        for (int row = 0; row < pages.size(); ++row) {
            screen.findChild<QListWidget*>()->setCurrentRow(row);
            QApplication::processEvents();
            saved &= saveShot(
                screen,
                QStringLiteral("%1/settings-%2-%3.png").arg(directory, pages.at(row), theme));
        }
        screen.resize(720, 700);
        screen.findChild<QListWidget*>()->setCurrentRow(2);
        QApplication::processEvents();
        saved &=
            saveShot(screen, QStringLiteral("%1/settings-data-large-%2.png").arg(directory, theme));
    }
    return saved ? 0 : 1;
}
