#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/payees/payeescreen.h"

#include "data/database.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// "Coffee Shop" twice and "COFFEE SHOP" and "Corner Cafe" once, in one account.
void addPayees(AppState* state)
{
    state->accountRepository()->insert(
        testAccount(QStringLiteral("everyday"), QStringLiteral("Everyday")));
    int day = 0;
    for (const char* payee : {"Coffee Shop", "Coffee Shop", "COFFEE SHOP", "Corner Cafe"}) {
        ++day;
        QVERIFY(state->transactionRepository()->insert(
            testTransaction(QStringLiteral("t%1").arg(day), QStringLiteral("everyday"),
                            QDate(2024, 5, day), QString::fromLatin1(payee), -300)));
    }
}

QStringList storedPayees(AppState* state)
{
    QStringList payees;
    for (const Transaction& t :
         state->transactionRepository()->listByAccount(QStringLiteral("everyday")))
        payees << t.payee;
    std::sort(payees.begin(), payees.end());
    return payees;
}

QStringList listed(QListWidget* list)
{
    QStringList payees;
    for (int row = 0; row < list->count(); ++row)
        payees << list->item(row)->text();
    return payees;
}

// Selects the payees in the given order, as Ctrl+clicks would.
void select(PayeeScreen& screen, const QStringList& payees)
{
    screen.list()->clearSelection();
    for (const QString& payee : payees) {
        const QList<QListWidgetItem*> found = screen.list()->findItems(payee, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        found.first()->setSelected(true);
    }
}

// Answers every message box of the action with Yes (or OK) and returns their texts.
QStringList boxesDuring(const std::function<void()>& act)
{
    QStringList texts;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            box->accept();
    });
    watch.start();
    act();
    return texts;
}

} // namespace

class TestPayeeScreen : public QObject
{
    Q_OBJECT

private slots:
    void renameToItsOwnNameChangesNothing();
    void mergeKeepsTheFirstSelectedName();
    void mergeNeedsTwoPayees();
    void failedMergeSaysSoAndChangesNothing();
};

void TestPayeeScreen::renameToItsOwnNameChangesNothing()
{
    TestApp app;
    addPayees(app.state());
    PayeeScreen screen(app.state());
    screen.reload();
    QCOMPARE(listed(screen.list()), (QStringList{"COFFEE SHOP", "Coffee Shop", "Corner Cafe"}));
    select(screen, {QStringLiteral("Coffee Shop")});
    screen.renameField()->setText(QStringLiteral("  Coffee Shop "));

    QCOMPARE(boxesDuring([&] { screen.onRename(); }), (QStringList{"Renamed 0 transaction(s)."}));
    QCOMPARE(storedPayees(app.state()),
             (QStringList{"COFFEE SHOP", "Coffee Shop", "Coffee Shop", "Corner Cafe"}));
}

// With "Rename to:" left empty, the payee selected first gives its name to the others.
void TestPayeeScreen::mergeKeepsTheFirstSelectedName()
{
    TestApp app;
    addPayees(app.state());
    PayeeScreen screen(app.state());
    screen.reload();
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    select(screen, {QStringLiteral("Coffee Shop"), QStringLiteral("COFFEE SHOP")});

    QCOMPARE(boxesDuring([&] { screen.onMerge(); }),
             (QStringList{"Merge 2 payees into \"Coffee Shop\"?", "Merged 1 transaction(s)."}));
    QCOMPARE(storedPayees(app.state()),
             (QStringList{"Coffee Shop", "Coffee Shop", "Coffee Shop", "Corner Cafe"}));
    QCOMPARE(listed(screen.list()), (QStringList{"Coffee Shop", "Corner Cafe"}));
    QCOMPARE(changed.count(), 1);
}

void TestPayeeScreen::mergeNeedsTwoPayees()
{
    TestApp app;
    addPayees(app.state());
    PayeeScreen screen(app.state());
    screen.reload();
    select(screen, {QStringLiteral("Corner Cafe")});
    screen.renameField()->setText(QStringLiteral("Cafe"));
    QCOMPARE(boxesDuring([&] { screen.onMerge(); }),
             (QStringList{"Select 2 or more payees to merge."}));
    QCOMPARE(storedPayees(app.state()).last(), QStringLiteral("Corner Cafe"));
}

// One payee that cannot be written keeps the others as they were, and the user is told.
void TestPayeeScreen::failedMergeSaysSoAndChangesNothing()
{
    TestApp app;
    addPayees(app.state());
    QSqlQuery(app.state()->database()->connection())
        .exec(QStringLiteral("CREATE TEMP TRIGGER refuse_corner BEFORE UPDATE OF payee ON "
                             "transactions WHEN OLD.payee = 'Corner Cafe' BEGIN SELECT "
                             "RAISE(ABORT, 'refused'); END"));
    PayeeScreen screen(app.state());
    screen.reload();
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    select(screen, {QStringLiteral("Coffee Shop"), QStringLiteral("COFFEE SHOP"),
                    QStringLiteral("Corner Cafe")});
    screen.renameField()->setText(QStringLiteral("Cafe"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("renamePayee failed")));
    const QStringList boxes = boxesDuring([&] { screen.onMerge(); });
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last(), QStringLiteral("The payees could not be renamed. No transaction was "
                                          "changed."));
    QCOMPARE(storedPayees(app.state()),
             (QStringList{"COFFEE SHOP", "Coffee Shop", "Coffee Shop", "Corner Cafe"}));
    QCOMPARE(changed.count(), 0);
}

QTEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
