#include "libs/update/version.h"

#include <QStringList>

namespace TovUpdate {

Version::Version(int major, int minor, int patch) : m_major(major), m_minor(minor), m_patch(patch)
{
}

Version Version::fromString(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).toInt(&ok, 10);
        if (!ok || numbers[i] < 0)
            return {};
    }
    return {numbers[0], numbers[1], numbers[2]};
}

QString Version::toString() const
{
    return QStringLiteral("%1.%2.%3").arg(m_major).arg(m_minor).arg(m_patch);
}

} // namespace TovUpdate
