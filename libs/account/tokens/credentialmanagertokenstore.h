#pragma once

#include "libs/account/tokens/tokenstore.h"

#include <QString>

#include <string>

namespace TovAccount {

// Keeps each token as a generic credential of the Windows Credential Manager, named
// "Tovarly/<service>/<key>", on the local machine.
class CredentialManagerTokenStore : public TokenStore
{
public:
    explicit CredentialManagerTokenStore(const QString& serviceName);

    std::optional<QString> load(const QString& key) override;
    bool save(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    std::wstring targetName(const QString& key) const;

    QString m_serviceName;
};

} // namespace TovAccount
