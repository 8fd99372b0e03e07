#pragma once

#include "libs/account/records/groupinvitation.h"
#include "libs/account/records/groupmember.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace TovAccount {

// The user's family group. An empty id means the user has none, or it could not be fetched.
struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject& json);
};

} // namespace TovAccount
