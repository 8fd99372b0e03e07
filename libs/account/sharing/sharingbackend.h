#pragma once

#include "libs/account/records/groupmember.h"
#include "libs/account/records/sharemember.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TovAccount {

// Who may see an account: what the share dialog asks of the service that keeps that list.
// Every operation reports back exactly once, on the GUI thread.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The people the account is shared with; an empty list on any failure.
    virtual void listMembers(const QString& accountId,
                             std::function<void(QList<ShareMember>)> callback) = 0;
    // Shares with a user id, or with an e-mail address; an empty role means "member". On
    // failure, the error says why.
    virtual void shareWith(const QString& accountId, const QString& userIdOrEmail,
                           const QString& role,
                           std::function<void(bool ok, QString error)> callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId,
                             std::function<void(bool ok)> callback) = 0;
    // The identifier under which a group member is shared, as share user ids hold it.
    virtual QString shareIdForMember(const GroupMember& member) const { return member.accountId; }
};

} // namespace TovAccount
