#pragma once

#include "server/auth/accessclaims.h"

#include <QByteArray>

#include <optional>

namespace PennibarServer {

// Access tokens as JWTs signed with HMAC-SHA256. The payload carries "iss", "sub" (the user),
// "sid" (the session), "iat", "exp" and "custom" → "tov" → "role" (the family-group role).
class TokenSigner
{
public:
    TokenSigner(QByteArray secret, QString issuer);

    QString sign(const AccessClaims& claims) const;
    // The claims of a token this server signed that has not expired at `now`; nothing for any
    // other token (wrong signature or algorithm, malformed, expired, missing claims).
    std::optional<AccessClaims> verify(const QString& token, qint64 now) const;

private:
    QByteArray mac(const QByteArray& signingInput) const;

    QByteArray m_secret;
    QString m_issuer;
};

} // namespace PennibarServer
