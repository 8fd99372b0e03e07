#include "data/accountrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/reconciliation/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliation/reconciliationscreen.h"
#include "ui/theme/themecolors.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

namespace {

// "bank" holding 100.00 with a reconciled deposit of 50.00 on 2024-01-05, and three open
// transactions in date order: a cleared payment of 5.00, a deposit of 20.00 and a payment of
// 7.00 at a cafe.
struct ReconcileFixture
{
    TestApp app;
    ReconciliationScreen screen{app.state()};

    explicit ReconcileFixture(bool load = true)
    {
        app.state()->accountRepository()->insert(
            testAccount(QStringLiteral("bank"), QStringLiteral("Bank"), 10000));
        add(QStringLiteral("opening"), QDate(2024, 1, 5), QStringLiteral("Opening"), 5000, true,
            true);
        add(QStringLiteral("pay"), QDate(2024, 1, 20), QStringLiteral("Grocer"), -500, true);
        add(QStringLiteral("deposit"), QDate(2024, 1, 25), QStringLiteral("Refund"), 2000);
        add(QStringLiteral("cafe"), QDate(2024, 1, 28), QStringLiteral("Cafe"), -700);
        if (load)
            screen.setAccount(QStringLiteral("bank"));
    }

    void add(const QString& id, const QDate& date, const QString& payee, qint64 amount,
             bool cleared = false, bool reconciled = false)
    {
        Transaction transaction = testTransaction(id, QStringLiteral("bank"), date, payee, amount);
        transaction.cleared = cleared;
        transaction.reconciled = reconciled;
        app.state()->transactionRepository()->insert(transaction);
    }

    void exec(const QString& sql) const
    {
        QSqlQuery(app.state()->database()->connection()).exec(sql);
    }

    QStringList dump() const
    {
        QStringList rows;
        QSqlQuery query(app.state()->database()->connection());
        query.exec(QStringLiteral("SELECT id, cleared, reconciled, version, updated_at, "
                                  "sync_status FROM transactions ORDER BY id"));
        while (query.next())
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6")
                        .arg(query.value(0).toString(), query.value(1).toString(),
                             query.value(2).toString(), query.value(3).toString(),
                             query.value(4).toString(), query.value(5).toString());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM reconciliations"));
        query.next();
        rows << QStringLiteral("reconciliations %1").arg(query.value(0).toInt());
        return rows;
    }

    QTableWidget* table() const { return screen.table(); }

    int rowOf(const QString& payee) const
    {
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->item(row, ReconciliationScreen::PayeeColumn)->text() == payee)
                return row;
        }
        return -1;
    }

    // The payees of the ticked rows, in table order.
    QStringList ticked() const
    {
        QStringList payees;
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->item(row, ReconciliationScreen::TickColumn)->checkState() == Qt::Checked)
                payees << table()->item(row, ReconciliationScreen::PayeeColumn)->text();
        }
        return payees;
    }

    void toggle(const QString& payee) const
    {
        QTableWidgetItem* tick = table()->item(rowOf(payee), ReconciliationScreen::TickColumn);
        tick->setCheckState(tick->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }

    // The value shown beside the caption in the statement panel.
    QLabel* figure(const QString& caption) const
    {
        auto* grid = screen.findChild<QGridLayout*>();
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem* captionItem = grid->itemAtPosition(row, 0);
            auto* label = captionItem ? qobject_cast<QLabel*>(captionItem->widget()) : nullptr;
            if (label && label->text() == caption)
                return qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget());
        }
        return nullptr;
    }

    QString figureText(const QString& caption) const { return figure(caption)->text(); }

    SmartAmountField* balanceField() const { return screen.findChild<SmartAmountField*>(); }

    QPushButton* finishButton() const
    {
        for (QPushButton* button : screen.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Finish Reconciliation"))
                return button;
        }
        return nullptr;
    }
};

