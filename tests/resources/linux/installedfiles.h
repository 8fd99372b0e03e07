#pragma once

#include "app/core/buildconfig.h"

#include <QProcess>
#include <QStringList>

// The files an install puts under its prefix, and nothing else.
inline QStringList installedFiles()
{
    const QString id = BuildConfig::desktopEntryId();
    QStringList files{
        QStringLiteral("bin/pennibar"),
        QStringLiteral("share/applications/%1.desktop").arg(id),
        QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id),
        QStringLiteral("share/mime/packages/%1.xml").arg(id),
    };
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        files.append(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
    return files;
}

struct ToolRun
{
    int exitCode = -1;
    QString output; // standard output and error together
};

// Runs a command line tool to its end; exit code -1 when it could not start or did not end.
inline ToolRun
runTool(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output = program + QStringLiteral(": ") + process.errorString();
        return run;
    }
    run.output = QString::fromUtf8(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}
