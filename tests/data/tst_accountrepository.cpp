#include "data/accountrepository.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestAccountRepository : public QObject
{
    Q_OBJECT

private:
    static QStringList names(const QList<Account>& accounts)
    {
        QStringList result;
        for (const Account& account : accounts)
            result << account.name;
        return result;
    }

private slots:
    void listsBySortOrderThenBinaryName();
    void roundTripsEveryField();
    void softDeleteAndRestore();
    void softDeleteOfUnknownIdStillAnnounces();
    void pendingIncludesDeletedRows();
    void pendingPagesWalkEveryPendingRowOnce();
    void markAllPendingForResyncCountsLiveNonPendingRows();
    void updateSortOrdersCommitsEveryPair();
    void failedWriteLogsAndStaysQuiet();
};

void TestAccountRepository::listsBySortOrderThenBinaryName()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    Account second = testAccount(QStringLiteral("a"), QStringLiteral("zeta"));
    second.sortOrder = 1;
    QVERIFY(repository.insert(second));
    QVERIFY(repository.insert(testAccount(QStringLiteral("b"), QStringLiteral("beta"))));
    QVERIFY(repository.insert(testAccount(QStringLiteral("c"), QStringLiteral("Zulu"))));
    QVERIFY(repository.insert(testAccount(QStringLiteral("d"), QStringLiteral("Alpha"))));
    // Upper case sorts before lower case in SQLite's binary collation.
    QCOMPARE(names(repository.listAll()), (QStringList{"Alpha", "Zulu", "beta", "zeta"}));
}

void TestAccountRepository::roundTripsEveryField()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    Account account =
        testAccount(QStringLiteral("a1"), QStringLiteral("Visa"), -12345, Currency::JPY);
    account.accountType = AccountType::CreditCard;
    account.institution = QStringLiteral("Summit Bank");
    account.accountNumberLast4 = QStringLiteral("7712");
    account.sortOrder = 3;
    account.isShared = true;
    account.version = 4;
    account.syncStatus = SyncStatus::Synced;
    account.serverId = QStringLiteral("srv");
    QVERIFY(repository.insert(account));

    const std::optional<Account> read = repository.byId(QStringLiteral("a1"));
    QVERIFY(read);
    QCOMPARE(read->name, account.name);
    QCOMPARE(read->accountType, AccountType::CreditCard);
    QCOMPARE(read->currency, Currency::JPY);
    QCOMPARE(read->institution, account.institution);
    QCOMPARE(read->accountNumberLast4, account.accountNumberLast4);
    QCOMPARE(read->startingBalance, qint64(-12345));
    QCOMPARE(read->sortOrder, 3);
    QVERIFY(read->isShared);
    QCOMPARE(read->version, 4);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, QStringLiteral("srv"));
    QCOMPARE(read->createdAt, account.createdAt);

    // An update writes what the record holds and never the creation time.
    Account changed = *read;
    changed.name = QStringLiteral("Visa Rewards");
    changed.createdAt = changed.createdAt.addDays(-100);
    changed.version = 5;
    QVERIFY(repository.update(changed));
    const std::optional<Account> updated = repository.byId(QStringLiteral("a1"));
    QCOMPARE(updated->name, QStringLiteral("Visa Rewards"));
    QCOMPARE(updated->version, 5);
    QCOMPARE(updated->createdAt, account.createdAt);
}

void TestAccountRepository::softDeleteAndRestore()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    Account synced = testAccount(QStringLiteral("a1"), QStringLiteral("Old"));
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(repository.insert(synced));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QVERIFY(repository.softDelete(QStringLiteral("a1")));
    QCOMPARE(changed.count(), 1);
    const std::optional<Account> deleted = repository.byId(QStringLiteral("a1"));
    QVERIFY(deleted && deleted->isDeleted());
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QVERIFY(repository.listAll().isEmpty());
    QCOMPARE(names(repository.listDeleted()), QStringList{"Old"});

    QVERIFY(repository.restore(QStringLiteral("a1")));
    QVERIFY(!repository.byId(QStringLiteral("a1"))->isDeleted());
    QCOMPARE(names(repository.listAll()), QStringList{"Old"});
    QCOMPARE(changed.count(), 2);
}

