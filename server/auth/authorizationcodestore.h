#pragma once

#include <QString>

#include <optional>

namespace PennibarServer {

class Database;

// What a browser sign-in grants, and to whom: the user, for the app (client id, loopback
// redirect and PKCE challenge) that started it, and the browser it happened in.
struct AuthorizationGrant
{
    QString userId;
    QString clientId;
    QString redirectUri;
    QString codeChallenge;
    QString userAgent;
    QString ipAddress;
    qint64 createdAt = 0;
    qint64 expiresAt = 0;
};

// The codes a browser sign-in hands the app through its loopback redirect. A code is 256 random
// bits, stored only as its SHA-256, and redeemed once: the first redemption spends it whatever
// follows, and a later one learns the session the first one started, to end it.
class AuthorizationCodeStore
{
public:
    explicit AuthorizationCodeStore(Database& database) : m_database(database) {}

    // Stores the grant; its code, or nothing when the database failed.
    std::optional<QString> create(const AuthorizationGrant& grant);

    enum class Redemption
    {
        Redeemed,
        Unknown, // never issued, or expired
        Reused,  // redeemed before
        Failed
    };
    // Spends the code and gives its grant; for a reused code, the session of its first use
    // (empty when none was started).
    Redemption redeem(const QString& code, qint64 now, AuthorizationGrant* grant,
                      QString* firstSession);
    bool recordSession(const QString& code, const QString& sessionId);
    // Forgets codes that expired more than a day before `now`.
    bool purge(qint64 now);

private:
    static QString hashOf(const QString& code);

    Database& m_database;
};

} // namespace PennibarServer
