#pragma once

#include <QObject>

namespace TovAccount {
Q_NAMESPACE

enum class AuthState
{
    // Before the stored session has been looked at.
    Initial,
    Unauthenticated,
    Authenticated,
};
Q_ENUM_NS(AuthState)

} // namespace TovAccount
