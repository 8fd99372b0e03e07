#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"

#include "tests/common/testrecords.h"
#include "tests/libs/account/memorytokenstore.h"
#include "tests/server/support/testserver.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include "server/accounts/groupservice.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate Day(2026, 2, 10);

// What a running program holds of one installation: its database, opened from the file, and
// the engine and sharing service over it. The database sits on the process's one default
// connection, so only one device is open at a time.
struct Session
{
    Session(const QString& path, TovAccount::ApiClient* api)
    {
        if (!database.open(path) || !database.runMigrations())
            qFatal("cannot open %s", qPrintable(path));
        engine =
            std::make_unique<SyncEngine>(api, &accounts, &transactions, &categories, &recurring,
                                         &reconciliations, &splitLines, &preferences);
        sharing = std::make_unique<AccountSharingService>(api);
    }

    QVariant scalar(const QString& sql) const
    {
        QSqlQuery query(database.connection());
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }

    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};
    std::unique_ptr<SyncEngine> engine;
    std::unique_ptr<AccountSharingService> sharing;
};

// One installation of the program: its own database file and its own signed-in session.
class Device
{
public:
    Device(TestServer& server, const QString& email)
    {
        QString refresh;
        const HttpClient http = server.signedIn(email, QStringLiteral("password1"), &refresh);
        TovAccount::ClientConfig config;
        config.authBaseUrl = server.baseUrl().toString();
        config.realmSlug = QStringLiteral("tovarly");
        config.accountApiUrl = config.authBaseUrl;
        config.clientId = QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
        config.appId = QStringLiteral("com.tovarly.pennibar.test");
        config.appName = QStringLiteral("Tovarly Pennibar");
        config.appVersion = QStringLiteral("1.1.3");
        m_client = std::make_unique<TovAccount::Client>(config, new MemoryTokenStore(m_tokens));
        m_client->setSyncBaseUrl(server.baseUrl());
        m_client->tokenManager()->setTokens(http.token(), refresh);
    }
    ~Device()
    {
        if (s_open == this)
            close();
    }

    // This device's open database, closing the one open before.
    Session& s()
    {
        if (s_open != this) {
            if (s_open)
                s_open->close();
            m_session =
                std::make_unique<Session>(m_directory.filePath("pennibar.db"), m_client->syncApi());
            s_open = this;
        }
        return *m_session;
    }

    // One whole cycle; false when it failed or did not end.
    bool sync()
    {
        SyncEngine* engine = s().engine.get();
        QSignalSpy completed(engine, &SyncEngine::syncCompleted);
        QSignalSpy failed(engine, &SyncEngine::syncFailed);
        engine->sync();
        if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 30000))
            return false;
        return completed.count() == 1;
    }

    // The data as the user sees it: every table without the sync bookkeeping, split lines
    // without their own ids and times (each device gives its copies new ones).
    QStringList data()
    {
        static const QRegularExpression bookkeeping(
            QStringLiteral("\\|?(version|sync_status|server_id)=[^|]*"));
        static const QRegularExpression lineOwn(
            QStringLiteral("\\|?(id|created_at|updated_at)=[^|]*"));
        QStringList rows;
        for (const char* table : {"accounts", "categories", "transactions",
                                  "recurring_transactions", "reconciliations"})
            for (QString row : dump(QLatin1String(table)))
                rows << QLatin1String(table) + ": " + row.remove(bookkeeping);
        QStringList lines;
        for (QString row : dump(QStringLiteral("split_lines")))
            lines << "split_lines: " + row.remove(lineOwn);
        lines.sort();
        return rows + lines;
    }

private:
    void close()
    {
        m_session.reset();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        s_open = nullptr;
    }

    QStringList dump(const QString& table)
    {
        QStringList rows;
        QSqlQuery query(s().database.connection());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        while (query.next()) {
            QStringList fields;
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                fields << record.fieldName(i) + "=" +
                              (query.isNull(i) ? QStringLiteral("NULL")
                                               : query.value(i).toString());
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

    static inline Device* s_open = nullptr;
    QTemporaryDir m_directory;
    std::shared_ptr<StoredTokens> m_tokens = std::make_shared<StoredTokens>();
    std::unique_ptr<TovAccount::Client> m_client;
    std::unique_ptr<Session> m_session;
};

// A household's ledger: two currencies, categories, a categorised, a split and a transfer
// transaction, a recurring row and a reconciliation.
void writeLedger(Device& device)
{
    QVERIFY(device.s().accounts.insert(testAccount("a-usd", "Checking", 150000)));
    QVERIFY(device.s().accounts.insert(testAccount("a-jpy", "Tokyo", 20000, Currency::JPY)));
    QVERIFY(device.s().categories.insert(testCategory("c-food", "Food")));
    QVERIFY(device.s().categories.insert(testCategory("c-groc", "Groceries", "c-food")));
    Transaction bread = testTransaction("t-bread", "a-usd", Day, "Bakery", -450);
    bread.categoryId = "c-groc";
    bread.memo = "rye";
    QVERIFY(device.s().transactions.insert(bread));
    Transaction market = testTransaction("t-market", "a-usd", Day.addDays(1), "Market", -3000);
    market.isSplit = true;
    QVERIFY(device.s().transactions.insert(market));
    QVERIFY(device.s().splitLines.insert(
        {"l-1", "t-market", "c-groc", -2000, "veg", nowUtc(), nowUtc()}));
    QVERIFY(
        device.s().splitLines.insert({"l-2", "t-market", "c-food", -1000, "", nowUtc(), nowUtc()}));
    Transaction out = testTransaction("t-out", "a-usd", Day.addDays(2), "Transfer", -10000);
    out.transferLinkId = "t-in";
    out.transferDestAccountId = "a-jpy";
    Transaction in = testTransaction("t-in", "a-jpy", Day.addDays(2), "Transfer", 14000);
    in.transferLinkId = "t-out";
    in.transferDestAccountId = "a-usd";
    QVERIFY(device.s().transactions.insert(out));
    QVERIFY(device.s().transactions.insert(in));
    RecurringTransaction rent =
        testRecurring("r-rent", "a-usd", "Rent", -90000, Frequency::Monthly, Day.addMonths(1));
    rent.leadDays = 4;
    rent.endDate = Day.addYears(1);
    QVERIFY(device.s().recurring.insert(rent));
    Reconciliation statement;
    statement.id = "rc-1";
    statement.accountId = "a-usd";
    statement.statementDate = Day;
    statement.statementBalance = 149550;
    statement.reconciledBalance = 149550;
    statement.completedAt = nowUtc();
    statement.createdAt = statement.updatedAt = nowUtc();
    QVERIFY(device.s().reconciliations.insert(statement));
}

} // namespace

