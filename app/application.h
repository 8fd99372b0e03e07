#pragma once

#include <QApplication>

#include <memory>

class AppState;
class MainWindow;
class QTranslator;

// The process: identity, logging, translations, icon and icon font, then the application
// state and the main window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Initializes the application state and runs the event loop. Returns 1 without entering
    // the loop when the database cannot be opened or migrated.
    int run();

private:
    void installTranslators();
    void scheduleSmokeExit();

    AppState* m_appState = nullptr;
    std::unique_ptr<MainWindow> m_mainWindow;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
};
