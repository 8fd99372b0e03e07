#include "tests/server/support/browsersignin.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/postgrescluster.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"

#include "server/accounts/groupservice.h"
#include "server/storage/database.h"

#include <QJsonDocument>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using B = ChangeBuilder;

// Several stateless instances behind a load balancer, on one PostgreSQL database.
class TestServerPostgres : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void twoInstancesServeOneHousehold();
    void instancesMustShareTheTokenSecret();
    void instancesStartingTogetherMigrateOnce();
    void concurrentWritersThroughTwoProcessesLoseNothing();
    void aHouseholdMovesFromSqliteToPostgres();
    void aRestartedDatabaseIsConnectedAgain();
    void aDatabaseOutageIsNoReasonToSignInAgain();

private:
    // A pennibar-server process, stopped the way a service manager stops it.
    struct Process
    {
        std::unique_ptr<QProcess> process;
        QUrl base;

        Process() = default;
        Process(Process&&) = default;
        ~Process()
        {
            if (process && process->state() != QProcess::NotRunning) {
                process->terminate();
                process->waitForFinished(10000);
            }
        }
    };
    Process startProcess(const QString& databaseUrl, const QString& secretFile);

    QTemporaryDir m_dir;
};

void TestServerPostgres::initTestCase()
{
    QVERIFY2(PostgresCluster::shared().isRunning(), qPrintable(PostgresCluster::shared().error()));
}

void TestServerPostgres::twoInstancesServeOneHousehold()
{
    const QMap<QString, QString> settings{
        {QStringLiteral("database"), PostgresCluster::shared().createDatabase()},
        {QStringLiteral("jwt_secret_file"), m_dir.filePath(QStringLiteral("shared-secret"))}};
    TestServer first(settings);
    QVERIFY2(first.isRunning(), qPrintable(first.startError()));
    QTemporaryDir otherData;
    TestServer second(settings, otherData.path());
    QVERIFY2(second.isRunning(), qPrintable(second.startError()));

    const QString ann = first.addUser(QStringLiteral("ann@example.org"));
    const QString bob = first.addUser(QStringLiteral("bob@example.org"));
    // Signed in through the first, the token works on the second and refreshes there.
    QString refreshToken;
    HttpClient annViaFirst = first.signedIn(QStringLiteral("ann@example.org"),
                                            QStringLiteral("password1"), &refreshToken);
    HttpClient annViaSecond = second.client();
    const auto refreshed =
        annViaSecond.post(QStringLiteral("/api/v1/realms/tovarly/auth/token/refresh"),
                          {{QStringLiteral("refresh_token"), refreshToken}});
    QCOMPARE(refreshed.status, 200);
    annViaSecond.setToken(refreshed.json().value(QStringLiteral("access_token")).toString());
    // The rotated token is spent on both.
    QCOMPARE(annViaFirst
                 .post(QStringLiteral("/api/v1/realms/tovarly/auth/token/refresh"),
                       {{QStringLiteral("refresh_token"), refreshToken}})
                 .status,
             401);

    // A change pushed through one is pulled through the other.
    annViaFirst = first.signedIn(QStringLiteral("ann@example.org"));
    SyncDevice laptop(annViaFirst);
    SyncDevice phone(second.signedIn(QStringLiteral("ann@example.org")));
    QCOMPARE(laptop.pushOne(B::account(QStringLiteral("acc-1"), QStringLiteral("Household")))
                 .value(QStringLiteral("status"))
                 .toString(),
             QStringLiteral("ok"));
    laptop.pushOne(B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                  QStringLiteral("Market"), -4200));
    const SyncDevice::Pull pulled = phone.pullAll();
    QCOMPARE(pulled.find(QStringLiteral("transactions"), QStringLiteral("txn-1"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Market"));
    // And the cursor handed out by one continues on the other.
    laptop.pushOne(B::transaction(QStringLiteral("txn-2"), QStringLiteral("acc-1"),
                                  QStringLiteral("Bakery"), -300));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), phone.cursor());
    HttpClient phoneClient = first.signedIn(QStringLiteral("ann@example.org"));
    const QJsonObject next = phoneClient.get(QStringLiteral("/sync/pull"), query).json();
    QCOMPARE(next.value(QStringLiteral("transactions")).toArray().size(), 1);

    // Group and sharing across instances: invited on one, joined and pulled on the other.
    PennibarServer::Group group;
    QCOMPARE(first.instance().groups().create(ann, QStringLiteral("Anns"), &group),
             PennibarServer::GroupService::Outcome::Ok);
    const QString code = annViaFirst.postEmpty(QStringLiteral("/group/invite"))
                             .json()
                             .value(QStringLiteral("invite_code"))
                             .toString();
    SyncDevice bobs(second.signedIn(QStringLiteral("bob@example.org")));
    QCOMPARE(bobs.http().postEmpty(QStringLiteral("/group/join/") + code).status, 200);
    QCOMPARE(annViaFirst
                 .post(QStringLiteral("/accounts/acc-1/share"), {{QStringLiteral("user_id"), bob}})
                 .status,
             200);
    QCOMPARE(bobs.pullAll().records.value(QStringLiteral("transactions")).size(), 2);
}

