#include "app/core/isodates.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/accountservice.h"
#include "tests/common/tabledump.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const QDate openingDay(2024, 2, 1);

struct Ledger
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    RecurringRepository recurring{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    AccountService service{db.database(), &accounts, &transactions, &recurring, &reconciliations};

    // "home" with one transaction, one recurring row and one reconciliation.
    void addFilledAccount()
    {
        accounts.insert(testAccount(QStringLiteral("home"), QStringLiteral("Home")));
        transactions.insert(testTransaction(QStringLiteral("t"), QStringLiteral("home"), openingDay,
                                            QStringLiteral("Rent"), -90000));
        recurring.insert(testRecurring(QStringLiteral("r"), QStringLiteral("home"),
                                       QStringLiteral("Rent"), -90000, Frequency::Monthly,
                                       QDate(2024, 3, 1)));
        Reconciliation reconciliation;
        reconciliation.id = QStringLiteral("c");
        reconciliation.accountId = QStringLiteral("home");
        reconciliation.statementDate = openingDay;
        reconciliations.insert(reconciliation);
    }

    // "bank" holding 100.00 and a reconciled 50.00 (150.00 reconciled), a cleared payment of
    // 25.00, a deposit of 20.00 and a cleared 7.00 nobody ticks.
    void addAccountToReconcile()
    {
        accounts.insert(testAccount(QStringLiteral("bank"), QStringLiteral("Bank"), 10000));
        Transaction opening = testTransaction(QStringLiteral("opening"), QStringLiteral("bank"),
                                              QDate(2024, 1, 5), QStringLiteral("Opening"), 5000);
        opening.cleared = opening.reconciled = true;
        transactions.insert(opening);
        Transaction payment = testTransaction(QStringLiteral("pay"), QStringLiteral("bank"),
                                              QDate(2024, 1, 20), QStringLiteral("Grocer"), -2500);
        payment.cleared = true;
        transactions.insert(payment);
        transactions.insert(testTransaction(QStringLiteral("deposit"), QStringLiteral("bank"),
                                            QDate(2024, 1, 25), QStringLiteral("Refund"), 2000));
        Transaction other = testTransaction(QStringLiteral("other"), QStringLiteral("bank"),
                                            QDate(2024, 1, 28), QStringLiteral("Cafe"), -700);
        other.cleared = true;
        transactions.insert(other);
    }

    // The statement the ticked payment and deposit reconcile to: 150.00 - 25.00 + 20.00.
    static Reconciliation statement(qint64 balance = 14500)
    {
        Reconciliation statement;
        statement.accountId = QStringLiteral("bank");
        statement.statementDate = QDate(2024, 1, 31);
        statement.statementBalance = balance;
        return statement;
    }

    QList<Transaction> ticked() const
    {
        return {*transactions.byId(QStringLiteral("pay")),
                *transactions.byId(QStringLiteral("deposit"))};
    }

    QStringList reconciliationTables() const
    {
        return TableDump::rows(db, QStringLiteral("transactions")) +
               TableDump::rows(db, QStringLiteral("reconciliations"));
    }

    bool isLive(const QString& table, const QString& id) const
    {
        return db
            .scalar(
                QStringLiteral("SELECT deleted_at IS NULL FROM %1 WHERE id = '%2'").arg(table, id))
            .toBool();
    }
};

using Interference = std::function<void(Ledger&)>;

} // namespace

Q_DECLARE_METATYPE(Currency)
Q_DECLARE_METATYPE(Interference)

class TestAccountService : public QObject
{
    Q_OBJECT

private slots:
    void createTurnsTheBalanceIntoAnOpeningTransaction_data();
    void createTurnsTheBalanceIntoAnOpeningTransaction();
    void failedOpeningTransactionLeavesNoAccount();
    void removeTakesEverythingInTheAccount();
    void removeOfAnUnknownAccountDoesNothing();
    void restoreBringsBackWhatTheCascadeTook_data();
    void restoreBringsBackWhatTheCascadeTook();
    void reconcileStoresTheTickedAndTheStatement();
    void reconcileIsAllOrNothing_data();
    void reconcileIsAllOrNothing();
    void openingBalanceIsEditedWhereItIsStored_data();
    void openingBalanceIsEditedWhereItIsStored();
    void namesAreStoredOnOneLine();
};

