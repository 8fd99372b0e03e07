#pragma once

#include <QJsonObject>
#include <QString>

// Tokens shaped like the auth server's: header, payload and signature, Base64url-encoded.
namespace TestTokens {

// A token whose "exp" lies `secondsAhead` from now, with "sub" and any further claims.
QString expiringIn(qint64 secondsAhead, const QString& subject = QStringLiteral("user-1"),
                   const QJsonObject& extraClaims = {});
// A token around an arbitrary payload text.
QString withPayload(const QByteArray& payload);

} // namespace TestTokens
