#include "app/core/isodates.h"
#include "data/account.h"
#include "data/enumerations.h"
#include "data/rowreader.h"
#include "data/sqlvalue.h"
#include "tests/common/testdatabase.h"

#include <QSqlQuery>
#include <QTest>

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void storageStringsRoundTrip();
    void unknownStorageStringsFallBack_data();
    void unknownStorageStringsFallBack();
    void outOfRangeValuesWriteTheFallback();
    void displayNames();
    void bookkeepingRoundTripsThroughTheTable();
    void emptyReferencesBindNull();
    void emptyDeletedAtReadsAsLive();
};

void TestRecords::storageStringsRoundTrip()
{
    for (int i = 0; i <= 5; ++i) {
        const auto type = AccountType(i);
        QCOMPARE(Enumerations::accountTypeFromStorage(Enumerations::storageString(type)), type);
        const auto currency = Currency(i);
        QCOMPARE(Enumerations::currencyFromStorage(Enumerations::storageString(currency)),
                 currency);
    }
    for (int i = 0; i <= 2; ++i) {
        QCOMPARE(
            Enumerations::categoryTypeFromStorage(Enumerations::storageString(CategoryType(i))),
            CategoryType(i));
        QCOMPARE(Enumerations::syncStatusFromStorage(Enumerations::storageString(SyncStatus(i))),
                 SyncStatus(i));
    }
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(Enumerations::frequencyFromStorage(Enumerations::storageString(Frequency(i))),
                 Frequency(i));

    QCOMPARE(Enumerations::storageString(AccountType::CreditCard), QStringLiteral("credit_card"));
    QCOMPARE(Enumerations::storageString(Frequency::SemiAnnual), QStringLiteral("semi_annual"));
    QCOMPARE(Enumerations::storageString(CategoryType::Transfer), QStringLiteral("transfer"));
    QCOMPARE(Enumerations::storageString(Currency::JPY), QStringLiteral("JPY"));
}

void TestRecords::unknownStorageStringsFallBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");

    QTest::newRow("capitalised account type") << "account"
                                              << "Checking" << int(AccountType::Other);
    QTest::newRow("credit card") << "account"
                                 << "credit_card" << int(AccountType::CreditCard);
    QTest::newRow("unknown currency") << "currency"
                                      << "CHF" << int(Currency::USD);
    QTest::newRow("lower-case currency") << "currency"
                                         << "eur" << int(Currency::USD);
    QTest::newRow("unknown frequency") << "frequency"
                                       << "fortnightly" << int(Frequency::Monthly);
    QTest::newRow("unknown category type") << "category"
                                           << "" << int(CategoryType::Expense);
    QTest::newRow("transfer category") << "category"
                                       << "transfer" << int(CategoryType::Transfer);
    QTest::newRow("conflict status") << "sync"
                                     << "conflict" << int(SyncStatus::Conflict);
    QTest::newRow("unknown status") << "sync"
                                    << "SYNCED" << int(SyncStatus::Pending);
}

void TestRecords::unknownStorageStringsFallBack()
{
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QFETCH(int, value);
    int read = -1;
    if (kind == QLatin1String("account"))
        read = int(Enumerations::accountTypeFromStorage(stored));
    else if (kind == QLatin1String("currency"))
        read = int(Enumerations::currencyFromStorage(stored));
    else if (kind == QLatin1String("frequency"))
        read = int(Enumerations::frequencyFromStorage(stored));
    else if (kind == QLatin1String("category"))
        read = int(Enumerations::categoryTypeFromStorage(stored));
    else
        read = int(Enumerations::syncStatusFromStorage(stored));
    QCOMPARE(read, value);
}

void TestRecords::outOfRangeValuesWriteTheFallback()
{
    QCOMPARE(Enumerations::storageString(AccountType(42)), QStringLiteral("other"));
    QCOMPARE(Enumerations::storageString(Currency(42)), QStringLiteral("USD"));
    QCOMPARE(Enumerations::storageString(CategoryType(42)), QStringLiteral("expense"));
    QCOMPARE(Enumerations::storageString(Frequency(42)), QStringLiteral("monthly"));
    QCOMPARE(Enumerations::storageString(SyncStatus(42)), QStringLiteral("pending"));
}

