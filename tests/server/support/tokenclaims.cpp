#include "tests/server/support/tokenclaims.h"

#include <QJsonDocument>

QJsonObject TokenClaims::of(const QString& token)
{
    return QJsonDocument::fromJson(
               QByteArray::fromBase64(token.section(QLatin1Char('.'), 1, 1).toLatin1(),
                                      QByteArray::Base64UrlEncoding))
        .object();
}

QString TokenClaims::role(const QString& token)
{
    return of(token)
        .value(QStringLiteral("custom"))
        .toObject()
        .value(QStringLiteral("tov"))
        .toObject()
        .value(QStringLiteral("role"))
        .toString();
}
