#include "libs/account/records/sharemember.h"

namespace TovAccount {

ShareMember ShareMember::fromJson(const QJsonObject& json)
{
    const auto text = [&json](const char* key) {
        return json.value(QLatin1String(key)).toString();
    };
    return {text("user_id"),      text("user_id"), text("email"),
            text("display_name"), text("role"),    text("created_at")};
}

} // namespace TovAccount
