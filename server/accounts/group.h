#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace PennibarServer {

// A family group with its members and, for its owner's eyes, its pending invitations.
struct Group
{
    struct Member
    {
        QString userId;
        QString displayName;
        QString email;
        QString role; // "owner" or "member"
        qint64 joinedAt = 0;

        QJsonObject toJson() const;
    };
    struct Invitation
    {
        QString id;
        QString invitedEmail;
        QString code;
        QString status; // "pending", "accepted", "revoked"
        qint64 expiresAt = 0;

        QJsonObject toJson() const;
    };

    QString id;
    QString name;
    int maxSeats = 0;
    QList<Member> members; // the owner first, then by joining
    QList<Invitation> pendingInvitations;

    QString ownerId() const;
    QString roleOf(const QString& userId) const;
    // The account API's group record; invitations are shown to the owner only.
    QJsonObject toJson(bool withInvitations) const;
    // The profile's summary: id, name, the user's role, member count.
    QJsonObject summaryFor(const QString& userId) const;
};

} // namespace PennibarServer
