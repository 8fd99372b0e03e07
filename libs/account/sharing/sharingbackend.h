#pragma once

#include "libs/account/records/groupmember.h"
#include "libs/account/records/sharemember.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TovAccount {

// Who may see one of the user's accounts: what the share dialog talks to. The application
// supplies the implementation, which knows where shares are kept.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using MembersCallback = std::function<void(QList<ShareMember>)>;
    using ShareCallback = std::function<void(bool ok, QString error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    using QObject::QObject;

    // Every callback is called exactly once, also on failure.
    virtual void listMembers(const QString& accountId, MembersCallback callback) = 0;
    virtual void shareWith(const QString& accountId, const QString& userIdOrEmail,
                           const QString& role, ShareCallback callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId,
                             RemoveCallback callback) = 0;
    // The id under which a group member is shared with and listed among the share members.
    virtual QString shareIdForMember(const GroupMember& member) const;
};

} // namespace TovAccount
