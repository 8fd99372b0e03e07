#include "data/enumerations.h"
#include "tests/common/testrecords.h"
#include "ui/screens/accountformdialog.h"
#include "ui/screens/categoryformdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

// Finds the dialog's widgets the way a user finds them: by their labels.
template <typename Widget> static Widget* fieldOf(QDialog& dialog, const QString& labelText)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == labelText && label->buddy())
            return qobject_cast<Widget*>(label->buddy());
    }
    return nullptr;
}

class TestFormDialogs : public QObject
{
    Q_OBJECT

private slots:
    void newAccountReturnsWhatWasTyped_data();
    void newAccountReturnsWhatWasTyped();
    void editingAnAccountKeepsItsIdentity();
    void editingAYenAccountShowsWholeYen();
    void unknownAccountTypeReadsAsOther();
    void accountFormNeedsAName_data();
    void accountFormNeedsAName();
    void startingBalanceIsReadInTheInterfaceLanguage_data();
    void startingBalanceIsReadInTheInterfaceLanguage();
    void editingShowsTheOpeningTransaction();
    void categoryTitlesAndParentRow();
    void uncheckingTaxRelevantClearsTheCode();
    void editingATransferCategoryOffersExpense();
};

// The starting balance is typed in the chosen currency: two decimals, or whole yen.
void TestFormDialogs::newAccountReturnsWhatWasTyped_data()
{
    QTest::addColumn<QString>("currencyCode");
    QTest::addColumn<double>("typed");
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("negative with thousands") << "EUR" << -1234.56 << qint64(-123456) << "€ ";
    QTest::newRow("cents are rounded, not cut") << "EUR" << 0.29 << qint64(29) << "€ ";
    QTest::newRow("zero") << "EUR" << 0.0 << qint64(0) << "€ ";
    QTest::newRow("dollars") << "USD" << 1500.0 << qint64(150000) << "$ ";
    QTest::newRow("yen are whole") << "JPY" << 1500.0 << qint64(1500) << "¥ ";
}

void TestFormDialogs::newAccountReturnsWhatWasTyped()
{
    QFETCH(QString, currencyCode);
    QFETCH(double, typed);
    QFETCH(qint64, cents);
    QFETCH(QString, prefix);
    AccountFormDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
    fieldOf<QLineEdit>(dialog, QStringLiteral("&Name:"))->setText(QStringLiteral("  Everyday  "));
    auto* type = fieldOf<QComboBox>(dialog, QStringLiteral("&Type:"));
    type->setCurrentIndex(type->findData(QStringLiteral("credit_card")));
    auto* currency = fieldOf<QComboBox>(dialog, QStringLiteral("&Currency:"));
    currency->setCurrentIndex(currency->findData(currencyCode));
    auto* balance = fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"));
    QCOMPARE(balance->prefix(), prefix);
    balance->setValue(typed);
    fieldOf<QLineEdit>(dialog, QStringLiteral("&Institution:"))
        ->setText(QStringLiteral(" Summit Bank "));
    fieldOf<QLineEdit>(dialog, QStringLiteral("Account &Number:"))
        ->setText(QStringLiteral("771234"));
    fieldOf<QDateEdit>(dialog, QStringLiteral("&As of:"))->setDate(QDate(2024, 2, 29));

    const Account account = dialog.account();
    QCOMPARE(account.id.size(), 36);
    QCOMPARE(account.name, QStringLiteral("Everyday"));
    QCOMPARE(account.accountType, AccountType::CreditCard);
    QCOMPARE(account.currency, Enumerations::currencyFromStorage(currencyCode));
    QCOMPARE(account.startingBalance, cents);
    QCOMPARE(account.institution, QStringLiteral("Summit Bank"));
    QCOMPARE(account.accountNumberLast4, QStringLiteral("7712"));
    QCOMPARE(account.version, 1);
    QVERIFY(account.createdAt.isValid());
    QCOMPARE(dialog.openingDate(), QDate(2024, 2, 29));
}

void TestFormDialogs::editingAnAccountKeepsItsIdentity()
{
    Account stored =
        testAccount(QStringLiteral("kept-id"), QStringLiteral("Wallet"), 1500, Currency::GBP);
    stored.accountType = AccountType::Other;
    stored.sortOrder = 4;
    stored.version = 3;
    stored.syncStatus = SyncStatus::Synced;
    AccountFormDialog dialog(stored);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"))->value(), 15.0);
    QCOMPARE(fieldOf<QDateEdit>(dialog, QStringLiteral("&As of:"))->date(), QDate::currentDate());

    const Account account = dialog.account();
    QCOMPARE(account.id, QStringLiteral("kept-id"));
    QCOMPARE(account.createdAt, stored.createdAt);
    QCOMPARE(account.accountType, AccountType::Other);
    QCOMPARE(account.currency, Currency::GBP);
    QCOMPARE(account.sortOrder, 4);
    QCOMPARE(account.version, 3);
    QCOMPARE(account.syncStatus, SyncStatus::Pending);
}

void TestFormDialogs::editingAYenAccountShowsWholeYen()
{
    const Account stored =
        testAccount(QStringLiteral("yen"), QStringLiteral("Tokyo"), 1500, Currency::JPY);
    AccountFormDialog dialog(stored);
    auto* balance = fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"));
    QCOMPARE(balance->text(), QStringLiteral("¥ 1500"));
    QCOMPARE(dialog.account().startingBalance, qint64(1500));
}

void TestFormDialogs::unknownAccountTypeReadsAsOther()
{
    Account stored = testAccount(QStringLiteral("x"), QStringLiteral("Odd"));
    stored.accountType = AccountType(42);
    AccountFormDialog dialog(stored);
    QCOMPARE(dialog.account().accountType, AccountType::Other);
}