// The transaction form's payee box (its date box is a line edit too).
QLineEdit* payeeEdit(QWidget* dialog)
{
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        if (edit->placeholderText() == QLatin1String("Start typing to search payees..."))
            return edit;
    }
    return nullptr;
}

// Counts the key presses that reach the widget it watches.
class KeyCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++count;
        return false;
    }
};

} // namespace

class TestReconciliationScreen : public QObject
{
    Q_OBJECT

private slots:
    // Dates and months read the same wherever the tests run.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startsFromTheReconciledBalance();
    void unknownAccountLeavesNothingToFinish();
    void statementDateFollowsTheHistory_data();
    void statementDateFollowsTheHistory();
    void figuresFollowTheTicksAndTheStatement();
    void keysInvertTheCurrentTick_data();
    void keysInvertTheCurrentTick();
    void ticksSurviveEditsAndDeletes();
    void keysAddEditAndDelete_data();
    void keysAddEditAndDelete();
    void finishStoresOnlyTheTicked();
    void failedFinishKeepsTheScreenAndTheData();
    void statementThatReadsTwoWaysIsNotFinished();
    void yenAccountReconcilesInWholeYen();
    void historyShowsPastReconciliationsOrItsEmptyState();
};

void TestReconciliationScreen::startsFromTheReconciledBalance()
{
    ReconcileFixture fixture;
    QCOMPARE(fixture.figureText(QStringLiteral("Previous Balance")), QStringLiteral("$150.00"));
    QCOMPARE(fixture.table()->rowCount(), 3);
    QCOMPARE(fixture.table()->item(0, ReconciliationScreen::DateColumn)->text(),
             QStringLiteral("01/20/2024"));
    QCOMPARE(fixture.table()->item(0, ReconciliationScreen::AmountColumn)->text(),
             QStringLiteral("-$5.00"));
    QCOMPARE(fixture.table()->item(0, ReconciliationScreen::ClearedColumn)->text(),
             QStringLiteral("C"));
    QCOMPARE(fixture.table()->item(1, ReconciliationScreen::ClearedColumn)->text(), QString());
    // The stored cleared flag seeds the tick.
    QCOMPARE(fixture.ticked(), QStringList{QStringLiteral("Grocer")});
    QCOMPARE(fixture.figureText(QStringLiteral("Cleared Balance")), QStringLiteral("$145.00"));
    QVERIFY(!fixture.finishButton()->isEnabled());
}

// An account that is not there leaves nothing to finish, even at a zero difference.
void TestReconciliationScreen::unknownAccountLeavesNothingToFinish()
{
    ReconcileFixture fixture(false);
    fixture.screen.setAccount(QStringLiteral("nowhere"));
    QCOMPARE(fixture.table()->rowCount(), 0);
    QCOMPARE(fixture.figureText(QStringLiteral("Difference")), QStringLiteral("$0.00"));
    QVERIFY(!fixture.finishButton()->isEnabled());
}

// A month after the latest statement, unless a transaction was reconciled after it; with
// neither the field keeps today.
void TestReconciliationScreen::statementDateFollowsTheHistory_data()
{
    QTest::addColumn<QDate>("latestStatement");
    QTest::addColumn<QDate>("latestReconciled");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("nothing reconciled yet") << QDate() << QDate() << QDate::currentDate();
    QTest::newRow("a month-end statement") << QDate(2024, 1, 31) << QDate() << QDate(2024, 2, 29);
    QTest::newRow("statement after the reconciled transactions")
        << QDate(2024, 1, 31) << QDate(2024, 1, 15) << QDate(2024, 2, 29);
    QTest::newRow("statement on the reconciled date")
        << QDate(2024, 1, 31) << QDate(2024, 1, 31) << QDate(2024, 2, 29);
    QTest::newRow("transactions reconciled after the statement")
        << QDate(2024, 1, 31) << QDate(2024, 2, 10) << QDate(2024, 3, 10);
    QTest::newRow("reconciled transactions only")
        << QDate() << QDate(2024, 3, 31) << QDate(2024, 4, 30);
}

