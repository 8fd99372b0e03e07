#include "server/auth/session.h"

#include "server/core/isotime.h"

namespace PennibarServer {

QJsonObject Session::toJson(bool current) const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("user_agent"), userAgent},
        {QStringLiteral("ip_address"), ipAddress},
        {QStringLiteral("created_at"), isoTime(createdAt)},
        {QStringLiteral("last_active_at"), isoTime(lastActiveAt)},
        {QStringLiteral("is_current"), current},
    };
}

} // namespace PennibarServer
