#include "app/core/ids.h"
#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Frequency)

// Accounts "checking" and "savings" in dollars and "euro" in euros, with the engine on them.
struct Engine
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    SplitLineRepository splitLines{db.database()};
    RecurringRepository recurring{db.database()};
    TransactionService ledger{db.database(), &accounts, &transactions, &splitLines};
    RecurringService service{&recurring, &ledger};

    Engine()
    {
        accounts.insert(testAccount(QStringLiteral("checking"), QStringLiteral("Checking")));
        accounts.insert(testAccount(QStringLiteral("savings"), QStringLiteral("Savings")));
        accounts.insert(
            testAccount(QStringLiteral("euro"), QStringLiteral("Euro"), 0, Currency::EUR));
    }

    RecurringTransaction add(const QString& id, Frequency frequency, const QDate& nextDue,
                             bool autoPost = false, int leadDays = 0)
    {
        RecurringTransaction row =
            testRecurring(id, QStringLiteral("checking"), id, -5000, frequency, nextDue);
        row.autoPost = autoPost;
        row.leadDays = leadDays;
        recurring.insert(row);
        return row;
    }

    RecurringTransaction row(const QString& id) const { return *recurring.byId(id); }

    QList<QDate> postedDates(const QString& accountId = QStringLiteral("checking")) const
    {
        QList<QDate> dates;
        for (const RegisterRow& r : transactions.registerRows(accountId))
            dates << r.transaction.date;
        return dates;
    }

    int transactionCount() const
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
    }
};

class TestRecurringService : public QObject
{
    Q_OBJECT

private slots:
    void advanceFollowsTheCalendar_data();
    void advanceFollowsTheCalendar();
    void confirmPostsAndAdvances();
    void endDateIsTheLastOccurrence();
    void sameOccurrenceCannotPostTwice();
    void transferPostsBothSidesLinked();
    void transferBetweenCurrenciesPostsNothing();
    void failedDestinationRollsBackTheWholePosting();
    void brokenDateIsQuarantinedOnConfirm();
    void skipAdvancesWithoutPosting();
    void confirmAllDuePostsOnePerRow();
    void enterDueThroughCatchesUp();
    void autoPostCatchesUpWithinLeadDays_data();
    void autoPostCatchesUpWithinLeadDays();
    void autoPostQuarantinesBrokenRows();
    void dueCountIgnoresLeadDays();
    void formWritesKeepTheBookkeeping();
};

void TestRecurringService::advanceFollowsTheCalendar_data()
{
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QList<QDate>>("next");

    QTest::newRow("monthly from a month end never recovers")
        << Frequency::Monthly << QDate(2024, 1, 31)
        << QList<QDate>{QDate(2024, 2, 29), QDate(2024, 3, 29), QDate(2024, 4, 29)};
    QTest::newRow("annual from a leap day") << Frequency::Annual << QDate(2024, 2, 29)
                                            << QList<QDate>{QDate(2025, 2, 28), QDate(2026, 2, 28)};
    QTest::newRow("daily over a year end")
        << Frequency::Daily << QDate(2024, 12, 31) << QList<QDate>{QDate(2025, 1, 1)};
    QTest::newRow("weekly") << Frequency::Weekly << QDate(2024, 2, 26)
                            << QList<QDate>{QDate(2024, 3, 4)};
    QTest::newRow("biweekly") << Frequency::Biweekly << QDate(2024, 2, 20)
                              << QList<QDate>{QDate(2024, 3, 5)};
    QTest::newRow("quarterly clamps")
        << Frequency::Quarterly << QDate(2023, 11, 30) << QList<QDate>{QDate(2024, 2, 29)};
    QTest::newRow("semi-annual") << Frequency::SemiAnnual << QDate(2024, 8, 31)
                                 << QList<QDate>{QDate(2025, 2, 28)};
    QTest::newRow("unknown value is monthly")
        << Frequency(99) << QDate(2024, 1, 15) << QList<QDate>{QDate(2024, 2, 15)};
}

void TestRecurringService::advanceFollowsTheCalendar()
{
    QFETCH(Frequency, frequency);
    QFETCH(QDate, from);
    QFETCH(QList<QDate>, next);
    QDate date = from;
    for (const QDate& expected : next) {
        date = RecurringService::advance(date, frequency);
        QCOMPARE(date, expected);
    }
}

