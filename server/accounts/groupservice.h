#pragma once

#include "server/accounts/group.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace PennibarServer {

class Clock;
class Database;
class GroupStore;
class InvitationMailer;
class Throttle;
class UserStore;

// The rules of family groups. Every user is in at most one group; its owner invites (by code or
// e-mail) while seats are free, removes members and revokes invitations; members join with a
// code and leave. When someone's membership ends, every share between them and the remaining
// members ends too (through the membership-ended hook, inside the same transaction).
class GroupService
{
    Q_DECLARE_TR_FUNCTIONS(GroupService)

public:
    static constexpr qint64 kInvitationLifetime = 7 * 24 * 3600;

    enum class Outcome
    {
        Ok,
        NoGroup,
        NotOwner,
        Full,
        InvalidEmail,
        AlreadyMember,
        InAnotherGroup,
        InvalidCode,
        Throttled,
        OwnerCannotLeave,
        CannotRemoveOwner,
        NotFound,
        Failed
    };
    // For an outcome other than Ok: the HTTP status and the message the app shows.
    static std::pair<int, QString> describe(Outcome outcome);

    GroupService(Database& database, GroupStore& groups, UserStore& users, Throttle& throttle,
                 const Clock& clock, int seats);

    // Called when `userId` leaves a group whose remaining members are `others`; false aborts.
    void setMembershipEndedHook(
        std::function<bool(const QString& userId, const QStringList& others)> hook);
    void setMailer(InvitationMailer* mailer) { m_mailer = mailer; }

    Outcome current(const QString& userId, Group* group);
    Outcome create(const QString& ownerId, const QString& name, Group* group);
    // An empty e-mail makes a code anyone may use; otherwise only that address may use it.
    Outcome invite(const QString& ownerId, const QString& email, Group::Invitation* invitation);
    Outcome join(const QString& userId, const QString& code, Group* group, qint64* retryAfter);
    Outcome leave(const QString& userId);
    Outcome removeMember(const QString& ownerId, const QString& memberId);
    Outcome revokeInvitation(const QString& ownerId, const QString& invitationId);

    // "owner", "member", or empty outside a group.
    QString roleOf(const QString& userId);
    bool inSameGroup(const QString& userA, const QString& userB);
    // Inside a caller's transaction: takes the user out of their group; an owner's group is
    // dissolved.
    bool departWithin(const QString& userId);

private:
    Outcome ownersGroup(const QString& ownerId, Group* group);
    Outcome joinWithCode(const QString& userId, const QString& code);
    bool removeWithin(const Group& group, const QString& userId);

    Database& m_database;
    GroupStore& m_groups;
    UserStore& m_users;
    Throttle& m_throttle;
    const Clock& m_clock;
    int m_seats;
    InvitationMailer* m_mailer = nullptr;
    std::function<bool(const QString&, const QStringList&)> m_membershipEnded;
};

} // namespace PennibarServer
