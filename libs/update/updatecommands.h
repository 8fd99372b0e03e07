#pragma once

#include "libs/update/updateconfig.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace TovUpdate {

// How a command reports its progress to the window that started it (its status bar).
struct ProgressCallbacks
{
    std::function<void(const QString& text)> progress;               // show a busy text
    std::function<void()> finished;                                  // clear it
    std::function<void(const QString& text, int timeoutMs)> message; // show a transient text
};

// The three ways the application reaches the release channel. Each runs asynchronously; its
// dialog is shown (non-modal, deleted on close) only if `parent` still exists when the result
// arrives, and the callbacks are called only while it exists. The network objects belong to
// the application object and are deleted once they have reported.

// At start-up: the notes of the running version, or nothing at all when it has none.
void showWhatsNew(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent);

// Help > What's New: the running version's notes; failing those, the notes of a newer release
// with its download; failing both, a message.
void showReleaseNotes(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent,
                      const ProgressCallbacks& callbacks);

// Help > Check for Updates: the update dialog, or a message saying why there is none. Always
// offers the newest release, even one the user put off at start-up.
void checkForUpdates(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent,
                     const ProgressCallbacks& callbacks);

} // namespace TovUpdate
