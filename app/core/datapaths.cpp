#include "app/core/datapaths.h"

#include <QDir>
#include <QStandardPaths>

QString dataDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("PENNIBAR_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        QDir(fromEnvironment).mkpath(QStringLiteral("."));
        return fromEnvironment;
    }
    const QString directory =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Tovarly/Pennibar");
    QDir dir(directory);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));
    return directory;
}

QString databasePath()
{
    return dataDirectory() + QStringLiteral("/pennibar.db");
}
