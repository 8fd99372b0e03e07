#include "libs/account/tokens/jwtclaims.h"

#include <QByteArray>
#include <QJsonDocument>

namespace TovAccount {

JwtClaims JwtClaims::fromToken(const QString& token)
{
    JwtClaims claims;
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return claims;
    const QByteArray json = QByteArray::fromBase64(
        parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return claims;
    claims.payload = document.object();
    claims.expiresAt = claims.payload.value(QLatin1String("exp")).toInteger(0);
    claims.subject = claims.payload.value(QLatin1String("sub")).toString();
    return claims;
}

} // namespace TovAccount
