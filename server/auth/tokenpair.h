#pragma once

#include <QJsonObject>
#include <QString>

namespace PennibarServer {

// What a sign-in or a refresh hands the app.
struct TokenPair
{
    QString accessToken;
    QString refreshToken;
    qint64 expiresIn = 0; // seconds the access token lives

    QJsonObject toJson() const
    {
        return {{QStringLiteral("access_token"), accessToken},
                {QStringLiteral("refresh_token"), refreshToken},
                {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                {QStringLiteral("expires_in"), expiresIn}};
    }
};

} // namespace PennibarServer
