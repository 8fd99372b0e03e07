#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/categories/categoryservice.h"
#include "services/sampledata/sampledataservice.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QTest>

// A database with the default categories, as a new installation has it.
struct Household
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    CategoryRepository categories{db.database()};
    TransactionRepository transactions{db.database()};
    SampleDataService samples{db.database()};

    Household() { CategoryService(&categories).ensureDefaultCategories(); }

    qint64 endingBalance(const char* accountId) const
    {
        return transactions.registerRows(QString::fromLatin1(accountId)).last().balance;
    }
};

class TestSampleDataService : public QObject
{
    Q_OBJECT

private slots:
    void loadsTheHousehold();
    void clearRemovesOnlySampleRows();
    void userRowsInSampleAccountsKeepTheAccounts();
    void renamedCategoriesAreLeftEmpty();
};

void TestSampleDataService::loadsTheHousehold()
{
    Household home;
    QVERIFY(!home.samples.hasSampleData());
    home.samples.load();
    QVERIFY(home.samples.hasSampleData());

    QCOMPARE(home.endingBalance("sample-acct-checking"), qint64(1125960));
    QCOMPARE(home.endingBalance("sample-acct-savings"), qint64(1101695));
    QCOMPARE(home.endingBalance("sample-acct-visa"), qint64(-3839));
    const QList<RegisterRow> checking =
        home.transactions.registerRows(QStringLiteral("sample-acct-checking"));
    QCOMPARE(checking.size(), 34);
    QCOMPARE(checking.first().transaction.payee, QStringLiteral("Opening Balance"));
    QCOMPARE(checking.first().transaction.date, QDate::currentDate().addDays(-60));
    QCOMPARE(checking.at(2).categoryName, QStringLiteral("Housing > Rent/Mortgage Payment"));

    QCOMPARE(home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 49);
    QCOMPARE(home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")).toInt(),
             3);
    QCOMPARE(
        home.db
            .scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL"))
            .toInt(),
        6);
    // Both halves of each transfer share one link value and name each other's account.
    QCOMPARE(home.db
                 .scalar(QStringLiteral(
                     "SELECT COUNT(DISTINCT transfer_link_id) FROM transactions WHERE "
                     "transfer_link_id LIKE 'sample-xfer-%'"))
                 .toInt(),
             2);
    QCOMPARE(home.db
                 .scalar(QStringLiteral(
                     "SELECT COUNT(*) FROM transactions WHERE transfer_dest_account_id = "
                     "'sample-acct-savings'"))
                 .toInt(),
             2);
    QCOMPARE(
        home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE reconciled = 1"))
            .toInt(),
        16);
    QCOMPARE(home.db
                 .scalar(QStringLiteral(
                     "SELECT next_due_date FROM recurring_transactions WHERE frequency = "
                     "'biweekly'"))
                 .toString(),
             toIsoDate(QDate::currentDate().addDays(8)));
}

void TestSampleDataService::clearRemovesOnlySampleRows()
{
    Household home;
    QVERIFY(home.accounts.insert(testAccount(QStringLiteral("mine"), QStringLiteral("Mine"))));
    home.samples.load();
    home.samples.clear();
    QVERIFY(!home.samples.hasSampleData());
    QCOMPARE(home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    QCOMPARE(home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")).toInt(),
             0);
    QCOMPARE(home.accounts.listAll().size(), 1);
    QCOMPARE(home.categories.count(), 56);
}

void TestSampleDataService::userRowsInSampleAccountsKeepTheAccounts()
{
    Household home;
    home.samples.load();
    QVERIFY(home.transactions.insert(
        testTransaction(QStringLiteral("my-own"), QStringLiteral("sample-acct-visa"),
                        QDate::currentDate(), QStringLiteral("Mine"), -100)));
    home.samples.clear();
    QVERIFY(home.samples.hasSampleData());
    QCOMPARE(home.accounts.listAll().size(), 3);
    QCOMPARE(home.db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
}

void TestSampleDataService::renamedCategoriesAreLeftEmpty()
{
    Household home;
    home.db.exec(QStringLiteral(
        "UPDATE categories SET name = name || ' (renamed)' WHERE name = 'Groceries'"));
    home.samples.load();
    QCOMPARE(home.db
                 .scalar(QStringLiteral(
                     "SELECT COUNT(*) FROM transactions WHERE payee = 'Greenleaf Market' "
                     "AND category_id IS NULL"))
                 .toInt(),
             7);
}

QTEST_GUILESS_MAIN(TestSampleDataService)
#include "tst_sampledataservice.moc"
