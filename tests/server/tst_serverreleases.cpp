#include "tests/server/support/testserver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

const QByteArray kManifest = R"({"schema":1,"app":"pennibar","channel":"stable","artifacts":{}})";

} // namespace

class TestServerReleases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void files_data();
    void files();
    void aLargeFileArrivesWhole();
    void onlyTheDocumentedTypesAreShownInABrowser_data();
    void onlyTheDocumentedTypesAreShownInABrowser();
    void headAndOtherMethods();
    void pathsThatLeaveTheDirectory_data();
    void pathsThatLeaveTheDirectory();

private:
    int rawStatus(const QByteArray& target, QByteArray* response);

    std::unique_ptr<TestServer> m_server;
    QByteArray m_installer;
};

void TestServerReleases::initTestCase()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    const QString releases = m_server->dataDir() + QStringLiteral("/releases");
    writeFile(releases + QStringLiteral("/pennibar/stable/latest.json"), kManifest);
    writeFile(releases + QStringLiteral("/pennibar/1.2.0/release-notes.md"), "# 1.2.0\n");
    writeFile(releases + QStringLiteral("/pennibar/1.2.0/release-notes.de.md"), "# 1.2.0 (de)\n");
    writeFile(releases + QStringLiteral("/.hidden"), "hidden");
    m_installer = QByteArray(6 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < m_installer.size(); ++i)
        m_installer[i] = char(i * 7919 % 251);
    writeFile(releases + QStringLiteral("/pennibar/1.2.0/Pennibar-1.2.0.msi"), m_installer);
    // Files a careless publisher may leave beside the notes; any of them could run script on
    // the sign-in origin if a browser rendered it.
    for (const char* name : {"page.html", "page.htm", "image.svg", "feed.xml", "README"})
        writeFile(releases + QStringLiteral("/pennibar/1.2.0/") + QLatin1String(name),
                  "<html><script>document.title = 'ran'</script></html>");
    // A link that points out of the directory, at the data directory itself.
    QVERIFY(QFile::link(m_server->dataDir(), releases + QStringLiteral("/outside")));
}

void TestServerReleases::files_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("manifest") << "/releases/pennibar/stable/latest.json" << 200
                              << QByteArray("application/json") << kManifest;
    QTest::newRow("notes") << "/releases/pennibar/1.2.0/release-notes.md" << 200
                           << QByteArray("text/markdown; charset=utf-8") << QByteArray("# 1.2.0\n");
    QTest::newRow("German notes") << "/releases/pennibar/1.2.0/release-notes.de.md" << 200
                                  << QByteArray("text/markdown; charset=utf-8")
                                  << QByteArray("# 1.2.0 (de)\n");
    QTest::newRow("notes in a missing language")
        << "/releases/pennibar/1.2.0/release-notes.fr.md" << 404 << QByteArray("application/json")
        << QByteArray();
    QTest::newRow("channel without a manifest") << "/releases/pennibar/beta/latest.json" << 404
                                                << QByteArray("application/json") << QByteArray();
    QTest::newRow("a directory") << "/releases/pennibar/stable" << 404
                                 << QByteArray("application/json") << QByteArray();
    QTest::newRow("a directory with a slash")
        << "/releases/pennibar/stable/" << 404 << QByteArray("application/json") << QByteArray();
    QTest::newRow("a hidden file")
        << "/releases/.hidden" << 404 << QByteArray("application/json") << QByteArray();
    QTest::newRow("through a link out")
        << "/releases/outside/jwt-secret" << 404 << QByteArray("application/json") << QByteArray();
    QTest::newRow("the channel root")
        << "/releases" << 404 << QByteArray("application/json") << QByteArray();
}

void TestServerReleases::files()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    const HttpClient client = m_server->client();
    const auto reply = client.send("GET", client.url(path), {}, {});
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.header("Content-Type"), contentType);
    if (status == 200)
        QCOMPARE(reply.body, body);
    else
        QVERIFY(!reply.error().isEmpty());
    if (path.endsWith(QLatin1String("latest.json")) && status == 200)
        QCOMPARE(reply.header("Cache-Control"), QByteArray("no-cache"));
}

void TestServerReleases::aLargeFileArrivesWhole()
{
    const HttpClient client = m_server->client();
    const auto reply = client.get(QStringLiteral("/releases/pennibar/1.2.0/Pennibar-1.2.0.msi"));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.header("Content-Type"), QByteArray("application/octet-stream"));
    QCOMPARE(reply.header("Content-Length").toLongLong(), m_installer.size());
    QCOMPARE(QCryptographicHash::hash(reply.body, QCryptographicHash::Sha256),
             QCryptographicHash::hash(m_installer, QCryptographicHash::Sha256));
    // The connection serves the next request as usual.
    QCOMPARE(client.get(QStringLiteral("/releases/pennibar/stable/latest.json")).body, kManifest);
}