void TestAccountService::createTurnsTheBalanceIntoAnOpeningTransaction_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<Currency>("currency");

    QTest::newRow("dollars") << qint64(123456) << Currency::USD;
    QTest::newRow("overdrawn") << qint64(-500) << Currency::USD;
    QTest::newRow("yen") << qint64(1500) << Currency::JPY;
    QTest::newRow("nothing") << qint64(0) << Currency::USD;
}

void TestAccountService::createTurnsTheBalanceIntoAnOpeningTransaction()
{
    QFETCH(qint64, balance);
    QFETCH(Currency, currency);
    Ledger ledger;
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&ledger.transactions,
                                   &TransactionRepository::transactionsChanged);

    Account account;
    account.id = QStringLiteral("new");
    account.name = QStringLiteral("Wallet");
    account.currency = currency;
    account.startingBalance = balance;
    QVERIFY(ledger.service.create(account, openingDay));

    const Account stored = *ledger.accounts.byId(QStringLiteral("new"));
    QCOMPARE(stored.startingBalance, qint64(0));
    QCOMPARE(stored.currency, currency);
    QCOMPARE(stored.version, 1);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    const QList<Transaction> opening = ledger.transactions.listByAccount(QStringLiteral("new"));
    QCOMPARE(accountsChanged.count(), 1);
    if (balance == 0) {
        QVERIFY(opening.isEmpty());
        QCOMPARE(transactionsChanged.count(), 0);
        return;
    }
    QCOMPARE(opening.size(), 1);
    QCOMPARE(opening.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(opening.first().amount, balance);
    QCOMPARE(opening.first().date, openingDay);
    QVERIFY(opening.first().cleared && opening.first().reconciled);
    QCOMPARE(transactionsChanged.count(), 1);
}

// The account and its opening transaction are one action: no account without its balance.
void TestAccountService::failedOpeningTransactionLeavesNoAccount()
{
    Ledger ledger;
    ledger.db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    Account account = testAccount(QStringLiteral("new"), QStringLiteral("Wallet"), 5000);

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!ledger.service.create(account, openingDay));

    QVERIFY(!ledger.accounts.byId(QStringLiteral("new")));
    QCOMPARE(accountsChanged.count(), 0);
}

void TestAccountService::removeTakesEverythingInTheAccount()
{
    Ledger ledger;
    ledger.addFilledAccount();
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&ledger.transactions,
                                   &TransactionRepository::transactionsChanged);

    const AccountService::Removal removal = ledger.service.remove(QStringLiteral("home"));

    QVERIFY(removal.removed);
    QCOMPARE(removal.transactions, 1);
    QCOMPARE(removal.recurring, 1);
    QCOMPARE(removal.reconciliations, 1);
    QVERIFY(ledger.accounts.byId(QStringLiteral("home"))->isDeleted());
    QVERIFY(!ledger.isLive(QStringLiteral("transactions"), QStringLiteral("t")));
    QVERIFY(!ledger.isLive(QStringLiteral("recurring_transactions"), QStringLiteral("r")));
    QVERIFY(!ledger.isLive(QStringLiteral("reconciliations"), QStringLiteral("c")));
    QCOMPARE(accountsChanged.count(), 1);
    QCOMPARE(transactionsChanged.count(), 1);
}

void TestAccountService::removeOfAnUnknownAccountDoesNothing()
{
    Ledger ledger;
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    QVERIFY(!ledger.service.remove(QStringLiteral("nowhere")).removed);
    QCOMPARE(accountsChanged.count(), 0);
}

