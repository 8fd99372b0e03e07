#include "server/app/serverinstance.h"

#include "server/accounts/deviceroutes.h"
#include "server/accounts/devicestore.h"
#include "server/accounts/grouproutes.h"
#include "server/accounts/groupservice.h"
#include "server/accounts/groupstore.h"
#include "server/accounts/invitationmailer.h"
#include "server/accounts/profileroutes.h"
#include "server/app/accountpurger.h"
#include "server/app/housekeeping.h"
#include "server/auth/authenticator.h"
#include "server/auth/authservice.h"
#include "server/auth/clientregistry.h"
#include "server/auth/loginroutes.h"
#include "server/auth/passwordhasher.h"
#include "server/auth/realmroutes.h"
#include "server/auth/secretfile.h"
#include "server/auth/sessionstore.h"
#include "server/auth/throttle.h"
#include "server/auth/tokensigner.h"
#include "server/auth/userstore.h"
#include "server/http/accesslog.h"
#include "server/http/httpserver.h"
#include "server/http/router.h"
#include "server/http/workerpool.h"
#include "server/releases/releaseroutes.h"
#include "server/storage/database.h"
#include "server/storage/migrator.h"
#include "server/storage/settingsstore.h"
#include "server/sync/audience.h"
#include "server/sync/changesequence.h"
#include "server/sync/pullservice.h"
#include "server/sync/pushservice.h"
#include "server/sync/shareroutes.h"
#include "server/sync/shareservice.h"
#include "server/sync/sharestore.h"
#include "server/sync/syncfeed.h"
#include "server/sync/syncroutes.h"
#include "server/sync/syncrowstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSslCertificate>
#include <QSslKey>
#include <QUuid>

namespace PennibarServer {

namespace {

const QString kDatabaseId = QStringLiteral("database_id");

// A worker thread's handlers: every route of an instance of its own.
class WorkerHandlers : public WorkerPool::Handlers
{
public:
    WorkerHandlers(const ServerConfig& config, Clock& clock) : m_instance(config, clock) {}

    bool build(QString* error)
    {
        return m_instance.joinStorage(error) && m_instance.buildRoutes(error);
    }
    HttpResponse handle(const HttpRequest& request) override
    {
        return m_instance.router().dispatch(request);
    }

private:
    ServerInstance m_instance;
};

QString newDatabaseId()
{
    return QUuid::createUuid().toString(QUuid::Id128).left(12);
}

std::optional<QSslConfiguration> loadTls(const ServerConfig& config, QString* error)
{
    QFile certificateFile(config.tlsCertificate);
    QFile keyFile(config.tlsKey);
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the TLS certificate or key");
        return std::nullopt;
    }
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certificateFile.readAll());
    const QByteArray keyData = keyFile.readAll();
    QSslKey key(keyData, QSsl::Rsa);
    if (key.isNull())
        key = QSslKey(keyData, QSsl::Ec);
    if (chain.isEmpty() || key.isNull()) {
        *error = QStringLiteral("the TLS certificate or key is not PEM data the server can use");
        return std::nullopt;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(chain);
    tls.setPrivateKey(key);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    return tls;
}

} // namespace

std::unique_ptr<Database> ServerInstance::openDatabase(const QString& setting,
                                                       const QString& dataDir, QString* error)
{
    auto database = connectDatabase(setting, dataDir, error);
    if (!database || !Migrator::run(*database, error))
        return nullptr;
    return database;
}

std::unique_ptr<Database> ServerInstance::connectDatabase(const QString& setting,
                                                          const QString& dataDir, QString* error)
{
    const auto settings = DatabaseSettings::fromSetting(setting, dataDir, error);
    if (!settings)
        return nullptr;
    auto database = std::make_unique<Database>(QStringLiteral("pennibar-server-") +
                                               QUuid::createUuid().toString(QUuid::Id128));
    if (!database->open(*settings, error))
        return nullptr;
    return database;
}

ServerInstance::ServerInstance(ServerConfig config, QObject* parent)
    : QObject(parent), m_config(std::move(config)), m_clock(m_ownClock)
{
}

ServerInstance::ServerInstance(ServerConfig config, Clock& clock)
    : m_config(std::move(config)), m_clock(clock)
{
}

ServerInstance::~ServerInstance()
{
    // The workers hand their responses to the HTTP server: they stop first.
    m_workers.reset();
    delete m_httpServer;
}

bool ServerInstance::openStorage(QString* error)
{
    if (m_database)
        return true;
    const QFileInfo dataDir(m_config.dataDir);
    const bool existed = dataDir.isDir();
    if (!QDir().mkpath(m_config.dataDir)) {
        *error = QStringLiteral("cannot create the data directory %1").arg(m_config.dataDir);
        return false;
    }
    // A directory the operator made keeps the mode they gave it (a shared one its sticky bit);
    // one the server makes is for the server's user alone.
    if (!existed) {
        QFile::setPermissions(m_config.dataDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
    } else if (dataDir.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther)) {
        qWarning("The data directory %s can be written by other users than the server's: they "
                 "could replace the database or the token secret there. Make it writable by "
                 "the server's user only.",
                 qPrintable(QDir::toNativeSeparators(m_config.dataDir)));
    }
    m_database = openDatabase(m_config.database, m_config.dataDir, error);
    if (!m_database)
        return false;
    buildDataServices();
    return true;
}

