#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/transactionservice.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <limits>

namespace {

const QDate day(2024, 6, 3);

using Edit = std::function<bool(TransactionService&, Transaction)>;

// "checking" and "savings" in dollars, "euro" in euros, the categories "food" and "home", and
// the ledger on them.
struct Ledger
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    SplitLineRepository splitLines{db.database()};
    CategoryRepository categories{db.database()};
    TransactionService service{db.database(), &accounts, &transactions, &splitLines};

    Ledger()
    {
        accounts.insert(testAccount(QStringLiteral("checking"), QStringLiteral("Checking")));
        accounts.insert(testAccount(QStringLiteral("savings"), QStringLiteral("Savings")));
        accounts.insert(
            testAccount(QStringLiteral("euro"), QStringLiteral("Euro"), 0, Currency::EUR));
        categories.insert(testCategory(QStringLiteral("food"), QStringLiteral("Food")));
        categories.insert(testCategory(QStringLiteral("home"), QStringLiteral("Home")));
    }

    Transaction stored(const QString& id) const { return *transactions.byId(id); }

    int transactionCount() const
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
    }

    QStringList lineCategories(const QString& transactionId) const
    {
        QStringList ids;
        for (const SplitLine& line : splitLines.listForTransaction(transactionId))
            ids << line.categoryId;
        return ids;
    }
};

Transaction typed(const QString& accountId, qint64 amount, const QString& id = {})
{
    Transaction transaction;
    transaction.id = id;
    transaction.accountId = accountId;
    transaction.date = day;
    transaction.payee = QStringLiteral("Market");
    transaction.amount = amount;
    return transaction;
}

SplitLine line(const QString& categoryId, qint64 amount)
{
    SplitLine split;
    split.categoryId = categoryId;
    split.amount = amount;
    return split;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTransactionService : public QObject
{
    Q_OBJECT

private slots:
    void addStampsANewRowWithItsLines();
    void transferStoresBothSidesLinked();
    void transferWithFailedSecondInsertLeavesNothing_data();
    void transferWithFailedSecondInsertLeavesNothing();
    void transferBetweenCurrenciesIsRefused();
    void editsKeepTheBookkeeping_data();
    void editsKeepTheBookkeeping();
    void splitEditReplacesLinesTogether();
    void failedSplitEditKeepsTheOldLines();
    void removingATransferRemovesBothSides();
    void openingRowIsNeverWritten();
    void editingATransferMovesItsPartner_data();
    void editingATransferMovesItsPartner();
    void failedPartnerWriteKeepsBothSides();
    void textFieldsAreStoredOnOneLine_data();
    void textFieldsAreStoredOnOneLine();
    void amountsBeyondTheLimitAreRefused_data();
    void amountsBeyondTheLimitAreRefused();
};

void TestTransactionService::addStampsANewRowWithItsLines()
{
    Ledger ledger;
    Transaction transaction = typed(QStringLiteral("checking"), -1500);
    transaction.isSplit = true;
    transaction.version = 7;
    transaction.syncStatus = SyncStatus::Synced;

    QVERIFY(ledger.service.add(
        transaction, {line(QStringLiteral("food"), -1000), line(QStringLiteral("home"), -500)}));

    const QList<Transaction> rows = ledger.transactions.listByAccount(QStringLiteral("checking"));
    QCOMPARE(rows.size(), 1);
    const Transaction& stored = rows.first();
    QCOMPARE(stored.id.size(), 36);
    QCOMPARE(stored.version, 1);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QVERIFY(stored.createdAt.isValid());
    QCOMPARE(stored.updatedAt, stored.createdAt);
    QCOMPARE(ledger.lineCategories(stored.id), (QStringList{"food", "home"}));
}

void TestTransactionService::transferStoresBothSidesLinked()
{
    Ledger ledger;
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    Transaction source = typed(QStringLiteral("checking"), -25000);
    source.cleared = true;
    const Transaction partner = TransactionService::transferPartner(
        source, QStringLiteral("savings"), QStringLiteral("Transfer from Checking"));

    QVERIFY(ledger.service.addTransfer(source, partner));

    const Transaction out = ledger.transactions.listByAccount(QStringLiteral("checking")).first();
    const Transaction in = ledger.transactions.listByAccount(QStringLiteral("savings")).first();
    QCOMPARE(out.amount, qint64(-25000));
    QCOMPARE(in.amount, qint64(25000));
    QCOMPARE(in.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(in.date, day);
    QVERIFY(in.cleared);
    QVERIFY(in.memo.isEmpty() && in.categoryId.isEmpty());
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(out.transferDestAccountId, QStringLiteral("savings"));
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(in.transferDestAccountId, QStringLiteral("checking"));
    QCOMPARE(in.createdAt, out.createdAt);
    QCOMPARE(changed.count(), 2);
}

void TestTransactionService::transferWithFailedSecondInsertLeavesNothing_data()
{
    QTest::addColumn<QString>("destinationAccount");
    QTest::addColumn<QString>("destinationId");

    QTest::newRow("destination account missing") << QStringLiteral("closed") << QString();
    QTest::newRow("destination id taken") << QStringLiteral("savings") << QStringLiteral("taken");
}

void TestTransactionService::transferWithFailedSecondInsertLeavesNothing()
{
    QFETCH(QString, destinationAccount);
    QFETCH(QString, destinationId);
    Ledger ledger;
    QVERIFY(ledger.transactions.insert(testTransaction(
        QStringLiteral("taken"), QStringLiteral("savings"), day, QStringLiteral("Old"), 100)));
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);

    Transaction destination = typed(destinationAccount, 900, destinationId);
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!ledger.service.addTransfer(typed(QStringLiteral("checking"), -900), destination));

    QCOMPARE(ledger.transactionCount(), 1);
    QVERIFY(ledger.transactions.listByAccount(QStringLiteral("checking")).isEmpty());
    QCOMPARE(changed.count(), 0);
}

