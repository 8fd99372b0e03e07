#include "libs/account/tokens/platformtokenstore.h"

#include "libs/account/accountlog.h"
#include "libs/account/tokens/filetokenstore.h"

#if defined(Q_OS_WIN)
#include "libs/account/tokens/credentialmanagertokenstore.h"
#elif defined(Q_OS_LINUX)
#include "libs/account/tokens/secretservicetokenstore.h"
#endif

namespace TovAccount {

std::unique_ptr<TokenStore> createPlatformTokenStore(const QString& serviceName,
                                                     const QString& appName)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(appName)
    qCInfo(lcAccount) << "Sign-in tokens are kept in the Windows Credential Manager";
    return std::make_unique<CredentialManagerTokenStore>(serviceName);
#else
#if defined(Q_OS_LINUX)
    if (SecretServiceTokenStore::isAvailable()) {
        qCInfo(lcAccount) << "Sign-in tokens are kept in the Secret Service";
        return std::make_unique<SecretServiceTokenStore>(serviceName, appName);
    }
#else
    Q_UNUSED(appName)
#endif
    const QString path = FileTokenStore::defaultFilePath(serviceName);
    qCInfo(lcAccount) << "No Secret Service answers; sign-in tokens are kept in" << path;
    return std::make_unique<FileTokenStore>(path);
#endif
}

} // namespace TovAccount