void TestRecurringService::confirmPostsAndAdvances()
{
    Engine engine;
    RecurringTransaction rent =
        engine.add(QStringLiteral("rent"), Frequency::Monthly, QDate(2024, 1, 31));
    rent.version = 4;
    rent.syncStatus = SyncStatus::Synced;
    QVERIFY(engine.recurring.update(rent));
    QSignalSpy pending(&engine.service, &RecurringService::pendingCountChanged);

    for (int i = 0; i < 3; ++i)
        QVERIFY(engine.service.confirm(rent));

    QCOMPARE(engine.postedDates(),
             (QList<QDate>{QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2024, 3, 29)}));
    const RecurringTransaction row = engine.row(QStringLiteral("rent"));
    QCOMPARE(row.nextDueDate, QDate(2024, 4, 29));
    QCOMPARE(row.version, 4);
    QCOMPARE(row.syncStatus, SyncStatus::Pending);
    QCOMPARE(pending.count(), 3);

    const Transaction first =
        engine.transactions.registerRows(QStringLiteral("checking")).first().transaction;
    QCOMPARE(first.id, nameBasedId(recurringNamespace(), QStringLiteral("rent:2024-01-31")));
    QCOMPARE(first.recurringId, QStringLiteral("rent"));
    QCOMPARE(first.amount, qint64(-5000));
    QVERIFY(!first.cleared && !first.isSplit && first.transferLinkId.isEmpty());
}

void TestRecurringService::endDateIsTheLastOccurrence()
{
    Engine engine;
    RecurringTransaction gym =
        engine.add(QStringLiteral("gym"), Frequency::Weekly, QDate(2024, 3, 8));
    gym.endDate = QDate(2024, 3, 15);
    QVERIFY(engine.recurring.update(gym));

    QVERIFY(engine.service.confirm(gym));
    QCOMPARE(engine.row(QStringLiteral("gym")).nextDueDate, QDate(2024, 3, 15));
    QVERIFY(engine.row(QStringLiteral("gym")).isActive);

    QVERIFY(engine.service.confirm(gym));
    QCOMPARE(engine.row(QStringLiteral("gym")).nextDueDate, QDate(2024, 3, 22));
    QVERIFY(!engine.row(QStringLiteral("gym")).isActive);
    QCOMPARE(engine.postedDates(), (QList<QDate>{QDate(2024, 3, 8), QDate(2024, 3, 15)}));
}

void TestRecurringService::sameOccurrenceCannotPostTwice()
{
    Engine engine;
    RecurringTransaction rent =
        engine.add(QStringLiteral("rent"), Frequency::Monthly, QDate(2024, 1, 1));
    QVERIFY(engine.service.confirm(rent));
    RecurringTransaction moved = engine.row(QStringLiteral("rent"));
    moved.nextDueDate = QDate(2024, 1, 1);
    QVERIFY(engine.recurring.update(moved));

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!engine.service.confirm(rent));
    QCOMPARE(engine.transactionCount(), 1);
    QCOMPARE(engine.row(QStringLiteral("rent")).nextDueDate, QDate(2024, 1, 1));
}

void TestRecurringService::transferPostsBothSidesLinked()
{
    Engine engine;
    RecurringTransaction saving =
        engine.add(QStringLiteral("save"), Frequency::Monthly, QDate(2024, 5, 1));
    saving.transferDestAccountId = QStringLiteral("savings");
    QVERIFY(engine.recurring.update(saving));
    QSignalSpy changed(&engine.transactions, &TransactionRepository::transactionsChanged);

    QVERIFY(engine.service.confirm(saving));

    const Transaction source =
        engine.transactions.listByAccount(QStringLiteral("checking")).first();
    const Transaction destination =
        engine.transactions.listByAccount(QStringLiteral("savings")).first();
    QCOMPARE(source.id, nameBasedId(recurringNamespace(), QStringLiteral("save:2024-05-01")));
    QCOMPARE(destination.id,
             nameBasedId(recurringNamespace(), QStringLiteral("save:2024-05-01:dest")));
    QCOMPARE(source.amount, qint64(-5000));
    QCOMPARE(destination.amount, qint64(5000));
    QCOMPARE(source.transferLinkId, destination.id);
    QCOMPARE(source.transferDestAccountId, QStringLiteral("savings"));
    QCOMPARE(destination.transferLinkId, source.id);
    QCOMPARE(destination.transferDestAccountId, QStringLiteral("checking"));
    QCOMPARE(destination.recurringId, QStringLiteral("save"));

    QStringList announced;
    for (const QList<QVariant>& signal : changed)
        announced << signal.first().toString();
    announced.sort();
    QCOMPARE(announced, (QStringList{"checking", "savings"}));
}

