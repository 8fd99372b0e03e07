#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account and due-recurring counts on the left; progress text
// with a busy indicator and the sync state on the right; transient messages over the left.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setAccountCount(int count);
    void setRecurringDue(int count); // hidden while nothing is due
    void setSyncText(const QString& text);
    void showProgress(const QString& text);
    void hideProgress();
    // Hides any progress first, so a finished operation's message replaces its indicator.
    void showTransient(const QString& text, int milliseconds);
    // Follows the theme; called on every theme change.
    void restyle();

private:
    void restyleRecurring();
    // The counts give way to a transient message and come back after it. QStatusBar hides them
    // only while they are on screen, so one shown before the bar itself, or a count arriving
    // during the message, would be drawn under it.
    void placeCounts();

    QLabel* m_syncLabel;
    QLabel* m_accountsLabel;
    QLabel* m_recurringLabel;
    QLabel* m_progressLabel;
    QProgressBar* m_busyBar;
    int m_recurringDue = 0;
};
