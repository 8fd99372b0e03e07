#pragma once

#include <QJsonObject>
#include <QString>

namespace PennibarServer {

// A device the app registered after a sign-in, known by its fingerprint.
struct Device
{
    QString id;
    QString userId;
    QString fingerprint;
    QString name;
    QString platform;
    QString appId;
    QString appVersion;
    qint64 createdAt = 0;
    qint64 lastSyncAt = 0; // 0: never synced

    QJsonObject toJson() const;
};

} // namespace PennibarServer