void TestRecurringService::transferBetweenCurrenciesPostsNothing()
{
    Engine engine;
    RecurringTransaction abroad =
        engine.add(QStringLiteral("abroad"), Frequency::Monthly, QDate(2024, 5, 1));
    abroad.transferDestAccountId = QStringLiteral("euro");
    QVERIFY(engine.recurring.update(abroad));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral(
                             "^RecurringService: skipping transfer post for .*currencies differ")));
    QVERIFY(!engine.service.confirm(abroad));
    QCOMPARE(engine.transactionCount(), 0);
    QCOMPARE(engine.row(QStringLiteral("abroad")).nextDueDate, QDate(2024, 5, 1));
}

void TestRecurringService::failedDestinationRollsBackTheWholePosting()
{
    Engine engine;
    RecurringTransaction toNowhere =
        engine.add(QStringLiteral("gone"), Frequency::Monthly, QDate(2024, 5, 1));
    toNowhere.transferDestAccountId = QStringLiteral("closed-account");
    QVERIFY(engine.recurring.update(toNowhere));
    QSignalSpy changed(&engine.transactions, &TransactionRepository::transactionsChanged);

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!engine.service.confirm(toNowhere));
    QCOMPARE(engine.transactionCount(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(engine.row(QStringLiteral("gone")).nextDueDate, QDate(2024, 5, 1));
}

void TestRecurringService::brokenDateIsQuarantinedOnConfirm()
{
    Engine engine;
    RecurringTransaction broken =
        engine.add(QStringLiteral("broken"), Frequency::Monthly, QDate(2024, 1, 1));
    engine.db.exec(
        QStringLiteral("UPDATE recurring_transactions SET next_due_date = '1999-12-31'"));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral(
                             "^RecurringService::confirm refusing record with broken date:")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::update saving recurring")));
    QVERIFY(!engine.service.confirm(broken));
    QVERIFY(!engine.row(QStringLiteral("broken")).isActive);
    QCOMPARE(engine.transactionCount(), 0);
}

void TestRecurringService::skipAdvancesWithoutPosting()
{
    Engine engine;
    RecurringTransaction rent =
        engine.add(QStringLiteral("rent"), Frequency::Quarterly, QDate(2024, 1, 31));
    QSignalSpy pending(&engine.service, &RecurringService::pendingCountChanged);
    QVERIFY(engine.service.skip(rent));
    QCOMPARE(engine.row(QStringLiteral("rent")).nextDueDate, QDate(2024, 4, 30));
    QCOMPARE(engine.transactionCount(), 0);
    QCOMPARE(pending.count(), 1);
    QVERIFY(!engine.service.skip(
        testRecurring(QStringLiteral("none"), {}, {}, 0, Frequency::Daily, {})));
}

void TestRecurringService::confirmAllDuePostsOnePerRow()
{
    Engine engine;
    const QDate today = QDate::currentDate();
    engine.add(QStringLiteral("weeks-behind"), Frequency::Weekly, today.addDays(-21));
    engine.add(QStringLiteral("today"), Frequency::Monthly, today);
    engine.add(QStringLiteral("tomorrow"), Frequency::Monthly, today.addDays(1));
    QCOMPARE(engine.service.confirmAllDue(), 2);
    QCOMPARE(engine.row(QStringLiteral("weeks-behind")).nextDueDate, today.addDays(-14));
    QCOMPARE(engine.transactionCount(), 2);
}

void TestRecurringService::enterDueThroughCatchesUp()
{
    Engine engine;
    engine.add(QStringLiteral("weekly"), Frequency::Weekly, QDate(2024, 1, 1));
    RecurringTransaction inactive =
        engine.add(QStringLiteral("off"), Frequency::Daily, QDate(2024, 1, 1));
    inactive.isActive = false;
    QVERIFY(engine.recurring.update(inactive));

    QCOMPARE(engine.service.enterDueThrough(QDate(2024, 1, 29)), 5);
    QCOMPARE(engine.row(QStringLiteral("weekly")).nextDueDate, QDate(2024, 2, 5));
    QCOMPARE(engine.service.enterDueThrough(QDate(2024, 1, 29)), 0);
}

void TestRecurringService::autoPostCatchesUpWithinLeadDays_data()
{
    QTest::addColumn<int>("dueInDays"); // negative: overdue
    QTest::addColumn<int>("leadDays");
    QTest::addColumn<int>("posted");
    QTest::addColumn<bool>("stillActive");

    QTest::newRow("ten days overdue, today included") << -10 << 0 << 11 << true;
    QTest::newRow("due tomorrow, no lead") << 1 << 0 << 0 << true;
    QTest::newRow("lead 90 counts as 60: due in 60") << 60 << 90 << 1 << true;
    QTest::newRow("lead 90 counts as 60: due in 61") << 61 << 90 << 0 << true;
    QTest::newRow("negative lead counts as 0") << 1 << -5 << 0 << true;
    QTest::newRow("363 overdue: 364 posted, cap reached") << -363 << 0 << 364 << false;
    QTest::newRow("364 overdue: 365 posted") << -364 << 0 << 365 << false;
    QTest::newRow("400 overdue: capped at 365") << -400 << 0 << 365 << false;
}

void TestRecurringService::autoPostCatchesUpWithinLeadDays()
{
    QFETCH(int, dueInDays);
    QFETCH(int, leadDays);
    QFETCH(int, posted);
    QFETCH(bool, stillActive);

    Engine engine;
    engine.db.exec(QStringLiteral(
        "PRAGMA synchronous=OFF")); // hundreds of postings; durability is not under test
    engine.add(QStringLiteral("daily"), Frequency::Daily, QDate::currentDate().addDays(dueInDays),
               true, leadDays);
    engine.add(QStringLiteral("manual"), Frequency::Daily, QDate::currentDate().addDays(-3), false);
    if (!stillActive)
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral(
                "^Quarantining recurring .*Reason: \"hit catchup cap in single tick\"")));

    QCOMPARE(engine.service.autoPostDue(), posted);
    QCOMPARE(engine.transactionCount(), posted);
    QCOMPARE(engine.row(QStringLiteral("daily")).isActive, stillActive);
    QCOMPARE(engine.row(QStringLiteral("manual")).nextDueDate, QDate::currentDate().addDays(-3));
}

