#include "tests/server/support/processio.h"

#include <QFile>
#include <QRegularExpression>

double ProcessIo::writtenMiB(qint64 pid)
{
    QFile io(pid ? QStringLiteral("/proc/%1/io").arg(pid) : QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression written(QStringLiteral("wchar:\\s+(\\d+)"));
    const QRegularExpressionMatch match = written.match(QString::fromLatin1(io.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / (1024.0 * 1024.0) : -1;
}
