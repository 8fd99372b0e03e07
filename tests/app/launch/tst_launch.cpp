#include "app/launch/commandlinefiles.h"
#include "app/launch/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace std::chrono_literals;

// Starting with files: which arguments name files to open, and the one process per data
// directory that a later start hands its files to.
class TestLaunch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime; // the user's runtime folder, where the sockets live
    QTemporaryDir m_files;

    QString touch(const QString& name) const
    {
        const QString path = m_files.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write("!Type:Bank\n");
        return path;
    }

    // Sends raw bytes, chunk after chunk, to the server of `directory`, as another start would.
    // Returns what came back before the server closed the connection.
    static QByteArray send(const QString& directory, const QByteArrayList& chunks)
    {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::serverName(directory));
        if (!socket.waitForConnected(2000))
            return "not connected";
        for (const QByteArray& chunk : chunks) {
            socket.write(chunk);
            socket.flush();
            QTest::qWait(20);
        }
        QByteArray reply;
        QDeadlineTimer deadline(3000);
        while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
            QTest::qWait(10);
            reply += socket.readAll();
        }
        return reply + socket.readAll();
    }

private slots:
    void initTestCase();

    void commandLineFiles_data();
    void commandLineFiles();

    void firstStartHoldsTheDirectory();
    void requests_data();
    void requests();
    void oversizedRequestIsDropped();
    void laterStartHandsItsFilesOver();
    void heldDirectoryThatDoesNotAnswer();
    void closedInstanceLeavesTheDirectoryFree();
    void leftoverSocketFileDoesNotStopAStart();
    void serverNames_data();
    void serverNames();
};

void TestLaunch::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
}

void TestLaunch::commandLineFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    const QString plain = touch(QStringLiteral("statement.qif"));
    const QString spaced = touch(QStringLiteral("sub dir/card export.QIF"));
    const QString program = QStringLiteral("pennibar");

    QTest::newRow("no arguments") << QStringList{program} << QStringList();
    QTest::newRow("the program itself is not a file") << QStringList{plain} << QStringList();
    QTest::newRow("absolute") << QStringList{program, plain} << QStringList{plain};
    QTest::newRow("relative to the working folder")
        << QStringList{program, QStringLiteral("statement.qif"),
                       QStringLiteral("sub dir/card export.QIF")}
        << QStringList{plain, spaced};
    QTest::newRow("not clean") << QStringList{program, QStringLiteral("./sub dir/../statement.qif")}
                               << QStringList{plain};
    QTest::newRow("file URL, percent-encoded")
        << QStringList{program, QUrl::fromLocalFile(spaced).toString(QUrl::FullyEncoded)}
        << QStringList{spaced};
    QTest::newRow("each once") << QStringList{program, plain, QStringLiteral("statement.qif")}
                               << QStringList{plain};
    QTest::newRow("missing, folder, option and remote URL left out")
        << QStringList{program,
                       QStringLiteral("missing.qif"),
                       QStringLiteral("sub dir"),
                       QStringLiteral("--verbose"),
                       QStringLiteral("https://example.com/a.qif"),
                       plain}
        << QStringList{plain};
}

void TestLaunch::commandLineFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QCOMPARE(filesFromCommandLine(arguments, m_files.path()), expected);
}

void TestLaunch::firstStartHoldsTheDirectory()
{
    QTemporaryDir data;
    SingleInstance instance(data.path());
    QCOMPARE(instance.claim({}), SingleInstance::Outcome::Primary);
    QVERIFY(QFile::exists(data.filePath(QStringLiteral("pennibar.lock"))));

    // Whoever else looks finds the directory held.
    QLockFile other(data.filePath(QStringLiteral("pennibar.lock")));
    QVERIFY(!other.tryLock(0));
    QCOMPARE(other.error(), QLockFile::LockFailedError);
}

void TestLaunch::requests_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("files") << QByteArrayList{R"({"open":["/home/a/b.qif","/c.qif"]})"
                                             "\n"}
                           << true << QStringList{"/home/a/b.qif", "/c.qif"};
    QTest::newRow("none: come forward")
        << QByteArrayList{"{\"open\":[]}\n"} << true << QStringList();
    QTest::newRow("in pieces") << QByteArrayList{"{\"open\":[\"/stat", "ement.qif\"]}", "\n"}
                               << true << QStringList{"/statement.qif"};
    QTest::newRow("relative paths dropped")
        << QByteArrayList{"{\"open\":[\"b.qif\",\"/c.qif\",7]}\n"} << true << QStringList{"/c.qif"};
    QTest::newRow("not JSON") << QByteArrayList{"hello\n"} << false << QStringList();
    QTest::newRow("no list") << QByteArrayList{"{\"open\":\"/a.qif\"}\n"} << false << QStringList();
    QTest::newRow("bare list") << QByteArrayList{"[\"/a.qif\"]\n"} << false << QStringList();
}

