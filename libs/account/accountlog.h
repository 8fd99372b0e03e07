#pragma once

#include <QLoggingCategory>

namespace TovAccount {

// Every message of the account library. None of them ever carries a token or a password.
Q_DECLARE_LOGGING_CATEGORY(lcAccount)

} // namespace TovAccount