void TestReconciliationScreen::statementDateFollowsTheHistory()
{
    QFETCH(QDate, latestStatement);
    QFETCH(QDate, latestReconciled);
    QFETCH(QDate, expected);
    ReconcileFixture fixture(false);
    fixture.exec(QStringLiteral("DELETE FROM transactions WHERE id = 'opening'"));
    if (latestReconciled.isValid())
        fixture.add(QStringLiteral("old"), latestReconciled, QStringLiteral("Old"), 100, true,
                    true);
    if (latestStatement.isValid()) {
        for (const QDate& date : {latestStatement.addMonths(-1), latestStatement}) {
            Reconciliation statement;
            statement.id = date.toString(Qt::ISODate);
            statement.accountId = QStringLiteral("bank");
            statement.statementDate = date;
            fixture.app.state()->reconciliationRepository()->insert(statement);
        }
    }
    fixture.screen.setAccount(QStringLiteral("bank"));
    QCOMPARE(fixture.screen.findChild<DateField*>()->date(), expected);
}

// Deposits and withdrawals of the ticked rows move the cleared balance; Finish waits for a
// difference of exactly zero, shown green then and red otherwise.
void TestReconciliationScreen::figuresFollowTheTicksAndTheStatement()
{
    ReconcileFixture fixture;
    fixture.toggle(QStringLiteral("Refund"));
    QCOMPARE(fixture.figureText(QStringLiteral("Cleared Deposits")), QStringLiteral("$20.00"));
    QCOMPARE(fixture.figureText(QStringLiteral("Cleared Withdrawals")), QStringLiteral("-$5.00"));
    QCOMPARE(fixture.figureText(QStringLiteral("Cleared Balance")), QStringLiteral("$165.00"));
    QCOMPARE(fixture.figureText(QStringLiteral("Difference")), QStringLiteral("-$165.00"));

    const QString green = QStringLiteral("color: %1;").arg(ThemeColors::positive(false).name());
    const QString red = QStringLiteral("color: %1;").arg(ThemeColors::negative(false).name());
    for (const auto& [typed, difference, balanced] :
         {std::tuple{165.01, "$0.01", false}, std::tuple{165.0, "$0.00", true},
          std::tuple{-165.0, "-$330.00", false}}) {
        fixture.balanceField()->setValue(typed);
        QCOMPARE(fixture.figureText(QStringLiteral("Difference")), QString::fromUtf8(difference));
        QCOMPARE(fixture.figure(QStringLiteral("Difference"))->styleSheet(),
                 balanced ? green : red);
        QCOMPARE(fixture.finishButton()->isEnabled(), balanced);
    }
    fixture.balanceField()->setValue(165.0);
    fixture.toggle(QStringLiteral("Cafe"));
    QCOMPARE(fixture.figureText(QStringLiteral("Difference")), QStringLiteral("$7.00"));
    QVERIFY(!fixture.finishButton()->isEnabled());
}

void TestReconciliationScreen::keysInvertTheCurrentTick_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("C") << int(Qt::Key_C);
    QTest::newRow("R") << int(Qt::Key_R);
}

// The key inverts the current row's tick; without a current row it does nothing and goes no
// further.
void TestReconciliationScreen::keysInvertTheCurrentTick()
{
    QFETCH(int, key);
    ReconcileFixture fixture;
    KeyCounter passedOn;
    fixture.screen.installEventFilter(&passedOn);

    QTest::keyClick(fixture.table(), Qt::Key(key));
    QCOMPARE(fixture.ticked(), QStringList{QStringLiteral("Grocer")});
    QCOMPARE(passedOn.count, 0);

    fixture.table()->setCurrentCell(fixture.rowOf(QStringLiteral("Cafe")),
                                    ReconciliationScreen::PayeeColumn);
    QTest::keyClick(fixture.table(), Qt::Key(key));
    QCOMPARE(fixture.ticked(), (QStringList{QStringLiteral("Grocer"), QStringLiteral("Cafe")}));
    QCOMPARE(fixture.figureText(QStringLiteral("Cleared Withdrawals")), QStringLiteral("-$12.00"));
    QTest::keyClick(fixture.table(), Qt::Key(key));
    QCOMPARE(fixture.ticked(), QStringList{QStringLiteral("Grocer")});
    QCOMPARE(passedOn.count, 0);
}

