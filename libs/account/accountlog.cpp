#include "libs/account/accountlog.h"

namespace TovAccount {

Q_LOGGING_CATEGORY(lcAccount, "tovaccount.client")

} // namespace TovAccount
