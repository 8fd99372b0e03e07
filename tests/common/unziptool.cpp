#include "tests/common/unziptool.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

bool UnzipTool::isAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

bool UnzipTool::accepts(const QByteArray& archive, QString* output)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("archive.zip"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size())
        return false;
    file.close();

    QProcess unzip;
    unzip.setProcessChannelMode(QProcess::MergedChannels);
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tq"), path});
    const bool finished = unzip.waitForFinished(120000);
    if (output)
        *output = QString::fromLocal8Bit(unzip.readAll());
    return finished && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
}
