#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TovAccount {

// An invitation into the family group, by e-mail or by code. An empty id means none.
struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject& json);
};

} // namespace TovAccount
