#include "server/auth/authorizationcodestore.h"

#include "server/storage/database.h"

#include <QCryptographicHash>

#include <sodium.h>

namespace PennibarServer {

QString AuthorizationCodeStore::hashOf(const QString& code)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(code.toUtf8(), QCryptographicHash::Sha256).toHex());
}

std::optional<QString> AuthorizationCodeStore::create(const AuthorizationGrant& grant)
{
    QByteArray bytes(32, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(bytes.size()));
    const QString code = QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    if (!m_database.execute(
            QStringLiteral("INSERT INTO authorization_codes (code_hash, user_id, client_id, "
                           "redirect_uri, code_challenge, user_agent, ip_address, created_at, "
                           "expires_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {hashOf(code), grant.userId, grant.clientId, grant.redirectUri, grant.codeChallenge,
             grant.userAgent.left(512), grant.ipAddress, grant.createdAt, grant.expiresAt}))
        return std::nullopt;
    return code;
}

AuthorizationCodeStore::Redemption AuthorizationCodeStore::redeem(const QString& code, qint64 now,
                                                                  AuthorizationGrant* grant,
                                                                  QString* firstSession)
{
    const QString hash = hashOf(code);
    const auto rows = m_database.select(
        QStringLiteral("SELECT user_id, client_id, redirect_uri, code_challenge, user_agent, "
                       "ip_address, created_at, expires_at, redeemed_at, session_id FROM "
                       "authorization_codes WHERE code_hash = ?"),
        {hash});
    if (!rows)
        return Redemption::Failed;
    if (rows->isEmpty())
        return Redemption::Unknown;
    const SqlRow& row = rows->first();
    if (!row.at(8).isNull()) {
        *firstSession = row.at(9).toString();
        return Redemption::Reused;
    }
    if (row.at(7).toLongLong() <= now)
        return Redemption::Unknown;
    // Claimed by one request only, even when two instances see the code at once.
    qint64 claimed = 0;
    if (!m_database.execute(QStringLiteral("UPDATE authorization_codes SET redeemed_at = ? WHERE "
                                           "code_hash = ? AND redeemed_at IS NULL"),
                            {now, hash}, &claimed))
        return Redemption::Failed;
    if (claimed != 1)
        return Redemption::Reused;
    grant->userId = row.at(0).toString();
    grant->clientId = row.at(1).toString();
    grant->redirectUri = row.at(2).toString();
    grant->codeChallenge = row.at(3).toString();
    grant->userAgent = row.at(4).toString();
    grant->ipAddress = row.at(5).toString();
    grant->createdAt = row.at(6).toLongLong();
    grant->expiresAt = row.at(7).toLongLong();
    return Redemption::Redeemed;
}

bool AuthorizationCodeStore::recordSession(const QString& code, const QString& sessionId)
{
    return m_database.execute(
        QStringLiteral("UPDATE authorization_codes SET session_id = ? WHERE code_hash = ?"),
        {sessionId, hashOf(code)});
}

bool AuthorizationCodeStore::purge(qint64 now)
{
    return m_database.execute(
        QStringLiteral("DELETE FROM authorization_codes WHERE expires_at < ?"), {now - 24 * 3600});
}

} // namespace PennibarServer
