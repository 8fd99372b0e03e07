#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testrecords.h"
#include "ui/transactions/spliteditordialog.h"
#include "ui/transactions/splitlineswidget.h"
#include "ui/transactions/transactiondetailsdialog.h"
#include "ui/transactions/transactionformdialog.h"
#include "ui/widgets/categorycombobox.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <cmath>

#include <memory>

namespace {

const QString checking = QStringLiteral("acct-checking");
const QString savings = QStringLiteral("acct-savings");
const QString autoId = QStringLiteral("cat-auto");
const QString fuelId = QStringLiteral("cat-fuel");
const QString groceriesId = QStringLiteral("cat-groceries");

template <typename Widget> Widget* buttonNamed(QWidget& parent, const QString& text)
{
    for (Widget* button : parent.findChildren<Widget*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The field next to a form label, found the way a user finds it.
template <typename Widget> Widget* fieldOf(QWidget& dialog, const QString& labelText)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == labelText && label->buddy())
            return qobject_cast<Widget*>(label->buddy());
    }
    return nullptr;
}

SplitLine splitLine(const QString& categoryId, qint64 amount, const QString& memo = {})
{
    SplitLine line;
    line.categoryId = categoryId;
    line.amount = amount;
    line.memo = memo;
    return line;
}

// The rows of the split table: category combo, amount box and memo item.
struct SplitTable
{
    QTableWidget* table = nullptr;

    explicit SplitTable(QWidget& parent) : table(parent.findChild<QTableWidget*>()) {}
    int rows() const { return table->rowCount(); }
    CategoryComboBox* category(int row) const
    {
        return qobject_cast<CategoryComboBox*>(table->cellWidget(row, 0));
    }
    QDoubleSpinBox* amount(int row) const
    {
        return qobject_cast<QDoubleSpinBox*>(table->cellWidget(row, 1));
    }
    QString memo(int row) const { return table->item(row, 2)->text(); }
};

// Answers the next message box with the given button, remembering what it asked. Gives up
// after a while, so a box that never comes fails the test instead of hanging it.
void answerQuestion(QMessageBox::StandardButton answer, QString* asked, int attempts = 200)
{
    QTimer::singleShot(10, [answer, asked, attempts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 1)
                answerQuestion(answer, asked, attempts - 1);
            return;
        }
        *asked = box->text();
        box->button(answer)->click();
    });
}

} // namespace

Q_DECLARE_METATYPE(Currency)

class TestTransactionDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_directory;
    std::unique_ptr<AppState> m_state;

    TransactionRepository* transactions() const { return m_state->transactionRepository(); }

    CategoryComboBox* formCategory(QDialog& dialog) const
    {
        return dialog.findChild<CategoryComboBox*>(QString(), Qt::FindDirectChildrenOnly);
    }

    Transaction stored(const QString& id, const QDate& date, const QString& payee, qint64 amount,
                       const QString& accountId = checking)
    {
        Transaction transaction = testTransaction(id, accountId, date, payee, amount);
        [&] { QVERIFY(transactions()->insert(transaction)); }();
        return transaction;
    }

private slots:
    void init()
    {
        m_directory = std::make_unique<QTemporaryDir>();
        QVERIFY(m_directory->isValid());
        qputenv("PENNIBAR_DATA_DIR", m_directory->path().toUtf8());
        m_state = std::make_unique<AppState>();
        QVERIFY(m_state->initialize());
        QVERIFY(m_state->accountRepository()->insert(
            testAccount(checking, QStringLiteral("Checking"))));
        QVERIFY(
            m_state->accountRepository()->insert(testAccount(savings, QStringLiteral("Savings"))));
        CategoryRepository* categories = m_state->categoryRepository();
        QVERIFY(categories->insert(testCategory(autoId, QStringLiteral("Auto"))));
        QVERIFY(categories->insert(testCategory(fuelId, QStringLiteral("Fuel"), autoId)));
        QVERIFY(categories->insert(testCategory(groceriesId, QStringLiteral("Pantry"))));
    }
    void cleanup()
    {
        m_state.reset();
        m_directory.reset();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    void newTransactionAmountAndSign_data();
    void newTransactionAmountAndSign();
    void categoryItemsShowTheParent();
    void sameNamedCategoriesKeepTheChosenOne();
    void splitStartsFromTheSingleCategory();
    void splitLinesDropZeroRowsAndCarryTheSign();
    void useSingleCategoryDropsTheSplit();
    void editingFillsTheForm_data();
    void editingFillsTheForm();
    void seedFillsOnlyWhatItCarries();
    void secondNewDialogOpensOnTheFirstDate();
    void payeeSelectionFillsFromLastTransaction_data();
    void payeeSelectionFillsFromLastTransaction();
    void splitEditorRemaining_data();
    void splitEditorRemaining();
    void splitLineWithoutCategoryIsRefused();
    void unbalancedSplitIsRefused_data();
    void unbalancedSplitIsRefused();
    void impossibleFormDateIsRefused();
    void formReadsAmountsInTheInterfaceLanguage_data();
    void formReadsAmountsInTheInterfaceLanguage();
    void detailsShowPathsAndSplitLines();
    void detailsClearButtonFollowsStatus_data();
    void detailsClearButtonFollowsStatus();
    void detailsToggleClearedIsStored();
    void detailsDelete_data();
    void detailsDelete();
    void amountsFollowTheAccountCurrency_data();
    void amountsFollowTheAccountCurrency();
};