void TestServerReleases::onlyTheDocumentedTypesAreShownInABrowser_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("disposition");

    const QByteArray download = "application/octet-stream";
    QTest::newRow("manifest") << "stable/latest.json" << QByteArray("application/json")
                              << QByteArray();
    QTest::newRow("notes") << "1.2.0/release-notes.md" << QByteArray("text/markdown; charset=utf-8")
                           << QByteArray();
    QTest::newRow("installer") << "1.2.0/Pennibar-1.2.0.msi" << download
                               << QByteArray("attachment");
    QTest::newRow("HTML") << "1.2.0/page.html" << download << QByteArray("attachment");
    QTest::newRow("HTM") << "1.2.0/page.htm" << download << QByteArray("attachment");
    QTest::newRow("SVG") << "1.2.0/image.svg" << download << QByteArray("attachment");
    QTest::newRow("XML") << "1.2.0/feed.xml" << download << QByteArray("attachment");
    QTest::newRow("no suffix") << "1.2.0/README" << download << QByteArray("attachment");
}

void TestServerReleases::onlyTheDocumentedTypesAreShownInABrowser()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, disposition);
    const HttpClient client = m_server->client();
    const auto reply =
        client.send("HEAD", client.url(QStringLiteral("/releases/pennibar/") + file), {}, {});
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.header("Content-Type"), contentType);
    QCOMPARE(reply.header("Content-Disposition"), disposition);
    // Even a file a browser shows runs no script and counts as no page of this origin.
    QCOMPARE(reply.header("Content-Security-Policy"), QByteArray("sandbox"));
    QCOMPARE(reply.header("X-Content-Type-Options"), QByteArray("nosniff"));
}

void TestServerReleases::headAndOtherMethods()
{
    const HttpClient client = m_server->client();
    const QUrl manifest = client.url(QStringLiteral("/releases/pennibar/stable/latest.json"));
    const auto head = client.send("HEAD", manifest, {}, {});
    QCOMPARE(head.status, 200);
    QCOMPARE(head.header("Content-Length").toLongLong(), kManifest.size());
    QVERIFY(head.body.isEmpty());
    QCOMPARE(client.send("PUT", manifest, "{}", {}).status, 405);
    QCOMPARE(client.send("DELETE", manifest, {}, {}).status, 405);
}

int TestServerReleases::rawStatus(const QByteArray& target, QByteArray* response)
{
    // Written by hand, so no client library tidies the path first. The server runs in this
    // thread: wait by running the event loop, not by blocking.
    QTcpSocket socket;
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket,
                     [&] { *response += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::connected, &socket, [&] {
        socket.write("GET " + target + " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
    });
    socket.connectToHost(QHostAddress::LocalHost, m_server->instance().port());
    if (!QTest::qWaitFor([&] { return response->contains("\r\n\r\n"); }, 10000))
        return -1;
    QTest::qWait(50);
    *response += socket.readAll();
    return response->split(' ').value(1).toInt();
}

void TestServerReleases::pathsThatLeaveTheDirectory_data()
{
    QTest::addColumn<QByteArray>("target");

    QTest::newRow("dot dot") << QByteArray("/releases/../jwt-secret");
    QTest::newRow("encoded dot dot") << QByteArray("/releases/%2E%2E/jwt-secret");
    QTest::newRow("encoded slash") << QByteArray("/releases/..%2Fjwt-secret");
    QTest::newRow("backslash") << QByteArray("/releases/..%5Cjwt-secret");
    QTest::newRow("absolute") << QByteArray("/releases//etc/passwd");
    QTest::newRow("the database") << QByteArray("/releases/%2E%2E/pennibar-server.db");
}

void TestServerReleases::pathsThatLeaveTheDirectory()
{
    QFETCH(QByteArray, target);
    QByteArray response;
    const int status = rawStatus(target, &response);
    QVERIFY2(status == 404 || status == 400, response.constData());
    QFile secret(m_server->dataDir() + QStringLiteral("/jwt-secret"));
    QVERIFY(secret.open(QIODevice::ReadOnly));
    QVERIFY(!response.contains(secret.readAll().trimmed()));
    QVERIFY(!response.contains("SQLite format"));
}

QTEST_GUILESS_MAIN(TestServerReleases)
#include "tst_serverreleases.moc"
