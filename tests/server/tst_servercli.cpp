#include "server/app/serverinstance.h"
#include "server/auth/userstore.h"
#include "server/storage/database.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// The pennibar-server program as an operator runs it.
class TestServerCli : public QObject
{
    Q_OBJECT

private slots:
    void userCommands_data();
    void userCommands();
    void controlCharactersInNamesAreShownEscaped();
    void storageIsPrivateToTheServerUser();
    void theDataDirectoryKeepsTheOperatorsMode_data();
    void theDataDirectoryKeepsTheOperatorsMode();
    void serveStopsCleanlyOnTerminate();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList& arguments, const QByteArray& input = {},
               const QStringList& environment = {});

    QTemporaryDir m_dir;
};

TestServerCli::Result TestServerCli::run(const QStringList& arguments, const QByteArray& input,
                                         const QStringList& environment)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), m_dir.path());
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestServerCli::userCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");

    // The rows run in order against one data directory.
    QTest::newRow("add") << QStringList{"user", "add", "Ann@Example.org", "--name", "Ann"}
                         << QByteArray("correct horse\n") << QStringList() << 0
                         << "Created ann@example.org";
    QTest::newRow("add without a display name")
        << QStringList{"user", "add", "dee@example.org"} << QByteArray("correct horse\n")
        << QStringList() << 0 << "Created dee@example.org";
    QTest::newRow("add the same address again")
        << QStringList{"user", "add", "ann@example.org"} << QByteArray("another pass\n")
        << QStringList() << 1 << "exists already";
    QTest::newRow("a control character in the name")
        << QStringList{"user", "add", "bo@example.org", "--name", "Bo\x1b[2J"}
        << QByteArray("correct horse\n") << QStringList() << 1 << "no control characters";
    QTest::newRow("password too short")
        << QStringList{"user", "add", "bo@example.org"} << QByteArray("short\n") << QStringList()
        << 1 << "8 to 1024 characters";
    QTest::newRow("not an address")
        << QStringList{"user", "add", "bo.example.org"} << QByteArray("long enough\n")
        << QStringList() << 1 << "is not an e-mail address";
    QTest::newRow("no password at all") << QStringList{"user", "add", "cy@example.org"}
                                        << QByteArray() << QStringList() << 1 << "no password";
    QTest::newRow("list") << QStringList{"user", "list"} << QByteArray() << QStringList() << 0
                          << "ann@example.org\\s+[0-9a-f-]{36}\\s+active\\s+\\S+Z\\s+Ann";
    QTest::newRow("disable") << QStringList{"user", "disable", "ANN@example.org"} << QByteArray()
                             << QStringList() << 0 << "Disabled ann@example.org";
    QTest::newRow("listed as disabled") << QStringList{"user", "list"} << QByteArray()
                                        << QStringList() << 0 << "ann@example.org.*disabled";
    QTest::newRow("enable") << QStringList{"user", "enable", "ann@example.org"} << QByteArray()
                            << QStringList() << 0 << "Enabled ann@example.org";
    QTest::newRow("group for a user")
        << QStringList{"group", "create", "ann@example.org"} << QByteArray() << QStringList() << 0
        << "Created the family group \"Ann's family\"";
    QTest::newRow("second group for the same user")
        << QStringList{"group", "create", "ann@example.org", "--name", "Other"} << QByteArray()
        << QStringList() << 1 << "in a family group already";
    QTest::newRow("named group for a user without a name")
        << QStringList{"group", "create", "dee@example.org", "--name", "The Dees"} << QByteArray()
        << QStringList() << 0 << "Created the family group \"The Dees\"";
    QTest::newRow("group for somebody unknown")
        << QStringList{"group", "create", "nobody@example.org"} << QByteArray() << QStringList()
        << 1 << "no user has the e-mail";
    QTest::newRow("reset cursors") << QStringList{"reset-cursors"} << QByteArray() << QStringList()
                                   << 0 << "pull everything again";
    QTest::newRow("copy to nowhere") << QStringList{"copy-to", "mysql://host/db"} << QByteArray()
                                     << QStringList() << 1 << "not a valid postgresql";
    QTest::newRow("disable somebody unknown")
        << QStringList{"user", "disable", "nobody@example.org"} << QByteArray() << QStringList()
        << 1 << "no user has the e-mail";
    QTest::newRow("unknown command")
        << QStringList{"users"} << QByteArray() << QStringList() << 2 << "Usage:";
    QTest::newRow("configuration mistake")
        << QStringList{"user", "list"} << QByteArray()
        << QStringList{"PENNIBAR_SERVER_LISTEN=localhost"} << 1 << "PENNIBAR_SERVER_LISTEN";
}

