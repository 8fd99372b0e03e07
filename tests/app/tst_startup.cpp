#include <QCryptographicHash>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Starts the real executable the way a user would, with its data directory and settings in
// temporary folders. PENNIBAR_QUIT_AFTER_MS ends every run by itself, dismissing the error
// box when one is up, so no run can hang on a modal dialog.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray standardError;
    };

    QProcessEnvironment environment(const QString& dataDirectory, bool verbose,
                                    int quitAfterMs = 1500) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("PENNIBAR_DATA_DIR"), dataDirectory);
        environment.insert(QStringLiteral("PENNIBAR_QUIT_AFTER_MS"), QString::number(quitAfterMs));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           m_home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.remove(QStringLiteral("PENNIBAR_VERBOSE"));
        if (verbose)
            environment.insert(QStringLiteral("PENNIBAR_VERBOSE"), QStringLiteral("1"));
        return environment;
    }

    Run start(const QString& dataDirectory, bool verbose = false, const QStringList& arguments = {},
              const QString& workingDirectory = {}) const
    {
        QProcess process;
        process.setProcessEnvironment(environment(dataDirectory, verbose));
        process.setWorkingDirectory(workingDirectory);
        process.start(QStringLiteral(PENNIBAR_EXECUTABLE), arguments);
        Run run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.standardError = process.readAllStandardError();
        return run;
    }

    static QByteArray fileHash(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    QTemporaryDir m_home;
    QTemporaryDir m_runtime; // created 0700, as the platform plugin wants it

private slots:
    void newDataDirectoryGetsMigratedDatabase();
    void unreadableDatabaseFileShowsErrorAndKeepsFile();
    void uncreatableDataDirectoryShowsError();
    void verboseModePrintsInfoMessages();
    void secondStartHandsItsFilesToTheFirst();
    void startAfterACrash();
    void heldDirectoryThatDoesNotAnswerIsReported();

private:
    // Starts the program for a long run in the background, and waits until it has the database
    // open: past that point it takes requests from later starts.
    void startInBackground(QProcess& process, const QString& dataDirectory,
                           const QStringList& arguments = {},
                           const QString& workingDirectory = {}) const
    {
        process.setProcessEnvironment(environment(dataDirectory, true, 60000));
        process.setWorkingDirectory(workingDirectory);
        process.start(QStringLiteral(PENNIBAR_EXECUTABLE), arguments);
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dataDirectory + QStringLiteral("/pennibar.db")),
                                 30000);
    }

    static void waitForLine(QProcess& process, QByteArray& output, const QByteArray& line)
    {
        QTRY_VERIFY2_WITH_TIMEOUT((output += process.readAllStandardError()).contains(line),
                                  output.constData(), 30000);
    }
};

void TestStartup::newDataDirectoryGetsMigratedDatabase()
{
    QTemporaryDir root;
    const QString directory = root.filePath(QStringLiteral("nested/new/data"));

    const Run run = start(directory);
    QCOMPARE(run.exitCode, 0);
    // Nothing went wrong, so the quiet log says nothing (but for the offscreen platform's own
    // remark about window size hints).
    QByteArrayList lines = run.standardError.split('\n');
    lines.removeIf([](const QByteArray& line) {
        return line.isEmpty() || line.contains("propagateSizeHints");
    });
    QCOMPARE(lines, QByteArrayList());

    const QString path = directory + QStringLiteral("/pennibar.db");
    QVERIFY(QFile::exists(path));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(QStringLiteral("SELECT COUNT(*), MAX(version) FROM schema_version"), db);
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 9);
        QCOMPARE(query.value(1).toInt(), 9);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void TestStartup::unreadableDatabaseFileShowsErrorAndKeepsFile()
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("pennibar.db"));
    QByteArray noise(8192, '\0');
    QRandomGenerator generator(42);
    for (char& byte : noise)
        byte = char(generator.bounded(256));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(noise);
    }
    const QByteArray before = fileHash(path);

    const Run run = start(directory.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains("Closing modal window: Database Error"), run.standardError);
    QCOMPARE(fileHash(path), before);
}

void TestStartup::uncreatableDataDirectoryShowsError()
{
    QTemporaryDir root;
    // A directory cannot be made below a regular file, even by root.
    const QString blocker = root.filePath(QStringLiteral("plain-file"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Run run = start(blocker + QStringLiteral("/data"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains("Failed to open database:"), run.standardError);
    QVERIFY2(run.standardError.contains("Closing modal window: Database Error"), run.standardError);

    if (geteuid() == 0)
        return; // permissions do not stop root; the case above covers it
    QTemporaryDir readOnlyParent;
    QFile::setPermissions(readOnlyParent.path(), QFile::ReadOwner | QFile::ExeOwner);
    const Run denied = start(readOnlyParent.filePath(QStringLiteral("data")));
    QFile::setPermissions(readOnlyParent.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(denied.exitCode, 1);
}

void TestStartup::verboseModePrintsInfoMessages()
{
    QTemporaryDir directory;
    const Run quiet = start(directory.path());
    QVERIFY(!quiet.standardError.contains("Opening database at:"));

    const Run verbose = start(directory.path(), true);
    QCOMPARE(verbose.exitCode, 0);
    QVERIFY2(verbose.standardError.contains("Opening database at:"), verbose.standardError);
}

void TestStartup::secondStartHandsItsFilesToTheFirst()
{
    QTemporaryDir data;
    QTemporaryDir work;
    for (const char* name : {"first.qif", "second.qif"}) {
        QFile file(work.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("!Type:Bank\nD1/2/24\nT-5\nPCoffee\n^\n");
    }

    // Started with a file, the program asks its window to open it.
    QProcess first;
    startInBackground(first, data.path(), {QStringLiteral("first.qif")}, work.path());
    QByteArray firstLog;
    waitForLine(first, firstLog, "Asked to open: " + work.filePath("first.qif").toUtf8());

    // A second start on the same data hands its file over and ends, without opening the
    // database.
    const Run second = start(data.path(), true, {QStringLiteral("second.qif")}, work.path());
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(!second.standardError.contains("Opening database at:"), second.standardError);
    waitForLine(first, firstLog, "Asked to open: " + work.filePath("second.qif").toUtf8());

    // A start without files just brings the running one forward.
    const Run third = start(data.path(), true);
    QCOMPARE(third.exitCode, 0);
    QVERIFY2(!third.standardError.contains("Opening database at:"), third.standardError);
    waitForLine(first, firstLog, "Asked to open: \n");

    first.kill();
    first.waitForFinished();
}

void TestStartup::startAfterACrash()
{
    QTemporaryDir data;
    QProcess crashed;
    startInBackground(crashed, data.path());
    crashed.kill();
    QVERIFY(crashed.waitForFinished());

    // The lock and the socket it left behind do not keep the next start out.
    const Run next = start(data.path(), true);
    QCOMPARE(next.exitCode, 0);
    QVERIFY2(next.standardError.contains("Opening database at:"), next.standardError);
}

void TestStartup::heldDirectoryThatDoesNotAnswerIsReported()
{
    QTemporaryDir data;
    QLockFile holder(data.filePath(QStringLiteral("pennibar.lock")));
    QVERIFY(holder.tryLock(0));

    const Run run = start(data.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains("Closing modal window: Pennibar Is Already Running"),
             run.standardError);
    QVERIFY(!QFile::exists(data.filePath(QStringLiteral("pennibar.db"))));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