void TestTransactionDialogs::newTransactionAmountAndSign_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("payment") << 12.50 << true << qint64(-1250);
    QTest::newRow("deposit") << 12.50 << false << qint64(1250);
    QTest::newRow("cents are rounded, not cut") << 0.29 << false << qint64(29);
    QTest::newRow("rounded payment") << 0.29 << true << qint64(-29);
}

void TestTransactionDialogs::newTransactionAmountAndSign()
{
    QFETCH(double, typed);
    QFETCH(bool, payment);
    QFETCH(qint64, cents);
    TransactionFormDialog dialog(m_state.get(), checking);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
    QVERIFY(buttonNamed<QRadioButton>(dialog, QStringLiteral("Payment"))->isChecked());
    if (!payment)
        buttonNamed<QRadioButton>(dialog, QStringLiteral("Deposit"))->click();
    fieldOf<QLineEdit>(dialog, QStringLiteral("Payee:"))
        ->setText(QStringLiteral("  Corner Market "));
    fieldOf<SmartAmountField>(dialog, QStringLiteral("Amount:"))->setValue(typed);
    fieldOf<QLineEdit>(dialog, QStringLiteral("Memo:"))->setText(QStringLiteral(" weekly "));

    const Transaction transaction = dialog.transaction();
    QCOMPARE(transaction.amount, cents);
    QCOMPARE(transaction.accountId, checking);
    QCOMPARE(transaction.id.size(), 36);
    QCOMPARE(dialog.transaction().id, transaction.id);
    QCOMPARE(transaction.payee, QStringLiteral("Corner Market"));
    QCOMPARE(transaction.memo, QStringLiteral("weekly"));
    QVERIFY(!transaction.isSplit);
    QVERIFY(transaction.categoryId.isEmpty());
    QVERIFY(transaction.createdAt.isValid());
    QCOMPARE(transaction.syncStatus, SyncStatus::Pending);
    QVERIFY(dialog.splitLines().isEmpty());
}

void TestTransactionDialogs::categoryItemsShowTheParent()
{
    TransactionFormDialog dialog(m_state.get(), checking);
    CategoryComboBox* category = formCategory(dialog);
    QCOMPARE(category->currentText(), QStringLiteral("(none)"));
    QVERIFY(category->findText(QStringLiteral("Auto > Fuel")) >= 0);

    // Only the exact text names a category; a near miss is no category.
    category->setEditText(QStringLiteral("Auto > Fuel"));
    QCOMPARE(dialog.transaction().categoryId, fuelId);
    category->setEditText(QStringLiteral("auto > fuel"));
    QVERIFY(dialog.transaction().categoryId.isEmpty());

    // A chosen completion selects the item of exactly that text.
    emit category->completer()->activated(QStringLiteral("Pantry"));
    QCOMPARE(category->currentCategoryId(), groceriesId);
}

void TestTransactionDialogs::sameNamedCategoriesKeepTheChosenOne()
{
    const QString secondPantry = QStringLiteral("cat-pantry-2");
    QVERIFY(m_state->categoryRepository()->insert(
        testCategory(secondPantry, QStringLiteral("Pantry"))));
    TransactionFormDialog dialog(m_state.get(), checking);
    CategoryComboBox* category = formCategory(dialog);
    QVERIFY(category->selectCategoryId(secondPantry));
    emit category->completer()->activated(QStringLiteral("Pantry"));
    QCOMPARE(dialog.transaction().categoryId, secondPantry);

    buttonNamed<QPushButton>(dialog, QStringLiteral("Split..."))->click();
    SplitTable table(dialog);
    QVERIFY(table.category(0)->selectCategoryId(secondPantry));
    table.amount(0)->setValue(3.00);
    QCOMPARE(dialog.splitLines().value(0).categoryId, secondPantry);
}

