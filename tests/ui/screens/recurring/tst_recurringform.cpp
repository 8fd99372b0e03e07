#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/recurring/recurringformdialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStringListModel>
#include <QTest>

namespace {

const QDate today = QDate::currentDate();

// The field a label names, as a user finds it.
template <typename Widget> Widget* field(QDialog& dialog, const QString& labelText)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == labelText && label->buddy())
            return qobject_cast<Widget*>(label->buddy());
    }
    return nullptr;
}

QAbstractButton* buttonNamed(QDialog& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// "checking" in dollars, "yen" in yen, the categories Auto > Fuel, and a payee on record.
struct FormFixture
{
    TestApp app;

    FormFixture()
    {
        app.state()->accountRepository()->insert(
            testAccount(QStringLiteral("checking"), QStringLiteral("Checking")));
        app.state()->accountRepository()->insert(
            testAccount(QStringLiteral("yen"), QStringLiteral("Tokyo"), 0, Currency::JPY));
        app.state()->categoryRepository()->insert(
            testCategory(QStringLiteral("auto"), QStringLiteral("Auto")));
        app.state()->categoryRepository()->insert(
            testCategory(QStringLiteral("fuel"), QStringLiteral("Fuel"), QStringLiteral("auto")));
        app.state()->transactionRepository()->insert(
            testTransaction(QStringLiteral("t"), QStringLiteral("yen"), QDate(2024, 5, 1),
                            QStringLiteral("Shinjuku Market"), -1500));
    }

    // A stored-looking row of "checking": started a year ago, next due in ten days.
    static RecurringTransaction stored()
    {
        RecurringTransaction row =
            testRecurring(QStringLiteral("kept"), QStringLiteral("checking"),
                          QStringLiteral("Rent"), -145000, Frequency::Quarterly, today.addDays(10));
        row.startDate = today.addYears(-1);
        row.categoryId = QStringLiteral("fuel");
        row.memo = QStringLiteral("Flat");
        row.version = 4;
        row.serverId = QStringLiteral("server-1");
        row.syncStatus = SyncStatus::Synced;
        return row;
    }
};

} // namespace

class TestRecurringForm : public QObject
{
    Q_OBJECT

private slots:
    void newFormStartsFromTheDefaults();
    void amountFollowsTypeAndCurrency_data();
    void amountFollowsTypeAndCurrency();
    void amountIsReadInTheInterfaceLanguage_data();
    void amountIsReadInTheInterfaceLanguage();
    void editKeepsOrRestartsTheSchedule_data();
    void editKeepsOrRestartsTheSchedule();
    void brokenDatesFallBack_data();
    void brokenDatesFallBack();
    void optionalFieldsFollowTheirBoxes();
    void memorizingAlwaysMakesANewRow();
    void choicesNameParentsAndPayees();
};

void TestRecurringForm::newFormStartsFromTheDefaults()
{
    FormFixture fixture;
    RecurringFormDialog dialog(fixture.app.state());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Recurring Transaction"));
    QVERIFY(!dialog.isEditMode());
    QVERIFY(buttonNamed(dialog, QStringLiteral("Payment"))->isChecked());
    QVERIFY(!field<QSpinBox>(dialog, QStringLiteral("Enter in advance:"))->isEnabled());

    const RecurringTransaction made = dialog.recurring();
    QCOMPARE(made.id.size(), 36);
    QCOMPARE(made.accountId, QStringLiteral("checking"));
    QCOMPARE(made.frequency, Frequency::Monthly);
    QCOMPARE(made.startDate, today);
    QCOMPARE(made.nextDueDate, today);
    QVERIFY(!made.endDate);
    QVERIFY(!made.autoPost);
    QCOMPARE(made.leadDays, 0);
    QVERIFY(made.isActive);
    QVERIFY(made.categoryId.isEmpty());
    QCOMPARE(made.version, 1);
    QCOMPARE(made.syncStatus, SyncStatus::Pending);
    QVERIFY(made.createdAt.isValid());
    QVERIFY(dialog.recurring().id != made.id);
}

