#include "app/application.h"

#include "app/appstate.h"
#include "app/core/buildconfig.h"
#include "app/core/datapaths.h"
#include "app/core/messagehandler.h"
#include "app/core/uilanguage.h"
#include "app/core/uitranslators.h"
#include "app/launch/commandlinefiles.h"
#include "app/launch/singleinstance.h"
#include "app/startupupdates.h"

#include "ui/shell/mainwindow.h"

#include <QDebug>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    if (qEnvironmentVariable("PENNIBAR_VERBOSE").isEmpty())
        qInstallMessageHandler(filteredMessageHandler);

    setOrganizationName(QStringLiteral("Tovarly"));
    setOrganizationDomain(BuildConfig::organizationDomain());
    setApplicationName(QStringLiteral("Pennibar"));
    setApplicationVersion(BuildConfig::applicationVersion());
    setDesktopFileName(BuildConfig::desktopEntryId());

    m_translators = std::make_unique<UiTranslators>(uiLanguage(true));

    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application() = default;

int Application::run()
{
    m_appState = new AppState(this);
    connect(m_appState, &AppState::databaseReady, this, [] {});

    scheduleSmokeExit();

    // Before the database is touched: a second process must never open it.
    const QStringList files = filesFromCommandLine(arguments(), QDir::currentPath());
    m_instance = new SingleInstance(dataDirectory(), this);
    switch (m_instance->claim(files)) {
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::NoAnswer:
        QMessageBox::warning(nullptr, tr("Pennibar Is Already Running"),
                             tr("Pennibar is already running with the data directory %1, but it "
                                "does not answer.\n\nClose it and try again.")
                                 .arg(QDir::toNativeSeparators(dataDirectory())));
        return 1;
    case SingleInstance::Outcome::Primary:
        break;
    }
    connect(m_instance, &SingleInstance::openRequested, this, &Application::queueOpenRequest);
    m_openRetry.setInterval(250);
    m_openRetry.setSingleShot(true);
    connect(&m_openRetry, &QTimer::timeout, this, &Application::deliverOpenRequest);

    if (!m_appState->initialize()) {
        QMessageBox::critical(nullptr, tr("Database Error"),
                              tr("Failed to initialize the database.\n\nData directory: "
                                 "%1\n\nPlease check file permissions and try again.")
                                  .arg(dataDirectory()),
                              QMessageBox::Ok);
        return 1;
    }

    m_mainWindow = std::make_unique<MainWindow>(m_appState);
    m_mainWindow->show();
    if (!files.isEmpty())
        queueOpenRequest(files);
    (new StartupUpdates(m_appState, m_mainWindow.get(), this))->start();

    return exec();
}

void Application::queueOpenRequest(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!m_pendingFiles.contains(path))
            m_pendingFiles.append(path);
    }
    m_openRequested = true;
    qInfo().noquote() << "Asked to open:" << paths.join(QLatin1String(", "));
    deliverOpenRequest();
}

// The files go to the import window as soon as nothing else holds the user's attention; a
// start without files only brings the main window forward.
void Application::deliverOpenRequest()
{
    if (!m_openRequested)
        return;
    if (!m_mainWindow || activeModalWidget() ||
        (!m_pendingFiles.isEmpty() && !m_mainWindow->openQifFiles(m_pendingFiles))) {
        m_openRetry.start();
        return;
    }
    if (m_pendingFiles.isEmpty()) {
        m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
    m_pendingFiles.clear();
    m_openRequested = false;
}

// PENNIBAR_QUIT_AFTER_MS makes an unattended run (a smoke test, a screenshot script) end by
// itself: after that many milliseconds any open modal box is closed, as if the user had
// dismissed it, and the event loop quits.
void Application::scheduleSmokeExit()
{
    bool ok = false;
    const int delay = qEnvironmentVariableIntValue("PENNIBAR_QUIT_AFTER_MS", &ok);
    if (!ok || delay < 0)
        return;
    QTimer::singleShot(delay, this, [this] {
        if (QWidget* modal = activeModalWidget()) {
            qWarning().noquote() << "Closing modal window:" << modal->windowTitle();
            modal->close();
        }
        quit();
    });
}
