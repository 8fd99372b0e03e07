#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TovAccount {

// A member of the user's family group.
struct GroupMember
{
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    static GroupMember fromJson(const QJsonObject& json);
};

} // namespace TovAccount
