#include "server/core/serverconfig.h"

#include <QTemporaryDir>
#include <QTest>

using PennibarServer::ServerConfig;

class TestServerConfig : public QObject
{
    Q_OBJECT

private slots:
    void defaultsResolveAgainstTheDataDirectory();
    void fileAndEnvironment_data();
    void fileAndEnvironment();
    void mistakesAreNamed_data();
    void mistakesAreNamed();

private:
    std::optional<ServerConfig> load(const QString& fileText, const QStringList& environment,
                                     QString* error);
    QTemporaryDir m_dir;
};

std::optional<ServerConfig> TestServerConfig::load(const QString& fileText,
                                                   const QStringList& environment, QString* error)
{
    QString path;
    if (!fileText.isEmpty()) {
        path = m_dir.filePath(QStringLiteral("server.conf"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(fileText.toUtf8());
    }
    QProcessEnvironment env;
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), m_dir.filePath(QStringLiteral("data")));
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    return ServerConfig::load(path, env, error);
}

void TestServerConfig::defaultsResolveAgainstTheDataDirectory()
{
    QString error;
    const auto config = load(QString(), {}, &error);
    QVERIFY2(config, qPrintable(error));
    const QString data = m_dir.filePath(QStringLiteral("data"));
    QCOMPARE(config->listenHost, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(config->listenPort, quint16(8787));
    QCOMPARE(config->realm, QStringLiteral("tovarly"));
    QCOMPARE(config->clientIds, QStringList{ServerConfig::defaultClientId()});
    QCOMPARE(config->allowSignup, false);
    QCOMPARE(config->database, QStringLiteral("sqlite"));
    QCOMPARE(config->releasesDir, data + QStringLiteral("/releases"));
    QCOMPARE(config->jwtSecretFile, data + QStringLiteral("/jwt-secret"));
    QVERIFY(!config->usesTls());
    QVERIFY(!config->behindTlsProxy);
    QCOMPARE(config->maxConnections, 512);
    QCOMPARE(config->maxConnectionsPerAddress, 64);
    QCOMPARE(config->requestHeadSeconds, 20);
    QCOMPARE(config->requestBodySeconds, 120);
    QCOMPARE(config->maxBodyBytesTotal, 64 * 1024 * 1024);
    QCOMPARE(config->workers, 4);
}

void TestServerConfig::fileAndEnvironment_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("listen");
    QTest::addColumn<QString>("realm");
    QTest::addColumn<bool>("signup");
    QTest::addColumn<QString>("releases");

    QTest::newRow("file with comments")
        << "# a household server\nlisten = 0.0.0.0:9000\n\nrealm = home\nallow_signup = yes\n"
        << QStringList() << "0.0.0.0:9000"
        << "home" << true << "releases";
    QTest::newRow("environment wins over the file")
        << "listen = 0.0.0.0:9000\nallow_signup = true\n"
        << QStringList{"PENNIBAR_SERVER_LISTEN=127.0.0.1:9100", "PENNIBAR_SERVER_ALLOW_SIGNUP=off"}
        << "127.0.0.1:9100"
        << "tovarly" << false << "releases";
    QTest::newRow("IPv6 listen address") << "listen = [::1]:9200\n"
                                         << QStringList() << "::1:9200"
                                         << "tovarly" << false << "releases";
    QTest::newRow("relative releases directory") << "releases_dir = channel\n"
                                                 << QStringList() << "127.0.0.1:8787"
                                                 << "tovarly" << false << "channel";
}

void TestServerConfig::fileAndEnvironment()
{
    QFETCH(QString, file);
    QFETCH(QStringList, environment);
    QFETCH(QString, listen);
    QFETCH(QString, realm);
    QFETCH(bool, signup);
    QFETCH(QString, releases);
    QString error;
    const auto config = load(file, environment, &error);
    QVERIFY2(config, qPrintable(error));
    QCOMPARE(QStringLiteral("%1:%2").arg(config->listenHost.toString()).arg(config->listenPort),
             listen);
    QCOMPARE(config->realm, realm);
    QCOMPARE(config->allowSignup, signup);
    QCOMPARE(config->releasesDir, m_dir.filePath(QStringLiteral("data/") + releases));
}

void TestServerConfig::mistakesAreNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unknown key, with its line")
        << "realm = home\nport = 80\n"
        << QStringList() << "server.conf:2: unknown setting \"port\"";
    QTest::newRow("line without a value") << "listen\n" << QStringList() << "expected key = value";
    QTest::newRow("listen without a port") << "listen = 127.0.0.1\n"
                                           << QStringList() << "listen must be ADDRESS:PORT";
    QTest::newRow("port out of range") << "listen = 127.0.0.1:70000\n"
                                       << QStringList() << "listen must be ADDRESS:PORT";
    QTest::newRow("realm that shadows a path")
        << QString() << QStringList{"PENNIBAR_SERVER_REALM=sync"}
        << "PENNIBAR_SERVER_REALM: realm must be";
    QTest::newRow("realm in capitals") << "realm = Home\n" << QStringList() << "realm must be";
    QTest::newRow("client id of the wrong form") << "client_ids = pennibar-desktop\n"
                                                 << QStringList() << "is not 32 lower-case";
    QTest::newRow("certificate without key") << "tls_certificate = cert.pem\n"
                                             << QStringList() << "must be given together";
    QTest::newRow("not a boolean") << "allow_signup = maybe\n"
                                   << QStringList() << "allow_signup must be true or false";
    QTest::newRow("TLS proxy not a boolean")
        << QString() << QStringList{"PENNIBAR_SERVER_BEHIND_TLS_PROXY=perhaps"}
        << "PENNIBAR_SERVER_BEHIND_TLS_PROXY: behind_tls_proxy must be true or false";
    QTest::newRow("body limit too small")
        << "max_body_bytes = 100\n"
        << QStringList() << "max_body_bytes must be a whole number";
    QTest::newRow("no connections") << "max_connections = 0\n"
                                    << QStringList() << "max_connections must be a whole number";
    QTest::newRow("no workers") << QString() << QStringList{"PENNIBAR_SERVER_WORKERS=0"}
                                << "workers must be a whole number from 1 to 64";
    QTest::newRow("head deadline of no time")
        << "request_head_seconds = 0\n"
        << QStringList() << "request_head_seconds must be a whole number";
    QTest::newRow("bodies in all below one body")
        << "max_body_bytes = 8388608\nmax_body_bytes_total = 4194304\n"
        << QStringList() << "max_body_bytes_total must be at least max_body_bytes";
    QTest::newRow("unknown database") << "database = mysql://host/db\n"
                                      << QStringList() << "database must be";
}

void TestServerConfig::mistakesAreNamed()
{
    QFETCH(QString, file);
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    QString error;
    QVERIFY(!load(file, environment, &error));
    QVERIFY2(error.contains(expected), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestServerConfig)
#include "tst_serverconfig.moc"