// The cascade's rows carry their own deletion times; rows deleted up to ten seconds before
// the account count as part of its deletion, rows deleted earlier stay deleted.
void TestAccountService::restoreBringsBackWhatTheCascadeTook_data()
{
    QTest::addColumn<int>("secondsBeforeAccount");
    QTest::addColumn<bool>("restored");

    QTest::newRow("with the account") << 0 << true;
    QTest::newRow("just inside the margin") << 10 << true;
    QTest::newRow("just outside the margin") << 11 << false;
    QTest::newRow("an hour earlier") << 3600 << false;
}

void TestAccountService::restoreBringsBackWhatTheCascadeTook()
{
    QFETCH(int, secondsBeforeAccount);
    QFETCH(bool, restored);
    Ledger ledger;
    ledger.addFilledAccount();
    QVERIFY(ledger.service.remove(QStringLiteral("home")).removed);
    const QDateTime accountDeleted = *ledger.accounts.byId(QStringLiteral("home"))->deletedAt;
    ledger.db.exec(QStringLiteral("UPDATE transactions SET deleted_at = '%1'")
                       .arg(toIsoTimestamp(accountDeleted.addSecs(-secondsBeforeAccount))));

    QVERIFY(ledger.service.restore(QStringLiteral("home")));

    QVERIFY(!ledger.accounts.byId(QStringLiteral("home"))->isDeleted());
    QCOMPARE(ledger.isLive(QStringLiteral("transactions"), QStringLiteral("t")), restored);
    QVERIFY(ledger.isLive(QStringLiteral("recurring_transactions"), QStringLiteral("r")));
    QVERIFY(ledger.isLive(QStringLiteral("reconciliations"), QStringLiteral("c")));
}

// The ticked transactions become cleared and reconciled and the statement is stored with the
// balance they reconcile to; what nobody ticked stays exactly as it was.
void TestAccountService::reconcileStoresTheTickedAndTheStatement()
{
    Ledger ledger;
    ledger.addAccountToReconcile();
    const QStringList untouched = TableDump::rows(ledger.db, QStringLiteral("transactions"))
                                      .filter(QStringLiteral("id=QString:other|"));
    QCOMPARE(untouched.size(), 1);
    QSignalSpy transactionsChanged(&ledger.transactions,
                                   &TransactionRepository::transactionsChanged);
    QSignalSpy reconciliationsChanged(&ledger.reconciliations,
                                      &ReconciliationRepository::reconciliationsChanged);

    QVERIFY(ledger.service.reconcile(Ledger::statement(), ledger.ticked()));

    for (const QString& id : {QStringLiteral("pay"), QStringLiteral("deposit")}) {
        const Transaction stored = *ledger.transactions.byId(id);
        QVERIFY(stored.cleared && stored.reconciled);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        QCOMPARE(stored.version, 1);
    }
    QCOMPARE(TableDump::rows(ledger.db, QStringLiteral("transactions"))
                 .filter(QStringLiteral("id=QString:other|")),
             untouched);
    const QList<Reconciliation> stored =
        ledger.reconciliations.listByAccount(QStringLiteral("bank"));
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().id.size(), 36);
    QCOMPARE(stored.first().statementDate, QDate(2024, 1, 31));
    QCOMPARE(stored.first().statementBalance, qint64(14500));
    QCOMPARE(stored.first().reconciledBalance, qint64(14500));
    QVERIFY(stored.first().completedAt.isValid());
    QCOMPARE(stored.first().createdAt, stored.first().completedAt);
    QCOMPARE(stored.first().version, 1);
    QCOMPARE(stored.first().syncStatus, SyncStatus::Pending);
    QCOMPARE(transactionsChanged.count(), 1);
    QCOMPARE(reconciliationsChanged.count(), 1);
}