void TestTransactionService::transferBetweenCurrenciesIsRefused()
{
    Ledger ledger;
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("refusing a transfer.*currencies differ")));
    QVERIFY(!ledger.service.addTransfer(typed(QStringLiteral("checking"), -900),
                                        typed(QStringLiteral("euro"), 900)));
    QCOMPARE(ledger.transactionCount(), 0);
}

// Only the register's in-place edit counts a new version; every change is pending again.
void TestTransactionService::editsKeepTheBookkeeping_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("in place") << Edit([](TransactionService& service, Transaction t) {
        t.payee = QStringLiteral("Changed");
        return service.editInPlace(t);
    }) << 4 << false;
    QTest::newRow("form") << Edit([](TransactionService& service, Transaction t) {
        t.payee = QStringLiteral("Changed");
        return service.edit(t, {});
    }) << 3 << false;
    QTest::newRow("cleared") << Edit([](TransactionService& service, Transaction t) {
        return service.setCleared(t, true);
    }) << 3 << true;
}

void TestTransactionService::editsKeepTheBookkeeping()
{
    QFETCH(Edit, edit);
    QFETCH(int, version);
    QFETCH(bool, cleared);
    Ledger ledger;
    Transaction synced = testTransaction(QStringLiteral("t"), QStringLiteral("checking"), day,
                                         QStringLiteral("Market"), -100);
    synced.version = 3;
    synced.syncStatus = SyncStatus::Synced;
    synced.updatedAt = synced.createdAt = QDateTime(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
    QVERIFY(ledger.transactions.insert(synced));

    QVERIFY(edit(ledger.service, synced));

    const Transaction stored = ledger.stored(QStringLiteral("t"));
    QCOMPARE(stored.version, version);
    QCOMPARE(stored.cleared, cleared);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QVERIFY(stored.updatedAt > synced.updatedAt);
    QCOMPARE(stored.createdAt, synced.createdAt);
}

void TestTransactionService::splitEditReplacesLinesTogether()
{
    Ledger ledger;
    Transaction transaction = typed(QStringLiteral("checking"), -1500, QStringLiteral("t"));
    transaction.categoryId = QStringLiteral("food");
    QVERIFY(ledger.service.add(transaction));

    QVERIFY(ledger.service.replaceSplitLines(
        ledger.stored(QStringLiteral("t")),
        {line(QStringLiteral("home"), -1000), line(QStringLiteral("food"), -500)}));
    Transaction stored = ledger.stored(QStringLiteral("t"));
    QVERIFY(stored.isSplit);
    QVERIFY(stored.categoryId.isEmpty());
    QCOMPARE(ledger.lineCategories(QStringLiteral("t")), (QStringList{"home", "food"}));

    // No lines: no longer split, and nothing left of the old set.
    QVERIFY(ledger.service.replaceSplitLines(stored, {}));
    QVERIFY(!ledger.stored(QStringLiteral("t")).isSplit);
    QVERIFY(ledger.lineCategories(QStringLiteral("t")).isEmpty());
}

void TestTransactionService::failedSplitEditKeepsTheOldLines()
{
    Ledger ledger;
    Transaction transaction = typed(QStringLiteral("checking"), -1500, QStringLiteral("t"));
    transaction.isSplit = true;
    QVERIFY(ledger.service.add(
        transaction, {line(QStringLiteral("food"), -1000), line(QStringLiteral("home"), -500)}));
    const Transaction before = ledger.stored(QStringLiteral("t"));
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);

    // The second new line names a category that does not exist: the whole edit is refused.
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed:")));
    QVERIFY(!ledger.service.replaceSplitLines(
        before, {line(QStringLiteral("home"), -700), line(QStringLiteral("gone"), -800)}));

    QCOMPARE(ledger.lineCategories(QStringLiteral("t")), (QStringList{"food", "home"}));
    QCOMPARE(ledger.stored(QStringLiteral("t")).updatedAt, before.updatedAt);
    QCOMPARE(changed.count(), 0);
}

