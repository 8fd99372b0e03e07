#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TovAccount {

// One place where the user is signed in.
struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject& json);
};

} // namespace TovAccount
