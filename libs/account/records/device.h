#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TovAccount {

// A computer or phone registered to the user's account.
struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject& json);
};

} // namespace TovAccount
