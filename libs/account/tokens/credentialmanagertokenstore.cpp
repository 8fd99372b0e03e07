#include "libs/account/tokens/credentialmanagertokenstore.h"

#include <QByteArray>

#include <wincred.h>
#include <windows.h>

namespace TovAccount {

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString& serviceName)
    : m_serviceName(serviceName)
{
}

std::wstring CredentialManagerTokenStore::targetName(const QString& key) const
{
    return QStringLiteral("Tovarly/%1/%2").arg(m_serviceName, key).toStdWString();
}

std::optional<QString> CredentialManagerTokenStore::load(const QString& key)
{
    const std::wstring target = targetName(key);
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString value =
        QString::fromUtf8(reinterpret_cast<const char*>(credential->CredentialBlob),
                          static_cast<qsizetype>(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

bool CredentialManagerTokenStore::save(const QString& key, const QString& value)
{
    std::wstring target = targetName(key);
    QByteArray blob = value.toUtf8();
    CREDENTIALW credential = {};
    credential.Flags = 0;
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = static_cast<DWORD>(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) != FALSE;
}

bool CredentialManagerTokenStore::remove(const QString& key)
{
    const std::wstring target = targetName(key);
    return CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0) != FALSE;
}

} // namespace TovAccount