// Ticks belong to transactions: reading the table again after an edit, an addition or a
// deletion keeps every remaining tick, the edited row's included.
void TestReconciliationScreen::ticksSurviveEditsAndDeletes()
{
    ReconcileFixture fixture;
    fixture.toggle(QStringLiteral("Grocer"));
    fixture.toggle(QStringLiteral("Refund"));
    fixture.toggle(QStringLiteral("Cafe"));

    fixture.table()->setCurrentCell(fixture.rowOf(QStringLiteral("Refund")),
                                    ReconciliationScreen::PayeeColumn);
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit Transaction"));
        payeeEdit(dialog)->setText(QStringLiteral("Tax Refund"));
        static_cast<QDialog*>(dialog)->accept();
    });
    fixture.screen.editSelectedTransaction();
    QCOMPARE(fixture.ticked(), (QStringList{QStringLiteral("Tax Refund"), QStringLiteral("Cafe")}));
    QCOMPARE(fixture.app.state()->transactionRepository()->byId(QStringLiteral("deposit"))->payee,
             QStringLiteral("Tax Refund"));

    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("New Transaction"));
        payeeEdit(dialog)->setText(QStringLiteral("Bakery"));
        static_cast<QDialog*>(dialog)->accept();
    });
    fixture.screen.addTransaction();
    QCOMPARE(fixture.table()->rowCount(), 4);
    QCOMPARE(fixture.ticked(), (QStringList{QStringLiteral("Tax Refund"), QStringLiteral("Cafe")}));

    fixture.table()->setCurrentCell(fixture.rowOf(QStringLiteral("Cafe")),
                                    ReconciliationScreen::PayeeColumn);
    QString question;
    whenModalOpens([&question](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->text();
        QCOMPARE(box->windowTitle(), QStringLiteral("Delete Transaction"));
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::No)->click();
    });
    fixture.screen.deleteSelectedTransaction();
    QCOMPARE(question, QStringLiteral("Delete the transaction for Cafe?"));
    QCOMPARE(fixture.table()->rowCount(), 4);

    answerNextMessageBox(QMessageBox::Yes);
    fixture.screen.deleteSelectedTransaction();
    QCOMPARE(fixture.table()->rowCount(), 3);
    QCOMPARE(fixture.ticked(), QStringList{QStringLiteral("Tax Refund")});
    QVERIFY(
        fixture.app.state()->transactionRepository()->byId(QStringLiteral("cafe"))->isDeleted());
}

void TestReconciliationScreen::keysAddEditAndDelete_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("opened");
    QTest::newRow("New") << QKeySequence(QKeySequence::New) << "New Transaction";
    QTest::newRow("Insert") << QKeySequence(Qt::Key_Insert) << "New Transaction";
    QTest::newRow("F2") << QKeySequence(Qt::Key_F2) << "Edit Transaction";
    QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete) << "Delete Transaction";
}

// The keys work from anywhere in the window; the table's current row is the one they act on.
void TestReconciliationScreen::keysAddEditAndDelete()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, opened);
    ReconcileFixture fixture;
    fixture.screen.show();
    QApplication::setActiveWindow(&fixture.screen);
    fixture.table()->setCurrentCell(fixture.rowOf(QStringLiteral("Cafe")),
                                    ReconciliationScreen::PayeeColumn);
    fixture.table()->setFocus();

    QString title;
    whenModalOpens([&title](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::No)->click();
        else
            static_cast<QDialog*>(modal)->reject();
    });
    QTest::keySequence(fixture.table(), keys);
    QTRY_COMPARE(title, opened);
    QCOMPARE(fixture.table()->rowCount(), 3);
}

