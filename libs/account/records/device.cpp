#include "libs/account/records/device.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

Device Device::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "id"),
            text(json, "device_name"),
            text(json, "platform"),
            text(json, "app_id"),
            text(json, "app_version"),
            timestamp(json, "last_sync_at"),
            text(json, "device_fingerprint"),
            timestamp(json, "created_at")};
}

} // namespace TovAccount
