#include "server/accounts/groupservice.h"

#include "server/accounts/groupstore.h"
#include "server/accounts/invitationmailer.h"
#include "server/accounts/invitecode.h"
#include "server/auth/throttle.h"
#include "server/auth/userstore.h"
#include "server/core/clock.h"
#include "server/storage/sqltransaction.h"

#include <QUuid>

namespace PennibarServer {

namespace {

constexpr int kJoinFailures = 10;
constexpr qint64 kJoinWindow = 15 * 60;

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

std::pair<int, QString> GroupService::describe(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NoGroup:
        return {404, tr("You are not in a family group.")};
    case Outcome::NotOwner:
        return {403, tr("Only the group's owner can do that.")};
    case Outcome::Full:
        return {409, tr("Every seat of the family group is taken.")};
    case Outcome::InvalidEmail:
        return {400, tr("Enter a valid e-mail address.")};
    case Outcome::AlreadyMember:
        return {409, tr("That person is in this family group already.")};
    case Outcome::InAnotherGroup:
        return {409, tr("You are in a family group already. Leave it first.")};
    case Outcome::InvalidCode:
        return {404, tr("Invalid or expired invite code.")};
    case Outcome::Throttled:
        return {429, tr("Too many attempts. Try again later.")};
    case Outcome::OwnerCannotLeave:
        return {409, tr("The owner cannot leave while others are in the group. Remove them "
                        "first.")};
    case Outcome::CannotRemoveOwner:
        return {400, tr("The owner cannot be removed from the group.")};
    case Outcome::NotFound:
        return {404, tr("Not found.")};
    case Outcome::Ok:
    case Outcome::Failed:
        break;
    }
    return {500, tr("The server could not do that just now.")};
}

GroupService::GroupService(Database& database, GroupStore& groups, UserStore& users,
                           Throttle& throttle, const Clock& clock, int seats)
    : m_database(database), m_groups(groups), m_users(users), m_throttle(throttle), m_clock(clock),
      m_seats(seats)
{
}

void GroupService::setMembershipEndedHook(
    std::function<bool(const QString&, const QStringList&)> hook)
{
    m_membershipEnded = std::move(hook);
}

GroupService::Outcome GroupService::current(const QString& userId, Group* group)
{
    const auto groupId = m_groups.groupOf(userId);
    if (!groupId)
        return Outcome::Failed;
    if (groupId->isEmpty())
        return Outcome::NoGroup;
    const auto loaded = m_groups.load(*groupId, m_clock.now());
    if (!loaded)
        return Outcome::Failed;
    *group = *loaded;
    return Outcome::Ok;
}

GroupService::Outcome GroupService::ownersGroup(const QString& ownerId, Group* group)
{
    const Outcome outcome = current(ownerId, group);
    if (outcome == Outcome::Ok && group->ownerId() != ownerId)
        return Outcome::NotOwner;
    return outcome;
}

GroupService::Outcome GroupService::create(const QString& ownerId, const QString& name,
                                           Group* group)
{
    SqlTransaction transaction(m_database);
    const auto existing = m_groups.groupOf(ownerId);
    if (!transaction.isActive() || !existing)
        return Outcome::Failed;
    if (!existing->isEmpty())
        return Outcome::InAnotherGroup;
    const QString id = newId();
    const qint64 now = m_clock.now();
    if (!m_groups.create(id, name, m_seats, now) ||
        !m_groups.addMember(id, ownerId, QStringLiteral("owner"), now) || !transaction.commit())
        return Outcome::Failed;
    return current(ownerId, group);
}

GroupService::Outcome GroupService::invite(const QString& ownerId, const QString& emailText,
                                           Group::Invitation* invitation)
{
    Group group;
    if (const Outcome outcome = ownersGroup(ownerId, &group); outcome != Outcome::Ok)
        return outcome;
    QString email;
    if (!emailText.trimmed().isEmpty()) {
        const auto normalized = User::normalizedEmail(emailText);
        if (!normalized)
            return Outcome::InvalidEmail;
        email = *normalized;
        for (const Group::Member& member : group.members) {
            if (member.email == email)
                return Outcome::AlreadyMember;
        }
    }
    if (group.members.size() >= group.maxSeats)
        return Outcome::Full;
    const qint64 now = m_clock.now();
    *invitation = {newId(), email, InviteCode::generate(), QStringLiteral("pending"),
                   now + kInvitationLifetime};
    if (!m_groups.addInvitation(group.id, *invitation, now))
        return Outcome::Failed;
    if (!email.isEmpty() && m_mailer && m_mailer->isConfigured()) {
        const auto owner = m_users.byId(ownerId);
        const QString inviter =
            owner && !owner->displayName.isEmpty() ? owner->displayName : owner->email;
        m_mailer->send(email, inviter, group.name, invitation->code, invitation->expiresAt);
    }
    return Outcome::Ok;
}

GroupService::Outcome GroupService::join(const QString& userId, const QString& typedCode,
                                         Group* group, qint64* retryAfter)
{
    const QString attempts = QStringLiteral("join:") + userId;
    *retryAfter = m_throttle.waitFor(attempts, kJoinFailures, kJoinWindow);
    if (*retryAfter > 0)
        return Outcome::Throttled;
    const Outcome outcome = joinWithCode(userId, InviteCode::normalized(typedCode));
    // Counted outside the joining transaction, which a wrong code rolls back.
    if (outcome == Outcome::InvalidCode)
        m_throttle.record(attempts);
    if (outcome != Outcome::Ok)
        return outcome;
    m_throttle.clear(attempts);
    return current(userId, group);
}

GroupService::Outcome GroupService::joinWithCode(const QString& userId, const QString& code)
{
    const qint64 now = m_clock.now();
    const auto user = m_users.byId(userId);
    if (!user)
        return Outcome::Failed;
    SqlTransaction transaction(m_database);
    if (!transaction.isActive())
        return Outcome::Failed;
    auto found = code.isEmpty() ? std::nullopt : m_groups.invitationByCode(code, now);
    // With the group held, read the invitation again: another join may just have used it.
    if (found) {
        if (!m_groups.lock(found->first))
            return Outcome::Failed;
        found = m_groups.invitationByCode(code, now);
    }
    // An invitation for another address looks like no invitation at all.
    if (!found ||
        (!found->second.invitedEmail.isEmpty() && found->second.invitedEmail != user->email))
        return Outcome::InvalidCode;
    const auto existing = m_groups.groupOf(userId);
    if (!existing)
        return Outcome::Failed;
    if (*existing == found->first)
        return Outcome::AlreadyMember;
    if (!existing->isEmpty())
        return Outcome::InAnotherGroup;
    const auto target = m_groups.load(found->first, now);
    if (!target)
        return Outcome::Failed;
    if (target->members.size() >= target->maxSeats)
        return Outcome::Full;
    if (!m_groups.addMember(found->first, userId, QStringLiteral("member"), now) ||
        !m_groups.setInvitationStatus(found->second.id, QStringLiteral("accepted")) ||
        !transaction.commit())
        return Outcome::Failed;
    return Outcome::Ok;
}

bool GroupService::removeWithin(const Group& group, const QString& userId)
{
    QStringList others;
    for (const Group::Member& member : group.members) {
        if (member.userId != userId)
            others.append(member.userId);
    }
    return m_groups.removeMember(userId) &&
           (!m_membershipEnded || m_membershipEnded(userId, others));
}

GroupService::Outcome GroupService::leave(const QString& userId)
{
    Group group;
    if (const Outcome outcome = current(userId, &group); outcome != Outcome::Ok)
        return outcome;
    if (group.ownerId() == userId && group.members.size() > 1)
        return Outcome::OwnerCannotLeave;
    SqlTransaction transaction(m_database);
    return transaction.isActive() && departWithin(userId) && transaction.commit() ? Outcome::Ok
                                                                                  : Outcome::Failed;
}

GroupService::Outcome GroupService::removeMember(const QString& ownerId, const QString& memberId)
{
    Group group;
    if (const Outcome outcome = ownersGroup(ownerId, &group); outcome != Outcome::Ok)
        return outcome;
    if (memberId == ownerId)
        return Outcome::CannotRemoveOwner;
    if (group.roleOf(memberId).isEmpty())
        return Outcome::NotFound;
    SqlTransaction transaction(m_database);
    return transaction.isActive() && removeWithin(group, memberId) && transaction.commit()
               ? Outcome::Ok
               : Outcome::Failed;
}

GroupService::Outcome GroupService::revokeInvitation(const QString& ownerId,
                                                     const QString& invitationId)
{
    Group group;
    if (const Outcome outcome = ownersGroup(ownerId, &group); outcome != Outcome::Ok)
        return outcome;
    const bool pending = std::any_of(
        group.pendingInvitations.cbegin(), group.pendingInvitations.cend(),
        [&](const Group::Invitation& invitation) { return invitation.id == invitationId; });
    if (!pending)
        return Outcome::NotFound;
    return m_groups.setInvitationStatus(invitationId, QStringLiteral("revoked")) ? Outcome::Ok
                                                                                 : Outcome::Failed;
}

QString GroupService::roleOf(const QString& userId)
{
    Group group;
    return current(userId, &group) == Outcome::Ok ? group.roleOf(userId) : QString();
}

bool GroupService::inSameGroup(const QString& userA, const QString& userB)
{
    const auto a = m_groups.groupOf(userA);
    const auto b = m_groups.groupOf(userB);
    return a && b && !a->isEmpty() && *a == *b;
}

bool GroupService::departWithin(const QString& userId)
{
    Group group;
    const Outcome outcome = current(userId, &group);
    if (outcome == Outcome::NoGroup)
        return true;
    if (outcome != Outcome::Ok)
        return false;
    if (group.ownerId() != userId)
        return removeWithin(group, userId);
    // The owner goes: the group ends, and with it every share among its members.
    for (qsizetype i = group.members.size() - 1; i >= 0; --i) {
        const QString leaving = group.members.at(i).userId;
        if (!removeWithin(group, leaving))
            return false;
        group.members.removeAt(i);
    }
    return m_groups.removeGroup(group.id);
}

} // namespace PennibarServer
