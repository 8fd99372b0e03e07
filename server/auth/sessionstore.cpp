#include "server/auth/sessionstore.h"

#include "server/storage/database.h"
#include "server/storage/sqltransaction.h"

#include <QCryptographicHash>
#include <QUuid>

#include <sodium.h>

namespace PennibarServer {

namespace {

const QStringList kColumnNames = {
    QStringLiteral("id"),
    QStringLiteral("user_id"),
    QStringLiteral("user_agent"),
    QStringLiteral("ip_address"),
    QStringLiteral("device_id"),
    QStringLiteral("created_at"),
    QStringLiteral("last_active_at"),
    QStringLiteral("expires_at"),
    QStringLiteral("revoked_at"),
};

// The column list, each name prefixed with `alias` (for example "s.").
QString columns(const QString& alias = QString())
{
    QStringList names;
    for (const QString& name : kColumnNames)
        names.append(alias + name);
    return names.join(QStringLiteral(", "));
}

Session fromRow(const SqlRow& row)
{
    Session session;
    session.id = row.at(0).toString();
    session.userId = row.at(1).toString();
    session.userAgent = row.at(2).toString();
    session.ipAddress = row.at(3).toString();
    session.deviceId = row.at(4).toString();
    session.createdAt = row.at(5).toLongLong();
    session.lastActiveAt = row.at(6).toLongLong();
    session.expiresAt = row.at(7).toLongLong();
    session.revokedAt = row.at(8).toLongLong();
    return session;
}

} // namespace

QString SessionStore::newToken()
{
    QByteArray bytes(32, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(bytes.size()));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString SessionStore::hashOf(const QString& token)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool SessionStore::insertToken(const QString& sessionId, const QString& token, qint64 now)
{
    return m_database.execute(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, "
                                             "created_at) VALUES (?, ?, ?)"),
                              {hashOf(token), sessionId, now});
}

bool SessionStore::create(Session* session, QString* refreshToken)
{
    session->id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString token = newToken();
    SqlTransaction transaction(m_database);
    const bool ok =
        transaction.isActive() &&
        m_database.execute(QStringLiteral("INSERT INTO sessions (id, user_id, user_agent, "
                                          "ip_address, created_at, last_active_at, expires_at) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           {session->id, session->userId, session->userAgent.left(512),
                            session->ipAddress, session->createdAt, session->lastActiveAt,
                            session->expiresAt}) &&
        insertToken(session->id, token, session->createdAt) && transaction.commit();
    if (ok)
        *refreshToken = token;
    return ok;
}

SessionStore::Rotation SessionStore::rotate(const QString& presented, qint64 now, qint64 expiresAt,
                                            Session* session, QString* newToken)
{
    const QString hash = hashOf(presented);
    SqlTransaction transaction(m_database);
    if (!transaction.isActive())
        return Rotation::Failed;
    const auto rows = m_database.select(
        QStringLiteral("SELECT rt.rotated_at, %1 FROM refresh_tokens rt JOIN sessions s ON "
                       "s.id = rt.session_id WHERE rt.token_hash = ?")
            .arg(columns(QStringLiteral("s."))),
        {hash});
    if (!rows)
        return Rotation::Failed;
    if (rows->isEmpty())
        return Rotation::Unknown;
    *session = fromRow(rows->first().mid(1));
    const bool alreadyRotated = !rows->first().at(0).isNull();
    if (!alreadyRotated && !session->isActive(now))
        return Rotation::Unknown;
    qint64 claimed = 0;
    if (!alreadyRotated &&
        !m_database.execute(QStringLiteral("UPDATE refresh_tokens SET rotated_at = ? WHERE "
                                           "token_hash = ? AND rotated_at IS NULL"),
                            {now, hash}, &claimed))
        return Rotation::Failed;
    if (claimed != 1) {
        // Rotated before (or by a racing request a moment ago): the token has two holders.
        if (!revoke(session->id, now) || !transaction.commit())
            return Rotation::Failed;
        return Rotation::Reused;
    }
    const QString token = SessionStore::newToken();
    if (!insertToken(session->id, token, now) ||
        !m_database.execute(QStringLiteral("UPDATE sessions SET expires_at = ?, last_active_at = "
                                           "? WHERE id = ?"),
                            {expiresAt, now, session->id}) ||
        !transaction.commit())
        return Rotation::Failed;
    session->expiresAt = expiresAt;
    session->lastActiveAt = now;
    *newToken = token;
    return Rotation::Rotated;
}

std::optional<Session> SessionStore::byId(const QString& id)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT %1 FROM sessions WHERE id = ?").arg(columns()), {id});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return fromRow(rows->first());
}

std::optional<QList<Session>> SessionStore::active(const QString& userId, qint64 now)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT %1 FROM sessions WHERE user_id = ? AND revoked_at IS NULL AND "
                       "expires_at > ? ORDER BY last_active_at DESC, created_at DESC")
            .arg(columns()),
        {userId, now});
    if (!rows)
        return std::nullopt;
    QList<Session> sessions;
    for (const SqlRow& row : *rows)
        sessions.append(fromRow(row));
    return sessions;
}

bool SessionStore::touch(const QString& id, qint64 now)
{
    return m_database.execute(QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"),
                              {now, id});
}

bool SessionStore::revoke(const QString& id, qint64 now)
{
    return m_database.execute(
        QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND revoked_at IS NULL"),
        {now, id});
}

bool SessionStore::revokeAll(const QString& userId, qint64 now, const QString& keepId)
{
    return m_database.execute(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = "
                                             "? AND id <> ? AND revoked_at IS NULL"),
                              {now, userId, keepId});
}

bool SessionStore::linkDevice(const QString& sessionId, const QString& deviceId)
{
    return m_database.execute(QStringLiteral("UPDATE sessions SET device_id = ? WHERE id = ?"),
                              {deviceId, sessionId});
}

bool SessionStore::revokeDevice(const QString& userId, const QString& deviceId, qint64 now)
{
    return m_database.execute(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = "
                                             "? AND device_id = ? AND revoked_at IS NULL"),
                              {now, userId, deviceId});
}

bool SessionStore::purge(qint64 now)
{
    const qint64 cutoff = now - 7 * 24 * 3600;
    return m_database.execute(QStringLiteral("DELETE FROM sessions WHERE expires_at < ? OR "
                                             "revoked_at < ?"),
                              {cutoff, cutoff});
}

} // namespace PennibarServer
