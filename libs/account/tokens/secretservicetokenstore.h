#pragma once

#include "libs/account/tokens/tokenstore.h"

#include <QString>

namespace TovAccount {

// Keeps each token as an item of the desktop's Secret Service (GNOME Keyring, KWallet),
// found by its service name and key, shown to the user under the application's name.
// Calls are synchronous: they are few, small and local.
class SecretServiceTokenStore : public TokenStore
{
public:
    SecretServiceTokenStore(const QString& serviceName, const QString& appName);

    // True when a Secret Service answers and its default collection is open for writing
    // without asking the user, which a machine without a desktop session cannot do.
    static bool isAvailable();

    std::optional<QString> load(const QString& key) override;
    bool save(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    QString m_serviceName;
    QString m_appName;
};

} // namespace TovAccount
