#include "sync/conflicts/syncconflictservice.h"
#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"

#include "tests/common/testrecords.h"
#include "tests/server/support/testserver.h"
#include "tests/sync/support/syncsession.h"

#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncconflictrepository.h"
#include "data/transactionrepository.h"
#include "services/categories/categoryservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"

#include "server/accounts/groupservice.h"
#include "server/sync/shareservice.h"

#include "app/core/ids.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The services the program writes through, over one device's open database: to be dropped
// before another device's database opens.
struct Ledger
{
    explicit Ledger(Session& s)
        : accounts(&s.database, &s.accounts, &s.transactions, &s.recurring, &s.reconciliations),
          transactions(&s.database, &s.accounts, &s.transactions, &s.splitLines),
          categories(&s.categories), recurring(&s.recurring, &transactions),
          conflicts(&s.database, s.engine->conflicts(), &s.accounts, &s.transactions, &s.categories,
                    &s.recurring, &s.reconciliations, &accounts, &transactions, &categories,
                    &recurring)
    {
    }

    AccountService accounts;
    TransactionService transactions;
    CategoryService categories;
    RecurringService recurring;
    SyncConflictService conflicts;
};

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
    void replacedEditsAreKeptAndCanBePutBack();
    void aWithdrawnShareIsNotTheMembersToRestore();
    void aDefaultCategoryDeletedBeforeTheFirstSyncIsDeletedEverywhere();
    void anIdSharedBackLeavesBothAccountsIntact_data();
    void anIdSharedBackLeavesBothAccountsIntact();
    void accountsOfOneIdSharedByAnOlderServerStayApart();

private:
    // Ann shares "a-usd" of her ledger with Cy (m_cy), who joins her family group; Cy's laptop
    // has pulled it.
    void shareWithCy(Device& annsLaptop, Device& cysLaptop);
    // Cy (m_cy) joins Ann's family group.
    void joinAnnsGroup();
    static bool share(Device& owner, const QString& accountId, const QString& memberId);
    static bool withdraw(Device& owner, const QString& accountId, const QString& memberId);
    // The user ids of who may see the account, as the sharing dialog lists them.
    static QStringList members(Device& device, const QString& accountId);
    // Cy's own account with that id ("Cash"), and a transaction "t-cy" in it.
    static void writeCysAccount(Device& cysLaptop, const QString& accountId);

    std::unique_ptr<TestServer> m_server;
    QString m_ann;
    QString m_cy;
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
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd"));
    QVERIFY(!cysLaptop.s().transactions.byId("t-bread"));
    QVERIFY(annsLaptop.sync());
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isDeleted());
    QVERIFY(!annsLaptop.s().transactions.byId("t-bread")->isDeleted());
}

