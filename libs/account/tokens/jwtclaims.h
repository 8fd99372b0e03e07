#pragma once

#include <QJsonObject>
#include <QString>

namespace TovAccount {

// The claims of a token's payload. The signature is never checked here: the client only needs
// the expiry to know when to refresh, and the servers verify every token they receive.
struct JwtClaims
{
    // "exp" in seconds since the epoch; 0 when absent, not an integer or unreadable.
    qint64 expiresAt = 0;
    // "sub", the user's identifier.
    QString subject;
    // The whole payload, for claims of the services' own (the group role).
    QJsonObject payload;

    static JwtClaims fromToken(const QString& token);
};

} // namespace TovAccount
