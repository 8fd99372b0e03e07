#include "server/accounts/device.h"

#include "server/core/isotime.h"

namespace PennibarServer {

QJsonObject Device::toJson() const
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("device_name"), name},
            {QStringLiteral("platform"), platform},
            {QStringLiteral("app_id"), appId},
            {QStringLiteral("app_version"), appVersion},
            {QStringLiteral("last_sync_at"), lastSyncAt > 0 ? isoTime(lastSyncAt) : QString()},
            {QStringLiteral("device_fingerprint"), fingerprint},
            {QStringLiteral("created_at"), isoTime(createdAt)}};
}

} // namespace PennibarServer
