#include "libs/account/accountapi/deviceidentity.h"

#include <QCryptographicHash>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace TovAccount::DeviceIdentity {

QString deviceName()
{
    return QSysInfo::machineHostName();
}

QString platformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    return QSysInfo::kernelType();
#endif
}

QString fingerprint()
{
#ifdef Q_OS_WIN
    const QSettings cryptography(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
        QSettings::NativeFormat);
    const QString machineGuid = cryptography.value(QStringLiteral("MachineGuid")).toString();
    if (!machineGuid.isEmpty())
        return machineGuid;
#endif
    return fingerprintFromHostName(QSysInfo::machineHostName());
}

QString fingerprintFromHostName(const QString& hostName)
{
    const QByteArray hash =
        QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QString::fromLatin1(hash.left(32));
}

} // namespace TovAccount::DeviceIdentity