void TestTransactionDialogs::splitStartsFromTheSingleCategory()
{
    TransactionFormDialog dialog(m_state.get(), checking);
    fieldOf<SmartAmountField>(dialog, QStringLiteral("Amount:"))->setValue(42.00);
    formCategory(dialog)->selectCategoryId(groceriesId);
    buttonNamed<QPushButton>(dialog, QStringLiteral("Split..."))->click();

    SplitTable table(dialog);
    QCOMPARE(table.rows(), 1);
    QCOMPARE(table.category(0)->currentCategoryId(), groceriesId);
    QCOMPARE(table.amount(0)->value(), 42.00);
    QVERIFY(dialog.width() >= 640 && dialog.height() >= 540);
}

void TestTransactionDialogs::splitLinesDropZeroRowsAndCarryTheSign()
{
    TransactionFormDialog dialog(m_state.get(), checking);
    auto* amount = fieldOf<SmartAmountField>(dialog, QStringLiteral("Amount:"));
    buttonNamed<QPushButton>(dialog, QStringLiteral("Split..."))->click();
    SplitTable table(dialog);
    QCOMPARE(table.rows(), 2); // nothing to start from: two empty rows
    QVERIFY(table.table->isVisibleTo(&dialog));
    buttonNamed<QPushButton>(dialog, QStringLiteral("+ Add Line"))->click();
    QCOMPARE(table.rows(), 3);

    table.category(0)->selectCategoryId(fuelId);
    table.amount(0)->setValue(10.00);
    table.table->item(0, 2)->setText(QStringLiteral("tank"));
    table.amount(1)->setValue(0.00);
    table.category(2)->selectCategoryId(groceriesId);
    table.amount(2)->setValue(5.00);

    // The form's amount follows the lines and cannot be typed over.
    QCOMPARE(amount->value(), 15.00);
    QVERIFY(!amount->isEnabled());
    QVERIFY(!formCategory(dialog)->isEnabled());
    QCOMPARE(formCategory(dialog)->currentText(), QStringLiteral("—Split—"));

    const Transaction transaction = dialog.transaction();
    QCOMPARE(transaction.amount, qint64(-1500));
    QVERIFY(transaction.isSplit);
    QVERIFY(transaction.categoryId.isEmpty());
    const QList<SplitLine> lines = dialog.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, qint64(-1000));
    QCOMPARE(lines[0].categoryId, fuelId);
    QCOMPARE(lines[0].memo, QStringLiteral("tank"));
    QCOMPARE(lines[1].amount, qint64(-500));
    QCOMPARE(lines[1].categoryId, groceriesId);
    QVERIFY(lines[0].id != lines[1].id);
}

void TestTransactionDialogs::useSingleCategoryDropsTheSplit()
{
    TransactionFormDialog dialog(m_state.get(), checking);
    buttonNamed<QRadioButton>(dialog, QStringLiteral("Deposit"))->click();
    formCategory(dialog)->selectCategoryId(groceriesId);
    buttonNamed<QPushButton>(dialog, QStringLiteral("Split..."))->click();
    SplitTable table(dialog);
    table.amount(0)->setValue(7.25);
    table.amount(1)->setValue(2.75);
    buttonNamed<QPushButton>(dialog, QStringLiteral("Use single category"))->click();

    QVERIFY(!table.table->isVisibleTo(&dialog));
    QVERIFY(formCategory(dialog)->isEnabled());
    QCOMPARE(formCategory(dialog)->currentText(), QStringLiteral("Pantry"));
    const Transaction transaction = dialog.transaction();
    QVERIFY(!transaction.isSplit);
    QCOMPARE(transaction.amount, qint64(1000));
    QCOMPARE(transaction.categoryId, groceriesId);
    QVERIFY(dialog.splitLines().isEmpty());
}

void TestTransactionDialogs::editingFillsTheForm_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("isSplit");
    QTest::addColumn<bool>("storeLines");
    QTest::addColumn<bool>("splitMode");
    QTest::newRow("single category payment") << qint64(-2000) << false << false << false;
    QTest::newRow("deposit") << qint64(2000) << false << false << false;
    QTest::newRow("split with stored lines") << qint64(-2000) << true << true << true;
    QTest::newRow("split flag without lines") << qint64(-2000) << true << false << false;
}