void TestAccountRepository::softDeleteOfUnknownIdStillAnnounces()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);
    QVERIFY(repository.softDelete(QStringLiteral("nobody")));
    QCOMPARE(changed.count(), 1);
}

void TestAccountRepository::pendingIncludesDeletedRows()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    Account synced = testAccount(QStringLiteral("s"), QStringLiteral("Synced"));
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(repository.insert(synced));
    QVERIFY(repository.insert(testAccount(QStringLiteral("d"), QStringLiteral("Doomed"))));
    QVERIFY(repository.softDelete(QStringLiteral("d")));
    QCOMPARE(names(repository.pending()), QStringList{"Doomed"});

    QVERIFY(repository.markSynced(QStringLiteral("d"), QStringLiteral("server-d")));
    QVERIFY(repository.pending().isEmpty());
    QCOMPARE(repository.byId(QStringLiteral("d"))->serverId, QStringLiteral("server-d"));
}

// A push reads pending rows page by page; rows marked synced while it walks must not shift
// the rest, and the walk ends on an empty page.
void TestAccountRepository::pendingPagesWalkEveryPendingRowOnce()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    for (const char* name : {"Zed", "Amy", "Synced", "Bob", "Cat"}) {
        Account account =
            testAccount(QString::fromLatin1(name).toLower(), QString::fromLatin1(name));
        if (account.name == QStringLiteral("Synced"))
            account.syncStatus = SyncStatus::Synced;
        QVERIFY(repository.insert(account));
    }
    QCOMPARE(repository.pendingCount(), 4);

    QStringList walked;
    qint64 after = 0;
    for (int page = 0; page < 10; ++page) {
        const QList<Account> rows = repository.pendingAfter(&after, 2);
        if (rows.isEmpty())
            break;
        walked << names(rows);
        for (const Account& account : rows)
            QVERIFY(repository.markSynced(account.id, QStringLiteral("s-") + account.id));
    }
    QCOMPARE(walked, (QStringList{"Zed", "Amy", "Bob", "Cat"}));
    QCOMPARE(repository.pendingCount(), 0);
}

void TestAccountRepository::markAllPendingForResyncCountsLiveNonPendingRows()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(testAccount(QStringLiteral("p"), QStringLiteral("Pending"))));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);
    QCOMPARE(repository.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 0);

    for (const char* id : {"s1", "s2", "gone"}) {
        Account account = testAccount(QString::fromLatin1(id), QString::fromLatin1(id));
        QVERIFY(repository.insert(account));
        QVERIFY(repository.markSynced(account.id, QStringLiteral("srv")));
    }
    db.exec(QStringLiteral("UPDATE accounts SET sync_status = 'conflict' WHERE id = 's2'"));
    db.exec(QStringLiteral(
        "UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'gone'"));
    changed.clear();

    QCOMPARE(repository.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.byId(QStringLiteral("s2"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(repository.byId(QStringLiteral("gone"))->syncStatus, SyncStatus::Synced);
}

void TestAccountRepository::updateSortOrdersCommitsEveryPair()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(repository.insert(testAccount(QStringLiteral("b"), QStringLiteral("B"))));
    QVERIFY(repository.markSynced(QStringLiteral("a"), QStringLiteral("srv")));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QVERIFY(repository.updateSortOrders(
        {{QStringLiteral("b"), 0}, {QStringLiteral("ghost"), 1}, {QStringLiteral("a"), 2}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(repository.listAll()), (QStringList{"B", "A"}));
    // A reordering alone is not pushed.
    QCOMPARE(repository.byId(QStringLiteral("a"))->syncStatus, SyncStatus::Synced);

    QVERIFY(repository.updateSortOrders({}));
    QCOMPARE(changed.count(), 2);
}

void TestAccountRepository::failedWriteLogsAndStaysQuiet()
{
    TestDatabase db;
    AccountRepository repository(db.database());
    QVERIFY(repository.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QSignalSpy changed(&repository, &AccountRepository::accountsChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^AccountRepository::insert failed: .*UNIQUE")));
    QVERIFY(!repository.insert(testAccount(QStringLiteral("a"), QStringLiteral("Again"))));
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
