#pragma once

#include <QJsonObject>
#include <QString>

// What an access token says, read the way the app reads it (payload only, unverified).
class TokenClaims
{
public:
    static QJsonObject of(const QString& token);
    // "custom" → "tov" → "role".
    static QString role(const QString& token);
};
