#include "libs/account/records/sharemember.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

ShareMember ShareMember::fromJson(const QJsonObject& json)
{
    ShareMember member;
    member.id = JsonFields::text(json, "user_id");
    member.userId = member.id;
    member.email = JsonFields::text(json, "email");
    member.displayName = JsonFields::text(json, "display_name");
    member.role = JsonFields::text(json, "role");
    member.createdAt = JsonFields::text(json, "created_at");
    return member;
}

} // namespace TovAccount