void TestServerCli::userCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    const Result result = run(arguments, input, environment);
    QCOMPARE(result.exitCode, exitCode);
    const QString text = result.out + result.err;
    QVERIFY2(text.contains(QRegularExpression(expected)), qPrintable(text));
}

// A name stored before names were checked reaches the admin's terminal with its control
// characters escaped, never as commands to the terminal.
void TestServerCli::controlCharactersInNamesAreShownEscaped()
{
    const QString dataDir = m_dir.filePath(QStringLiteral("names"));
    const QStringList environment{QStringLiteral("PENNIBAR_SERVER_DATA_DIR=") + dataDir};
    QCOMPARE(run({"user", "add", "eve@example.org"}, "correct horse\n", environment).exitCode, 0);
    {
        QString error;
        const auto database =
            PennibarServer::ServerInstance::openDatabase(QStringLiteral("sqlite"), dataDir, &error);
        QVERIFY2(database, qPrintable(error));
        PennibarServer::UserStore users(*database);
        const auto eve = users.byEmail(QStringLiteral("eve@example.org"));
        QVERIFY(eve);
        QVERIFY(users.setDisplayName(eve->id, QStringLiteral("Eve\x1b]0;owned\a") + QChar(0x9b) +
                                                  QStringLiteral("2J\\")));
    }
    const QString shown = QStringLiteral("Eve\\x1b]0;owned\\x07\\x9b2J\\\\");
    const Result list = run({"user", "list"}, {}, environment);
    const Result group = run({"group", "create", "eve@example.org"}, {}, environment);
    for (const Result& result : {list, group}) {
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(shown), qPrintable(result.out));
        QVERIFY(!result.out.contains(QChar(0x1b)) && !result.out.contains(QChar(0x9b)));
    }
}

void TestServerCli::storageIsPrivateToTheServerUser()
{
    QCOMPARE(run({QStringLiteral("user"), QStringLiteral("list")}).exitCode, 0);
    QCOMPARE(QFileInfo(m_dir.filePath(QStringLiteral("pennibar-server.db"))).permissions() &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
             QFileDevice::Permissions());
}

void TestServerCli::theDataDirectoryKeepsTheOperatorsMode_data()
{
    QTest::addColumn<int>("mode"); // of the directory the operator made; -1: none made
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("warned");

    QTest::newRow("made by the server: its user's alone") << -1 << 0700 << false;
    QTest::newRow("the operator's, readable by the group") << 0750 << 0750 << false;
    QTest::newRow("writable by the group") << 0770 << 0770 << true;
    QTest::newRow("shared with the sticky bit") << 01777 << 01777 << true;
}

// The server decides the mode of a data directory it makes, and leaves an operator's own as it
// is (a shared directory keeps its sticky bit), with a warning when others may write into it.
void TestServerCli::theDataDirectoryKeepsTheOperatorsMode()
{
#ifdef Q_OS_UNIX
    QFETCH(int, mode);
    QFETCH(int, expected);
    QFETCH(bool, warned);
    const QString dataDir = m_dir.filePath(QStringLiteral("data-%1").arg(QTest::currentDataTag()));
    if (mode >= 0) {
        QVERIFY(QDir().mkdir(dataDir));
        QCOMPARE(::chmod(QFile::encodeName(dataDir).constData(), mode_t(mode)), 0);
    }
    const Result result = run({QStringLiteral("user"), QStringLiteral("list")}, {},
                              {QStringLiteral("PENNIBAR_SERVER_DATA_DIR=") + dataDir});
    QCOMPARE(result.exitCode, 0);
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(dataDir).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), expected);
    QCOMPARE(result.err.contains(QStringLiteral("can be written by other users")), warned);
#else
    QSKIP("Unix modes only");
#endif
}

void TestServerCli::serveStopsCleanlyOnTerminate()
{
#ifdef Q_OS_UNIX
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), m_dir.path());
    env.insert(QStringLiteral("PENNIBAR_SERVER_LISTEN"), QStringLiteral("127.0.0.1:0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), {QStringLiteral("serve")});
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += process.readAllStandardError()).contains("listening on"),
                             20000);
    process.terminate();
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
#else
    QSKIP("Unix signals only");
#endif
}

QTEST_GUILESS_MAIN(TestServerCli)
#include "tst_servercli.moc"