void TestTransactionService::removingATransferRemovesBothSides()
{
    Ledger ledger;
    const Transaction source = typed(QStringLiteral("checking"), -900, QStringLiteral("out"));
    QVERIFY(ledger.service.addTransfer(
        source, TransactionService::transferPartner(source, QStringLiteral("savings"),
                                                    QStringLiteral("Transfer from Checking"))));

    QVERIFY(ledger.service.remove(ledger.stored(QStringLiteral("out"))));

    QVERIFY(ledger.transactions.listByAccount(QStringLiteral("checking")).isEmpty());
    QVERIFY(ledger.transactions.listByAccount(QStringLiteral("savings")).isEmpty());
}

// The register's opening row has no id: nothing stored stands behind it.
void TestTransactionService::openingRowIsNeverWritten()
{
    Ledger ledger;
    Transaction opening = typed(QStringLiteral("checking"), 10000);
    QVERIFY(!ledger.service.editInPlace(opening));
    QVERIFY(!ledger.service.setCleared(opening, false));
    QVERIFY(!ledger.service.remove(opening));
    QCOMPARE(ledger.transactionCount(), 0);
}

namespace {

// "out" in checking (-250.00, payee, memo and category of its own) linked to "in" in savings.
void addLinkedTransfer(Ledger& ledger)
{
    Transaction source = typed(QStringLiteral("checking"), -25000, QStringLiteral("out"));
    source.memo = QStringLiteral("rent reserve");
    Transaction partner = TransactionService::transferPartner(
        source, QStringLiteral("savings"), QStringLiteral("Transfer from Checking"));
    partner.id = QStringLiteral("in");
    partner.memo = QStringLiteral("kept for the roof");
    partner.categoryId = QStringLiteral("home");
    QVERIFY(ledger.service.addTransfer(source, partner));
}

} // namespace

// An edit of one side's amount or date moves the other side with it (negated amount, same
// date), in the same write; the other side's own payee, memo and category stay its own.
void TestTransactionService::editingATransferMovesItsPartner_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<qint64>("partnerAmount");
    QTest::addColumn<QDate>("partnerDate");
    QTest::addColumn<int>("partnerVersion");

    const QDate later = day.addDays(5);
    QTest::newRow("amount in place") << Edit([](TransactionService& service, Transaction t) {
        t.amount = -30000;
        return service.editInPlace(t);
    }) << "out" << qint64(30000) << day
                                     << 2;
    QTest::newRow("date in the form") << Edit([later](TransactionService& service, Transaction t) {
        t.date = later;
        return service.edit(t, {});
    }) << "out" << qint64(25000) << later
                                      << 1;
    QTest::newRow("the receiving side") << Edit([](TransactionService& service, Transaction t) {
        t.amount = 12345;
        return service.edit(t, {});
    }) << "in" << qint64(-12345) << day << 1;
    QTest::newRow("payee only leaves the partner alone")
        << Edit([](TransactionService& service, Transaction t) {
               t.payee = QStringLiteral("Transfer to Savings (roof)");
               return service.editInPlace(t);
           })
        << "out" << qint64(25000) << day << 1;
}