// Finish writes the ticked rows and the statement; a cleared row left unticked is not touched
// at all.
void TestReconciliationScreen::finishStoresOnlyTheTicked()
{
    ReconcileFixture fixture;
    const QStringList before = fixture.dump();
    fixture.toggle(QStringLiteral("Grocer"));
    fixture.toggle(QStringLiteral("Refund"));
    fixture.balanceField()->setValue(170.0);
    fixture.screen.findChild<DateField*>()->setDate(QDate(2024, 1, 31));
    QVERIFY(fixture.finishButton()->isEnabled());
    QSignalSpy completed(&fixture.screen, &ReconciliationScreen::reconciliationCompleted);

    QString told;
    answerNextMessageBox(QMessageBox::Ok, &told);
    fixture.finishButton()->click();

    QCOMPARE(told, QStringLiteral("Account reconciled successfully."));
    QCOMPARE(completed.count(), 1);
    const QStringList after = fixture.dump();
    QCOMPARE(after.filter(QStringLiteral("pay ")), before.filter(QStringLiteral("pay ")));
    QCOMPARE(after.filter(QStringLiteral("cafe ")), before.filter(QStringLiteral("cafe ")));
    const Transaction deposit =
        *fixture.app.state()->transactionRepository()->byId(QStringLiteral("deposit"));
    QVERIFY(deposit.cleared && deposit.reconciled);
    const QList<Reconciliation> stored =
        fixture.app.state()->reconciliationRepository()->listByAccount(QStringLiteral("bank"));
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().statementDate, QDate(2024, 1, 31));
    QCOMPARE(stored.first().statementBalance, qint64(17000));
    QCOMPARE(stored.first().reconciledBalance, qint64(17000));
}

// "170.000" typed in German reads as 170,000.00 or as 170.00; the balance box kept 170.00 from
// the typing before, which matched the cleared balance, and Finish stored it. It says how to
// type the balance instead, and stores nothing.
void TestReconciliationScreen::statementThatReadsTwoWaysIsNotFinished()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("de")));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    ReconcileFixture fixture;
    fixture.screen.show();
    fixture.toggle(QStringLiteral("Grocer"));
    fixture.toggle(QStringLiteral("Refund"));
    const QStringList before = fixture.dump();
    SmartAmountField* balance = fixture.balanceField();
    balance->setFocus();
    balance->selectAll();
    QTest::keyClicks(balance, QStringLiteral("170.000"));

    QString told;
    answerNextMessageBox(QMessageBox::Ok, &told);
    fixture.finishButton()->click();
    QVERIFY(told.startsWith(QStringLiteral("\"170.000\" could be read two ways")));
    QCOMPARE(fixture.dump(), before);

    balance->selectAll();
    QTest::keyClicks(balance, QStringLiteral("170,00"));
    answerNextMessageBox(QMessageBox::Ok, &told);
    fixture.finishButton()->click();
    QCOMPARE(told, QStringLiteral("Account reconciled successfully."));
}

