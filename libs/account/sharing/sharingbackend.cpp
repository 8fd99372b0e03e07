#include "libs/account/sharing/sharingbackend.h"

namespace TovAccount {

QString SharingBackend::shareIdForMember(const GroupMember& member) const
{
    return member.accountId;
}

} // namespace TovAccount