// Whatever goes wrong on the way, the account is reconciled entirely or not at all, and what
// the user ticked must still be what is stored.
void TestAccountService::reconcileIsAllOrNothing_data()
{
    QTest::addColumn<Interference>("interference");
    QTest::addColumn<qint64>("statementBalance");
    QTest::addColumn<QString>("warning");

    const auto exec = [](const char* sql) {
        return Interference([sql](Ledger& ledger) { ledger.db.exec(QString::fromUtf8(sql)); });
    };
    const QString stale = QStringLiteral("^AccountService: not reconciling");
    QTest::newRow("the second ticked write fails")
        << exec("CREATE TRIGGER refuse BEFORE UPDATE ON transactions WHEN NEW.id = 'deposit' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END")
        << qint64(14500) << QStringLiteral("^TransactionRepository::update failed:");
    QTest::newRow("the reconciliation cannot be stored")
        << exec("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END")
        << qint64(14500) << QStringLiteral("^ReconciliationRepository::insert failed:");
    QTest::newRow("a ticked transaction was deleted meanwhile") << Interference([](Ledger& ledger) {
        ledger.transactions.softDelete(QStringLiteral("deposit"));
    }) << qint64(14500) << stale;
    QTest::newRow("a ticked amount changed meanwhile")
        << exec("UPDATE transactions SET amount = -2600 WHERE id = 'pay'") << qint64(14500)
        << stale;
    QTest::newRow("a ticked transaction was reconciled meanwhile")
        << exec("UPDATE transactions SET reconciled = 1 WHERE id = 'pay'") << qint64(14500)
        << stale;
    QTest::newRow("the statement is a cent off") << Interference() << qint64(14501) << stale;
}

void TestAccountService::reconcileIsAllOrNothing()
{
    QFETCH(Interference, interference);
    QFETCH(qint64, statementBalance);
    QFETCH(QString, warning);
    Ledger ledger;
    ledger.addAccountToReconcile();
    const QList<Transaction> ticked = ledger.ticked();
    if (interference)
        interference(ledger);
    const QStringList before = ledger.reconciliationTables();
    QSignalSpy transactionsChanged(&ledger.transactions,
                                   &TransactionRepository::transactionsChanged);
    QSignalSpy reconciliationsChanged(&ledger.reconciliations,
                                      &ReconciliationRepository::reconciliationsChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!ledger.service.reconcile(Ledger::statement(statementBalance), ticked));

    QCOMPARE(ledger.reconciliationTables(), before);
    QCOMPARE(transactionsChanged.count(), 0);
    QCOMPARE(reconciliationsChanged.count(), 0);
}

// An account's balance lives in its "Opening Balance" transaction, dated "As of": the account
// form edits that transaction, so the balance is never counted twice, and an account given a
// balance only later gets one dated as the form says, as a new account does (the balance used to
// become the account's starting balance, shown as of the oldest row or today). An account holding
// its balance itself keeps it there until the balance changes.
void TestAccountService::openingBalanceIsEditedWhereItIsStored_data()
{
    QTest::addColumn<qint64>("openedWith");
    QTest::addColumn<qint64>("heldByTheAccount");
    QTest::addColumn<qint64>("typed");
    QTest::addColumn<qint64>("openingAmount"); // 0: no opening transaction
    QTest::addColumn<qint64>("startingBalance");

    QTest::newRow("opened with a balance")
        << qint64(100000) << qint64(0) << qint64(150000) << qint64(150000) << qint64(0);
    QTest::newRow("balance unchanged")
        << qint64(100000) << qint64(0) << qint64(100000) << qint64(100000) << qint64(0);
    QTest::newRow("opened without one, given one")
        << qint64(0) << qint64(0) << qint64(20000) << qint64(20000) << qint64(0);
    QTest::newRow("opened without one, given none")
        << qint64(0) << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("held by the account, unchanged")
        << qint64(0) << qint64(5000) << qint64(5000) << qint64(0) << qint64(5000);
    QTest::newRow("held by the account, changed")
        << qint64(0) << qint64(5000) << qint64(8000) << qint64(8000) << qint64(0);
    QTest::newRow("held by the account, cleared")
        << qint64(0) << qint64(5000) << qint64(0) << qint64(0) << qint64(0);
}

