#pragma once

#include <QJsonObject>
#include <QString>

namespace TovAccount {

// One person an account is shared with. Both identifier fields read the same key: the server
// names a share by the user it is with.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt; // as received

    static ShareMember fromJson(const QJsonObject& json);
};

} // namespace TovAccount
