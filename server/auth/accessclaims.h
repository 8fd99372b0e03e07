#pragma once

#include <QString>

namespace PennibarServer {

// What an access token says: who, in which session, with which family-group role, until when.
struct AccessClaims
{
    QString userId;
    QString sessionId;
    QString role;
    qint64 issuedAt = 0;
    qint64 expiresAt = 0;
};

} // namespace PennibarServer
