#include "ui/screens/account/relativetime.h"

#include <QCoreApplication>
#include <QLocale>

namespace TovAccount {

QString formatRelativeTime(const QDateTime& then, const QDateTime& now)
{
    if (!then.isValid())
        return QStringLiteral("Unknown");
    const qint64 seconds = then.secsTo(now);
    if (seconds < 60)
        return QStringLiteral("Active now");
    if (seconds < 3600)
        return QStringLiteral("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return QStringLiteral("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return QStringLiteral("%1d ago").arg(seconds / 86400);
    return QLocale::c().toString(then.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

} // namespace TovAccount
