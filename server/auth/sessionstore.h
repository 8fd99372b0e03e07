#pragma once

#include "server/auth/session.h"

#include <QList>

#include <optional>

namespace PennibarServer {

class Database;

// Sessions and their refresh tokens. A refresh token is 256 random bits; only its SHA-256 is
// stored. Each refresh rotates it: the old token is kept as rotated, and presenting a rotated
// token again revokes the whole session, since either the app or a thief holds a copy.
class SessionStore
{
public:
    explicit SessionStore(Database& database) : m_database(database) {}

    // Stores a new session (id chosen here) with its first refresh token.
    bool create(Session* session, QString* refreshToken);

    enum class Rotation
    {
        Rotated,
        Unknown, // not a token of a live session
        Reused,  // a rotated token: its session is now revoked
        Failed
    };
    // Exchanges a current refresh token for a new one and extends the session to `expiresAt`.
    Rotation rotate(const QString& presented, qint64 now, qint64 expiresAt, Session* session,
                    QString* newToken);

    std::optional<Session> byId(const QString& id);
    // The user's live sessions, most recently active first.
    std::optional<QList<Session>> active(const QString& userId, qint64 now);
    bool touch(const QString& id, qint64 now);
    bool revoke(const QString& id, qint64 now);
    // Every live session of the user except `keepId`.
    bool revokeAll(const QString& userId, qint64 now, const QString& keepId = QString());
    bool linkDevice(const QString& sessionId, const QString& deviceId);
    bool revokeDevice(const QString& userId, const QString& deviceId, qint64 now);
    // Forgets sessions that ended more than a week before `now`.
    bool purge(qint64 now);

private:
    static QString newToken();
    static QString hashOf(const QString& token);
    bool insertToken(const QString& sessionId, const QString& token, qint64 now);

    Database& m_database;
};

} // namespace PennibarServer
