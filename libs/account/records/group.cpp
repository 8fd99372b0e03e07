#include "libs/account/records/group.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

Group Group::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "id"), text(json, "name"), integer(json, "max_seats"),
            list<GroupMember>(json, "members"), list<GroupInvitation>(json, "pending_invitations")};
}

} // namespace TovAccount
