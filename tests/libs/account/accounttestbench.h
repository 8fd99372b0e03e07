#pragma once

#include "tests/common/httptestserver.h"
#include "tests/libs/account/memorytokenstore.h"

#include "libs/account/client.h"

#include <memory>

// A Client wired to a scripted server on 127.0.0.1: the realm API under
// "/api/v1/realms/test", the account API under "/account/v1", the sync API under "/sync/v1",
// tokens in memory. The refresh route answers 404 until a test scripts it.
class AccountTestBench
{
public:
    AccountTestBench();

    static TovAccount::ClientConfig configFor(const QUrl& serverUrl);
    static QString realmPath(const QString& path) { return "/api/v1/realms/test" + path; }
    static QString accountPath(const QString& path) { return "/account/v1" + path; }
    static QString refreshPath() { return realmPath(QStringLiteral("/auth/token/refresh")); }

    // A new client on the same stored tokens, as after a restart.
    void restart();
    // Keeps the pair as a browser sign-in does.
    void signIn(const QString& access, const QString& refresh);
    // The refresh route hands out this pair.
    void grantRefresh(const QString& access, const QString& refresh);

    TovAccount::Client* client() const { return m_client.get(); }
    QString stored(const QString& key) const { return m_tokens->value(key); }
    bool storeIsEmpty() const { return m_tokens->isEmpty(); }

    HttpTestServer server;

private:
    std::shared_ptr<StoredTokens> m_tokens = std::make_shared<StoredTokens>();
    std::unique_ptr<TovAccount::Client> m_client;
};