// Enter in an empty name used to close the form and lose what was typed.
void TestFormDialogs::accountFormNeedsAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("named") << "Wallet" << true;
}

void TestFormDialogs::accountFormNeedsAName()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* nameField = fieldOf<QLineEdit>(dialog, QStringLiteral("&Name:"));
    fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"))->setValue(250.0);
    nameField->setText(name);
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), accepted);

    QTest::keyClick(nameField, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !accepted);
}

// The starting balance is read as typed in the interface language; Enter on one that reads two
// ways says how to type it and keeps the form open.
void TestFormDialogs::startingBalanceIsReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("currencyCode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    QTest::newRow("German negative with grouping") << "EUR"
                                                   << "-1.234,56" << qint64(-123456) << "";
    QTest::newRow("German whole yen") << "JPY"
                                      << "1.500" << qint64(1500) << "";
    QTest::newRow("German point before three digits")
        << "EUR"
        << "1.234" << qint64(0)
        << "\"1.234\" could be read two ways: type thousands without a separator and decimals "
           "after \",\", as in 1234,50";
}

void TestFormDialogs::startingBalanceIsReadInTheInterfaceLanguage()
{
    QFETCH(QString, currencyCode);
    QFETCH(QString, typed);
    QFETCH(qint64, stored);
    QFETCH(QString, refusal);
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("de")));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    fieldOf<QLineEdit>(dialog, QStringLiteral("&Name:"))->setText(QStringLiteral("Girokonto"));
    auto* currency = fieldOf<QComboBox>(dialog, QStringLiteral("&Currency:"));
    currency->setCurrentIndex(currency->findData(currencyCode));
    auto* balance = fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"));
    balance->setFocus();
    balance->selectAll();
    QTest::keyClicks(balance, typed);

    QString told;
    if (!refusal.isEmpty())
        QTimer::singleShot(0, [&told] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->text();
                box->close();
            }
        });
    QTest::keyClick(balance, Qt::Key_Return);
    QCOMPARE(told, refusal);
    QCOMPARE(dialog.isVisible(), !refusal.isEmpty());
    if (refusal.isEmpty())
        QCOMPARE(dialog.account().startingBalance, stored);
}

// An account opened with a balance holds it as its opening transaction: the form shows that
// transaction's amount and date rather than a starting balance of 0 as of today.
void TestFormDialogs::editingShowsTheOpeningTransaction()
{
    AccountFormDialog dialog(testAccount(QStringLiteral("a"), QStringLiteral("Everyday")));
    dialog.setOpeningBalance(-123456, QDate(2024, 2, 1));
    QCOMPARE(fieldOf<QDoubleSpinBox>(dialog, QStringLiteral("Starting &Balance:"))->value(),
             -1234.56);
    QCOMPARE(fieldOf<QDateEdit>(dialog, QStringLiteral("&As of:"))->date(), QDate(2024, 2, 1));
    QCOMPARE(dialog.account().startingBalance, qint64(-123456));
    QCOMPARE(dialog.openingDate(), QDate(2024, 2, 1));
}

void TestFormDialogs::categoryTitlesAndParentRow()
{
    CategoryFormDialog top{QString(), QString()};
    QCOMPARE(top.windowTitle(), QStringLiteral("New Category"));
    QVERIFY(!fieldOf<QWidget>(top, QStringLiteral("&Parent:")));

    CategoryFormDialog child(QStringLiteral("parent-id"), QStringLiteral("Utilities"));
    QCOMPARE(child.windowTitle(), QStringLiteral("New Subcategory"));
    bool parentShown = false;
    for (QLabel* label : child.findChildren<QLabel*>())
        parentShown = parentShown || label->text() == QLatin1String("Utilities");
    QVERIFY(parentShown);
    fieldOf<QLineEdit>(child, QStringLiteral("&Name:"))->setText(QStringLiteral(" Water "));
    const Category category = child.category();
    QCOMPARE(category.parentId, QStringLiteral("parent-id"));
    QCOMPARE(category.name, QStringLiteral("Water"));
    QCOMPARE(category.categoryType, CategoryType::Expense);
    QCOMPARE(category.id.size(), 36);
}

void TestFormDialogs::uncheckingTaxRelevantClearsTheCode()
{
    Category stored = testCategory(QStringLiteral("c"), QStringLiteral("Gifts"));
    stored.isTaxRelevant = true;
    stored.taxCategory = QStringLiteral("charitable_contributions");
    CategoryFormDialog dialog(stored, QString());
    auto* taxCode = fieldOf<QLineEdit>(dialog, QStringLiteral("Tax &Code:"));
    QVERIFY(taxCode->isEnabled());
    QCOMPARE(taxCode->text(), QStringLiteral("charitable_contributions"));

    auto* taxRelevant = dialog.findChild<QCheckBox*>();
    taxRelevant->setChecked(false);
    QVERIFY(!taxCode->isEnabled());
    taxRelevant->setChecked(true);
    taxCode->setText(QStringLiteral("typed then dropped"));
    taxRelevant->setChecked(false);

    const Category category = dialog.category();
    QVERIFY(!category.isTaxRelevant);
    QVERIFY(category.taxCategory.isEmpty());
    QCOMPARE(category.id, QStringLiteral("c"));
}

void TestFormDialogs::editingATransferCategoryOffersExpense()
{
    Category stored = testCategory(QStringLiteral("t"), QStringLiteral("Moves"));
    stored.categoryType = CategoryType::Transfer;
    CategoryFormDialog dialog(stored, QString());
    QCOMPARE(dialog.category().categoryType, CategoryType::Expense);
}

QTEST_MAIN(TestFormDialogs)
#include "tst_formdialogs.moc"
