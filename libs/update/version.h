#pragma once

#include <QString>

#include <compare>

namespace TovUpdate {

// A release version: three non-negative integers compared in order. Text that is not one to
// three dot-separated numbers reads as 0.0.0, so any real release is newer than it.
class Version
{
public:
    Version() = default;
    Version(int major, int minor, int patch);

    // "1.2" reads as 1.2.0; "", "1.2.3.4", "1.2.x", "3-beta" and "1..2" read as 0.0.0.
    static Version fromString(const QString& text);

    int majorVersion() const { return m_major; }
    int minorVersion() const { return m_minor; }
    int patchVersion() const { return m_patch; }
    QString toString() const;

    friend auto operator<=>(const Version&, const Version&) = default;

private:
    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
};

} // namespace TovUpdate
