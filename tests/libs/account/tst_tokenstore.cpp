#include "libs/account/tokens/filetokenstore.h"
#include "libs/account/tokens/platformtokenstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace TovAccount;

namespace {

const QString Access = TokenStore::accessTokenKey();
const QString Refresh = TokenStore::refreshTokenKey();

// The permission bits as the system sees them.
int modeOf(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return int(status.st_mode & 0777);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList messages;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    messages.append(message);
}

} // namespace

class TestTokenStore : public QObject
{
    Q_OBJECT

private slots:
    void fileKeepsTokensForItsOwnerOnly();
    void looserFileIsTightenedOnWrite();
    void unreadableFileHoldsNoTokens_data();
    void unreadableFileHoldsNoTokens();
    void unwritableFolderFailsTheSave();
    void withoutSecretServiceTokensGoToTheConfigFolder();
};

void TestTokenStore::fileKeepsTokensForItsOwnerOnly()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("config/Tovarly/app");
    FileTokenStore store(folder + "/tokens.json");
    QCOMPARE(store.load(Access), std::nullopt);

    QVERIFY(store.save(Access, "a.b.c"));
    QVERIFY(store.save(Refresh, "r-1"));
    QCOMPARE(store.load(Access), std::optional<QString>("a.b.c"));
    QCOMPARE(store.load(Refresh), std::optional<QString>("r-1"));
    QCOMPARE(modeOf(store.filePath()), 0600);
    QCOMPARE(modeOf(folder), 0700);

    QVERIFY(store.save(Refresh, "r-2"));
    QCOMPARE(FileTokenStore(store.filePath()).load(Refresh), std::optional<QString>("r-2"));

    QVERIFY(store.remove(Access));
    QVERIFY(!store.remove(Access));
    QCOMPARE(store.load(Access), std::nullopt);
    QCOMPARE(store.load(Refresh), std::optional<QString>("r-2"));

    store.save(Access, "a.b.c");
    store.clear();
    QCOMPARE(store.load(Access), std::nullopt);
    QCOMPARE(store.load(Refresh), std::nullopt);
    QVERIFY(!QFile::exists(store.filePath()));
}

void TestTokenStore::looserFileIsTightenedOnWrite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tokens.json");
    writeFile(path, R"({"tovarly_refresh_token":"r-1"})");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    QCOMPARE(modeOf(path), 0644);

    FileTokenStore store(path);
    QVERIFY(store.save(Access, "a.b.c"));
    QCOMPARE(modeOf(path), 0600);
    QCOMPARE(store.load(Refresh), std::optional<QString>("r-1"));
}

void TestTokenStore::unreadableFileHoldsNoTokens_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("not JSON") << QByteArray("tovarly_access_token=a.b.c");
    QTest::newRow("cut short") << QByteArray(R"({"tovarly_access_token":"a.b)");
    QTest::newRow("an array") << QByteArray(R"(["a.b.c"])");
    QTest::newRow("a number") << QByteArray(R"({"tovarly_access_token":5})");
}

void TestTokenStore::unreadableFileHoldsNoTokens()
{
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    const QString path = dir.filePath("tokens.json");
    writeFile(path, content);
    FileTokenStore store(path);
    QCOMPARE(store.load(Access), std::nullopt);

    // The next sign-in writes a sound file over it.
    QVERIFY(store.save(Access, "a.b.c"));
    QVERIFY(store.save(Refresh, "r-1"));
    QCOMPARE(FileTokenStore(path).load(Access), std::optional<QString>("a.b.c"));
}

void TestTokenStore::unwritableFolderFailsTheSave()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("occupied"), "a file where the folder should be");
    FileTokenStore store(dir.filePath("occupied/tokens.json"));
    QVERIFY(!store.save(Access, "a.b.c"));
    QCOMPARE(store.load(Access), std::nullopt);
}

void TestTokenStore::withoutSecretServiceTokensGoToTheConfigFolder()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    // A session bus that is not there: no Secret Service can answer.
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            "unix:path=" + QFile::encodeName(dir.filePath("no-bus-here")));

    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    std::unique_ptr<TokenStore> store = createPlatformTokenStore("com.tovarly.test", "Pennibar");
    store->save(Access, "a.b.c");
    qInstallMessageHandler(previous);

    auto* fileStore = dynamic_cast<FileTokenStore*>(store.get());
    QVERIFY(fileStore);
    const QString expected = dir.filePath("config/Tovarly/com.tovarly.test/tokens.json");
    QCOMPARE(fileStore->filePath(), expected);
    QCOMPARE(modeOf(expected), 0600);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().contains(expected));
    QVERIFY(!messages.first().contains("a.b.c"));
}

QTEST_GUILESS_MAIN(TestTokenStore)
#include "tst_tokenstore.moc"