void TestServerPostgres::instancesMustShareTheTokenSecret()
{
    const QString url = PostgresCluster::shared().createDatabase();
    TestServer first({{QStringLiteral("database"), url}});
    QVERIFY2(first.isRunning(), qPrintable(first.startError()));
    TestServer stranger({{QStringLiteral("database"), url}}); // its own, new secret
    QVERIFY(!stranger.isRunning());
    QVERIFY2(stranger.startError().contains(QLatin1String("another token secret")),
             qPrintable(stranger.startError()));
}

TestServerPostgres::Process TestServerPostgres::startProcess(const QString& databaseUrl,
                                                             const QString& secretFile)
{
    Process started;
    started.process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    auto* data = new QTemporaryDir;
    QObject::connect(started.process.get(), &QObject::destroyed, [data] { delete data; });
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), data->path());
    env.insert(QStringLiteral("PENNIBAR_SERVER_LISTEN"), QStringLiteral("127.0.0.1:0"));
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATABASE"), databaseUrl);
    env.insert(QStringLiteral("PENNIBAR_SERVER_JWT_SECRET_FILE"), secretFile);
    started.process->setProcessEnvironment(env);
    started.process->setStandardOutputFile(QProcess::nullDevice());
    started.process->start(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), {QStringLiteral("serve")});
    QByteArray output;
    static const QRegularExpression listening(QStringLiteral("listening on (http://\\S+)"));
    const bool settled = QTest::qWaitFor(
        [&] {
            output += started.process->readAllStandardError();
            return listening.match(QString::fromUtf8(output)).hasMatch() ||
                   started.process->state() == QProcess::NotRunning;
        },
        30000);
    if (settled)
        started.base = QUrl(listening.match(QString::fromUtf8(output)).captured(1));
    return started;
}

void TestServerPostgres::instancesStartingTogetherMigrateOnce()
{
    const QString url = PostgresCluster::shared().createDatabase();
    const QString secret = m_dir.filePath(QStringLiteral("together-secret"));
    // Three processes start at once on an empty database.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < 3; ++i) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"),
                   m_dir.filePath(QStringLiteral("t%1").arg(i)));
        env.insert(QStringLiteral("PENNIBAR_SERVER_DATABASE"), url);
        env.insert(QStringLiteral("PENNIBAR_SERVER_JWT_SECRET_FILE"), secret);
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE),
                       {QStringLiteral("user"), QStringLiteral("list")});
        processes.push_back(std::move(process));
    }
    for (const auto& process : processes) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
    }
    TestServer check(
        {{QStringLiteral("database"), url}, {QStringLiteral("jwt_secret_file"), secret}});
    QVERIFY2(check.isRunning(), qPrintable(check.startError()));
    const auto rows =
        check.instance().database().select(QStringLiteral("SELECT COUNT(*) FROM schema_version"));
    QCOMPARE(rows->first().at(0).toInt(), 2); // each migration once
}