// The amount is typed as a positive number in the account's currency; the type gives the sign.
void TestRecurringForm::amountFollowsTypeAndCurrency_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("payment in dollars") << "Checking"
                                        << "Payment" << 12.34 << "$ 12.34" << qint64(-1234);
    QTest::newRow("deposit in dollars") << "Checking"
                                        << "Deposit" << 12.34 << "$ 12.34" << qint64(1234);
    QTest::newRow("cents rounded, not cut") << "Checking"
                                            << "Deposit" << 0.29 << "$ 0.29" << qint64(29);
    QTest::newRow("payment in whole yen") << "Tokyo"
                                          << "Payment" << 1500.0 << "¥ 1500" << qint64(-1500);
}

void TestRecurringForm::amountFollowsTypeAndCurrency()
{
    QFETCH(QString, account);
    QFETCH(QString, type);
    QFETCH(double, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, stored);
    FormFixture fixture;
    RecurringFormDialog dialog(fixture.app.state());
    auto* accounts = field<QComboBox>(dialog, QStringLiteral("Account:"));
    accounts->setCurrentIndex(accounts->findText(account));
    buttonNamed(dialog, type)->click();
    auto* amount = field<QDoubleSpinBox>(dialog, QStringLiteral("Amount:"));
    amount->setValue(typed);
    QCOMPARE(amount->text(), shown);
    QCOMPARE(dialog.recurring().amount, stored);
}

// The amount box was a plain spin box that read only the interface language's own numbers: the
// amount the register shows ("1,234.56") read as 1.23456 in German. It reads as the register does.
void TestRecurringForm::amountIsReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("German decimal comma") << "12,50" << qint64(-1250) << true;
    QTest::newRow("as the register shows") << "1,234.56" << qint64(-123456) << true;
    QTest::newRow("reads two ways") << "1,234" << qint64(0) << false;
}

void TestRecurringForm::amountIsReadInTheInterfaceLanguage()
{
    QFETCH(QString, typed);
    QFETCH(qint64, stored);
    QFETCH(bool, accepted);
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("de")));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    FormFixture fixture;
    RecurringFormDialog dialog(fixture.app.state());
    dialog.show();
    field<QLineEdit>(dialog, QStringLiteral("Payee:"))->setText(QStringLiteral("Miete"));
    auto* amount = field<QDoubleSpinBox>(dialog, QStringLiteral("Amount:"));
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, typed);

    QString told;
    if (!accepted)
        answerNextMessageBox(QMessageBox::Ok, &told);
    dialog.accept();
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    if (accepted)
        QCOMPARE(dialog.recurring().amount, stored);
    else
        QVERIFY(told.startsWith(QStringLiteral("\"1,234\" could be read two ways")));
}

// An edit that leaves the start date alone keeps the schedule; a new start date restarts it
// there. Either way the row keeps its identity and counts a new version.
void TestRecurringForm::editKeepsOrRestartsTheSchedule_data()
{
    QTest::addColumn<int>("startShift");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("nextDue");
    QTest::newRow("start untouched") << 0 << today.addYears(-1) << today.addDays(10);
    QTest::newRow("start moved") << 3 << today.addYears(-1).addDays(3)
                                 << today.addYears(-1).addDays(3);
}

