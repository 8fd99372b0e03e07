#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace TovAccount {

// The user's record on the account API. An empty id means none was received.
struct Profile
{
    // The family group the user belongs to, as the profile sums it up.
    struct GroupSummary
    {
        QString id;
        QString name;
        QString role;
        int memberCount = 0;
    };

    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    // Present only when the reply has a "group".
    std::optional<GroupSummary> group;

    static Profile fromJson(const QJsonObject& json);
};

} // namespace TovAccount