void TestServerPostgres::concurrentWritersThroughTwoProcessesLoseNothing()
{
    const QString url = PostgresCluster::shared().createDatabase();
    const QString secret = m_dir.filePath(QStringLiteral("process-secret"));
    TestServer admin(
        {{QStringLiteral("database"), url}, {QStringLiteral("jwt_secret_file"), secret}});
    QVERIFY2(admin.isRunning(), qPrintable(admin.startError()));
    for (const QString& email :
         {QStringLiteral("ann@example.org"), QStringLiteral("bob@example.org")})
        admin.addUser(email);
    const Process one = startProcess(url, secret);
    const Process two = startProcess(url, secret);
    QVERIFY(one.base.isValid() && two.base.isValid());

    // Four devices (two users, each through both instances) push 8 batches of 100 at once,
    // while a fifth device of Ann's pulls through the other instance from its cursor.
    struct Writer
    {
        HttpClient client;
        QString user;
        QString prefix;
    };
    QList<Writer> writers;
    for (const QString& user : {QStringLiteral("ann"), QStringLiteral("bob")}) {
        for (const Process* process : {&one, &two}) {
            HttpClient client(process->base);
            client.setToken(
                BrowserSignIn(client)
                    .signIn(user + QStringLiteral("@example.org"), QStringLiteral("password1"))
                    .accessToken);
            writers.append({client, user, QStringLiteral("%1-%2").arg(user).arg(writers.size())});
        }
    }
    QNetworkAccessManager network;
    int pending = 0;
    int failures = 0;
    for (int batch = 0; batch < 8; ++batch) {
        for (const Writer& writer : writers) {
            QJsonArray changes;
            for (int i = 0; i < 100; ++i)
                changes.append(
                    B::transaction(QStringLiteral("%1-%2-%3").arg(writer.prefix).arg(batch).arg(i),
                                   QStringLiteral("acc"), QStringLiteral("P"), -1));
            QNetworkRequest request(writer.client.url(QStringLiteral("/sync/push")));
            request.setHeader(QNetworkRequest::ContentTypeHeader,
                              QStringLiteral("application/json"));
            request.setRawHeader("Authorization", "Bearer " + writer.client.token().toUtf8());
            QNetworkReply* reply = network.post(
                request, QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson());
            ++pending;
            QObject::connect(reply, &QNetworkReply::finished, reply, [&, reply] {
                if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
                    ++failures;
                --pending;
                reply->deleteLater();
            });
        }
    }
    HttpClient readerClient(two.base);
    readerClient.setToken(
        BrowserSignIn(readerClient)
            .signIn(QStringLiteral("ann@example.org"), QStringLiteral("password1"))
            .accessToken);
    SyncDevice reader(readerClient);
    QSet<QString> seen;
    auto collect = [&] {
        const SyncDevice::Pull pull = reader.pullAll(150);
        for (const QString& id : pull.clientIds(QStringLiteral("transactions")))
            seen.insert(id);
    };
    while (pending > 0) {
        collect();
        QTest::qWait(20);
    }
    QCOMPARE(failures, 0);
    collect();
    QCOMPARE(seen.size(), 2 * 8 * 100); // every one of Ann's, none of Bob's
    for (const QString& id : seen)
        QVERIFY(id.startsWith(QLatin1String("ann-")));
}