void TestRecurringService::autoPostQuarantinesBrokenRows()
{
    Engine engine;
    engine.add(QStringLiteral("broken"), Frequency::Daily, QDate(2024, 1, 1), true);
    engine.db.exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = 'garbage'"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral(
                             "^Quarantining recurring .*Reason: \"broken next_due_date\"")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::update saving recurring")));
    QCOMPARE(engine.service.autoPostDue(), 0);
    QVERIFY(!engine.row(QStringLiteral("broken")).isActive);
}

void TestRecurringService::dueCountIgnoresLeadDays()
{
    Engine engine;
    engine.add(QStringLiteral("soon"), Frequency::Monthly, QDate::currentDate().addDays(1), false,
               7);
    engine.add(QStringLiteral("now"), Frequency::Monthly, QDate::currentDate(), false, 0);
    QCOMPARE(engine.service.dueCount(), 1);
}

// A new row is a fresh local row whatever the record carried; an edit keeps the version the
// form chose; a delete leaves what was posted from the row.
void TestRecurringService::formWritesKeepTheBookkeeping()
{
    Engine engine;
    RecurringTransaction typed =
        testRecurring({}, QStringLiteral("checking"), QStringLiteral("Gym"), -4000,
                      Frequency::Monthly, QDate::currentDate());
    typed.version = 5;
    typed.syncStatus = SyncStatus::Synced;
    typed.serverId = QStringLiteral("server-7");
    QVERIFY(engine.service.add(typed));
    const QList<RecurringTransaction> rows = engine.service.listAll();
    QCOMPARE(rows.size(), 1);
    RecurringTransaction stored = rows.first();
    QCOMPARE(stored.id.size(), 36);
    QCOMPARE(stored.version, 1);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QVERIFY(stored.serverId.isEmpty());
    QCOMPARE(stored.updatedAt, stored.createdAt);

    engine.db.exec(QStringLiteral("UPDATE recurring_transactions SET sync_status = 'synced'"));
    stored.payee = QStringLiteral("Gym & Spa");
    stored.version = 2;
    QVERIFY(engine.service.edit(stored));
    stored = engine.row(stored.id);
    QCOMPARE(stored.payee, QStringLiteral("Gym & Spa"));
    QCOMPARE(stored.version, 2);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);

    QVERIFY(engine.service.confirm(stored));
    QVERIFY(engine.service.remove(stored.id));
    QVERIFY(engine.service.listAll().isEmpty());
    QVERIFY(engine.row(stored.id).isDeleted());
    QCOMPARE(engine.postedDates(), QList<QDate>{QDate::currentDate()});
}

QTEST_GUILESS_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
