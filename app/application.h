#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <memory>

class AppState;
class MainWindow;
class SingleInstance;
class UiTranslators;

// The process: identity, logging, translations, icon and icon font, then the application
// state and the main window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Initializes the application state and runs the event loop. Returns 1 without entering
    // the loop when the database cannot be opened or migrated. QIF files named on the command
    // line open in the import window; when Pennibar already runs on the same data directory,
    // they are handed to it instead and this process returns 0 at once.
    int run();

private:
    void scheduleSmokeExit();
    void queueOpenRequest(const QStringList& paths);
    void deliverOpenRequest();

    // First made, last gone: every window lives in its language.
    std::unique_ptr<UiTranslators> m_translators;
    AppState* m_appState = nullptr;
    std::unique_ptr<MainWindow> m_mainWindow;
    SingleInstance* m_instance = nullptr;
    // Files asked for while the window could not take them (a dialog open, an import running).
    QStringList m_pendingFiles;
    bool m_openRequested = false;
    QTimer m_openRetry;
};
