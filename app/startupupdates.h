#pragma once

#include "libs/update/artifact.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class AppState;

// What the release channel has to say once the main window shows: the running version's
// release notes, once per version, and 1.5 s later the offer of a newer release, unless the
// user has already put that version off.
class StartupUpdates : public QObject
{
    Q_OBJECT

public:
    static constexpr int checkDelayMs = 1500;

    StartupUpdates(AppState* appState, QWidget* window, QObject* parent = nullptr);

    // The what's-new check now, the update check after checkDelayMs.
    void start();

    // Whether the running version's notes are still to be shown. When they are, the version
    // is recorded as shown at once, so they show once even if the notes never arrive.
    bool claimWhatsNew();
    // One check of the release channel; an available release goes to offer().
    void checkForUpdate();
    // Shows the update dialog unless the user already put off this version or a later one;
    // closing the dialog, whichever way, puts this version off.
    void offer(const TovUpdate::Artifact& artifact);

    // A release is offered when nothing was put off, or when it is newer than what was.
    static bool isOffered(const QString& version, const QString& dismissedVersion);

private:
    AppState* m_appState;
    QPointer<QWidget> m_window;
};
