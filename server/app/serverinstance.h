#pragma once

#include "server/core/clock.h"
#include "server/core/serverconfig.h"

#include <QObject>
#include <QUrl>

#include <memory>

class QIODevice;

namespace PennibarServer {

class AccessLog;
class AccountPurger;
class Audience;
class AuthService;
class AuthorizationCodeStore;
class Authenticator;
class ChangeSequence;
class ClientRegistry;
class Database;
class DeviceRoutes;
class DeviceStore;
class GroupRoutes;
class GroupService;
class GroupStore;
class Housekeeping;
class HttpServer;
class InvitationMailer;
class LoginRoutes;
class PasswordHasher;
class ProfileRoutes;
class PullService;
class PushService;
class RealmRoutes;
class ReleaseRoutes;
class Router;
class SessionStore;
class SettingsStore;
class ShareRoutes;
class ShareService;
class ShareStore;
class SyncFeed;
class SyncRoutes;
class SyncRowStore;
class Throttle;
class TokenSigner;
class UserStore;
class WorkerPool;

// One running server: its configuration, database, services, routes and listener. The command
// line builds one for `serve` and for the administration commands; tests build them in-process.
class ServerInstance : public QObject
{
    Q_OBJECT

public:
    explicit ServerInstance(ServerConfig config, QObject* parent = nullptr);
    // An instance that reads the time from `clock`, another instance's: each worker thread of a
    // running server holds one of its own.
    ServerInstance(ServerConfig config, Clock& clock);
    ~ServerInstance() override;

    // Opens a database named as in the "database" setting and brings its schema up to date.
    static std::unique_ptr<Database> openDatabase(const QString& setting, const QString& dataDir,
                                                  QString* error);

    // Creates the data directory, opens the database, brings its schema up to date and builds
    // the data services (enough for the administration commands).
    bool openStorage(QString* error);
    // Opens a database connection of its own to storage that an instance of the same
    // configuration has opened already, and builds the data services on it.
    bool joinStorage(QString* error);
    // Opens the storage, loads the token secret and builds every route, without listening.
    bool buildRoutes(QString* error);
    // Builds the routes, starts the worker threads that run requests, each with an instance of
    // its own on a database connection of its own, and starts listening and housekeeping.
    // `accessLog` receives the access log (standard output when null).
    bool start(QString* error, QIODevice* accessLog = nullptr);

    const ServerConfig& config() const { return m_config; }
    quint16 port() const { return m_port; }
    // The one base URL from which the app derives all its endpoints.
    QUrl baseUrl() const;
    // Every route of the HTTP side, once started; the fuzzer calls the handlers through it.
    const Router& router() const { return *m_router; }

    Clock& clock() { return m_clock; }
    Database& database() { return *m_database; }
    UserStore& users() { return *m_users; }
    SessionStore& sessions() { return *m_sessions; }
    GroupService& groups() { return *m_groups; }
    ShareService& sharing() { return *m_sharing; }
    // Gives the database a new identity, so every app's pull cursor starts over (after a
    // backup was restored).
    bool resetCursors();
    // Scheduled deletions that are due, ended sessions, old sign-in codes and throttle counts.
    void runHousekeeping();

private:
    static std::unique_ptr<Database> connectDatabase(const QString& setting, const QString& dataDir,
                                                     QString* error);
    void buildDataServices();
    bool loadTokenSecret(QString* error);
    void buildHttpSide(const QString& databaseId);
    void addRoutes();

    ServerConfig m_config;
    Clock m_ownClock;
    Clock& m_clock;
    std::unique_ptr<Database> m_database;
    // Data services
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<UserStore> m_users;
    std::unique_ptr<SessionStore> m_sessions;
    std::unique_ptr<AuthorizationCodeStore> m_codes;
    std::unique_ptr<Throttle> m_throttle;
    std::unique_ptr<GroupStore> m_groupStore;
    std::unique_ptr<GroupService> m_groups;
    std::unique_ptr<DeviceStore> m_devices;
    std::unique_ptr<SyncRowStore> m_rows;
    std::unique_ptr<SyncFeed> m_feed;
    std::unique_ptr<ShareStore> m_shares;
    std::unique_ptr<ChangeSequence> m_sequence;
    std::unique_ptr<Audience> m_audience;
    std::unique_ptr<ShareService> m_sharing;
    std::unique_ptr<AccountPurger> m_purger;
    // HTTP side
    std::unique_ptr<PasswordHasher> m_hasher;
    std::unique_ptr<TokenSigner> m_signer;
    std::unique_ptr<ClientRegistry> m_clients;
    std::unique_ptr<AuthService> m_auth;
    std::unique_ptr<Authenticator> m_authenticator;
    std::unique_ptr<PushService> m_push;
    std::unique_ptr<PullService> m_pull;
    std::unique_ptr<InvitationMailer> m_mailer;
    std::unique_ptr<LoginRoutes> m_loginRoutes;
    std::unique_ptr<RealmRoutes> m_realmRoutes;
    std::unique_ptr<ProfileRoutes> m_profileRoutes;
    std::unique_ptr<GroupRoutes> m_groupRoutes;
    std::unique_ptr<DeviceRoutes> m_deviceRoutes;
    std::unique_ptr<SyncRoutes> m_syncRoutes;
    std::unique_ptr<ShareRoutes> m_shareRoutes;
    std::unique_ptr<ReleaseRoutes> m_releaseRoutes;
    std::unique_ptr<Router> m_router;
    std::unique_ptr<AccessLog> m_accessLog;
    std::unique_ptr<WorkerPool> m_workers;
    std::unique_ptr<Housekeeping> m_housekeeping;
    HttpServer* m_httpServer = nullptr;
    quint16 m_port = 0;
};

} // namespace PennibarServer
