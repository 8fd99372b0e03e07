#include "libs/account/records/groupmember.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

GroupMember GroupMember::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "account_id"), text(json, "auth_user_id"), text(json, "display_name"),
            text(json, "email"),      text(json, "role"),         timestamp(json, "joined_at")};
}

} // namespace TovAccount
