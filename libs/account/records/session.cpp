#include "libs/account/records/session.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

Session Session::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "id"),
            text(json, "user_agent"),
            text(json, "ip_address"),
            timestamp(json, "created_at"),
            timestamp(json, "last_active_at"),
            flag(json, "is_current")};
}

} // namespace TovAccount
