#pragma once

#include <QJsonObject>
#include <QString>

namespace PennibarServer {

// One signed-in app or browser: created at sign-in, extended by every refresh, ended by logout,
// by revocation, by a reused refresh token, or when it expires unused.
struct Session
{
    QString id;
    QString userId;
    QString userAgent;
    QString ipAddress;
    QString deviceId;
    qint64 createdAt = 0;
    qint64 lastActiveAt = 0;
    qint64 expiresAt = 0;
    qint64 revokedAt = 0; // 0: not revoked

    bool isActive(qint64 now) const { return revokedAt == 0 && expiresAt > now; }
    // The realm's session record; `current` marks the session the request came from.
    QJsonObject toJson(bool current) const;
};

} // namespace PennibarServer
