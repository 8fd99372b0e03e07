#pragma once

#include <QString>

// How this computer introduces itself when it registers with the account service.
namespace TovAccount::DeviceIdentity {

// The host name.
QString deviceName();
// "Windows", "Linux" or "macOS": the operating system this build runs on.
QString platformName();
// Windows' machine identifier; elsewhere, or when it cannot be read, one derived from the
// host name.
QString fingerprint();
// The first 32 lower-case hexadecimal digits of the SHA-256 of the host name.
QString fingerprintFromHostName(const QString& hostName);

} // namespace TovAccount::DeviceIdentity