void TestTransactionDialogs::editingFillsTheForm()
{
    QFETCH(qint64, amount);
    QFETCH(bool, isSplit);
    QFETCH(bool, storeLines);
    QFETCH(bool, splitMode);
    Transaction original = testTransaction(QStringLiteral("t1"), checking, QDate(2024, 3, 9),
                                           QStringLiteral("Gas & Go"), amount);
    original.isSplit = isSplit;
    original.categoryId = isSplit ? QString() : fuelId;
    original.memo = QStringLiteral("road trip");
    original.checkNumber = QStringLiteral("1042");
    original.cleared = true;
    original.version = 3;
    original.createdAt = QDateTime(QDate(2024, 3, 9), QTime(8, 0), Qt::UTC);
    QVERIFY(transactions()->insert(original));
    if (storeLines) {
        for (const SplitLine& line :
             {splitLine(fuelId, -1200, QStringLiteral("diesel")), splitLine(groceriesId, -800)}) {
            SplitLine withOwner = line;
            withOwner.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            withOwner.transactionId = original.id;
            QVERIFY(m_state->splitLineRepository()->insert(withOwner));
        }
    }

    TransactionFormDialog dialog(m_state.get(), original);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transaction"));
    QCOMPARE(fieldOf<DateField>(dialog, QStringLiteral("Date:"))->date(), QDate(2024, 3, 9));
    QCOMPARE(fieldOf<SmartAmountField>(dialog, QStringLiteral("Amount:"))->value(), 20.00);
    QCOMPARE(buttonNamed<QRadioButton>(dialog, QStringLiteral("Payment"))->isChecked(), amount < 0);
    QCOMPARE(fieldOf<QLineEdit>(dialog, QStringLiteral("Check #:"))->text(),
             QStringLiteral("1042"));
    QVERIFY(buttonNamed<QCheckBox>(dialog, QStringLiteral("Cleared"))->isChecked());
    QCOMPARE(dialog.findChild<QTableWidget*>()->isVisibleTo(&dialog), splitMode);

    const Transaction edited = dialog.transaction();
    QCOMPARE(edited.id, original.id);
    QCOMPARE(edited.accountId, checking);
    QCOMPARE(edited.createdAt, original.createdAt);
    QCOMPARE(edited.version, 3);
    QCOMPARE(edited.amount, amount);
    QCOMPARE(edited.isSplit, splitMode);
    QCOMPARE(edited.categoryId, isSplit ? QString() : fuelId);

    const QList<SplitLine> lines = dialog.splitLines();
    QCOMPARE(lines.size(), splitMode ? 2 : 0);
    if (splitMode) {
        QCOMPARE(lines[0].categoryId, fuelId);
        QCOMPARE(lines[0].amount, qint64(-1200));
        QCOMPARE(lines[0].memo, QStringLiteral("diesel"));
        QCOMPARE(lines[1].categoryId, groceriesId);
        QCOMPARE(lines[1].amount, qint64(-800));
    }
}

void TestTransactionDialogs::seedFillsOnlyWhatItCarries()
{
    TransactionFormDialog dialog(m_state.get(), checking);
    fieldOf<QLineEdit>(dialog, QStringLiteral("Memo:"))->setText(QStringLiteral("kept"));
    Transaction seed;
    seed.date = QDate(2025, 1, 31);
    seed.payee = QStringLiteral("Paycheck");
    seed.amount = 250000;
    seed.categoryId = groceriesId;
    dialog.setSeed(seed);

    const Transaction transaction = dialog.transaction();
    QCOMPARE(transaction.date, QDate(2025, 1, 31));
    QCOMPARE(transaction.payee, QStringLiteral("Paycheck"));
    QCOMPARE(transaction.amount, qint64(250000)); // a positive seed is a deposit
    QCOMPARE(transaction.categoryId, groceriesId);
    QCOMPARE(transaction.memo, QStringLiteral("kept"));
}

void TestTransactionDialogs::secondNewDialogOpensOnTheFirstDate()
{
    {
        TransactionFormDialog first(m_state.get(), checking);
        fieldOf<DateField>(first, QStringLiteral("Date:"))->setText(QStringLiteral("7/14/2023"));
        QCOMPARE(first.transaction().date, QDate(2023, 7, 14));
    }
    TransactionFormDialog second(m_state.get(), checking);
    auto* date = fieldOf<DateField>(second, QStringLiteral("Date:"));
    QCOMPARE(date->date(), QDate(2023, 7, 14));
    QCOMPARE(date->text(), QStringLiteral("7/14/2023"));
}

