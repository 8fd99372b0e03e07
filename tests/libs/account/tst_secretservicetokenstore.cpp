#include "libs/account/tokens/platformtokenstore.h"
#include "libs/account/tokens/secretservicetokenstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace TovAccount;

namespace {

const QString Access = TokenStore::accessTokenKey();
const QString Refresh = TokenStore::refreshTokenKey();

// A session bus of the test's own: nothing on it starts on demand, so the keyring daemon
// the test starts is the only Secret Service there is.
const char* BusConfig = "<busconfig>\n"
                        "  <type>session</type>\n"
                        "  <listen>unix:dir=%1</listen>\n"
                        "  <auth>EXTERNAL</auth>\n"
                        "  <policy context=\"default\">\n"
                        "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                        "    <allow eavesdrop=\"true\"/>\n"
                        "    <allow own=\"*\"/>\n"
                        "  </policy>\n"
                        "</busconfig>\n";

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(3000);
}

} // namespace

// Runs against a GNOME Keyring started on a private session bus, with its keyrings in a
// temporary folder; skipped where Debian's dbus-daemon or gnome-keyring are not installed.
class TestSecretServiceTokenStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void withoutKeyringDaemonTheServiceIsUnavailable();
    void tokensAreKeptInTheKeyring();
    void applicationsDoNotShareTokens();
    void platformStoreChoosesTheSecretService();

private:
    QString startBus();
    bool startKeyring(const QString& busAddress);

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_keyring;
};

void TestSecretServiceTokenStore::initTestCase()
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() ||
        QStandardPaths::findExecutable("gnome-keyring-daemon").isEmpty())
        QSKIP("dbus-daemon and gnome-keyring-daemon are needed for a Secret Service");
    const QString address = startBus();
    if (address.isEmpty())
        QSKIP("no private session bus could be started");
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
}

void TestSecretServiceTokenStore::cleanupTestCase()
{
    stop(m_keyring);
    stop(m_bus);
}

QString TestSecretServiceTokenStore::startBus()
{
    const QString config = m_dir.filePath("bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QString::fromLatin1(BusConfig).arg(m_dir.path()).toUtf8());
    file.close();

    m_bus.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"});
    if (!m_bus.waitForStarted(5000) || !m_bus.waitForReadyRead(5000))
        return {};
    return QString::fromUtf8(m_bus.readLine()).trimmed();
}

bool TestSecretServiceTokenStore::startKeyring(const QString& busAddress)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"home", "data", "run"}) {
        QDir(m_dir.path()).mkpath(folder);
        QFile::setPermissions(m_dir.filePath(folder),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
    environment.insert("HOME", m_dir.filePath("home"));
    environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", m_dir.filePath("run"));
    m_keyring.setProcessEnvironment(environment);
    // --unlock reads the login keyring's password from standard input and creates it.
    m_keyring.start("gnome-keyring-daemon", {"--foreground", "--unlock", "--components=secrets"});
    if (!m_keyring.waitForStarted(5000))
        return false;
    m_keyring.write("test-password");
    m_keyring.closeWriteChannel();
    return QTest::qWaitFor([] { return SecretServiceTokenStore::isAvailable(); }, 10000);
}

void TestSecretServiceTokenStore::withoutKeyringDaemonTheServiceIsUnavailable()
{
    QVERIFY(!SecretServiceTokenStore::isAvailable());
    if (!startKeyring(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")))
        QSKIP("gnome-keyring-daemon did not come up on the private bus");
}

void TestSecretServiceTokenStore::tokensAreKeptInTheKeyring()
{
    SecretServiceTokenStore store("com.tovarly.test", "Tovarly Pennibar");
    QCOMPARE(store.load(Access), std::nullopt);

    QVERIFY(store.save(Access, "a.b.c"));
    QVERIFY(store.save(Refresh, "r-1"));
    QVERIFY(store.save(Refresh, "r-2"));
    SecretServiceTokenStore reopened("com.tovarly.test", "Tovarly Pennibar");
    QCOMPARE(reopened.load(Access), std::optional<QString>("a.b.c"));
    QCOMPARE(reopened.load(Refresh), std::optional<QString>("r-2"));

    QVERIFY(store.remove(Access));
    QVERIFY(!store.remove(Access));
    QCOMPARE(store.load(Access), std::nullopt);

    store.clear();
    QCOMPARE(store.load(Refresh), std::nullopt);
}

void TestSecretServiceTokenStore::applicationsDoNotShareTokens()
{
    SecretServiceTokenStore first("com.tovarly.first", "First");
    SecretServiceTokenStore second("com.tovarly.second", "Second");
    QVERIFY(first.save(Access, "first-token"));
    QVERIFY(second.save(Access, "second-token"));

    second.clear();
    QCOMPARE(first.load(Access), std::optional<QString>("first-token"));
    QCOMPARE(second.load(Access), std::nullopt);
    first.clear();
}

void TestSecretServiceTokenStore::platformStoreChoosesTheSecretService()
{
    const std::unique_ptr<TokenStore> store =
        createPlatformTokenStore("com.tovarly.test", "Tovarly Pennibar");
    QVERIFY(dynamic_cast<SecretServiceTokenStore*>(store.get()));
}

QTEST_GUILESS_MAIN(TestSecretServiceTokenStore)
#include "tst_secretservicetokenstore.moc"