// Both devices change the same rows offline: the laptop pays 90.00 where the desktop pays
// 95.00, and deletes the split transaction the desktop renames. The laptop syncs first and
// wins; the desktop shows the laptop's versions and keeps its own among the conflicts, from
// where Keep Mine brings them to both devices.
void TestSyncEndToEnd::replacedEditsAreKeptAndCanBePutBack()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    writeLedger(laptop);
    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());

    {
        Ledger ledger(laptop.s());
        Transaction bread = *laptop.s().transactions.byId("t-bread");
        bread.amount = -9000;
        QVERIFY(ledger.transactions.editInPlace(bread));
        QVERIFY(ledger.transactions.remove(*laptop.s().transactions.byId("t-market")));
    }
    {
        Ledger ledger(desktop.s());
        Transaction bread = *desktop.s().transactions.byId("t-bread");
        bread.amount = -9500;
        QVERIFY(ledger.transactions.editInPlace(bread));
        Transaction market = *desktop.s().transactions.byId("t-market");
        market.payee = "Farmers Market";
        QVERIFY(ledger.transactions.editInPlace(market));
    }
    QVERIFY(laptop.sync());
    QSignalSpy replaced(desktop.s().engine.get(), &SyncEngine::changesReplaced);
    QVERIFY(desktop.sync());
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(replaced.first().first().toInt(), 2);
    QCOMPARE(desktop.s().transactions.byId("t-bread")->amount, -9000);
    QVERIFY(desktop.s().transactions.byId("t-market")->isDeleted());
    QVERIFY(desktop.sync()); // the deletion's echo settles; nothing new is replaced
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(laptop.data(), desktop.data());
    QCOMPARE(laptop.s().engine->conflicts()->count(), 0);

    const QList<SyncConflict> conflicts = desktop.s().engine->conflicts()->listAll();
    QCOMPARE(conflicts.size(), 2);
    QStringList descriptions;
    for (const SyncConflict& conflict : conflicts)
        descriptions << conflict.entityId + ": " + conflict.description.section(" · ", 1);
    descriptions.sort();
    QCOMPARE(descriptions,
             QStringList({"t-bread: Bakery · -$95.00", "t-market: Farmers Market · -$30.00"}));
    {
        Ledger ledger(desktop.s());
        for (const SyncConflict& conflict : conflicts)
            QVERIFY(ledger.conflicts.keepMine(conflict.id));
    }
    QVERIFY(desktop.sync());
    QVERIFY(laptop.sync());
    QCOMPARE(laptop.s().transactions.byId("t-bread")->amount, -9500);
    const QString market =
        laptop.s()
            .scalar("SELECT id FROM transactions WHERE payee = 'Farmers Market' AND deleted_at "
                    "IS NULL")
            .toString();
    QCOMPARE(market.size(), 36); // back as a new transaction
    QCOMPARE(laptop.s().splitLines.listForTransaction(market).size(), 2);
    QVERIFY(desktop.sync());
    QCOMPARE(laptop.data(), desktop.data());
    QCOMPARE(desktop.s().engine->conflicts()->count(), 0);
    QCOMPARE(laptop.s().engine->conflicts()->count(), 0);
}

bool TestSyncEndToEnd::share(Device& owner, const QString& accountId, const QString& memberId)
{
    std::optional<bool> shared;
    owner.s().sharing->shareWith(accountId, memberId, QString(),
                                 [&](bool ok, const QString&) { shared = ok; });
    return QTest::qWaitFor([&] { return shared.has_value(); }, 10000) && *shared;
}

bool TestSyncEndToEnd::withdraw(Device& owner, const QString& accountId, const QString& memberId)
{
    std::optional<bool> removed;
    owner.s().sharing->removeShare(accountId, memberId, [&](bool ok) { removed = ok; });
    return QTest::qWaitFor([&] { return removed.has_value(); }, 10000) && *removed;
}

QStringList TestSyncEndToEnd::members(Device& device, const QString& accountId)
{
    std::optional<QStringList> ids;
    device.s().sharing->listMembers(accountId, [&](const QList<TovAccount::ShareMember>& list) {
        ids.emplace();
        for (const TovAccount::ShareMember& member : list)
            ids->append(member.userId);
        ids->sort();
    });
    if (!QTest::qWaitFor([&] { return ids.has_value(); }, 10000))
        return {QStringLiteral("no answer")};
    return *ids;
}

void TestSyncEndToEnd::writeCysAccount(Device& cysLaptop, const QString& accountId)
{
    QVERIFY(cysLaptop.s().accounts.insert(testAccount(accountId, "Cash", 5000)));
    QVERIFY(cysLaptop.s().transactions.insert(
        testTransaction("t-cy", accountId, QDate(2026, 3, 1), "Kiosk", -250)));
}

