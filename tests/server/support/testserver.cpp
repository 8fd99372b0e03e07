#include "tests/server/support/testserver.h"

#include "tests/server/support/browsersignin.h"
#include "tests/server/support/postgrescluster.h"

#include "server/auth/passwordhasher.h"
#include "server/auth/userstore.h"

#include <QProcessEnvironment>

TestServer::TestServer(const QMap<QString, QString>& settings) : m_dataDir(m_temporary.path())
{
    start(settings);
}

TestServer::TestServer(const QMap<QString, QString>& settings, const QString& dataDir)
    : m_dataDir(dataDir)
{
    start(settings);
}

void TestServer::start(QMap<QString, QString> settings)
{
    PennibarServer::PasswordHasher::initialize();
    // The same suites run once on SQLite and once on a throwaway PostgreSQL cluster.
    if (qEnvironmentVariableIsSet("PENNIBAR_TEST_POSTGRES") &&
        !settings.contains(QStringLiteral("database"))) {
        const QString url = PostgresCluster::shared().createDatabase();
        if (url.isEmpty()) {
            m_error = PostgresCluster::shared().error();
            return;
        }
        settings.insert(QStringLiteral("database"), url);
    }
    settings.insert(QStringLiteral("data_dir"), m_dataDir);
    if (!settings.contains(QStringLiteral("listen")))
        settings.insert(QStringLiteral("listen"), QStringLiteral("127.0.0.1:0"));
    QProcessEnvironment environment;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        environment.insert(QStringLiteral("PENNIBAR_SERVER_") + it.key().toUpper(), it.value());
    const auto config = PennibarServer::ServerConfig::load(QString(), environment, &m_error);
    if (!config)
        return;
    m_accessLog.open(QIODevice::ReadWrite);
    m_instance = std::make_unique<PennibarServer::ServerInstance>(*config);
    m_running = m_instance->start(&m_error, &m_accessLog);
}

QStringList TestServer::accessLog() const
{
    return QString::fromUtf8(m_accessLog.data()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TestServer::addUser(const QString& email, const QString& password,
                            const QString& displayName)
{
    const auto hash = PennibarServer::PasswordHasher().hash(password);
    PennibarServer::User user;
    if (!hash ||
        m_instance->users().create(email, displayName, *hash, m_instance->clock().now(), &user) !=
            PennibarServer::UserStore::CreateResult::Created)
        return QString();
    return user.id;
}

HttpClient TestServer::signedIn(const QString& email, const QString& password,
                                QString* refreshToken) const
{
    HttpClient http = client();
    const auto result = BrowserSignIn(http).signIn(email, password);
    http.setToken(result.accessToken);
    if (refreshToken)
        *refreshToken = result.refreshToken;
    return http;
}
