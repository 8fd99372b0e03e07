#include "server/app/serverinstance.h"

#include "server/auth/userstore.h"
#include "server/http/accesslog.h"
#include "server/http/httpserver.h"
#include "server/http/router.h"
#include "server/storage/database.h"
#include "server/storage/migrator.h"

#include <QDir>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QUuid>

namespace PennibarServer {

namespace {

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

ServerInstance::ServerInstance(ServerConfig config, QObject* parent)
    : QObject(parent), m_config(std::move(config))
{
}

ServerInstance::~ServerInstance()
{
    delete m_httpServer;
}

bool ServerInstance::openStorage(QString* error)
{
    if (m_database)
        return true;
    if (!QDir().mkpath(m_config.dataDir)) {
        *error = QStringLiteral("cannot create the data directory %1").arg(m_config.dataDir);
        return false;
    }
    QFile::setPermissions(m_config.dataDir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    DatabaseSettings settings;
    if (const QString path = m_config.sqlitePath(); !path.isEmpty()) {
        settings = DatabaseSettings::sqlite(path);
    } else {
        const auto postgres = DatabaseSettings::postgres(m_config.database, error);
        if (!postgres)
            return false;
        settings = *postgres;
    }
    auto database = std::make_unique<Database>(QStringLiteral("pennibar-server-") +
                                               QUuid::createUuid().toString(QUuid::Id128));
    if (!database->open(settings, error))
        return false;
    if (!Migrator::run(*database, error))
        return false;
    m_database = std::move(database);
    m_users = std::make_unique<UserStore>(*m_database);
    return true;
}

bool ServerInstance::start(QString* error, QIODevice* accessLog)
{
    if (!openStorage(error))
        return false;
    std::optional<QSslConfiguration> tls;
    if (m_config.usesTls()) {
        tls = loadTls(m_config, error);
        if (!tls)
            return false;
    }
    m_router = std::make_unique<Router>();
    addRoutes();
    m_accessLog = std::make_unique<AccessLog>(accessLog);
    HttpServer::Options options;
    options.maxBodyBytes = m_config.maxBodyBytes;
    options.trustForwardedFor = m_config.trustForwardedFor;
    m_httpServer = new HttpServer(*m_router, *m_accessLog, options);
    m_port = m_httpServer->start(m_config.listenHost, m_config.listenPort, tls, error);
    return m_port != 0;
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
}

} // namespace PennibarServer