void TestRecurringForm::editKeepsOrRestartsTheSchedule()
{
    QFETCH(int, startShift);
    QFETCH(QDate, start);
    QFETCH(QDate, nextDue);
    FormFixture fixture;
    const RecurringTransaction original = FormFixture::stored();
    RecurringFormDialog dialog(fixture.app.state(), original);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
    // A stored row never moves to another account.
    QVERIFY(!field<QComboBox>(dialog, QStringLiteral("Account:"))->isEnabled());
    QCOMPARE(field<QDoubleSpinBox>(dialog, QStringLiteral("Amount:"))->value(), 1450.0);
    QCOMPARE(field<QComboBox>(dialog, QStringLiteral("Category:"))->currentText(),
             QStringLiteral("Auto > Fuel"));
    auto* startEdit = field<QDateEdit>(dialog, QStringLiteral("Start Date:"));
    startEdit->setDate(startEdit->date().addDays(startShift));

    const RecurringTransaction edited = dialog.recurring();
    QCOMPARE(edited.id, original.id);
    QCOMPARE(edited.createdAt, original.createdAt);
    QCOMPARE(edited.serverId, original.serverId);
    QCOMPARE(edited.startDate, start);
    QCOMPARE(edited.nextDueDate, nextDue);
    QCOMPARE(edited.amount, original.amount);
    QCOMPARE(edited.frequency, Frequency::Quarterly);
    QCOMPARE(edited.categoryId, QStringLiteral("fuel"));
    QCOMPARE(edited.memo, QStringLiteral("Flat"));
    QCOMPARE(edited.version, 5);
    QCOMPARE(edited.syncStatus, SyncStatus::Pending);
}

// No schedule starts before 2000: a slip of the keyboard starts today, and a broken next due
// date of a row whose start date is kept follows the start date.
void TestRecurringForm::brokenDatesFallBack_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QDate>("originalStart");
    QTest::addColumn<QDate>("originalNextDue");
    QTest::addColumn<QDate>("typedStart");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<QStringList>("warnings");

    const QString startWarning = QStringLiteral("RecurringFormDialog: rejecting invalid startDate");
    const QString dueWarning = QStringLiteral("RecurringFormDialog: rejecting invalid nextDueDate");
    QTest::newRow("new row started in 1999")
        << false << QDate() << QDate() << QDate(1999, 12, 31) << today << today
        << QStringList{startWarning, dueWarning};
    QTest::newRow("new row started on 2000-01-01")
        << false << QDate() << QDate() << QDate(2000, 1, 1) << QDate(2000, 1, 1)
        << QDate(2000, 1, 1) << QStringList{};
    QTest::newRow("kept start, broken next due")
        << true << QDate(2023, 5, 1) << QDate(1970, 1, 1) << QDate(2023, 5, 1) << QDate(2023, 5, 1)
        << QDate(2023, 5, 1) << QStringList{dueWarning};
}

void TestRecurringForm::brokenDatesFallBack()
{
    QFETCH(bool, editing);
    QFETCH(QDate, originalStart);
    QFETCH(QDate, originalNextDue);
    QFETCH(QDate, typedStart);
    QFETCH(QDate, start);
    QFETCH(QDate, nextDue);
    QFETCH(QStringList, warnings);
    FormFixture fixture;
    RecurringTransaction original = FormFixture::stored();
    original.startDate = originalStart;
    original.nextDueDate = originalNextDue;
    std::unique_ptr<RecurringFormDialog> dialog =
        editing ? std::make_unique<RecurringFormDialog>(fixture.app.state(), original)
                : std::make_unique<RecurringFormDialog>(fixture.app.state());
    field<QDateEdit>(*dialog, QStringLiteral("Start Date:"))->setDate(typedStart);

    for (const QString& warning : warnings)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^") + warning));
    const RecurringTransaction made = dialog->recurring();
    QCOMPARE(made.startDate, start);
    QCOMPARE(made.nextDueDate, nextDue);
}

