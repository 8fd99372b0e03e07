#include "server/auth/passwordhasher.h"

#include <sodium.h>

namespace PennibarServer {

bool PasswordHasher::initialize()
{
    return sodium_init() >= 0;
}

std::optional<QByteArray> PasswordHasher::hash(const QString& password) const
{
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return std::nullopt;
    return QByteArray(out);
}

bool PasswordHasher::verify(const QByteArray& hash, const QString& password) const
{
    const QByteArray utf8 = password.toUtf8();
    return !hash.isEmpty() &&
           crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

bool PasswordHasher::needsRehash(const QByteArray& hash) const
{
    return crypto_pwhash_str_needs_rehash(hash.constData(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0;
}

void PasswordHasher::verifyNothing(const QString& password) const
{
    if (m_decoy.isEmpty())
        m_decoy = hash(QStringLiteral("decoy password that no account has")).value_or("x");
    verify(m_decoy, password);
}

} // namespace PennibarServer
