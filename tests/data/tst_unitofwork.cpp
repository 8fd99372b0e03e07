#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString observerName = QStringLiteral("observer");

// Accounts "a" and "b" with the repositories on them, and a second connection to the same file
// that sees only what has been committed.
struct Ledger
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};

    Ledger()
    {
        accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A")));
        accounts.insert(testAccount(QStringLiteral("b"), QStringLiteral("B")));
        QSqlDatabase observer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), observerName);
        observer.setDatabaseName(db.path());
        observer.open();
    }

    ~Ledger() { QSqlDatabase::removeDatabase(observerName); }

    bool insert(const QString& id, const QString& accountId)
    {
        return transactions.insert(
            testTransaction(id, accountId, QDate(2024, 3, 1), QStringLiteral("Shop"), -100));
    }

    // The transaction ids committed to the file, in id order.
    QStringList committedIds() const
    {
        QSqlQuery query(QSqlDatabase::database(observerName));
        query.exec(QStringLiteral("SELECT id FROM transactions ORDER BY id"));
        QStringList ids;
        while (query.next())
            ids << query.value(0).toString();
        return ids;
    }
};

QStringList announcedAccounts(const QSignalSpy& spy)
{
    QStringList accounts;
    for (const QList<QVariant>& signal : spy)
        accounts << signal.first().toString();
    accounts.sort();
    return accounts;
}

} // namespace

class TestUnitOfWork : public QObject
{
    Q_OBJECT

private slots:
    void nestedScopesCommitOnce();
    void scopesKeepOrUndoTheirWrites_data();
    void scopesKeepOrUndoTheirWrites();
    void eachTableIsAnnouncedOnce();
    void joinsATransactionBegunElsewhere();
    void listenersWriteOutsideTheFinishedUnit();
};

void TestUnitOfWork::nestedScopesCommitOnce()
{
    Ledger ledger;
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QStringList seenWhenAnnounced;
    connect(&ledger.transactions, &TransactionRepository::transactionsChanged, this,
            [&] { seenWhenAnnounced = ledger.committedIds(); });

    UnitOfWork outer(ledger.db.database());
    QVERIFY(outer.isActive());
    QVERIFY(ledger.insert(QStringLiteral("t1"), QStringLiteral("a")));
    {
        UnitOfWork inner(ledger.db.database());
        QVERIFY(inner.isActive());
        QVERIFY(ledger.insert(QStringLiteral("t2"), QStringLiteral("b")));
        QVERIFY(ledger.insert(QStringLiteral("t3"), QStringLiteral("b")));
        QVERIFY(inner.commit());
    }
    // The inner commit keeps its rows inside the outer transaction: nothing reached the file
    // and nobody heard of it.
    QCOMPARE(changed.count(), 0);
    QCOMPARE(ledger.committedIds(), QStringList());

    QVERIFY(outer.commit());
    QCOMPARE(ledger.committedIds(), (QStringList{"t1", "t2", "t3"}));
    QCOMPARE(announcedAccounts(changed), (QStringList{"a", "b"}));
    // Announced after the commit: a listener reading the file finds the rows.
    QCOMPARE(seenWhenAnnounced, (QStringList{"t1", "t2", "t3"}));
}

void TestUnitOfWork::scopesKeepOrUndoTheirWrites_data()
{
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("announced");

    QTest::newRow("both commit") << true << true << QStringList{"outer", "inner"}
                                 << QStringList{"a", "b"};
    QTest::newRow("inner rolls back") << false << true << QStringList{"outer"} << QStringList{"a"};
    QTest::newRow("outer rolls back") << true << false << QStringList{} << QStringList{};
    QTest::newRow("both roll back") << false << false << QStringList{} << QStringList{};
}

// The inner unit rolls back explicitly, the outer one by going out of scope uncommitted.
void TestUnitOfWork::scopesKeepOrUndoTheirWrites()
{
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, announced);

    Ledger ledger;
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    {
        UnitOfWork outer(ledger.db.database());
        QVERIFY(ledger.insert(QStringLiteral("outer"), QStringLiteral("a")));
        {
            UnitOfWork inner(ledger.db.database());
            QVERIFY(ledger.insert(QStringLiteral("inner"), QStringLiteral("b")));
            if (innerCommits)
                QVERIFY(inner.commit());
            else
                inner.rollback();
        }
        if (outerCommits)
            QVERIFY(outer.commit());
    }

    QStringList ids;
    for (const QString& account : {QStringLiteral("a"), QStringLiteral("b")}) {
        for (const Transaction& transaction : ledger.transactions.listByAccount(account))
            ids << transaction.id;
    }
    QCOMPARE(ids, stored);
    QCOMPARE(announcedAccounts(changed), announced);
}

void TestUnitOfWork::eachTableIsAnnouncedOnce()
{
    Ledger ledger;
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&ledger.transactions,
                                   &TransactionRepository::transactionsChanged);

    UnitOfWork unit(ledger.db.database());
    QVERIFY(ledger.accounts.insert(testAccount(QStringLiteral("c"), QStringLiteral("C"))));
    QVERIFY(ledger.accounts.softDelete(QStringLiteral("b")));
    QVERIFY(ledger.insert(QStringLiteral("t1"), QStringLiteral("c")));
    QVERIFY(ledger.insert(QStringLiteral("t2"), QStringLiteral("c")));
    QVERIFY(ledger.transactions.softDelete(QStringLiteral("t1")));
    QVERIFY(unit.commit());

    QCOMPARE(accountsChanged.count(), 1);
    QCOMPARE(announcedAccounts(transactionsChanged), QStringList{"c"});
}

// A caller's own transaction decides: the unit's commit only ends the unit.
void TestUnitOfWork::joinsATransactionBegunElsewhere()
{
    Ledger ledger;
    QSqlDatabase connection = ledger.db.database()->connection();
    QVERIFY(connection.transaction());
    {
        UnitOfWork unit(ledger.db.database());
        QVERIFY(unit.isActive());
        QVERIFY(ledger.insert(QStringLiteral("t1"), QStringLiteral("a")));
        QVERIFY(unit.commit());
    }
    QCOMPARE(ledger.committedIds(), QStringList());
    QVERIFY(connection.rollback());
    QVERIFY(!ledger.transactions.byId(QStringLiteral("t1")));
}

// What a listener writes when it hears of a commit is its own change, announced at once.
void TestUnitOfWork::listenersWriteOutsideTheFinishedUnit()
{
    Ledger ledger;
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    connect(&ledger.transactions, &TransactionRepository::transactionsChanged, this,
            [&] { ledger.accounts.insert(testAccount(QStringLiteral("c"), QStringLiteral("C"))); });

    UnitOfWork unit(ledger.db.database());
    QVERIFY(ledger.insert(QStringLiteral("t1"), QStringLiteral("a")));
    QVERIFY(unit.commit());

    QCOMPARE(accountsChanged.count(), 1);
    QVERIFY(ledger.accounts.byId(QStringLiteral("c")));
}

QTEST_GUILESS_MAIN(TestUnitOfWork)
#include "tst_unitofwork.moc"
