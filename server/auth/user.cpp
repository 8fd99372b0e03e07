#include "server/auth/user.h"

#include "server/core/isotime.h"

#include <algorithm>

namespace PennibarServer {

QString User::status() const
{
    if (disabled)
        return QStringLiteral("disabled");
    if (deletionDueAt > 0)
        return QStringLiteral("pending_deletion");
    return QStringLiteral("active");
}

QJsonObject User::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("email"), email},
        {QStringLiteral("display_name"), displayName},
        {QStringLiteral("username"), email},
        {QStringLiteral("avatar_url"), QString()},
        {QStringLiteral("created_at"), isoTime(createdAt)},
    };
}

std::optional<QString> User::normalizedEmail(const QString& text)
{
    const QString email = text.trimmed().toLower();
    const qsizetype at = email.indexOf(QLatin1Char('@'));
    if (email.size() > 254 || at <= 0 || at != email.lastIndexOf(QLatin1Char('@')) ||
        at == email.size() - 1)
        return std::nullopt;
    for (const QChar c : email) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char('<') ||
            c == QLatin1Char('>') || c == QLatin1Char(','))
            return std::nullopt;
    }
    return email;
}

std::optional<QString> User::normalizedDisplayName(const QString& text)
{
    const QString name = text.trimmed();
    const bool printable = std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
    if (name.size() > kMaximumDisplayNameLength || !printable)
        return std::nullopt;
    return name;
}

} // namespace PennibarServer
