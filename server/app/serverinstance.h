#pragma once

#include "server/core/clock.h"
#include "server/core/serverconfig.h"

#include <QObject>
#include <QUrl>

#include <memory>

class QIODevice;

namespace PennibarServer {

class AccessLog;
class Database;
class HttpServer;
class Router;
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

private:
    void addRoutes();

    ServerConfig m_config;
    Clock m_clock;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<UserStore> m_users;
    std::unique_ptr<Router> m_router;
    std::unique_ptr<AccessLog> m_accessLog;
    HttpServer* m_httpServer = nullptr;
    quint16 m_port = 0;
};

} // namespace PennibarServer
