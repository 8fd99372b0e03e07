#include "libs/account/records/groupinvitation.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

GroupInvitation GroupInvitation::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    return {text(json, "id"), text(json, "invited_email"), text(json, "invite_code"),
            text(json, "status"), timestamp(json, "expires_at")};
}

} // namespace TovAccount
