#pragma once

#include <QString>

namespace TovUpdate {

// The manifest's key for the running platform: "windows-x64" on 64-bit x86 Windows,
// "linux-x64" on 64-bit x86 Linux, empty anywhere else (no release is shipped there).
QString platformKey();

// The same rule for a given operating system ("windows", "linux", ...) and CPU architecture
// (as QSysInfo names them).
QString platformKey(const QString& operatingSystem, const QString& cpuArchitecture);

} // namespace TovUpdate
