// signinshots <directory> [language]: the main window signed out and signed in, in the light and
// the dark theme: the welcome screen for a new and for a returning user, the no-accounts panel and
// the register of a signed-in user, the register after signing out, the File menu either way, and
// the status bar after a sign-in and after a failed one. The tokens live in a temporary file.

#include "tools/shots.h"

#include "app/appstate.h"
#include "services/sampledata/sampledataservice.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/statusbar.h"
#include "ui/theme/thememanager.h"

#include "libs/account/tokens/filetokenstore.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSqlDatabase>
#include <QTimer>

#include <memory>

namespace {

QString outputDirectory;
const QStringList themes = {QStringLiteral("light"), QStringLiteral("dark")};

void save(QWidget& widget, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    saveShot(widget, QDir(outputDirectory).filePath(name + QStringLiteral(".png")));
}

// Signs out as the user does, with File › Sign Out.
void signOut(QMainWindow& window)
{
    const QString text = QCoreApplication::translate("MainWindow", "Sign &Out");
    for (QAction* action : window.menuBar()->actions().first()->menu()->actions()) {
        if (action->text() == text)
            action->trigger();
    }
}

// The File menu, open, saved while it shows.
void saveFileMenu(QMainWindow& window, const QString& name)
{
    QMenu* file = window.menuBar()->actions().first()->menu();
    QTimer::singleShot(50, file, [file, name] {
        save(*file, name);
        file->close();
    });
    file->exec(window.mapToGlobal(QPoint(0, 0)));
}

class Session
{
public:
    explicit Session(const QString& tokenFile)
    {
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        state = std::make_unique<AppState>(std::make_unique<TovAccount::FileTokenStore>(tokenFile));
        ready = state->initialize();
    }
    ~Session()
    {
        state.reset();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    std::unique_ptr<AppState> state;
    bool ready = false;
};

} // namespace

int main(int argc, char** argv)
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const ShotEnvironment environment(application);
    application.setApplicationVersion(QStringLiteral("1.1.3"));
    outputDirectory = shotDirectory(QStringLiteral("."));
    if (outputDirectory.isEmpty())
        return 1;

    const QString tokenFile = environment.scratch().filePath(QStringLiteral("tokens.json"));

    // Never signed in, no accounts: the welcome screen for a new user.
    {
        Session session(tokenFile);
        if (!session.ready)
            return 1;
        MainWindow window(session.state.get());
        window.resize(1280, 900);
        for (const QString& theme : themes) {
            session.state->themeManager()->setThemeFromString(theme);
            save(window, QStringLiteral("signed-out-welcome-%1").arg(theme));
            saveFileMenu(window, QStringLiteral("signed-out-file-menu-%1").arg(theme));
        }
        session.state->themeManager()->setThemeFromString(QStringLiteral("light"));
        window.show();
        window.statusBarWidget()->showTransient(
            QStringLiteral("Sign-in failed: the browser came back without a sign-in"), 60000);
        save(window, QStringLiteral("signed-out-failed-light"));
    }

    // Signed in, still no accounts: the no-accounts panel.
    TovAccount::FileTokenStore(tokenFile).save(TovAccount::TokenStore::accessTokenKey(),
                                               accessTokenForAnHour());
    TovAccount::FileTokenStore(tokenFile).save(TovAccount::TokenStore::refreshTokenKey(),
                                               QStringLiteral("shots-refresh-token"));
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    {
        Session session(tokenFile);
        MainWindow window(session.state.get());
        window.resize(1280, 900);
        window.show();
        for (const QString& theme : themes) {
            session.state->themeManager()->setThemeFromString(theme);
            window.statusBarWidget()->showTransient(QStringLiteral("Signed in successfully"),
                                                    60000);
            save(window, QStringLiteral("signed-in-no-accounts-%1").arg(theme));
        }
        // Signing out (with the service out of reach) of a book without accounts leads to the
        // welcome screen of a returning user.
        window.statusBarWidget()->clearMessage();
        signOut(window);
        for (const QString& theme : themes) {
            session.state->themeManager()->setThemeFromString(theme);
            save(window, QStringLiteral("signed-out-returning-%1").arg(theme));
        }
    }

    // Signed in with accounts: the register, and Sign Out in the File menu.
    {
        Session session(tokenFile);
        SampleDataService(session.state->database()).load();
        MainWindow window(session.state.get());
        window.resize(1280, 900);
        for (const QString& theme : themes) {
            session.state->themeManager()->setThemeFromString(theme);
            save(window, QStringLiteral("signed-in-register-%1").arg(theme));
            saveFileMenu(window, QStringLiteral("signed-in-file-menu-%1").arg(theme));
        }
        // Signing out keeps the register on screen.
        signOut(window);
        for (const QString& theme : themes) {
            session.state->themeManager()->setThemeFromString(theme);
            save(window, QStringLiteral("signed-out-register-%1").arg(theme));
        }
    }
    return 0;
}
