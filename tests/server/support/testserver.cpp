#include "testserver.h"

#include "server/auth/passwordhasher.h"

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