void TestTransactionDialogs::payeeSelectionFillsFromLastTransaction_data()
{
    QTest::addColumn<qint64>("latestAmount");
    QTest::addColumn<QString>("latestMemo");
    QTest::addColumn<QString>("latestCategory");
    QTest::addColumn<QString>("expectedCategory");
    QTest::newRow("payment, empty memo replaces the typed one")
        << qint64(-1234) << QString() << groceriesId << groceriesId;
    QTest::newRow("deposit with memo, no category keeps the chosen one")
        << qint64(5000) << QStringLiteral("refund") << QString() << fuelId;
    QTest::newRow("deleted category keeps the chosen one")
        << qint64(-100) << QString() << autoId << fuelId;
}

void TestTransactionDialogs::payeeSelectionFillsFromLastTransaction()
{
    QFETCH(qint64, latestAmount);
    QFETCH(QString, latestMemo);
    QFETCH(QString, latestCategory);
    QFETCH(QString, expectedCategory);
    if (latestCategory == autoId)
        QVERIFY(m_state->categoryRepository()->softDelete(autoId));
    const QString payee = QStringLiteral("Corner Market");
    Transaction older =
        testTransaction(QStringLiteral("old"), checking, QDate(2024, 1, 1), payee, -500);
    older.memo = QStringLiteral("older");
    older.categoryId = fuelId;
    QVERIFY(transactions()->insert(older));
    Transaction latest =
        testTransaction(QStringLiteral("new"), checking, QDate(2024, 2, 1), payee, latestAmount);
    latest.memo = latestMemo;
    latest.categoryId = latestCategory;
    QVERIFY(transactions()->insert(latest));
    // Newer still, but in another account: not this account's history.
    stored(QStringLiteral("elsewhere"), QDate(2024, 3, 1), payee, 99900, savings);

    TransactionFormDialog dialog(m_state.get(), checking);
    fieldOf<QLineEdit>(dialog, QStringLiteral("Memo:"))->setText(QStringLiteral("typed"));
    formCategory(dialog)->selectCategoryId(fuelId);
    auto* payeeEdit = fieldOf<QLineEdit>(dialog, QStringLiteral("Payee:"));
    payeeEdit->setText(payee);
    emit payeeEdit->completer()->activated(payee);

    QCOMPARE(fieldOf<SmartAmountField>(dialog, QStringLiteral("Amount:"))->value(),
             double(qAbs(latestAmount)) / 100.0);
    QCOMPARE(buttonNamed<QRadioButton>(dialog, QStringLiteral("Payment"))->isChecked(),
             latestAmount < 0);
    QCOMPARE(fieldOf<QLineEdit>(dialog, QStringLiteral("Memo:"))->text(), latestMemo);
    QCOMPARE(formCategory(dialog)->currentCategoryId(), expectedCategory);
    QCOMPARE(dialog.transaction().amount, latestAmount);
}

void TestTransactionDialogs::splitEditorRemaining_data()
{
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("fully split") << 5.00 << "Remaining: $0.00"
                                 << "color: green;";
    QTest::newRow("over-split") << 10.00 << "Remaining: -$5.00"
                                << "color: #cc0000;";
    QTest::newRow("still to split") << 1.00 << "Remaining: $4.00"
                                    << "";
}

void TestTransactionDialogs::splitEditorRemaining()
{
    QFETCH(double, second);
    QFETCH(QString, text);
    QFETCH(QString, style);
    SplitEditorDialog dialog(m_state.get(), -2000, Currency::USD,
                             {splitLine(fuelId, -1500, QStringLiteral("tank")), splitLine({}, 0)});
    QLabel* remaining = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("Remaining: ")))
            remaining = label;
    }
    QVERIFY(remaining);
    QCOMPARE(remaining->text(), QStringLiteral("Remaining: $5.00"));

    SplitTable table(dialog);
    QCOMPARE(table.rows(), 2);
    QCOMPARE(table.memo(0), QStringLiteral("tank"));
    table.amount(1)->setValue(second);
    QCOMPARE(remaining->text(), text);
    QCOMPARE(remaining->styleSheet(), style);

    // The lines take the sign of the transaction.
    const QList<SplitLine> lines = dialog.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, qint64(-1500));
    QCOMPARE(lines[1].amount, -std::llround(second * 100));
}