void TestAccountService::openingBalanceIsEditedWhereItIsStored()
{
    QFETCH(qint64, openedWith);
    QFETCH(qint64, heldByTheAccount);
    QFETCH(qint64, typed);
    QFETCH(qint64, openingAmount);
    QFETCH(qint64, startingBalance);
    Ledger ledger;
    Account account = testAccount(QStringLiteral("new"), QStringLiteral("Wallet"), openedWith);
    QVERIFY(ledger.service.create(account, openingDay));
    if (heldByTheAccount != 0) {
        account = *ledger.accounts.byId(QStringLiteral("new"));
        account.startingBalance = heldByTheAccount;
        QVERIFY(ledger.accounts.update(account));
    }
    // Not cleared and reconciled: a payment to someone of that name, not the opening balance.
    QVERIFY(ledger.transactions.insert(testTransaction(QStringLiteral("later"),
                                                       QStringLiteral("new"), openingDay.addDays(3),
                                                       QStringLiteral("Opening Balance"), 700)));

    const std::optional<Transaction> opening =
        ledger.service.openingTransaction(QStringLiteral("new"));
    QCOMPARE(bool(opening), openedWith != 0);
    if (opening) {
        QCOMPARE(opening->amount, openedWith);
        QCOMPARE(opening->date, openingDay);
    }

    Account edited = *ledger.accounts.byId(QStringLiteral("new"));
    edited.name = QStringLiteral("Travel Wallet");
    const QDate movedTo = openingDay.addDays(-10);
    QVERIFY(ledger.service.update(edited, AccountService::Opening{typed, movedTo}));

    const Account stored = *ledger.accounts.byId(QStringLiteral("new"));
    QCOMPARE(stored.name, QStringLiteral("Travel Wallet"));
    QCOMPARE(stored.startingBalance, startingBalance);
    QCOMPARE(ledger.transactions.accountBalance(QStringLiteral("new")), typed + 700);
    const QList<Transaction> rows = ledger.transactions.listByAccount(QStringLiteral("new"));
    QCOMPARE(rows.size(), openedWith != 0 || openingAmount != 0 ? 2 : 1);
    const std::optional<Transaction> changed =
        ledger.service.openingTransaction(QStringLiteral("new"));
    QCOMPARE(bool(changed), openedWith != 0 || openingAmount != 0);
    if (changed) {
        if (opening)
            QCOMPARE(changed->id, opening->id);
        QCOMPARE(changed->amount, openingAmount);
        QCOMPARE(changed->date, movedTo);
        QCOMPARE(changed->payee, QStringLiteral("Opening Balance"));
        QCOMPARE(changed->syncStatus, SyncStatus::Pending);
    }
}

void TestAccountService::namesAreStoredOnOneLine()
{
    Ledger ledger;
    Account account = testAccount(QStringLiteral("new"), QStringLiteral("Joint\r\nChecking"));
    account.institution = QStringLiteral("First\tBank");
    QVERIFY(ledger.service.create(account, openingDay));
    QCOMPARE(ledger.accounts.byId(QStringLiteral("new"))->name, QStringLiteral("Joint Checking"));

    account = *ledger.accounts.byId(QStringLiteral("new"));
    account.name = QStringLiteral("Joint\nSavings");
    QVERIFY(ledger.service.update(account));
    const Account stored = *ledger.accounts.byId(QStringLiteral("new"));
    QCOMPARE(stored.name, QStringLiteral("Joint Savings"));
    QCOMPARE(stored.institution, QStringLiteral("First Bank"));
}

QTEST_GUILESS_MAIN(TestAccountService)
#include "tst_accountservice.moc"
