#pragma once

#include "server/accounts/group.h"

#include <optional>

namespace PennibarServer {

class Database;

// The family_groups, group_members and group_invitations tables.
class GroupStore
{
public:
    explicit GroupStore(Database& database) : m_database(database) {}

    // The id of the user's group; empty when none.
    std::optional<QString> groupOf(const QString& userId);
    // The whole group; pending invitations are those not expired at `now`.
    std::optional<Group> load(const QString& groupId, qint64 now);

    // Inside a transaction: holds the group until commit, so that two joins at once on
    // PostgreSQL cannot both take the last seat or the same code (SQLite has one writer anyway).
    bool lock(const QString& groupId);
    bool create(const QString& groupId, const QString& name, int maxSeats, qint64 now);
    bool addMember(const QString& groupId, const QString& userId, const QString& role, qint64 now);
    bool removeMember(const QString& userId);
    bool removeGroup(const QString& groupId);

    bool addInvitation(const QString& groupId, const Group::Invitation& invitation, qint64 now);
    // A pending, unexpired invitation with that code, and its group id.
    std::optional<std::pair<QString, Group::Invitation>> invitationByCode(const QString& code,
                                                                          qint64 now);
    bool setInvitationStatus(const QString& invitationId, const QString& status);

private:
    Database& m_database;
};

} // namespace PennibarServer