// Split lines are stored only with a category: a line with an amount and none would be lost.
void TestTransactionDialogs::splitLineWithoutCategoryIsRefused()
{
    SplitEditorDialog editor(m_state.get(), -2000, Currency::USD,
                             {splitLine(fuelId, -1500), splitLine({}, -500)});
    editor.show();
    QString warning;
    answerQuestion(QMessageBox::Ok, &warning);
    editor.accept();
    QCOMPARE(warning, QStringLiteral("Choose a category for each split line that has an amount."));
    QVERIFY(editor.isVisible());
    SplitTable table(editor);
    QCOMPARE(table.table->currentRow(), 1);
    table.category(1)->selectCategoryId(groceriesId);
    editor.accept();
    QCOMPARE(editor.result(), int(QDialog::Accepted));

    // The form asks the same in split mode; a zero row without category is no line at all.
    TransactionFormDialog form(m_state.get(), checking);
    form.show();
    buttonNamed<QPushButton>(form, QStringLiteral("Split..."))->click();
    SplitTable formTable(form);
    formTable.amount(1)->setValue(4.00);
    warning.clear();
    answerQuestion(QMessageBox::Ok, &warning);
    form.accept();
    QVERIFY(!warning.isEmpty());
    QVERIFY(form.isVisible());
    formTable.amount(1)->setValue(0.00);
    form.accept();
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

// Lines that do not add up to the transaction would be stored under it as they are: OK waits
// until nothing remains. Lines that are all empty drop the split instead.
void TestTransactionDialogs::unbalancedSplitIsRefused_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("warning"); // empty: accepted

    QTest::newRow("more than the amount")
        << 100.00 << 25.50
        << "The split lines add up to $125.50 but the transaction is $120.00. Change them until "
           "nothing remains.";
    QTest::newRow("less than the amount")
        << 100.00 << 10.00
        << "The split lines add up to $110.00 but the transaction is $120.00. Change them until "
           "nothing remains.";
    QTest::newRow("exactly the amount") << 100.00 << 20.00 << "";
    QTest::newRow("no line left") << 0.00 << 0.00 << "";
}

void TestTransactionDialogs::unbalancedSplitIsRefused()
{
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, warning);
    SplitEditorDialog editor(m_state.get(), -12000, Currency::USD,
                             {splitLine(fuelId, -10000), splitLine(groceriesId, -2000)});
    editor.show();
    SplitTable table(editor);
    table.amount(0)->setValue(first);
    table.amount(1)->setValue(second);

    QString asked;
    if (!warning.isEmpty())
        answerQuestion(QMessageBox::Ok, &asked);
    editor.accept();
    QCOMPARE(asked, warning);
    QCOMPARE(editor.result(), int(warning.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(editor.isVisible(), !warning.isEmpty());
}

// A date that does not exist would be stored as the date shown before it: the form stays open.
void TestTransactionDialogs::impossibleFormDateIsRefused()
{
    TransactionFormDialog form(m_state.get(), checking);
    form.show();
    DateField* date = form.findChild<DateField*>();
    date->setText(QStringLiteral("2/31/2026"));
    QString asked;
    answerQuestion(QMessageBox::Ok, &asked);
    form.accept();
    QCOMPARE(asked, QStringLiteral("Enter a valid date"));
    QVERIFY(form.isVisible());

    date->setText(QStringLiteral("2/28/26"));
    form.accept();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.transaction().date, QDate(2026, 2, 28));
}

// The form reads a typed amount as the register does, in the interface language, and takes no
// amount while the box shows one it cannot read.
void TestTransactionDialogs::formReadsAmountsInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    QTest::newRow("German grouping") << "de"
                                     << "1.234,56" << qint64(-123456) << "";
    QTest::newRow("German decimal comma") << "de"
                                          << "12,50" << qint64(-1250) << "";
    QTest::newRow("English") << "en"
                             << "1,234.56" << qint64(-123456) << "";
    QTest::newRow("German comma before three digits")
        << "de"
        << "1,234" << qint64(0)
        << "\"1,234\" could be read two ways: type thousands without a separator and decimals "
           "after \",\", as in 1234,50";
}

void TestTransactionDialogs::formReadsAmountsInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(qint64, cents);
    QFETCH(QString, refusal);
    const QLocale saved;
    QLocale::setDefault(QLocale(language));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    TransactionFormDialog form(m_state.get(), checking);
    form.show();
    fieldOf<QLineEdit>(form, QStringLiteral("Payee:"))->setText(QStringLiteral("Bakery"));
    auto* amount = fieldOf<SmartAmountField>(form, QStringLiteral("Amount:"));
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, typed);

    QString told;
    if (!refusal.isEmpty())
        answerQuestion(QMessageBox::Ok, &told);
    buttonNamed<QPushButton>(form, QStringLiteral("OK"))->click();
    if (!refusal.isEmpty()) {
        QCOMPARE(told, refusal);
        QVERIFY(form.isVisible());
        QCOMPARE(amount->text(), QStringLiteral("$ ") + typed);
        return;
    }
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.transaction().amount, cents);
}

