#include "bench/benchtools.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

double median(std::vector<double> samples)
{
    if (samples.empty())
        return -1;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

} // namespace

double BenchTools::medianMilliseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

double BenchTools::peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression peak(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
    const QRegularExpressionMatch match = peak.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : -1;
}

bool BenchTools::resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

double BenchTools::sqliteShellMilliseconds(const QString& path, const QString& sql, int runs)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        return -1;
    // ".timer on" makes the shell report the statement's own time, without its start-up; it
    // prints the report after the rows, on standard output.
    static const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+)"));
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.start(shell, {path});
        process.write(QStringLiteral(".timer on\n%1;\n").arg(sql).toUtf8());
        process.closeWriteChannel();
        QByteArray output;
        while (process.waitForReadyRead(-1))
            output += process.readAllStandardOutput();
        process.waitForFinished(-1);
        output += process.readAllStandardOutput();
        const QRegularExpressionMatch match = runTime.match(QString::fromUtf8(output.right(200)));
        if (match.hasMatch())
            samples.push_back(match.captured(1).toDouble() * 1000.0);
    }
    return median(samples);
}

QString BenchTools::scratchPath(const QString& fileName)
{
    static QTemporaryDir directory;
    return directory.filePath(fileName);
}
