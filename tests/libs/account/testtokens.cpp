#include "tests/libs/account/testtokens.h"

#include <QDateTime>
#include <QJsonDocument>

namespace TestTokens {

QString expiringIn(qint64 secondsAhead, const QString& subject, const QJsonObject& extraClaims)
{
    QJsonObject claims = extraClaims;
    claims.insert(QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + secondsAhead);
    claims.insert(QStringLiteral("sub"), subject);
    return withPayload(QJsonDocument(claims).toJson(QJsonDocument::Compact));
}

QString withPayload(const QByteArray& payload)
{
    const auto encoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(encoding) +
                               '.' + payload.toBase64(encoding) + ".c2lnbmF0dXJl");
}

} // namespace TestTokens
