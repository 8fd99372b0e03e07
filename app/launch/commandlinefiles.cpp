#include "app/launch/commandlinefiles.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QStringList filesFromCommandLine(const QStringList& arguments, const QString& workingDirectory)
{
    QStringList files;
    for (const QString& argument : arguments.mid(1)) {
        if (argument.isEmpty())
            continue;
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            path = QUrl(argument).toLocalFile();
        } else if (argument.startsWith(QLatin1Char('-'))) {
            qWarning().noquote() << "Ignoring unknown option:" << argument;
            continue;
        }
        const QFileInfo info(QDir(workingDirectory), path);
        if (path.isEmpty() || !info.isFile()) {
            qWarning().noquote() << "Not a file, not opened:" << argument;
            continue;
        }
        const QString absolute = QDir::cleanPath(info.absoluteFilePath());
        if (!files.contains(absolute))
            files.append(absolute);
    }
    return files;
}