void TestServerPostgres::aHouseholdMovesFromSqliteToPostgres()
{
    QTemporaryDir data;
    QString token;
    QString cursor;
    QString bob;
    {
        TestServer home({}, data.path());
        QVERIFY2(home.isRunning(), qPrintable(home.startError()));
        const QString ann = home.addUser(QStringLiteral("ann@example.org"));
        bob = home.addUser(QStringLiteral("bob@example.org"));
        PennibarServer::Group group;
        home.instance().groups().create(ann, QStringLiteral("Anns"), &group);
        SyncDevice laptop(home.signedIn(QStringLiteral("ann@example.org")));
        const QString code = laptop.http()
                                 .postEmpty(QStringLiteral("/group/invite"))
                                 .json()
                                 .value(QStringLiteral("invite_code"))
                                 .toString();
        home.signedIn(QStringLiteral("bob@example.org"))
            .postEmpty(QStringLiteral("/group/join/") + code);
        laptop.push({B::account(QStringLiteral("acc-1"), QStringLiteral("Household")),
                     B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                    QStringLiteral("Market"), -100)});
        laptop.http().post(QStringLiteral("/accounts/acc-1/share"),
                           {{QStringLiteral("user_id"), bob}});
        QVERIFY(laptop.pullAll().ok);
        token = laptop.http().token();
        cursor = laptop.cursor();
    }

    const QString url = PostgresCluster::shared().createDatabase();
    auto copy = [&] {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), data.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), {QStringLiteral("copy-to"), url});
        process.waitForFinished(120000);
        return std::pair(process.exitCode(), QString::fromUtf8(process.readAllStandardError()));
    };
    const auto copied = copy();
    QVERIFY2(copied.first == 0, qPrintable(copied.second));

    TestServer moved({{QStringLiteral("database"), url}}, data.path());
    QVERIFY2(moved.isRunning(), qPrintable(moved.startError()));
    // The app notices nothing: its token, its cursor and the share carry on.
    HttpClient app = moved.client();
    app.setToken(token);
    QCOMPARE(app.get(QStringLiteral("/profile")).status, 200);
    app.post(QStringLiteral("/sync/push"),
             {{QStringLiteral("changes"),
               QJsonArray{B::transaction(QStringLiteral("txn-2"), QStringLiteral("acc-1"),
                                         QStringLiteral("Bakery"), -50)}}});
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), cursor);
    const QJsonObject page = app.get(QStringLiteral("/sync/pull"), query).json();
    const QJsonArray transactions = page.value(QStringLiteral("transactions")).toArray();
    QCOMPARE(transactions.size(), 1);
    QCOMPARE(transactions.first().toObject().value(QStringLiteral("client_id")).toString(),
             QStringLiteral("txn-2"));
    QCOMPARE(app.get(QStringLiteral("/accounts/acc-1/members"))
                 .json()
                 .value(QStringLiteral("members"))
                 .toArray()
                 .size(),
             2);
    SyncDevice bobs(moved.signedIn(QStringLiteral("bob@example.org")));
    QCOMPARE(bobs.pullAll().records.value(QStringLiteral("transactions")).size(), 2);
    // A second copy into a database that holds data is refused.
    const auto again = copy();
    QCOMPARE(again.first, 1);
    QVERIFY2(again.second.contains(QLatin1String("not empty")), qPrintable(again.second));
}

void TestServerPostgres::aRestartedDatabaseIsConnectedAgain()
{
    TestServer server({{QStringLiteral("database"), PostgresCluster::shared().createDatabase()}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    server.addUser(QStringLiteral("ann@example.org"));
    SyncDevice laptop(server.signedIn(QStringLiteral("ann@example.org")));
    QVERIFY(PostgresCluster::shared().restart());
    // The first request after the restart already succeeds.
    QCOMPARE(laptop.pushOne(B::category(QStringLiteral("c1"), QStringLiteral("One")))
                 .value(QStringLiteral("status"))
                 .toString(),
             QStringLiteral("ok"));
    QCOMPARE(server.client().get(QStringLiteral("/healthz")).status, 200);
    QCOMPARE(laptop.pullAll().records.value(QStringLiteral("categories")).size(), 1);
}

// While the database is down a signed-in app is told to try again later, not to sign in again
// (which would end its session for nothing); once it is back the same token works.
void TestServerPostgres::aDatabaseOutageIsNoReasonToSignInAgain()
{
    TestServer server({{QStringLiteral("database"), PostgresCluster::shared().createDatabase()}});
    QVERIFY2(server.isRunning(), qPrintable(server.startError()));
    server.addUser(QStringLiteral("ann@example.org"));
    SyncDevice laptop(server.signedIn(QStringLiteral("ann@example.org")));
    QVERIFY(PostgresCluster::shared().stop());
    const auto during = laptop.http().get(QStringLiteral("/sync/pull"));
    QVERIFY(PostgresCluster::shared().start());
    QCOMPARE(during.status, 503);
    QCOMPARE(during.header("Retry-After"), QByteArray("5"));
    QVERIFY(laptop.pullAll().ok);
}

QTEST_GUILESS_MAIN(TestServerPostgres)
#include "tst_serverpostgres.moc"
