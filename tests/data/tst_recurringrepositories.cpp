#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestRecurringRepositories : public QObject
{
    Q_OBJECT

private slots:
    void listsActiveRowsFirstThenDueDateThenPayee();
    void dueIsTodayOrEarlierAndLive();
    void brokenDateIsReportedButStored();
    void endDateAndLeadDaysRoundTrip();
    void cascadeWithRestoreMargin();
    void reconciliationsDefaultTheirTimestamps();
    void reconciliationsNewestStatementFirst();
};

void TestRecurringRepositories::listsActiveRowsFirstThenDueDateThenPayee()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    RecurringRepository recurring(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    const QDate day(2024, 3, 1);
    QVERIFY(recurring.insert(testRecurring(QStringLiteral("1"), QStringLiteral("a"),
                                           QStringLiteral("Banana"), -1, Frequency::Monthly, day)));
    QVERIFY(recurring.insert(testRecurring(QStringLiteral("2"), QStringLiteral("a"),
                                           QStringLiteral("apple"), -1, Frequency::Monthly, day)));
    QVERIFY(recurring.insert(testRecurring(QStringLiteral("3"), QStringLiteral("a"),
                                           QStringLiteral("Later"), -1, Frequency::Monthly,
                                           day.addDays(1))));
    RecurringTransaction inactive =
        testRecurring(QStringLiteral("4"), QStringLiteral("a"), QStringLiteral("Aardvark"), -1,
                      Frequency::Monthly, day.addDays(-30));
    inactive.isActive = false;
    QVERIFY(recurring.insert(inactive));

    QStringList payees;
    for (const RecurringTransaction& row : recurring.listAll())
        payees << row.payee;
    QCOMPARE(payees, (QStringList{"apple", "Banana", "Later", "Aardvark"}));
}

void TestRecurringRepositories::dueIsTodayOrEarlierAndLive()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    RecurringRepository recurring(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    const QDate today = QDate::currentDate();
    const auto add = [&](const char* id, const QDate& due, bool active) {
        RecurringTransaction row =
            testRecurring(QString::fromLatin1(id), QStringLiteral("a"), QString::fromLatin1(id), -1,
                          Frequency::Weekly, due);
        row.isActive = active;
        row.leadDays = 7;
        QVERIFY(recurring.insert(row));
    };
    add("today", today, true);
    add("overdue", today.addDays(-3), true);
    add("tomorrow", today.addDays(1), true);
    add("inactive", today.addDays(-1), false);
    add("deleted", today.addDays(-1), true);
    QVERIFY(recurring.softDelete(QStringLiteral("deleted")));

    QStringList ids;
    for (const RecurringTransaction& row : recurring.due())
        ids << row.id;
    ids.sort();
    QCOMPARE(ids, (QStringList{"overdue", "today"}));
}

void TestRecurringRepositories::brokenDateIsReportedButStored()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    RecurringRepository recurring(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::insert saving recurring "
                                           "with broken nextDueDate:.*id= r .*1999-12-31")));
    QVERIFY(recurring.insert(testRecurring(QStringLiteral("r"), QStringLiteral("a"),
                                           QStringLiteral("Old"), -1, Frequency::Monthly,
                                           QDate(1999, 12, 31))));
    QVERIFY(recurring.byId(QStringLiteral("r")));
}

void TestRecurringRepositories::endDateAndLeadDaysRoundTrip()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    RecurringRepository recurring(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    RecurringTransaction row =
        testRecurring(QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("Gym"), -4500,
                      Frequency::SemiAnnual, QDate(2024, 1, 31));
    row.leadDays = 5;
    row.autoPost = true;
    row.transferDestAccountId = QStringLiteral("a");
    QVERIFY(recurring.insert(row));
    QCOMPARE(db
                 .scalar(QStringLiteral(
                     "SELECT end_date IS NULL AND category_id IS NULL FROM recurring_transactions"))
                 .toInt(),
             1);
    std::optional<RecurringTransaction> read = recurring.byId(QStringLiteral("r"));
    QVERIFY(!read->endDate);
    QCOMPARE(read->leadDays, 5);
    QCOMPARE(read->frequency, Frequency::SemiAnnual);
    QVERIFY(read->autoPost);

    read->endDate = QDate(2025, 1, 31);
    read->leadDays = 9;
    read->accountId = QStringLiteral("elsewhere");
    QVERIFY(recurring.update(*read));
    read = recurring.byId(QStringLiteral("r"));
    QCOMPARE(read->endDate, std::optional<QDate>(QDate(2025, 1, 31)));
    QCOMPARE(read->leadDays, 9);
    QCOMPARE(read->accountId, QStringLiteral("a"));
}