void TestRecords::displayNames()
{
    QCOMPARE(Enumerations::displayName(AccountType::CreditCard), QStringLiteral("Credit Card"));
    QCOMPARE(Enumerations::displayName(Currency::EUR), QStringLiteral("EUR (€)"));
    QCOMPARE(Enumerations::displayName(Frequency::Biweekly), QStringLiteral("Bi-weekly"));
    QCOMPARE(Enumerations::displayName(Frequency::SemiAnnual), QStringLiteral("Semi-annual"));
    QCOMPARE(Enumerations::displayName(CategoryType::Income), QStringLiteral("Income"));
    QVERIFY(Enumerations::displayName(CategoryType::Transfer).isEmpty());
}

void TestRecords::bookkeepingRoundTripsThroughTheTable()
{
    TestDatabase db;
    QVERIFY(db.isReady());

    Account written;
    written.id = QStringLiteral("a1");
    written.name = QStringLiteral("Everyday");
    written.accountType = AccountType::Savings;
    written.currency = Currency::GBP;
    written.startingBalance = -123456;
    written.createdAt = nowUtc();
    written.updatedAt = written.createdAt.addSecs(5);
    written.syncStatus = SyncStatus::Synced;
    written.serverId = QStringLiteral("srv-1");
    written.version = 7;

    QSqlQuery insert(db.database()->connection());
    insert.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                                  "starting_balance, version, sync_status, server_id, created_at, "
                                  "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {SqlValue::text(written.id), SqlValue::text(written.name),
          SqlValue::storage(written.accountType), SqlValue::storage(written.currency),
          SqlValue::money(written.startingBalance), QVariant(written.version),
          SqlValue::storage(written.syncStatus), SqlValue::text(written.serverId),
          SqlValue::timestamp(written.createdAt), SqlValue::timestamp(written.updatedAt)})
        insert.addBindValue(value);
    QVERIFY(insert.exec());

    QSqlQuery select(
        QStringLiteral("SELECT name, account_type, currency, starting_balance, version, "
                       "sync_status, server_id, created_at, updated_at, deleted_at FROM accounts"),
        db.database()->connection());
    QVERIFY(select.next());
    RowReader reader(select);
    Account read;
    read.name = reader.text();
    read.accountType = reader.accountType();
    read.currency = reader.currency();
    read.startingBalance = reader.money();
    reader.readBookkeeping(read);

    QCOMPARE(read.name, written.name);
    QCOMPARE(read.accountType, AccountType::Savings);
    QCOMPARE(read.currency, Currency::GBP);
    QCOMPARE(read.startingBalance, qint64(-123456));
    QCOMPARE(read.version, 7);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv-1"));
    QCOMPARE(read.createdAt, written.createdAt);
    QCOMPARE(read.createdAt.timeSpec(), Qt::UTC);
    QCOMPARE(read.updatedAt, written.updatedAt);
    QVERIFY(!read.deletedAt.has_value());
}

void TestRecords::emptyReferencesBindNull()
{
    QVERIFY(SqlValue::reference(QString()).isNull());
    QVERIFY(SqlValue::reference(QStringLiteral("")).isNull());
    QCOMPARE(SqlValue::reference(QStringLiteral("c1")).toString(), QStringLiteral("c1"));
    QVERIFY(SqlValue::date(std::optional<QDate>()).isNull());
    QCOMPARE(SqlValue::date(std::optional<QDate>(QDate(2024, 3, 15))).toString(),
             QStringLiteral("2024-03-15"));
    QCOMPARE(SqlValue::flag(true).toInt(), 1);
    // A broken date is written as empty text so NOT NULL date columns still take the row.
    QVERIFY(!SqlValue::date(QDate()).isNull());
    QCOMPARE(SqlValue::date(QDate()).toString(), QString());

    TestDatabase db;
    QVERIFY(db.isReady());
    QSqlQuery insert(db.database()->connection());
    insert.prepare(
        QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, 'x', 'x')"));
    insert.addBindValue(QStringLiteral("c1"));
    insert.addBindValue(QStringLiteral("Top"));
    insert.addBindValue(SqlValue::reference(QString()));
    QVERIFY(insert.exec());
    QCOMPARE(db.scalar(QStringLiteral("SELECT parent_id IS NULL FROM categories WHERE id = 'c1'"))
                 .toInt(),
             1);
}

void TestRecords::emptyDeletedAtReadsAsLive()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QSqlQuery select(QStringLiteral("SELECT 1, 'pending', NULL, '2024-01-01T00:00:00Z', "
                                    "'2024-01-01T00:00:00Z', ''"),
                     db.database()->connection());
    QVERIFY(select.next());
    RowReader reader(select);
    Account account;
    reader.readBookkeeping(account);
    QVERIFY(!account.isDeleted());
    QVERIFY(account.serverId.isEmpty());
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