// A failed Finish keeps nothing, says so, and leaves the screen open with its ticks.
void TestReconciliationScreen::failedFinishKeepsTheScreenAndTheData()
{
    ReconcileFixture fixture;
    fixture.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    fixture.toggle(QStringLiteral("Refund"));
    fixture.balanceField()->setValue(165.0);
    const QStringList before = fixture.dump();
    QSignalSpy completed(&fixture.screen, &ReconciliationScreen::reconciliationCompleted);

    QString title;
    QString told;
    whenModalOpens([&title, &told](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        told = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^ReconciliationRepository::insert")));
    fixture.finishButton()->click();

    QCOMPARE(title, QStringLiteral("Reconciliation Failed"));
    QVERIFY(told.contains(QStringLiteral("not reconciled")));
    QCOMPARE(completed.count(), 0);
    QCOMPARE(fixture.dump(), before);
    QCOMPARE(fixture.ticked(), (QStringList{QStringLiteral("Grocer"), QStringLiteral("Refund")}));
    QVERIFY(fixture.finishButton()->isEnabled());
}

void TestReconciliationScreen::yenAccountReconcilesInWholeYen()
{
    ReconcileFixture fixture(false);
    fixture.app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("yen"), QStringLiteral("Tokyo"), 250000, Currency::JPY));
    Transaction ramen = testTransaction(QStringLiteral("ramen"), QStringLiteral("yen"),
                                        QDate(2024, 11, 9), QStringLiteral("Ramen Ya"), -1500);
    ramen.cleared = true;
    fixture.app.state()->transactionRepository()->insert(ramen);
    fixture.screen.setAccount(QStringLiteral("yen"));

    QCOMPARE(fixture.balanceField()->prefix(), QStringLiteral("¥ "));
    QCOMPARE(fixture.balanceField()->decimals(), 0);
    QCOMPARE(fixture.table()->item(0, ReconciliationScreen::AmountColumn)->text(),
             QStringLiteral("-¥1,500"));
    QCOMPARE(fixture.figureText(QStringLiteral("Previous Balance")), QStringLiteral("¥250,000"));
    fixture.balanceField()->setValue(248500);
    QCOMPARE(fixture.figureText(QStringLiteral("Difference")), QStringLiteral("¥0"));
    answerNextMessageBox(QMessageBox::Ok);
    fixture.finishButton()->click();
    QCOMPARE(fixture.app.state()
                 ->reconciliationRepository()
                 ->latestForAccount(QStringLiteral("yen"))
                 ->statementBalance,
             qint64(248500));
}

void TestReconciliationScreen::historyShowsPastReconciliationsOrItsEmptyState()
{
    ReconcileFixture fixture(false);
    ReconciliationHistoryScreen history(fixture.app.state());
    history.show();
    history.setAccount(QStringLiteral("bank"));
    QLabel* empty = nullptr;
    QLabel* title = nullptr;
    for (QLabel* label : history.findChildren<QLabel*>()) {
        if (label->text().startsWith(QLatin1String("No reconciliations yet.")))
            empty = label;
        if (label->text().startsWith(QLatin1String("Reconciliation History")))
            title = label;
    }
    QVERIFY(empty && empty->isVisible());
    QVERIFY(!history.table()->isVisible());
    QCOMPARE(title->text(), QStringLiteral("Reconciliation History — Bank"));

    Reconciliation statement;
    statement.id = QStringLiteral("r1");
    statement.accountId = QStringLiteral("bank");
    statement.statementDate = QDate(2024, 1, 31);
    statement.statementBalance = -14500;
    statement.reconciledBalance = -14500;
    statement.completedAt = QDateTime(QDate(2024, 2, 2), QTime(9, 30), Qt::LocalTime).toUTC();
    fixture.app.state()->reconciliationRepository()->insert(statement);
    history.setAccount(QStringLiteral("bank"));
    QVERIFY(!empty->isVisible());
    QVERIFY(history.table()->isVisible());
    QCOMPARE(history.table()->rowCount(), 1);
    QCOMPARE(history.table()->item(0, 0)->text(), QStringLiteral("Jan 31, 2024"));
    QCOMPARE(history.table()->item(0, 1)->text(), QStringLiteral("-$145.00"));
    QCOMPARE(history.table()->item(0, 1)->foreground().color(), ThemeColors::negative().color());
    QCOMPARE(history.table()->item(0, 3)->text(), QStringLiteral("Feb 2, 2024 9:30 am"));
}

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
