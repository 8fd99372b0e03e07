#include "server/accounts/groupstore.h"

#include "server/storage/database.h"

namespace PennibarServer {

std::optional<QString> GroupStore::groupOf(const QString& userId)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT group_id FROM group_members WHERE user_id = ?"), {userId});
    if (!rows)
        return std::nullopt;
    return rows->isEmpty() ? QString() : rows->first().at(0).toString();
}

std::optional<Group> GroupStore::load(const QString& groupId, qint64 now)
{
    const auto groups = m_database.select(
        QStringLiteral("SELECT name, max_seats FROM family_groups WHERE id = ?"), {groupId});
    const auto members = m_database.select(
        QStringLiteral("SELECT m.user_id, u.display_name, u.email, m.role, m.joined_at FROM "
                       "group_members m JOIN users u ON u.id = m.user_id WHERE m.group_id = ? "
                       "ORDER BY CASE WHEN m.role = 'owner' THEN 0 ELSE 1 END, m.joined_at, "
                       "u.email"),
        {groupId});
    const auto invitations = m_database.select(
        QStringLiteral("SELECT id, invited_email, code, status, expires_at FROM "
                       "group_invitations WHERE group_id = ? AND status = 'pending' AND "
                       "expires_at > ? ORDER BY created_at"),
        {groupId, now});
    if (!groups || !members || !invitations || groups->isEmpty())
        return std::nullopt;
    Group group;
    group.id = groupId;
    group.name = groups->first().at(0).toString();
    group.maxSeats = groups->first().at(1).toInt();
    for (const SqlRow& row : *members)
        group.members.append({row.at(0).toString(), row.at(1).toString(), row.at(2).toString(),
                              row.at(3).toString(), row.at(4).toLongLong()});
    for (const SqlRow& row : *invitations)
        group.pendingInvitations.append({row.at(0).toString(), row.at(1).toString(),
                                         row.at(2).toString(), row.at(3).toString(),
                                         row.at(4).toLongLong()});
    return group;
}

bool GroupStore::lock(const QString& groupId)
{
    return m_database.execute(
        QStringLiteral("UPDATE family_groups SET max_seats = max_seats WHERE id = ?"), {groupId});
}

bool GroupStore::create(const QString& groupId, const QString& name, int maxSeats, qint64 now)
{
    return m_database.execute(QStringLiteral("INSERT INTO family_groups (id, name, max_seats, "
                                             "created_at) VALUES (?, ?, ?, ?)"),
                              {groupId, name, maxSeats, now});
}

bool GroupStore::addMember(const QString& groupId, const QString& userId, const QString& role,
                           qint64 now)
{
    return m_database.execute(QStringLiteral("INSERT INTO group_members (user_id, group_id, "
                                             "role, joined_at) VALUES (?, ?, ?, ?)"),
                              {userId, groupId, role, now});
}

bool GroupStore::removeMember(const QString& userId)
{
    return m_database.execute(QStringLiteral("DELETE FROM group_members WHERE user_id = ?"),
                              {userId});
}

bool GroupStore::removeGroup(const QString& groupId)
{
    return m_database.execute(QStringLiteral("DELETE FROM group_invitations WHERE group_id = ?"),
                              {groupId}) &&
           m_database.execute(QStringLiteral("DELETE FROM group_members WHERE group_id = ?"),
                              {groupId}) &&
           m_database.execute(QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {groupId});
}

bool GroupStore::addInvitation(const QString& groupId, const Group::Invitation& invitation,
                               qint64 now)
{
    return m_database.execute(
        QStringLiteral("INSERT INTO group_invitations (id, group_id, code, invited_email, status, "
                       "created_at, expires_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {invitation.id, groupId, invitation.code, invitation.invitedEmail, invitation.status, now,
         invitation.expiresAt});
}

std::optional<std::pair<QString, Group::Invitation>>
GroupStore::invitationByCode(const QString& code, qint64 now)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT group_id, id, invited_email, code, status, expires_at FROM "
                       "group_invitations WHERE code = ? AND status = 'pending' AND expires_at "
                       "> ?"),
        {code, now});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    const SqlRow& row = rows->first();
    return std::pair(row.at(0).toString(),
                     Group::Invitation{row.at(1).toString(), row.at(2).toString(),
                                       row.at(3).toString(), row.at(4).toString(),
                                       row.at(5).toLongLong()});
}

bool GroupStore::setInvitationStatus(const QString& invitationId, const QString& status)
{
    return m_database.execute(
        QStringLiteral("UPDATE group_invitations SET status = ? WHERE id = ?"),
        {status, invitationId});
}

} // namespace PennibarServer