void TestLaunch::requests()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(bool, accepted);
    QFETCH(QStringList, paths);

    QTemporaryDir data;
    SingleInstance instance(data.path());
    QCOMPARE(instance.claim({}), SingleInstance::Outcome::Primary);
    QSignalSpy requested(&instance, &SingleInstance::openRequested);

    const QByteArray reply = send(data.path(), chunks);
    QCOMPARE(reply, accepted ? QByteArray("ok\n") : QByteArray());
    QCOMPARE(requested.size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(requested.first().first().toStringList(), paths);
}

void TestLaunch::oversizedRequestIsDropped()
{
    QTemporaryDir data;
    SingleInstance instance(data.path());
    QCOMPARE(instance.claim({}), SingleInstance::Outcome::Primary);
    QSignalSpy requested(&instance, &SingleInstance::openRequested);

    const QByteArray endless = "{\"open\":[\"/" + QByteArray(2 * 1024 * 1024, 'a');
    QCOMPARE(send(data.path(), {endless, "\"]}\n"}), QByteArray());
    QCOMPARE(requested.size(), 0);
    // The server still takes the next request.
    QCOMPARE(send(data.path(), {"{\"open\":[]}\n"}), QByteArray("ok\n"));
}

void TestLaunch::laterStartHandsItsFilesOver()
{
    QTemporaryDir data;
    SingleInstance first(data.path());
    QCOMPARE(first.claim({}), SingleInstance::Outcome::Primary);
    QSignalSpy requested(&first, &SingleInstance::openRequested);

    // The later start blocks while it waits for the answer, so it runs on a thread of its own
    // while this one answers.
    SingleInstance::Outcome outcome = SingleInstance::Outcome::Primary;
    std::unique_ptr<QThread> later(QThread::create([&] {
        SingleInstance second(data.path());
        outcome = second.claim({"/home/me/statement.qif", "/home/me/card.qif"}, 3s);
    }));
    later->start();
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 5000);

    QCOMPARE(outcome, SingleInstance::Outcome::HandedOver);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().first().toStringList(),
             QStringList({"/home/me/statement.qif", "/home/me/card.qif"}));
}

void TestLaunch::heldDirectoryThatDoesNotAnswer()
{
    QTemporaryDir data;
    QLockFile holder(data.filePath(QStringLiteral("pennibar.lock")));
    QVERIFY(holder.tryLock(0));

    SingleInstance later(data.path());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(later.claim({"/a.qif"}, 400ms), SingleInstance::Outcome::NoAnswer);
    QVERIFY2(clock.elapsed() >= 400, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    // It did not take the socket either: nobody answers there.
    QCOMPARE(send(data.path(), {"{\"open\":[]}\n"}), QByteArray("not connected"));
}

void TestLaunch::closedInstanceLeavesTheDirectoryFree()
{
    QTemporaryDir data;
    auto first = std::make_unique<SingleInstance>(data.path());
    QCOMPARE(first->claim({}), SingleInstance::Outcome::Primary);
    first.reset();

    SingleInstance next(data.path());
    QCOMPARE(next.claim({}, 0ms), SingleInstance::Outcome::Primary);
    QCOMPARE(send(data.path(), {"{\"open\":[]}\n"}), QByteArray("ok\n"));
}

void TestLaunch::leftoverSocketFileDoesNotStopAStart()
{
    QTemporaryDir data;
    {
        QFile leftover(SingleInstance::serverName(data.path()));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    SingleInstance instance(data.path());
    QCOMPARE(instance.claim({}), SingleInstance::Outcome::Primary);
    QCOMPARE(send(data.path(), {"{\"open\":[]}\n"}), QByteArray("ok\n"));
}

void TestLaunch::serverNames_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::addColumn<bool>("same");

    QDir(m_files.path()).mkpath(QStringLiteral("data/Pennibar"));
    QDir(m_files.path()).mkpath(QStringLiteral("other"));
    QFile::link(m_files.filePath(QStringLiteral("data")), m_files.filePath(QStringLiteral("link")));

    QTest::newRow("itself") << m_files.filePath(QStringLiteral("data/Pennibar")) << true;
    QTest::newRow("trailing slash") << m_files.filePath(QStringLiteral("data/Pennibar/")) << true;
    QTest::newRow("dots") << m_files.filePath(QStringLiteral("other/../data/./Pennibar")) << true;
    QTest::newRow("through a link") << m_files.filePath(QStringLiteral("link/Pennibar")) << true;
    QTest::newRow("another folder") << m_files.filePath(QStringLiteral("other")) << false;
}

void TestLaunch::serverNames()
{
    QFETCH(QString, spelling);
    QFETCH(bool, same);
    const QString reference =
        SingleInstance::serverName(m_files.filePath(QStringLiteral("data/Pennibar")));
    QCOMPARE(SingleInstance::serverName(spelling) == reference, same);
    QVERIFY(reference.startsWith(m_runtime.path() + QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