// The end date and the lead days count only while their boxes are checked.
void TestRecurringForm::optionalFieldsFollowTheirBoxes()
{
    FormFixture fixture;
    RecurringFormDialog dialog(fixture.app.state());
    // The end date shares its row with its check box; it is the second date box.
    auto* endDate = dialog.findChildren<QDateEdit*>().last();
    QVERIFY(endDate != field<QDateEdit>(dialog, QStringLiteral("Start Date:")));
    auto* hasEnd = buttonNamed(dialog, QStringLiteral("Has end date"));
    auto* autoPost = buttonNamed(dialog, QStringLiteral("Auto-post when due"));
    auto* leadDays = field<QSpinBox>(dialog, QStringLiteral("Enter in advance:"));
    QVERIFY(!endDate->isEnabled());

    hasEnd->click();
    QVERIFY(endDate->isEnabled());
    endDate->setDate(QDate(2030, 6, 30));
    autoPost->click();
    QVERIFY(leadDays->isEnabled());
    leadDays->setValue(5);
    RecurringTransaction made = dialog.recurring();
    QVERIFY(made.endDate);
    QCOMPARE(*made.endDate, QDate(2030, 6, 30));
    QVERIFY(made.autoPost);
    QCOMPARE(made.leadDays, 5);

    hasEnd->click();
    autoPost->click();
    QVERIFY(!leadDays->isEnabled());
    QCOMPARE(leadDays->value(), 5);
    made = dialog.recurring();
    QVERIFY(!made.endDate);
    QVERIFY(!made.autoPost);
    QCOMPARE(made.leadDays, 0);
}

// A memorized transaction is a new recurring row: never the transaction's id, nor the id of
// any earlier memorizing, and it starts on the date the form shows.
void TestRecurringForm::memorizingAlwaysMakesANewRow()
{
    FormFixture fixture;
    RecurringTransaction seed;
    seed.id = QStringLiteral("transaction-id");
    seed.accountId = QStringLiteral("yen");
    seed.payee = QStringLiteral("Shinjuku Market");
    seed.amount = -1500;
    seed.frequency = Frequency::Monthly;
    seed.startDate = seed.nextDueDate = QDate(2024, 5, 1);
    const std::unique_ptr<RecurringFormDialog> dialog(
        RecurringFormDialog::createFromSeed(fixture.app.state(), seed));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Memorize Transaction"));
    QVERIFY(!dialog->isEditMode());
    QVERIFY(dialog->isCreateFromSeed());
    QCOMPARE(field<QComboBox>(*dialog, QStringLiteral("Account:"))->currentText(),
             QStringLiteral("Tokyo"));
    QVERIFY(field<QComboBox>(*dialog, QStringLiteral("Account:"))->isEnabled());
    QCOMPARE(field<QDoubleSpinBox>(*dialog, QStringLiteral("Amount:"))->text(),
             QStringLiteral("¥ 1500"));

    field<QDateEdit>(*dialog, QStringLiteral("Start Date:"))->setDate(QDate(2024, 6, 1));
    const RecurringTransaction first = dialog->recurring();
    const RecurringTransaction second = dialog->recurring();
    QCOMPARE(first.id.size(), 36);
    QVERIFY(first.id != seed.id);
    QVERIFY(second.id != first.id);
    QCOMPARE(first.amount, qint64(-1500));
    QCOMPARE(first.startDate, QDate(2024, 6, 1));
    QCOMPARE(first.nextDueDate, QDate(2024, 6, 1));
    QCOMPARE(first.version, 1);
}

void TestRecurringForm::choicesNameParentsAndPayees()
{
    FormFixture fixture;
    RecurringFormDialog dialog(fixture.app.state());
    auto* category = field<QComboBox>(dialog, QStringLiteral("Category:"));
    QStringList items;
    for (int i = 0; i < category->count(); ++i)
        items << category->itemText(i);
    QCOMPARE(items.first(), QStringLiteral("(none)"));
    QVERIFY(items.contains(QStringLiteral("Auto > Fuel")));
    QVERIFY(items.contains(QStringLiteral("Auto")));

    QCompleter* payees = field<QLineEdit>(dialog, QStringLiteral("Payee:"))->completer();
    QCOMPARE(qobject_cast<QStringListModel*>(payees->model())->stringList(),
             QStringList{QStringLiteral("Shinjuku Market")});
    QCOMPARE(payees->filterMode(), Qt::MatchContains);
    QCOMPARE(payees->caseSensitivity(), Qt::CaseInsensitive);
}

QTEST_MAIN(TestRecurringForm)
#include "tst_recurringform.moc"
