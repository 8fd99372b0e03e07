#include "libs/account/records/user.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

User User::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "id"),       text(json, "email"),      text(json, "display_name"),
            text(json, "username"), text(json, "avatar_url"), timestamp(json, "created_at")};
}

} // namespace TovAccount
