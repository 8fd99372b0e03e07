#pragma once

// What the screenshot tools share: an offscreen application, an output folder from the command
// line, and one PNG per window with a line saying where it went.

#include "app/core/uitranslators.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

// What a tool that starts the whole application shares: its name, icon font and texts in the
// language named by the second argument (es, de, fr, ja; English when none), settings and a
// data directory of its own in a scratch folder, never the user's, and no account service. Made
// before the database, so that the default categories take the language's names.
class ShotEnvironment
{
public:
    explicit ShotEnvironment(QApplication& application)
        : m_translators(QApplication::arguments().value(2, QStringLiteral("en")))
    {
        application.setOrganizationName(QStringLiteral("Tovarly"));
        application.setApplicationName(QStringLiteral("PennibarShots"));
        QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_scratch.filePath(QStringLiteral("settings")));
        qputenv("PENNIBAR_DATA_DIR", m_scratch.path().toUtf8());
        const QByteArray outOfReach = unreachableBase().toUtf8();
        for (const char* variable : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"})
            qputenv(variable, outOfReach);
    }

    // A folder that goes away with the tool, holding the settings and the database.
    QDir scratch() const { return QDir(m_scratch.path()); }

private:
    // The account and sync services at an address on 127.0.0.1 where nothing listens: a stored
    // session stays signed in offline, and nothing leaves the machine.
    static QString unreachableBase()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1").arg(port);
    }

    UiTranslators m_translators;
    QTemporaryDir m_scratch;
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

// An access token of the auth server's shape that stays valid for an hour.
inline QString accessTokenForAnHour()
{
    const auto encoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QJsonObject claims{{QStringLiteral("sub"), QStringLiteral("shots-user")},
                             {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + 3600}};
    return QString::fromLatin1(
        QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(encoding) + '.' +
        QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(encoding) + ".c2hvdHM");
}
