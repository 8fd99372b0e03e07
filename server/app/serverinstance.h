#pragma once

#include "server/core/clock.h"
#include "server/core/serverconfig.h"

#include <QObject>
#include <QUrl>

#include <memory>

class QIODevice;

namespace PennibarServer {

class AccessLog;
class Audience;
class AuthService;
class Authenticator;
class ChangeSequence;
class ClientRegistry;
class Database;
class HttpServer;
class LoginRoutes;
class PasswordHasher;
class PullService;
class PushService;
class RealmRoutes;
class Router;
class SessionStore;
class SettingsStore;
class ShareService;
class ShareStore;
class SyncFeed;
class SyncRoutes;
class SyncRowStore;
class Throttle;
class TokenSigner;
class UserStore;

// One running server: its configuration, database, services, routes and listener. The command
// line builds one for `serve` and for the user commands; tests build them in-process.
class ServerInstance : public QObject
{
    Q_OBJECT

public:
    explicit ServerInstance(ServerConfig config, QObject* parent = nullptr);
    ~ServerInstance() override;

    // Creates the data directory, opens the database and brings its schema up to date.
    bool openStorage(QString* error);
    // Builds the services and starts listening (openStorage first when not done yet).
    // `accessLog` receives the access log (standard output when null).
    bool start(QString* error, QIODevice* accessLog = nullptr);

    const ServerConfig& config() const { return m_config; }
    quint16 port() const { return m_port; }
    // The one base URL from which the app derives all its endpoints.
    QUrl baseUrl() const;

    Clock& clock() { return m_clock; }
    Database& database() { return *m_database; }
    UserStore& users() { return *m_users; }
    SessionStore& sessions() { return *m_sessions; }

private:
    bool loadTokenSecret(QString* error);
    void buildServices(const QString& databaseId);
    void addRoutes();

    ServerConfig m_config;
    Clock m_clock;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<UserStore> m_users;
    std::unique_ptr<SessionStore> m_sessions;
    std::unique_ptr<Throttle> m_throttle;
    std::unique_ptr<PasswordHasher> m_hasher;
    std::unique_ptr<TokenSigner> m_signer;
    std::unique_ptr<ClientRegistry> m_clients;
    std::unique_ptr<AuthService> m_auth;
    std::unique_ptr<Authenticator> m_authenticator;
    std::unique_ptr<LoginRoutes> m_loginRoutes;
    std::unique_ptr<RealmRoutes> m_realmRoutes;
    std::unique_ptr<SyncRowStore> m_rows;
    std::unique_ptr<SyncFeed> m_feed;
    std::unique_ptr<ShareStore> m_shares;
    std::unique_ptr<ChangeSequence> m_sequence;
    std::unique_ptr<Audience> m_audience;
    std::unique_ptr<ShareService> m_sharing;
    std::unique_ptr<PushService> m_push;
    std::unique_ptr<PullService> m_pull;
    std::unique_ptr<SyncRoutes> m_syncRoutes;
    std::unique_ptr<Router> m_router;
    std::unique_ptr<AccessLog> m_accessLog;
    HttpServer* m_httpServer = nullptr;
    quint16 m_port = 0;
};

} // namespace PennibarServer
