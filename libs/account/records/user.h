#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TovAccount {

// The signed-in user as the auth server's realm knows them.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject& json);
};

} // namespace TovAccount
