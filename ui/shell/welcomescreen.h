#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The first page of the main window: invites a new user to create a first account and a
// returning user to sign in again.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState* appState, QWidget* parent = nullptr);

    void setReturningUser(bool returning);

signals:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget* buildHowItWorksCard();
    void restyle();

    AppState* m_appState;
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QLabel* m_signBackIn = nullptr;
    QWidget* m_howItWorks = nullptr;
    QPushButton* m_createButton = nullptr;
    QPushButton* m_signInButton = nullptr;
    QList<QLabel*> m_stepNumbers;
    bool m_returning = false;
};
