#include "libs/account/records/profile.h"

#include "libs/account/records/jsonfields.h"

namespace TovAccount {

Profile Profile::fromJson(const QJsonObject& json)
{
    using namespace JsonFields;
    Profile profile{
        text(json, "id"),         text(json, "email"),           text(json, "display_name"),
        text(json, "avatar_url"), text(json, "language"),        text(json, "timezone"),
        text(json, "status"),     timestamp(json, "created_at"), std::nullopt};
    if (json.contains(QLatin1String("group"))) {
        const QJsonObject group = json.value(QLatin1String("group")).toObject();
        profile.group = GroupSummary{text(group, "id"), text(group, "name"), text(group, "role"),
                                     integer(group, "member_count")};
    }
    return profile;
}

} // namespace TovAccount
