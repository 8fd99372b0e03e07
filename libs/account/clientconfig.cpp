#include "libs/account/clientconfig.h"

#include <QSysInfo>

namespace TovAccount {

QString ClientConfig::effectivePlatform() const
{
    return platform.isEmpty() ? platformForKernel(QSysInfo::kernelType()) : platform;
}

QString ClientConfig::platformForKernel(const QString& kernelType)
{
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace TovAccount