void TestRecurringRepositories::cascadeWithRestoreMargin()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    RecurringRepository recurring(db.database());
    ReconciliationRepository reconciliations(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(recurring.insert(testRecurring(QStringLiteral("r"), QStringLiteral("a"),
                                           QStringLiteral("Rent"), -1, Frequency::Monthly,
                                           QDate(2024, 1, 1))));
    Reconciliation statement;
    statement.id = QStringLiteral("s");
    statement.accountId = QStringLiteral("a");
    statement.statementDate = QDate(2024, 1, 31);
    statement.completedAt = nowUtc();
    QVERIFY(reconciliations.insert(statement));

    QSignalSpy recurringChanged(&recurring, &RecurringRepository::recurringChanged);
    QSignalSpy reconciliationsChanged(&reconciliations,
                                      &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(recurring.softDeleteByAccount(QStringLiteral("a")), 1);
    QCOMPARE(reconciliations.softDeleteByAccount(QStringLiteral("a")), 1);
    QVERIFY(recurring.listAll().isEmpty());
    QVERIFY(reconciliations.listByAccount(QStringLiteral("a")).isEmpty());

    const QString future = toIsoTimestamp(nowUtc().addSecs(60));
    QCOMPARE(recurring.restoreByAccount(QStringLiteral("a"), future), 0);
    QCOMPARE(recurringChanged.count(), 1);
    const QString since = toIsoTimestamp(nowUtc().addSecs(-10));
    QCOMPARE(recurring.restoreByAccount(QStringLiteral("a"), since), 1);
    QCOMPARE(reconciliations.restoreByAccount(QStringLiteral("a"), since), 1);
    QCOMPARE(recurringChanged.count(), 2);
    QCOMPARE(reconciliationsChanged.count(), 2);
    QCOMPARE(recurring.listAll().size(), 1);
}

void TestRecurringRepositories::reconciliationsDefaultTheirTimestamps()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    ReconciliationRepository reconciliations(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    Reconciliation statement;
    statement.id = QStringLiteral("s");
    statement.accountId = QStringLiteral("a");
    statement.statementDate = QDate(2024, 1, 31);
    statement.statementBalance = 12345;
    statement.reconciledBalance = 12000;
    statement.completedAt = QDateTime(QDate(2024, 2, 2), QTime(10, 0), Qt::UTC);
    const QDateTime before = nowUtc();
    QVERIFY(reconciliations.insert(statement));

    const std::optional<Reconciliation> read = reconciliations.byId(QStringLiteral("s"));
    QVERIFY(read->createdAt >= before && read->createdAt <= nowUtc());
    QVERIFY(read->updatedAt.isValid());
    QCOMPARE(read->completedAt, statement.completedAt);
    QCOMPARE(read->statementBalance, qint64(12345));
    QCOMPARE(read->reconciledBalance, qint64(12000));
}

void TestRecurringRepositories::reconciliationsNewestStatementFirst()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    ReconciliationRepository reconciliations(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    for (int month : {1, 3, 2}) {
        Reconciliation statement;
        statement.id = QString::number(month);
        statement.accountId = QStringLiteral("a");
        statement.statementDate = QDate(2024, month, 28);
        statement.completedAt = nowUtc();
        QVERIFY(reconciliations.insert(statement));
    }
    QStringList ids;
    for (const Reconciliation& r : reconciliations.listByAccount(QStringLiteral("a")))
        ids << r.id;
    QCOMPARE(ids, (QStringList{"3", "2", "1"}));
    QCOMPARE(reconciliations.latestForAccount(QStringLiteral("a"))->id, QStringLiteral("3"));
    QVERIFY(!reconciliations.latestForAccount(QStringLiteral("none")));
}

QTEST_GUILESS_MAIN(TestRecurringRepositories)
#include "tst_recurringrepositories.moc"