bool ServerInstance::joinStorage(QString* error)
{
    m_database = connectDatabase(m_config.database, m_config.dataDir, error);
    if (!m_database)
        return false;
    buildDataServices();
    return true;
}

void ServerInstance::buildDataServices()
{
    m_settings = std::make_unique<SettingsStore>(*m_database);
    m_users = std::make_unique<UserStore>(*m_database);
    m_sessions = std::make_unique<SessionStore>(*m_database);
    m_codes = std::make_unique<AuthorizationCodeStore>(*m_database);
    m_throttle = std::make_unique<Throttle>(*m_database, m_clock);
    m_groupStore = std::make_unique<GroupStore>(*m_database);
    m_groups = std::make_unique<GroupService>(*m_database, *m_groupStore, *m_users, *m_throttle,
                                              m_clock, m_config.groupSeats);
    m_devices = std::make_unique<DeviceStore>(*m_database);
    m_rows = std::make_unique<SyncRowStore>(*m_database);
    m_feed = std::make_unique<SyncFeed>(*m_database);
    m_shares = std::make_unique<ShareStore>(*m_database);
    m_sequence = std::make_unique<ChangeSequence>(*m_database);
    m_audience = std::make_unique<Audience>(*m_feed, *m_shares, *m_rows, m_clock);
    m_sharing = std::make_unique<ShareService>(*m_database, *m_sequence, *m_shares, *m_rows,
                                               *m_feed, *m_audience, m_clock);
    // Leaving a family group ends every share with the members who stay.
    m_groups->setMembershipEndedHook([this](const QString& userId, const QStringList& others) {
        for (const QString& other : others) {
            if (!m_sharing->unshareBetweenWithin(userId, other))
                return false;
        }
        return true;
    });
    m_purger = std::make_unique<AccountPurger>(*m_database, *m_users, *m_groups, *m_shares,
                                               *m_sharing, *m_rows, *m_feed);
}

bool ServerInstance::loadTokenSecret(QString* error)
{
    const auto secret = SecretFile::loadOrCreate(m_config.jwtSecretFile, error);
    if (!secret)
        return false;
    const QString key = QStringLiteral("token_secret_fingerprint");
    const QString fingerprint = SecretFile::fingerprint(*secret);
    const auto stored = m_settings->valueOrInsert(key, fingerprint);
    if (!stored) {
        *error = QStringLiteral("cannot read the server settings");
        return false;
    }
    if (*stored != fingerprint) {
        // Instances sharing a database must sign with the same secret, or each would reject
        // the others' access tokens.
        if (m_database->kind() == DatabaseSettings::Kind::Postgres) {
            *error = QStringLiteral("this database is used with another token secret; every "
                                    "instance must use the same secret file: copy %1 from an "
                                    "instance that runs")
                         .arg(m_config.jwtSecretFile);
            return false;
        }
        qWarning("The token secret changed; signed-in apps will refresh their tokens");
        m_settings->setValue(key, fingerprint);
    }
    m_signer =
        std::make_unique<TokenSigner>(*secret, QStringLiteral("pennibar-server/") + m_config.realm);
    return true;
}

void ServerInstance::buildHttpSide(const QString& databaseId)
{
    m_hasher = std::make_unique<PasswordHasher>();
    m_clients = std::make_unique<ClientRegistry>(m_config.clientIds);
    AuthService::Lifetimes lifetimes;
    lifetimes.accessSeconds = qint64(m_config.accessTokenMinutes) * 60;
    lifetimes.sessionSeconds = qint64(m_config.sessionDays) * 24 * 3600;
    m_auth = std::make_unique<AuthService>(*m_users, *m_sessions, *m_codes, *m_throttle, *m_signer,
                                           *m_hasher, m_clock, lifetimes);
    // Access tokens carry the family-group role the app's account screen reads.
    m_auth->setRoleProvider([this](const QString& userId) { return m_groups->roleOf(userId); });
    m_authenticator = std::make_unique<Authenticator>(*m_database, *m_signer, *m_sessions, m_clock);
    m_push = std::make_unique<PushService>(*m_database, *m_rows, *m_shares, *m_feed, *m_audience,
                                           *m_sharing, *m_sequence, m_clock);
    m_pull = std::make_unique<PullService>(*m_feed, *m_rows, *m_sequence, databaseId);
    m_mailer = std::make_unique<InvitationMailer>(m_config.mailCommand);
    m_groups->setMailer(m_mailer.get());

    m_loginRoutes = std::make_unique<LoginRoutes>(
        *m_auth, *m_clients,
        LoginRoutes::Options{m_config.realm, m_config.allowSignup, m_config.browsersUseTls()});
    m_realmRoutes =
        std::make_unique<RealmRoutes>(*m_auth, *m_authenticator, *m_users, *m_sessions, m_clock);
    m_profileRoutes = std::make_unique<ProfileRoutes>(*m_users, *m_sessions, *m_groups,
                                                      *m_authenticator, m_clock);
    m_groupRoutes = std::make_unique<GroupRoutes>(*m_groups, *m_authenticator);
    m_deviceRoutes =
        std::make_unique<DeviceRoutes>(*m_devices, *m_sessions, *m_authenticator, m_clock);
    m_syncRoutes = std::make_unique<SyncRoutes>(*m_push, *m_pull, *m_authenticator);
    m_syncRoutes->setSyncedHook([this](const AuthContext& caller) {
        if (!caller.deviceId.isEmpty())
            m_devices->noteSync(caller.deviceId, m_clock.now());
    });
    m_releaseRoutes = std::make_unique<ReleaseRoutes>(m_config.releasesDir);
    m_shareRoutes = std::make_unique<ShareRoutes>(*m_sharing, *m_shares, *m_rows, *m_feed, *m_users,
                                                  *m_groups, *m_authenticator);
}