void TestTransactionDialogs::detailsShowPathsAndSplitLines()
{
    Transaction split = testTransaction(QStringLiteral("s"), checking, QDate(2024, 5, 2),
                                        QStringLiteral("Big Box"), -2000);
    split.isSplit = true;
    QVERIFY(transactions()->insert(split));
    SplitLine fuel = splitLine(fuelId, -1500, QStringLiteral("premium"));
    fuel.id = QStringLiteral("l1");
    fuel.transactionId = split.id;
    SplitLine unfiled = splitLine(groceriesId, -500);
    unfiled.id = QStringLiteral("l2");
    unfiled.transactionId = split.id;
    QVERIFY(m_state->splitLineRepository()->insert(fuel));
    QVERIFY(m_state->splitLineRepository()->insert(unfiled));

    TransactionDetailsDialog dialog(m_state.get(), split);
    QCOMPARE(fieldOf<QLabel>(dialog, QStringLiteral("Category:"))->text(),
             QStringLiteral("—Split—"));
    QCOMPARE(fieldOf<QLabel>(dialog, QStringLiteral("Amount:"))->text(),
             QStringLiteral("- $20.00"));
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QString& expected :
         {QStringLiteral("Auto > Fuel"), QStringLiteral("$15.00"), QStringLiteral("premium"),
          QStringLiteral("Pantry"), QStringLiteral("$5.00"), QStringLiteral("$20.00")})
        QVERIFY2(texts.contains(expected), qPrintable(expected));

    Transaction single = testTransaction(QStringLiteral("f"), checking, QDate(2024, 5, 3),
                                         QStringLiteral("Gas & Go"), 4200);
    single.categoryId = fuelId;
    single.transferDestAccountId = savings;
    TransactionDetailsDialog plain(m_state.get(), single);
    QCOMPARE(fieldOf<QLabel>(plain, QStringLiteral("Category:"))->text(),
             QStringLiteral("Auto > Fuel"));
    QCOMPARE(fieldOf<QLabel>(plain, QStringLiteral("Amount:"))->text(), QStringLiteral("$42.00"));
    QCOMPARE(fieldOf<QLabel>(plain, QStringLiteral("Transfer to:"))->text(),
             QStringLiteral("Savings"));
}

void TestTransactionDialogs::detailsClearButtonFollowsStatus_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("button");
    QTest::newRow("reconciled") << true << true << "Reconciled"
                                << "";
    QTest::newRow("cleared") << true << false << "Cleared"
                             << "Mark Uncleared";
    QTest::newRow("uncleared") << false << false << "Uncleared"
                               << "Mark Cleared";
}

void TestTransactionDialogs::detailsClearButtonFollowsStatus()
{
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(QString, status);
    QFETCH(QString, button);
    Transaction transaction =
        stored(QStringLiteral("t"), QDate(2024, 4, 1), QStringLiteral("Rent"), -90000);
    transaction.cleared = cleared;
    transaction.reconciled = reconciled;
    TransactionDetailsDialog dialog(m_state.get(), transaction);
    QCOMPARE(fieldOf<QLabel>(dialog, QStringLiteral("Status:"))->text(), status);
    const bool hasClearButton = buttonNamed<QPushButton>(dialog, QStringLiteral("Mark Cleared")) ||
                                buttonNamed<QPushButton>(dialog, QStringLiteral("Mark Uncleared"));
    QCOMPARE(hasClearButton, !button.isEmpty());
    if (!button.isEmpty())
        QVERIFY(buttonNamed<QPushButton>(dialog, button));
}

void TestTransactionDialogs::detailsToggleClearedIsStored()
{
    Transaction transaction =
        stored(QStringLiteral("t"), QDate(2024, 4, 1), QStringLiteral("Rent"), -90000);
    QVERIFY(transactions()->markSynced(transaction.id, QStringLiteral("server-1")));
    transaction = *transactions()->byId(transaction.id);
    TransactionDetailsDialog dialog(m_state.get(), transaction);
    dialog.show();

    buttonNamed<QPushButton>(dialog, QStringLiteral("Mark Cleared"))->click();
    Transaction after = *transactions()->byId(transaction.id);
    QVERIFY(after.cleared);
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(fieldOf<QLabel>(dialog, QStringLiteral("Status:"))->text(), QStringLiteral("Cleared"));
    QVERIFY(dialog.isVisible()); // the dialog stays open

    buttonNamed<QPushButton>(dialog, QStringLiteral("Mark Uncleared"))->click();
    after = *transactions()->byId(transaction.id);
    QVERIFY(!after.cleared);
    QCOMPARE(after.payee, QStringLiteral("Rent"));
    QCOMPARE(fieldOf<QLabel>(dialog, QStringLiteral("Status:"))->text(),
             QStringLiteral("Uncleared"));
    QVERIFY(buttonNamed<QPushButton>(dialog, QStringLiteral("Mark Cleared")));
}

