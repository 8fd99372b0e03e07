#include "libs/update/platform.h"

#include <QSysInfo>

namespace TovUpdate {

QString platformKey()
{
#if defined(Q_OS_WIN)
    const QString operatingSystem = QStringLiteral("windows");
#elif defined(Q_OS_LINUX)
    const QString operatingSystem = QStringLiteral("linux");
#else
    const QString operatingSystem = QSysInfo::productType();
#endif
    return platformKey(operatingSystem, QSysInfo::currentCpuArchitecture());
}

QString platformKey(const QString& operatingSystem, const QString& cpuArchitecture)
{
    if (cpuArchitecture != QLatin1String("x86_64"))
        return {};
    // Each platform looks for its own build only, so a Linux user is never offered the
    // Windows installer.
    if (operatingSystem == QLatin1String("windows"))
        return QStringLiteral("windows-x64");
    if (operatingSystem == QLatin1String("linux"))
        return QStringLiteral("linux-x64");
    return {};
}

} // namespace TovUpdate
