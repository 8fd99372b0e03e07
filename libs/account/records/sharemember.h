#pragma once

#include <QJsonObject>
#include <QString>

namespace TovAccount {

// One person an account (a register) is shared with. Both identifiers hold the server's
// "user_id"; the creation time is kept as the text received.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt;

    static ShareMember fromJson(const QJsonObject& json);
};

} // namespace TovAccount
