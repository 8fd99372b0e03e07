#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/payeeservice.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

const QDate day(2024, 6, 3);
// Every fixture row was last written at this time, so a renamed row shows by its timestamp.
const QString fixtureTime = QStringLiteral("2024-01-02T03:04:05Z");
const QStringList rowIds{"gone", "t1", "t2", "t3", "t4"};

// Two accounts with "Coffee Shop" in both, "COFFEE SHOP" and "Corner Cafe" in one, and a deleted
// "Coffee Shop" row; every row synced at version 3.
struct Payees
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    PayeeService service{db.database(), &transactions};

    Payees()
    {
        accounts.insert(testAccount(QStringLiteral("checking"), QStringLiteral("Checking")));
        accounts.insert(testAccount(QStringLiteral("card"), QStringLiteral("Card")));
        add(QStringLiteral("t1"), QStringLiteral("checking"), QStringLiteral("Coffee Shop"));
        add(QStringLiteral("t2"), QStringLiteral("card"), QStringLiteral("Coffee Shop"));
        add(QStringLiteral("t3"), QStringLiteral("checking"), QStringLiteral("COFFEE SHOP"));
        add(QStringLiteral("t4"), QStringLiteral("checking"), QStringLiteral("Corner Cafe"));
        add(QStringLiteral("gone"), QStringLiteral("checking"), QStringLiteral("Coffee Shop"));
        transactions.softDelete(QStringLiteral("gone"));
        db.exec(QStringLiteral("UPDATE transactions SET version = 3, sync_status = 'synced', "
                               "updated_at = '%1'")
                    .arg(fixtureTime));
    }

    void add(const QString& id, const QString& accountId, const QString& payee)
    {
        QVERIFY(transactions.insert(testTransaction(id, accountId, day, payee, -450)));
    }

    // "id=payee" for every row, deleted ones included, by id.
    QStringList payeesById() const
    {
        QStringList rows;
        for (const QString& id : rowIds)
            rows << id + QLatin1Char('=') + transactions.byId(id)->payee;
        return rows;
    }

    // The ids of the rows written by the rename: pending again, their version kept.
    QStringList touched() const
    {
        QStringList ids;
        for (const QString& id : rowIds) {
            const Transaction row = *transactions.byId(id);
            if (row.syncStatus == SyncStatus::Pending)
                ids << id;
            if (row.version != 3)
                ids << id + QStringLiteral(" version changed");
        }
        return ids;
    }
};

} // namespace

class TestPayeeService : public QObject
{
    Q_OBJECT

private slots:
    void renamesAcrossAccounts_data();
    void renamesAcrossAccounts();
    void renamedRowsTakeTheRecordsTimestampForm();
    void failedWriteRenamesNothing();
    void emptyNameIsRefused();
};

void TestPayeeService::renamesAcrossAccounts_data()
{
    QTest::addColumn<QStringList>("payees");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("touched");

    QTest::newRow("to its own name")
        << QStringList{"Coffee Shop"} << QStringLiteral("Coffee Shop") << 0
        << QStringList{"gone=Coffee Shop", "t1=Coffee Shop", "t2=Coffee Shop", "t3=COFFEE SHOP",
                       "t4=Corner Cafe"}
        << QStringList{};
    QTest::newRow("one payee in two accounts")
        << QStringList{"Coffee Shop"} << QStringLiteral("Bean Bar") << 2
        << QStringList{"gone=Coffee Shop", "t1=Bean Bar", "t2=Bean Bar", "t3=COFFEE SHOP",
                       "t4=Corner Cafe"}
        << QStringList{"t1", "t2"};
    QTest::newRow("merge into the first of two spellings")
        << QStringList{"Coffee Shop", "COFFEE SHOP"} << QStringLiteral("Coffee Shop") << 1
        << QStringList{"gone=Coffee Shop", "t1=Coffee Shop", "t2=Coffee Shop", "t3=Coffee Shop",
                       "t4=Corner Cafe"}
        << QStringList{"t3"};
    QTest::newRow("merge into a new name")
        << QStringList{"COFFEE SHOP", "Corner Cafe"} << QStringLiteral("Cafe") << 2
        << QStringList{"gone=Coffee Shop", "t1=Coffee Shop", "t2=Coffee Shop", "t3=Cafe", "t4=Cafe"}
        << QStringList{"t3", "t4"};
}

// Deleted rows keep their payee; every renamed row is pending again with its version kept.
void TestPayeeService::renamesAcrossAccounts()
{
    QFETCH(QStringList, payees);
    QFETCH(QString, newName);
    QFETCH(int, renamed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, touched);
    Payees fixture;
    QSignalSpy changed(&fixture.transactions, &TransactionRepository::transactionsChanged);

    QCOMPARE(fixture.service.rename(payees, newName), std::optional<int>(renamed));

    QCOMPARE(fixture.payeesById(), expected);
    QCOMPARE(fixture.touched(), touched);
    // One announcement for the whole action, naming no single account.
    QCOMPARE(changed.count(), renamed > 0 ? 1 : 0);
    if (renamed > 0)
        QCOMPARE(changed.first().first().toString(), QString());
}

// The rows a rename writes carry "yyyy-MM-ddTHH:mm:ssZ" like every other writer's, not SQLite's
// "yyyy-MM-dd HH:mm:ss", so they compare and read back as the other timestamps do.
void TestPayeeService::renamedRowsTakeTheRecordsTimestampForm()
{
    Payees fixture;
    const QDateTime before = nowUtc();
    QVERIFY(fixture.service.rename({QStringLiteral("Corner Cafe")}, QStringLiteral("Cafe")));

    const QString stored =
        fixture.db.scalar(QStringLiteral("SELECT updated_at FROM transactions WHERE id = 't4'"))
            .toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                 .match(stored)
                 .hasMatch(),
             qPrintable(stored));
    const QDateTime updated = fixture.transactions.byId(QStringLiteral("t4"))->updatedAt;
    QVERIFY(updated >= before);
    QVERIFY(updated <= nowUtc());
}

// A merge whose second payee cannot be written leaves the first one's rows as they were too.
void TestPayeeService::failedWriteRenamesNothing()
{
    Payees fixture;
    fixture.db.exec(QStringLiteral(
        "CREATE TEMP TRIGGER refuse_corner BEFORE UPDATE OF payee ON transactions WHEN "
        "OLD.payee = 'Corner Cafe' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const QStringList before = fixture.payeesById();
    QSignalSpy changed(&fixture.transactions, &TransactionRepository::transactionsChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^TransactionRepository::renamePayee failed:")));
    QCOMPARE(fixture.service.rename({QStringLiteral("Coffee Shop"), QStringLiteral("COFFEE SHOP"),
                                     QStringLiteral("Corner Cafe")},
                                    QStringLiteral("Cafe")),
             std::nullopt);

    QCOMPARE(fixture.payeesById(), before);
    QCOMPARE(fixture.touched(), QStringList());
    QCOMPARE(changed.count(), 0);
}

void TestPayeeService::emptyNameIsRefused()
{
    Payees fixture;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("empty name")));
    QCOMPARE(fixture.service.rename({QStringLiteral("Coffee Shop")}, QString()), std::nullopt);
    QCOMPARE(fixture.touched(), QStringList());
}

QTEST_GUILESS_MAIN(TestPayeeService)
#include "tst_payeeservice.moc"
