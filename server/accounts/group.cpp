#include "server/accounts/group.h"

#include "server/core/isotime.h"

#include <QJsonArray>

namespace PennibarServer {

QJsonObject Group::Member::toJson() const
{
    // The account id and the auth user id are one id on this server: the user's.
    return {{QStringLiteral("account_id"), userId},
            {QStringLiteral("auth_user_id"), userId},
            {QStringLiteral("display_name"), displayName},
            {QStringLiteral("email"), email},
            {QStringLiteral("role"), role},
            {QStringLiteral("joined_at"), isoTime(joinedAt)}};
}

QJsonObject Group::Invitation::toJson() const
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("invited_email"), invitedEmail},
            {QStringLiteral("invite_code"), code},
            {QStringLiteral("status"), status},
            {QStringLiteral("expires_at"), isoTime(expiresAt)}};
}

QString Group::ownerId() const
{
    for (const Member& member : members) {
        if (member.role == QLatin1String("owner"))
            return member.userId;
    }
    return {};
}

QString Group::roleOf(const QString& userId) const
{
    for (const Member& member : members) {
        if (member.userId == userId)
            return member.role;
    }
    return {};
}

QJsonObject Group::toJson(bool withInvitations) const
{
    QJsonArray memberList;
    for (const Member& member : members)
        memberList.append(member.toJson());
    QJsonArray invitationList;
    if (withInvitations) {
        for (const Invitation& invitation : pendingInvitations)
            invitationList.append(invitation.toJson());
    }
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), name},
            {QStringLiteral("max_seats"), maxSeats},
            {QStringLiteral("members"), memberList},
            {QStringLiteral("pending_invitations"), invitationList}};
}

QJsonObject Group::summaryFor(const QString& userId) const
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), name},
            {QStringLiteral("role"), roleOf(userId)},
            {QStringLiteral("member_count"), int(members.size())}};
}

} // namespace PennibarServer
