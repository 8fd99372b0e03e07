#pragma once

#include <QString>

#include <memory>

namespace TovAccount {

class TokenStore;

// The platform's own place for the tokens of the application `serviceName`: the Credential
// Manager on Windows; on Linux the Secret Service when one answers, else a private file in
// the user's configuration folder. Logs once which one was chosen.
std::unique_ptr<TokenStore> createPlatformTokenStore(const QString& serviceName,
                                                     const QString& appName);

} // namespace TovAccount
