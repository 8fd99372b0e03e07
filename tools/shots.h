#pragma once

// What the screenshot tools share: an offscreen application, an output folder from the command
// line, and one PNG per window with a line saying where it went.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QWidget>

// What a tool that starts the whole application shares: its name, icon font and English texts,
// and settings and a data directory of its own in a scratch folder, never the user's.
class ShotEnvironment
{
public:
    explicit ShotEnvironment(QApplication& application)
    {
        application.setOrganizationName(QStringLiteral("Tovarly"));
        application.setApplicationName(QStringLiteral("PennibarShots"));
        QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
        if (m_english.load(QStringLiteral(":/i18n/pennibar_en.qm")))
            application.installTranslator(&m_english);
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_scratch.filePath(QStringLiteral("settings")));
        qputenv("PENNIBAR_DATA_DIR", m_scratch.path().toUtf8());
    }

private:
    QTemporaryDir m_scratch;
    QTranslator m_english;
};

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