// Devices converge through a real server: one user's two devices, and an account shared with
// a member of the family group.
class TestSyncEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void twoDevicesOfOneUserConverge();
    void sharedAccountReachesTheMemberOnly();

private:
    std::unique_ptr<TestServer> m_server;
    QString m_ann;
};

void TestSyncEndToEnd::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_ann = m_server->addUser("ann@example.org");
    QVERIFY(!m_ann.isEmpty());
}

void TestSyncEndToEnd::twoDevicesOfOneUserConverge()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    writeLedger(laptop);
    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());
    QCOMPARE(desktop.data(), laptop.data());
    QCOMPARE(desktop.s().scalar("SELECT COUNT(*) FROM split_lines").toInt(), 2);

    // An edit and a delete on the desktop reach the laptop.
    Transaction bread = *desktop.s().transactions.byId("t-bread");
    bread.payee = "Corner Bakery";
    bread.syncStatus = SyncStatus::Pending;
    bread.updatedAt = nowUtc();
    QVERIFY(desktop.s().transactions.update(bread));
    QVERIFY(desktop.s().transactions.softDelete("t-out"));
    QVERIFY(desktop.s().transactions.softDelete("t-in"));
    QVERIFY(desktop.sync());
    QVERIFY(laptop.sync());
    QCOMPARE(laptop.s().transactions.byId("t-bread")->payee, "Corner Bakery");
    QVERIFY(laptop.s().transactions.byId("t-out")->isDeleted());
    QVERIFY(desktop.sync());
    QCOMPARE(laptop.data(), desktop.data());

    // A full resync pushes everything again and changes nothing in the data.
    const QStringList before = laptop.data();
    QSignalSpy completed(laptop.s().engine.get(), &SyncEngine::syncCompleted);
    laptop.s().engine->fullResync();
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 30000);
    QCOMPARE(laptop.data(), before);
    QCOMPARE(
        laptop.s().scalar("SELECT COUNT(*) FROM transactions WHERE sync_status='pending'").toInt(),
        0);
}

void TestSyncEndToEnd::sharedAccountReachesTheMemberOnly()
{
    const QString cy = m_server->addUser("cy@example.org");
    PennibarServer::Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    Device annsLaptop(*m_server, "ann@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    const HttpClient annHttp = m_server->signedIn("ann@example.org");
    const HttpClient cyHttp = m_server->signedIn("cy@example.org");
    const QString code = annHttp.postEmpty("/group/invite").json().value("invite_code").toString();
    QCOMPARE(cyHttp.postEmpty("/group/join/" + code).status, 200);

    writeLedger(annsLaptop);
    QVERIFY(annsLaptop.sync());
    std::optional<bool> shared;
    annsLaptop.s().sharing->shareWith("a-usd", cy, QString(),
                                      [&](bool ok, const QString&) { shared = ok; });
    QTRY_VERIFY(shared.has_value());
    QVERIFY(*shared);

    QVERIFY(cysLaptop.sync());
    QVERIFY(cysLaptop.s().accounts.byId("a-usd").has_value());
    QVERIFY(!cysLaptop.s().accounts.byId("a-jpy").has_value());
    QVERIFY(cysLaptop.s().accounts.byId("a-usd")->isShared);
    QCOMPARE(cysLaptop.s()
                 .scalar("SELECT COUNT(*) FROM transactions WHERE account_id != 'a-usd'")
                 .toInt(),
             0);
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);

    // Cy's edit reaches Ann.
    Transaction bread = *cysLaptop.s().transactions.byId("t-bread");
    bread.memo = "sourdough";
    bread.syncStatus = SyncStatus::Pending;
    QVERIFY(cysLaptop.s().transactions.update(bread));
    QVERIFY(cysLaptop.sync());
    QVERIFY(annsLaptop.sync());
    QCOMPARE(annsLaptop.s().transactions.byId("t-bread")->memo, "sourdough");
    QVERIFY(annsLaptop.s().accounts.byId("a-usd")->isShared);

    // Withdrawing the share takes the register away from Cy.
    std::optional<bool> removed;
    annsLaptop.s().sharing->removeShare("a-usd", cy, [&](bool ok) { removed = ok; });
    QTRY_VERIFY(removed.has_value());
    QVERIFY(*removed);
    QVERIFY(cysLaptop.sync());
    QVERIFY(cysLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(cysLaptop.s().transactions.byId("t-bread")->isDeleted());
    QVERIFY(annsLaptop.sync());
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(!annsLaptop.s().transactions.byId("t-bread")->isDeleted());
}

QTEST_GUILESS_MAIN(TestSyncEndToEnd)
#include "tst_syncendtoend.moc"
