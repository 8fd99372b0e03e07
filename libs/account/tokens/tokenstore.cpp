#include "libs/account/tokens/tokenstore.h"

namespace TovAccount {

void TokenStore::clear()
{
    remove(accessTokenKey());
    remove(refreshTokenKey());
}

} // namespace TovAccount