void TestTransactionService::editingATransferMovesItsPartner()
{
    QFETCH(Edit, edit);
    QFETCH(QString, edited);
    QFETCH(qint64, partnerAmount);
    QFETCH(QDate, partnerDate);
    QFETCH(int, partnerVersion);
    Ledger ledger;
    addLinkedTransfer(ledger);
    const QString other =
        edited == QLatin1String("out") ? QStringLiteral("in") : QStringLiteral("out");
    const Transaction before = ledger.stored(other);

    QVERIFY(edit(ledger.service, ledger.stored(edited)));

    const Transaction partner = ledger.stored(other);
    QCOMPARE(partner.amount, partnerAmount);
    QCOMPARE(partner.date, partnerDate);
    QCOMPARE(partner.version, partnerVersion);
    QCOMPARE(partner.amount, -ledger.stored(edited).amount);
    QCOMPARE(partner.payee, before.payee);
    QCOMPARE(partner.memo, before.memo);
    QCOMPARE(partner.categoryId, before.categoryId);
    QCOMPARE(partner.transferLinkId, edited);
}

void TestTransactionService::failedPartnerWriteKeepsBothSides()
{
    Ledger ledger;
    addLinkedTransfer(ledger);
    ledger.db.exec(
        QStringLiteral("CREATE TRIGGER refuse_in BEFORE UPDATE ON transactions WHEN NEW.id = 'in' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    Transaction out = ledger.stored(QStringLiteral("out"));
    out.amount = -30000;

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed:")));
    QVERIFY(!ledger.service.editInPlace(out));

    QCOMPARE(ledger.stored(QStringLiteral("out")).amount, qint64(-25000));
    QCOMPARE(ledger.stored(QStringLiteral("in")).amount, qint64(25000));
}

// Pasted line breaks and control characters would be stored and break the row's painting:
// every single-line field keeps one line, each run of them a single space.
void TestTransactionService::textFieldsAreStoredOnOneLine_data()
{
    QTest::addColumn<Edit>("write");

    QTest::newRow("new") << Edit(
        [](TransactionService& service, Transaction t) { return service.add(t, {}); });
    QTest::newRow("in place") << Edit([](TransactionService& service, Transaction t) {
        return service.add(testTransaction(t.id, t.accountId, t.date, QStringLiteral("Old"), -1)) &&
               service.editInPlace(t);
    });
    QTest::newRow("form") << Edit([](TransactionService& service, Transaction t) {
        return service.add(testTransaction(t.id, t.accountId, t.date, QStringLiteral("Old"), -1)) &&
               service.edit(t, {});
    });
}

void TestTransactionService::textFieldsAreStoredOnOneLine()
{
    QFETCH(Edit, write);
    Ledger ledger;
    Transaction transaction = typed(QStringLiteral("checking"), -555, QStringLiteral("t"));
    transaction.payee = QStringLiteral("Corner\r\nMarket");
    transaction.memo = QStringLiteral("milk\n\n\teggs");
    transaction.checkNumber = QStringLiteral("10\a01");

    QVERIFY(write(ledger.service, transaction));

    const Transaction stored = ledger.stored(QStringLiteral("t"));
    QCOMPARE(stored.payee, QStringLiteral("Corner Market"));
    QCOMPARE(stored.memo, QStringLiteral("milk eggs"));
    QCOMPARE(stored.checkNumber, QStringLiteral("10 01"));
}

// What no field lets the user type is not stored either: beyond 99,999,999.99 an amount is
// refused, whoever asks.
void TestTransactionService::amountsBeyondTheLimitAreRefused_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("stored");

    QTest::newRow("largest payment") << qint64(-9'999'999'999) << true;
    QTest::newRow("largest deposit") << qint64(9'999'999'999) << true;
    QTest::newRow("one cent more") << qint64(10'000'000'000) << false;
    QTest::newRow("overflowed text") << std::numeric_limits<qint64>::min() << false;
}

void TestTransactionService::amountsBeyondTheLimitAreRefused()
{
    QFETCH(qint64, amount);
    QFETCH(bool, stored);
    Ledger ledger;
    QVERIFY(ledger.service.add(typed(QStringLiteral("checking"), -100, QStringLiteral("t"))));
    if (!stored)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("refusing an amount of")));
    QCOMPARE(ledger.service.add(typed(QStringLiteral("checking"), amount)), stored);

    Transaction edited = ledger.stored(QStringLiteral("t"));
    edited.amount = amount;
    if (!stored)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("refusing an amount of")));
    QCOMPARE(ledger.service.edit(edited, {}), stored);
    QCOMPARE(ledger.transactionCount(), stored ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestTransactionService)
#include "tst_transactionservice.moc"