void TestTransactionDialogs::detailsDelete_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::newRow("transfer, yes") << true << true
                                   << "Delete transfer \"Transfer to Savings\" for $40.00?\n\nBoth "
                                      "sides of the transfer will be deleted.";
    QTest::newRow("plain, yes") << false << true << "Delete \"Transfer to Savings\" for $40.00?";
    QTest::newRow("transfer, no") << true << false
                                  << "Delete transfer \"Transfer to Savings\" for $40.00?\n\nBoth "
                                     "sides of the transfer will be deleted.";
}

void TestTransactionDialogs::detailsDelete()
{
    QFETCH(bool, transfer);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    Transaction out = testTransaction(QStringLiteral("out"), checking, QDate(2024, 6, 1),
                                      QStringLiteral("Transfer to Savings"), -4000);
    Transaction in = testTransaction(QStringLiteral("in"), savings, QDate(2024, 6, 1),
                                     QStringLiteral("Transfer from Checking"), 4000);
    if (transfer) {
        out.transferLinkId = in.id;
        out.transferDestAccountId = savings;
        in.transferLinkId = out.id;
        in.transferDestAccountId = checking;
    }
    QVERIFY(transactions()->insert(in));
    QVERIFY(transactions()->insert(out));

    TransactionDetailsDialog dialog(m_state.get(), out);
    dialog.show();
    QString asked;
    answerQuestion(yes ? QMessageBox::Yes : QMessageBox::No, &asked);
    buttonNamed<QPushButton>(dialog, QStringLiteral("Delete..."))->click();

    QCOMPARE(asked, question);
    QCOMPARE(dialog.deleted(), yes);
    QVERIFY(!dialog.editRequested());
    QCOMPARE(dialog.result(), yes ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !yes);
    QCOMPARE(transactions()->byId(out.id)->deletedAt.has_value(), yes);
    QCOMPARE(transactions()->byId(in.id)->deletedAt.has_value(), yes && transfer);
}

// Money is stored in the account currency's minor unit: typed 1500 in a yen account is 1500,
// and each dialog shows the account's symbol.
void TestTransactionDialogs::amountsFollowTheAccountCurrency_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<double>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("shown");

    QTest::newRow("dollars") << Currency::USD << 1500.0 << qint64(-150000) << "$ "
                             << "$1,500.00";
    QTest::newRow("yen") << Currency::JPY << 1500.0 << qint64(-1500) << "¥ "
                         << "¥1,500";
    QTest::newRow("euros") << Currency::EUR << 12.5 << qint64(-1250) << "€ "
                           << "€12.50";
}

void TestTransactionDialogs::amountsFollowTheAccountCurrency()
{
    QFETCH(Currency, currency);
    QFETCH(double, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, prefix);
    QFETCH(QString, shown);
    const QString account = QStringLiteral("acct-money");
    QVERIFY(m_state->accountRepository()->insert(
        testAccount(account, QStringLiteral("Money"), 0, currency)));

    TransactionFormDialog form(m_state.get(), account);
    auto* amountField = fieldOf<SmartAmountField>(form, QStringLiteral("Amount:"));
    QCOMPARE(amountField->prefix(), prefix);
    amountField->setValue(typed);
    QCOMPARE(form.transaction().amount, amount);
    buttonNamed<QPushButton>(form, QStringLiteral("Split..."))->click();
    SplitTable lines(form);
    QCOMPARE(lines.amount(0)->prefix(), prefix);
    QCOMPARE(form.splitLines().first().amount, amount);

    const Transaction transaction =
        stored(QStringLiteral("m"), QDate(2024, 5, 2), QStringLiteral("Market"), amount, account);
    TransactionFormDialog edit(m_state.get(), transaction);
    QCOMPARE(fieldOf<SmartAmountField>(edit, QStringLiteral("Amount:"))->value(), typed);
    TransactionDetailsDialog details(m_state.get(), transaction);
    QCOMPARE(fieldOf<QLabel>(details, QStringLiteral("Amount:"))->text(),
             QStringLiteral("- %1").arg(shown));
    SplitEditorDialog splits(m_state.get(), amount, currency, {});
    bool totalShown = false;
    for (QLabel* label : splits.findChildren<QLabel*>())
        totalShown = totalShown || label->text() == QStringLiteral("Total: %1").arg(shown);
    QVERIFY(totalShown);
}

QTEST_MAIN(TestTransactionDialogs)
#include "tst_transactiondialogs.moc"