void TestSyncEndToEnd::shareWithCy(Device& annsLaptop, Device& cysLaptop)
{
    joinAnnsGroup();
    writeLedger(annsLaptop);
    QVERIFY(annsLaptop.sync());
    QVERIFY(share(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
}

void TestSyncEndToEnd::joinAnnsGroup()
{
    PennibarServer::Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const QString code = m_server->signedIn("ann@example.org")
                             .postEmpty("/group/invite")
                             .json()
                             .value("invite_code")
                             .toString();
    QCOMPARE(m_server->signedIn("cy@example.org").postEmpty("/group/join/" + code).status, 200);
}

// Once Ann takes Cy's access away, her rows leave Cy's laptop for good: they are not among his
// deleted accounts to restore, nothing of them is pushed, and the server keeps them Ann's even
// when a copy of them comes back to one of Cy's devices. Shared again, they come back.
void TestSyncEndToEnd::aWithdrawnShareIsNotTheMembersToRestore()
{
    Device annsLaptop(*m_server, "ann@example.org");
    m_cy = m_server->addUser("cy@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    shareWithCy(annsLaptop, cysLaptop);
    QVERIFY(withdraw(annsLaptop, "a-usd", m_cy));

    QVERIFY(cysLaptop.sync());
    Session& cy = cysLaptop.s();
    QVERIFY(cy.accounts.listDeleted().isEmpty());
    QVERIFY(!cy.accounts.byId("a-usd"));
    for (const char* table :
         {"transactions", "split_lines", "recurring_transactions", "reconciliations"})
        QCOMPARE(cy.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 0);
    AccountService accounts(&cy.database, &cy.accounts, &cy.transactions, &cy.recurring,
                            &cy.reconciliations);
    accounts.restore("a-usd");
    QVERIFY(!cy.accounts.byId("a-usd"));
    QCOMPARE(cy.accounts.pendingCount() + cy.transactions.pendingCount(), 0);

    // A copy of Ann's rows that reaches another of Cy's devices (an old backup, say) does not
    // become Cy's own: the server refuses it, and the withdrawal that device then pulls takes
    // the copy away too.
    Device cysDesktop(*m_server, "cy@example.org");
    QVERIFY(cysDesktop.s().accounts.insert(testAccount("a-usd", "Checking", 150000)));
    QVERIFY(cysDesktop.s().transactions.insert(
        testTransaction("t-bread", "a-usd", QDate(2026, 2, 10), "Copied", -450)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("status= \"forbidden\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("status= \"forbidden\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("0 ok, 2 errors"));
    QVERIFY(cysDesktop.sync());
    QVERIFY(!cysDesktop.s().accounts.byId("a-usd"));
    QVERIFY(!cysDesktop.s().transactions.byId("t-bread"));
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd"));
    QVERIFY(annsLaptop.sync());
    QCOMPARE(annsLaptop.s().transactions.byId("t-bread")->payee, "Bakery");
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isShared);

    // Shared again, the account comes back whole.
    QVERIFY(share(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd")->isDeleted());
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
}

void TestSyncEndToEnd::anIdSharedBackLeavesBothAccountsIntact_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<bool>("pushAccepted");

    QTest::newRow("the id of the account that was shared") << "a-usd" << false;
    QTest::newRow("the id of the account a shared transfer went to") << "a-jpy" << true;
}

// Ann shares "a-usd" with Cy and takes it back. Cy then writes an account of his own under the
// id of one of Ann's and shares it with her: the server refuses to store it as his or refuses
// the share, so neither device ever sees the other's account in place of its own.
void TestSyncEndToEnd::anIdSharedBackLeavesBothAccountsIntact()
{
    QFETCH(QString, accountId);
    QFETCH(bool, pushAccepted);
    Device annsLaptop(*m_server, "ann@example.org");
    m_cy = m_server->addUser("cy@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    shareWithCy(annsLaptop, cysLaptop);
    QCOMPARE(cysLaptop.s().transactions.byId("t-out")->transferDestAccountId, "a-jpy");
    QVERIFY(withdraw(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QVERIFY(annsLaptop.sync());
    const QStringList annsData = annsLaptop.data();

    writeCysAccount(cysLaptop, accountId);
    if (!pushAccepted) {
        for (int i = 0; i < 2; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("status= \"forbidden\""));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("0 ok, 2 errors"));
    }
    QVERIFY(cysLaptop.sync());
    QCOMPARE(cysLaptop.s().accounts.pendingCount(), pushAccepted ? 0 : 1);
    QVERIFY(!share(cysLaptop, accountId, m_ann));
    QVERIFY(annsLaptop.sync());

    QCOMPARE(annsLaptop.data(), annsData);
    QCOMPARE(cysLaptop.s().accounts.byId(accountId)->name, "Cash");
    QVERIFY(!cysLaptop.s().accounts.byId(accountId)->isDeleted());
    QCOMPARE(cysLaptop.s().transactions.byId("t-cy")->accountId, accountId);
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM accounts").toInt(), 1);
}

// An older server shared accounts of one id both ways: Ann's "a-usd" with Cy, who has an "a-usd"
// of his own, and later his with her. Each device keeps the account shared with it apart from
// its own, edits reach the account they were made in, and when each share ends, only the
// account shared leaves: both accounts stay whole on both devices.
void TestSyncEndToEnd::accountsOfOneIdSharedByAnOlderServerStayApart()
{
    Device annsLaptop(*m_server, "ann@example.org");
    m_cy = m_server->addUser("cy@example.org");
    Device cysLaptop(*m_server, "cy@example.org");
    joinAnnsGroup();
    writeLedger(annsLaptop);
    QVERIFY(annsLaptop.sync());
    writeCysAccount(cysLaptop, "a-usd");
    QVERIFY(cysLaptop.sync());
    QVERIFY(!share(annsLaptop, "a-usd", m_cy)); // Cy has an "a-usd" already
    PennibarServer::ShareService& olderServer = m_server->instance().sharing();
    QVERIFY(olderServer.share(m_ann, "a-usd", m_cy, "member"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has the id of another row here"));
    QVERIFY(cysLaptop.sync());
    const QString annsOnCys =
        cysLaptop.s().scalar("SELECT account_id FROM transactions WHERE id = 't-bread'").toString();
    QCOMPARE(annsOnCys.size(), 36);
    QCOMPARE(cysLaptop.s().accounts.byId(annsOnCys)->name, "Checking");
    QCOMPARE(cysLaptop.s().accounts.byId("a-usd")->name, "Cash");
    QCOMPARE(cysLaptop.s().transactions.byId("t-cy")->accountId, "a-usd");
    QStringList both{m_ann, m_cy};
    both.sort();
    QCOMPARE(members(cysLaptop, annsOnCys), both);
    QCOMPARE(members(cysLaptop, "a-usd"), QStringList{m_cy});

    // Cy works in both; each change reaches the account it was made in.
    {
        Ledger ledger(cysLaptop.s());
        Transaction bread = *cysLaptop.s().transactions.byId("t-bread");
        bread.memo = "sourdough";
        QVERIFY(ledger.transactions.editInPlace(bread));
        Account cash = *cysLaptop.s().accounts.byId("a-usd");
        cash.name = "Wallet";
        QVERIFY(ledger.accounts.update(cash));
        QVERIFY(cysLaptop.s().transactions.insert(
            testTransaction("t-cy-in-anns", annsOnCys, QDate(2026, 3, 2), "Paper", -120)));
    }
    QVERIFY(cysLaptop.sync());
    QVERIFY(annsLaptop.sync());
    QCOMPARE(annsLaptop.s().accounts.byId("a-usd")->name, "Checking");
    QCOMPARE(annsLaptop.s().transactions.byId("t-bread")->memo, "sourdough");
    QCOMPARE(annsLaptop.s().transactions.byId("t-cy-in-anns")->accountId, "a-usd");
    QVERIFY(!annsLaptop.s().transactions.byId("t-cy"));

    // Ann takes her account back: it leaves Cy's laptop, his own stays.
    QVERIFY(withdraw(annsLaptop, "a-usd", m_cy));
    QVERIFY(cysLaptop.sync());
    QVERIFY(!cysLaptop.s().accounts.byId(annsOnCys));
    QVERIFY(!cysLaptop.s().transactions.byId("t-bread"));
    QCOMPARE(cysLaptop.s().accounts.byId("a-usd")->name, "Wallet");
    QVERIFY(!cysLaptop.s().accounts.byId("a-usd")->isDeleted());
    QCOMPARE(cysLaptop.s().transactions.byId("t-cy")->accountId, "a-usd");

    // Cy's shared back to Ann the same way, and taken back again.
    QVERIFY(!share(cysLaptop, "a-usd", m_ann));
    QVERIFY(olderServer.share(m_cy, "a-usd", m_ann, "member"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has the id of another row here"));
    QVERIFY(annsLaptop.sync());
    const QString cysOnAnns =
        annsLaptop.s().scalar("SELECT account_id FROM transactions WHERE id = 't-cy'").toString();
    QCOMPARE(cysOnAnns.size(), 36);
    QCOMPARE(annsLaptop.s().accounts.byId(cysOnAnns)->name, "Wallet");
    QCOMPARE(annsLaptop.s().accounts.byId("a-usd")->name, "Checking");
    QVERIFY(withdraw(cysLaptop, "a-usd", m_ann));
    QVERIFY(annsLaptop.sync());
    QVERIFY(!annsLaptop.s().accounts.byId(cysOnAnns));
    QVERIFY(!annsLaptop.s().transactions.byId("t-cy"));
    QVERIFY(!annsLaptop.s().accounts.byId("a-usd")->isDeleted());
    QCOMPARE(annsLaptop.s().scalar("SELECT COUNT(*) FROM transactions WHERE account_id = 'a-usd' "
                                   "AND deleted_at IS NULL")
                 .toInt(),
             4);
    QVERIFY(cysLaptop.sync());
    QCOMPARE(cysLaptop.s().accounts.byId("a-usd")->name, "Wallet");
    QCOMPARE(cysLaptop.s().scalar("SELECT COUNT(*) FROM accounts").toInt(), 1);
}

// A default category carries the same id on every device. Deleted on the laptop before it
// ever synced, it stays deleted once the desktop, which still has it, syncs after it.
void TestSyncEndToEnd::aDefaultCategoryDeletedBeforeTheFirstSyncIsDeletedEverywhere()
{
    Device laptop(*m_server, "ann@example.org");
    Device desktop(*m_server, "ann@example.org");
    const QString groceries = nameBasedId(dnsNamespace(), QStringLiteral("expense::Groceries"));
    for (Device* device : {&laptop, &desktop}) {
        CategoryService categories(&device->s().categories);
        categories.ensureDefaultCategories();
        QCOMPARE(device->s().categories.count(), 56);
    }
    QVERIFY(CategoryService(&laptop.s().categories).remove(groceries));

    QVERIFY(laptop.sync());
    QVERIFY(desktop.sync());
    QVERIFY(desktop.sync()); // pushes the deletion it pulled
    QVERIFY(laptop.sync());
    for (Device* device : {&laptop, &desktop}) {
        QVERIFY(device->s().categories.byId(groceries)->isDeleted());
        QCOMPARE(device->s().categories.count(), 55);
        QCOMPARE(device->s().categories.pendingCount(), 0);
    }
    // Each device seeded its defaults at its own moment, and a row's creation time stays where
    // it was first written: the two may differ by a second.
    const auto withoutCreationTimes = [](QStringList rows) {
        static const QRegularExpression created(QStringLiteral("\\|created_at=[^|]*"));
        for (QString& row : rows)
            row.remove(created);
        return rows;
    };
    QCOMPARE(withoutCreationTimes(laptop.data()), withoutCreationTimes(desktop.data()));
}

QTEST_GUILESS_MAIN(TestSyncEndToEnd)
#include "tst_syncendtoend.moc"