bool ServerInstance::buildRoutes(QString* error)
{
    if (!openStorage(error) || !loadTokenSecret(error))
        return false;
    // Names this database in pull cursors, so a cursor of another database is recognised.
    const auto databaseId = m_settings->valueOrInsert(kDatabaseId, newDatabaseId());
    if (!databaseId) {
        *error = QStringLiteral("cannot read the server settings");
        return false;
    }
    buildHttpSide(*databaseId);
    m_router = std::make_unique<Router>();
    addRoutes();
    return true;
}

bool ServerInstance::start(QString* error, QIODevice* accessLog)
{
    if (!buildRoutes(error))
        return false;
    std::optional<QSslConfiguration> tls;
    if (m_config.usesTls()) {
        tls = loadTls(m_config, error);
        if (!tls)
            return false;
    }
    m_workers = std::make_unique<WorkerPool>(
        m_config.workers,
        [config = m_config,
         &clock = m_clock](QString* error) -> std::unique_ptr<WorkerPool::Handlers> {
            auto handlers = std::make_unique<WorkerHandlers>(config, clock);
            if (!handlers->build(error))
                return nullptr;
            return handlers;
        });
    if (!m_workers->start(error))
        return false;
    m_accessLog = std::make_unique<AccessLog>(accessLog);
    HttpServer::Options options;
    options.maxBodyBytes = m_config.maxBodyBytes;
    options.maxBodyBytesTotal = m_config.maxBodyBytesTotal;
    options.maxConnections = m_config.maxConnections;
    options.maxConnectionsPerAddress = m_config.maxConnectionsPerAddress;
    options.trustForwardedFor = m_config.trustForwardedFor;
    options.headTimeoutMs = m_config.requestHeadSeconds * 1000;
    options.bodyTimeoutMs = m_config.requestBodySeconds * 1000;
    m_httpServer = new HttpServer(*m_workers, *m_accessLog, options);
    m_port = m_httpServer->start(m_config.listenHost, m_config.listenPort, tls, error);
    if (m_port == 0)
        return false;
    m_housekeeping = std::make_unique<Housekeeping>([this] { runHousekeeping(); });
    return true;
}

bool ServerInstance::resetCursors()
{
    return m_settings->setValue(kDatabaseId, newDatabaseId());
}

void ServerInstance::runHousekeeping()
{
    const auto due = m_users->dueForDeletion(m_clock.now());
    for (const QString& userId : due.value_or(QStringList())) {
        if (!m_purger->purge(userId))
            qWarning("The scheduled deletion of user %s failed; it is tried again later",
                     qPrintable(userId));
    }
    m_sessions->purge(m_clock.now());
    m_codes->purge(m_clock.now());
    m_throttle->purge();
}

QUrl ServerInstance::baseUrl() const
{
    QUrl url;
    url.setScheme(m_config.usesTls() ? QStringLiteral("https") : QStringLiteral("http"));
    QHostAddress host = m_config.listenHost;
    if (host == QHostAddress::Any || host == QHostAddress::AnyIPv4)
        host = QHostAddress::LocalHost;
    else if (host == QHostAddress::AnyIPv6)
        host = QHostAddress::LocalHostIPv6;
    url.setHost(host.toString());
    url.setPort(m_port);
    return url;
}

void ServerInstance::addRoutes()
{
    m_router->add(
        "GET", QStringLiteral("/healthz"), [this](const HttpRequest&, const QStringList&) {
            const bool ok = m_database->select(QStringLiteral("SELECT 1")).has_value();
            return ok ? HttpResponse::ok({{QStringLiteral("status"), QStringLiteral("ok")}})
                      : HttpResponse::error(503, QStringLiteral("database unavailable"));
        });
    m_loginRoutes->addTo(*m_router);
    m_realmRoutes->addTo(*m_router, m_config.realm);
    m_profileRoutes->addTo(*m_router);
    m_groupRoutes->addTo(*m_router);
    m_deviceRoutes->addTo(*m_router);
    m_syncRoutes->addTo(*m_router);
    m_shareRoutes->addTo(*m_router);
    m_releaseRoutes->addTo(*m_router);
}

} // namespace PennibarServer
