#pragma once

// What the screenshot tools share: an offscreen application, an output folder from the command
// line, and one PNG per window with a line saying where it went.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTextStream>
#include <QWidget>

// Call before constructing the application: renders without a display unless one is chosen.
inline void preferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The folder named by the first argument, or `fallback`; created when missing. Empty on failure.
inline QString shotDirectory(const QString& fallback)
{
    const QStringList arguments = QApplication::arguments();
    const QString path = arguments.size() > 1 ? arguments.at(1) : fallback;
    return QDir().mkpath(path) ? path : QString();
}

// Grabs the (shown) widget into `path` and reports it on standard output.
inline bool saveShot(QWidget& widget, const QString& path)
{
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << " (" << widget.width() << "x"
                        << widget.height() << ")\n";
    return saved;
}

// Shows the dialog, lets it lay itself out, saves it to `path` and deletes it.
inline bool shootDialog(QDialog* dialog, const QString& path)
{
    dialog->show();
    QApplication::processEvents();
    const bool saved = saveShot(*dialog, path);
    dialog->close();
    delete dialog;
    return saved;
}
