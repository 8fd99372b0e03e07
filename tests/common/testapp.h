#pragma once

#include "app/appstate.h"

#include <QMessageBox>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A whole application state over a database, settings and sign-in tokens of its own, as the
// program builds it at start-up. Each instance starts from an empty data directory.
class TestApp
{
public:
    TestApp();
    ~TestApp();

    AppState* state() const { return m_state.get(); }
    bool isReady() const { return m_ready; }
    // Drops this state and builds a new one over the same files, as a restart does.
    void restart();
    // The file that keeps the sign-in tokens across restarts, instead of the platform's store.
    QString tokenStorePath() const;

private:
    QTemporaryDir m_directory;
    std::unique_ptr<AppState> m_state;
    bool m_ready = false;
};

// Acts on the next modal window as soon as it is shown (message boxes and dialogs run their
// own event loop, so the answer has to be queued before they open).
void whenModalOpens(std::function<void(QWidget*)> act);
// Presses a message box's button when it opens; its text is stored in *text when given.
void answerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr);
