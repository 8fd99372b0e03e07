#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testrecords.h"
#include "ui/register/registercombobox.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registernavigator.h"
#include "ui/register/registertableview.h"
#include "ui/widgets/smartdateedit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString checking = QStringLiteral("acc-checking");
const QString savings = QStringLiteral("acc-savings");
const QString visa = QStringLiteral("acc-visa");

// Records what the view asks its owner to do.
class FakeNavigator : public RegisterNavigator
{
public:
    void tabForward() override { ++forward; }
    void tabBackward() override { ++backward; }
    bool focusNextPrevInEditor(bool next) override
    {
        editorMoves.append(next);
        return true;
    }

    int forward = 0;
    int backward = 0;
    QList<bool> editorMoves;
};

} // namespace

// The delegate and the table view over a real application state: accounts Checking (shown),
// Savings and Visa; payees used in several accounts; a small category tree.
class TestRegisterDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void payeeCompletionList();
    void categoryItems();
    void quickFillFromTheLastTransaction_data();
    void quickFillFromTheLastTransaction();
    void dateCellRoundTrip();
    void categoryCellFollowsItsText_data();
    void categoryCellFollowsItsText();
    void twoLineSizesAndEditorGeometry();
    void cursorNeverLandsOnBalance_data();
    void cursorNeverLandsOnBalance();
    void tabMovesThroughTheOwner();
    void tabAcceptsACompletionInTheCell_data();
    void tabAcceptsACompletionInTheCell();
    void categoryListsAreAsWideAsTheirItems();

private:
    QWidget* openEditor(const QModelIndex& index);
    QString categoryId(const QString& name) const;

    QTemporaryDir m_directory;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterModel> m_model;
    std::unique_ptr<RegisterTableView> m_view;
    RegisterDelegate* m_delegate = nullptr;
    FakeNavigator m_navigator;
};

void TestRegisterDelegate::initTestCase()
{
    QVERIFY(m_directory.isValid());
    qputenv("PENNIBAR_DATA_DIR", m_directory.path().toUtf8());
}

void TestRegisterDelegate::init()
{
    QFile::remove(m_directory.filePath(QStringLiteral("pennibar.db")));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());

    AccountRepository* accounts = m_state->accountRepository();
    Account first = testAccount(checking, QStringLiteral("Checking"));
    Account second = testAccount(savings, QStringLiteral("Savings"));
    second.sortOrder = 1;
    Account third = testAccount(visa, QStringLiteral("Visa"));
    third.sortOrder = 2;
    QVERIFY(accounts->insert(first) && accounts->insert(second) && accounts->insert(third));

    CategoryRepository* categories = m_state->categoryRepository();
    QVERIFY(categories->insert(testCategory("cat-car", "Car")));
    QVERIFY(categories->insert(testCategory("cat-fuel", "Fuel", "cat-car")));
    QVERIFY(categories->insert(testCategory("cat-pets", "Pet Care")));
    QVERIFY(categories->insert(testCategory("cat-vet", "Vet Visits", "cat-pets")));
    QVERIFY(categories->insert(testCategory("cat-food", "Food Shopping")));
    QVERIFY(categories->softDelete("cat-pets"));

    TransactionRepository* transactions = m_state->transactionRepository();
    Transaction older = testTransaction("t1", checking, QDate(2026, 1, 10), "Market", -1000);
    older.categoryId = QStringLiteral("cat-fuel");
    older.memo = QStringLiteral("old");
    Transaction newer = testTransaction("t2", checking, QDate(2026, 2, 10), "Market", -4200);
    newer.categoryId = QStringLiteral("cat-fuel");
    newer.memo = QStringLiteral("weekly");
    newer.checkNumber = QStringLiteral("88");
    // The same payee in another account, later still: never used for this account.
    Transaction elsewhere = testTransaction("t3", savings, QDate(2026, 3, 10), "Market", 999);
    QVERIFY(transactions->insert(older) && transactions->insert(newer) &&
            transactions->insert(elsewhere));
    QVERIFY(transactions->insert(
        testTransaction("t4", checking, QDate(2026, 1, 5), "Grocery Outlet", -2000)));
    QVERIFY(transactions->insert(
        testTransaction("t5", savings, QDate(2026, 1, 6), "Big Grocer", -3000)));
    QVERIFY(transactions->insert(
        testTransaction("t6", visa, QDate(2026, 1, 7), "[Transfer] Savings", 500)));

    m_model = std::make_unique<RegisterModel>();
    m_model->setRows(transactions->registerRows(checking));
    m_view = std::make_unique<RegisterTableView>();
    m_delegate = new RegisterDelegate(m_state.get(), m_view.get());
    m_delegate->setAccountId(checking);
    m_view->setModel(m_model.get());
    m_view->setItemDelegate(m_delegate);
    m_view->setTabKeyNavigation(false);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    m_view->resize(1100, 400);
    m_navigator = FakeNavigator();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
}

void TestRegisterDelegate::cleanup()
{
    m_view.reset();
    m_model.reset();
    m_state.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

QWidget* TestRegisterDelegate::openEditor(const QModelIndex& index)
{
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    return m_view->indexWidget(index);
}

QString TestRegisterDelegate::categoryId(const QString& name) const
{
    const auto category = m_state->categoryRepository()->byName(name);
    return category ? category->id : QString();
}

void TestRegisterDelegate::payeeCompletionList()
{
    const QStringList payees = m_delegate->payeeCompletions();

    // Payees of every account in name order (binary: "[" after the letters), then one transfer
    // entry per other account unless a payee already reads the same.
    QCOMPARE(payees, QStringList({"Big Grocer", "Grocery Outlet", "Market", "[Transfer] Savings",
                                  "[Transfer] Visa"}));

    QWidget* editor = openEditor(m_model->index(m_model->entryRow(), RegisterModel::PayeeColumn));
    auto* payee = qobject_cast<QLineEdit*>(editor);
    QVERIFY(payee && payee->completer());
    QTest::keyClicks(payee, QStringLiteral("gro"));
    QTRY_VERIFY(payee->completer()->popup()->isVisible());
    QStringList offered;
    for (int i = 0; payee->completer()->setCurrentRow(i); ++i)
        offered << payee->completer()->currentCompletion();
    QCOMPARE(offered, QStringList({"Big Grocer", "Grocery Outlet"}));
}

void TestRegisterDelegate::categoryItems()
{
    const QList<QPair<QString, QString>> items = m_delegate->categoryItems();

    QCOMPARE(items.first(), qMakePair(QString(), QString()));
    QVERIFY(items.contains(qMakePair(QStringLiteral("Car > Fuel"), QStringLiteral("cat-fuel"))));
    QVERIFY(items.contains(qMakePair(QStringLiteral("Car"), QStringLiteral("cat-car"))));
    // The parent is deleted: the child keeps only its own name; the parent is not offered.
    QVERIFY(items.contains(qMakePair(QStringLiteral("Vet Visits"), QStringLiteral("cat-vet"))));
    for (const auto& item : items)
        QVERIFY(item.second != QLatin1String("cat-pets"));

    auto* combo = qobject_cast<RegisterComboBox*>(
        openEditor(m_model->index(m_model->entryRow(), RegisterModel::CategoryColumn)));
    QVERIFY(combo);
    QCOMPARE(combo->count(), items.size());
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->completer()->filterMode(), Qt::MatchContains);
}

void TestRegisterDelegate::quickFillFromTheLastTransaction_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<bool>("existingRow");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("typedPayment");
    QTest::addColumn<QString>("typedMemo");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("memo");

    QTest::newRow("one line") << false << false << "Market"
                              << ""
                              << ""
                              << "42.00"
                              << "Car > Fuel"
                              << "weekly";
    QTest::newRow("two lines") << true << false << "Market "
                               << ""
                               << ""
                               << "42.00"
                               << "Car > Fuel"
                               << "weekly";
    QTest::newRow("typed payment stays") << false << false << "Market"
                                         << "9.99"
                                         << ""
                                         << "9.99"
                                         << "Car > Fuel"
                                         << "weekly";
    QTest::newRow("typed memo stays") << true << false << "Market"
                                      << ""
                                      << "mine"
                                      << "42.00"
                                      << "Car > Fuel"
                                      << "mine";
    QTest::newRow("unknown payee") << false << false << "Nobody"
                                   << ""
                                   << ""
                                   << ""
                                   << ""
                                   << "";
    QTest::newRow("existing row is not filled") << false << true << "Market"
                                                << ""
                                                << ""
                                                << "20.00"
                                                << ""
                                                << "";
}

void TestRegisterDelegate::quickFillFromTheLastTransaction()
{
    QFETCH(bool, twoLine);
    QFETCH(bool, existingRow);
    QFETCH(QString, payee);
    QFETCH(QString, typedPayment);
    QFETCH(QString, typedMemo);
    QFETCH(QString, payment);
    QFETCH(QString, category);
    QFETCH(QString, memo);
    m_delegate->setTwoLine(twoLine);
    m_model->setTwoLine(twoLine);

    int row = m_model->entryRow();
    if (existingRow) {
        row = m_model->viewRowOf(QStringLiteral("t4")); // Grocery Outlet, 20.00, no category
        m_model->loadEntryFrom(m_model->rowAt(row)->transaction, QString());
        m_model->setEditingRow(row);
    }
    if (!typedPayment.isEmpty())
        QVERIFY(m_model->setData(m_model->index(row, RegisterModel::PaymentColumn), typedPayment));

    QWidget* editor = openEditor(m_model->index(row, RegisterModel::PayeeColumn));
    QVERIFY(editor);
    auto* payeeLine =
        twoLine ? editor->findChild<QLineEdit*>("payeeEdit") : qobject_cast<QLineEdit*>(editor);
    QVERIFY(payeeLine);
    payeeLine->setText(payee);
    if (twoLine)
        editor->findChild<QLineEdit*>("memoEdit")->setText(typedMemo);
    QTest::keyClick(payeeLine, Qt::Key_Return);
    QTRY_VERIFY(!m_view->indexWidget(m_model->index(row, RegisterModel::PayeeColumn)));

    const RegisterModel::Entry& entry = m_model->entry();
    QCOMPARE(entry.payee, payee);
    QCOMPARE(entry.payment, payment);
    QCOMPARE(entry.deposit, QString());
    QCOMPARE(entry.category, category);
    QCOMPARE(entry.categoryId, category.isEmpty() ? QString() : QStringLiteral("cat-fuel"));
    QCOMPARE(entry.memo, memo);
    // Never copied: check number and date.
    QCOMPARE(entry.checkNumber, QString());
    if (!existingRow)
        QCOMPARE(entry.date, QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
}

void TestRegisterDelegate::dateCellRoundTrip()
{
    const QModelIndex date = m_model->index(m_model->entryRow(), RegisterModel::DateColumn);
    QVERIFY(m_model->setData(date, QStringLiteral("3/15/2026")));

    auto* editor = qobject_cast<SmartDateEdit*>(openEditor(date));
    QVERIFY(editor);
    QCOMPARE(editor->date(), QDate(2026, 3, 15));
    QTest::keyClick(editor, 'k'); // Saturday of that week
    QCOMPARE(editor->text(), QStringLiteral("3/21/2026"));
    editor->setText(QStringLiteral("4/5/26"));
    QTest::keyClick(editor, Qt::Key_Return);

    // A two-digit year below 70 is of this century.
    QTRY_COMPARE(m_model->entry().date, QStringLiteral("4/5/2026"));
}

void TestRegisterDelegate::categoryCellFollowsItsText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("id");

    QTest::newRow("item in other letter case") << "car > fuel"
                                               << "Car > Fuel"
                                               << "cat-fuel";
    QTest::newRow("cleared means no category") << ""
                                               << ""
                                               << "";
    QTest::newRow("free text keeps no stale id") << "Fuel"
                                                 << "Fuel"
                                                 << "";
}

void TestRegisterDelegate::categoryCellFollowsItsText()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, id);
    const QModelIndex cell = m_model->index(m_model->entryRow(), RegisterModel::CategoryColumn);
    // The cell starts on another category, as after a quick-fill.
    QVERIFY(m_model->setData(cell, QStringLiteral("Food Shopping")));
    m_model->setCategoryId(QStringLiteral("cat-food"));

    auto* combo = qobject_cast<QComboBox*>(openEditor(cell));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("Food Shopping"));
    QCOMPARE(combo->property("_tovCategoryId").toString(), QStringLiteral("cat-food"));
    combo->setEditText(typed);
    if (!id.isEmpty())
        combo->setCurrentIndex(combo->findText(typed, Qt::MatchFixedString));
    QCOMPARE(combo->property("_tovCategoryId").toString(), id);
    m_delegate->setModelData(combo, m_model.get(), cell);

    QCOMPARE(m_model->entry().category, text);
    QCOMPARE(m_model->entry().categoryId, id);
}

void TestRegisterDelegate::twoLineSizesAndEditorGeometry()
{
    m_delegate->setTwoLine(true);
    m_model->setTwoLine(true);
    m_view->verticalHeader()->setDefaultSectionSize(RegisterDelegate::twoLineRowHeight);
    const int row = m_model->entryRow();
    QStyleOptionViewItem option;
    QCOMPARE(m_delegate->sizeHint(option, m_model->index(row, 2)).height(), 52);

    QWidget* payee = openEditor(m_model->index(row, RegisterModel::PayeeColumn));
    QVERIFY(payee);
    QCOMPARE(payee->objectName(), QStringLiteral("PayeeMemoEditor"));
    // The whole cell, both lines.
    QCOMPARE(payee->geometry(),
             m_view->visualRect(m_model->index(row, RegisterModel::PayeeColumn)));
    auto* memo = payee->findChild<QLineEdit*>("memoEdit");
    QVERIFY(memo);
    QVERIFY(memo->font().italic());
    QCOMPARE(memo->placeholderText(), QStringLiteral("Memo"));

    QWidget* date = openEditor(m_model->index(row, RegisterModel::DateColumn));
    QVERIFY(date);
    QCOMPARE(date->geometry().top(),
             m_view->visualRect(m_model->index(row, RegisterModel::DateColumn)).top());
    QCOMPARE(date->height(), 36);
}

void TestRegisterDelegate::cursorNeverLandsOnBalance_data()
{
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("column");

    QTest::newRow("right from Clr") << 7 << int(Qt::Key_Right) << 0 << 7;
    QTest::newRow("end of the row") << 2 << int(Qt::Key_End) << 0 << 7;
    QTest::newRow("down in Clr") << 7 << int(Qt::Key_Down) << 0 << 7;
    QTest::newRow("left from Clr") << 7 << int(Qt::Key_Left) << 0 << 6;
}

void TestRegisterDelegate::cursorNeverLandsOnBalance()
{
    QFETCH(int, startColumn);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, column);
    m_view->setCurrentIndex(m_model->index(0, startColumn));

    QTest::keyClick(m_view.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(m_view->currentIndex().column(), column);
}

void TestRegisterDelegate::tabMovesThroughTheOwner()
{
    m_view->setNavigator(&m_navigator);
    const int entry = m_model->entryRow();
    m_view->setCurrentIndex(m_model->index(entry, RegisterModel::DateColumn));
    m_view->setFocus();

    // On the table itself.
    QTest::keyClick(m_view.get(), Qt::Key_Tab);
    QTest::keyClick(m_view.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(m_navigator.forward, 1);
    QCOMPARE(m_navigator.backward, 1);

    // In a cell editor: the typed text is kept and the owner moves once the editor is closed,
    // with the edited cell still current.
    const QModelIndex check = m_model->index(entry, RegisterModel::CheckNumberColumn);
    auto* editor = qobject_cast<QLineEdit*>(openEditor(check));
    QVERIFY(editor);
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("1042"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(m_navigator.forward, 1);
    QTRY_COMPARE(m_navigator.forward, 2);
    QCOMPARE(m_model->entry().checkNumber, QStringLiteral("1042"));
    QCOMPARE(m_view->currentIndex(), check);
    QVERIFY(!m_view->indexWidget(check));

    // Enter on a split transaction's amount is not an inline edit: the owner moves on.
    Transaction split = testTransaction("t7", checking, QDate(2026, 2, 20), "Split Shop", -500);
    split.isSplit = true;
    QVERIFY(m_state->transactionRepository()->insert(split));
    m_model->setRows(m_state->transactionRepository()->registerRows(checking));
    m_view->setCurrentIndex(m_model->index(m_model->viewRowOf("t7"), RegisterModel::PaymentColumn));
    QTest::keyClick(m_view.get(), Qt::Key_Return);
    QCOMPARE(m_navigator.forward, 3);
}

void TestRegisterDelegate::tabAcceptsACompletionInTheCell_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::newRow("one line") << false;
    QTest::newRow("two lines") << true;
}

void TestRegisterDelegate::tabAcceptsACompletionInTheCell()
{
    QFETCH(bool, twoLine);
    m_delegate->setTwoLine(twoLine);
    m_model->setTwoLine(twoLine);
    m_view->setNavigator(&m_navigator);
    QSignalSpy chosen(m_delegate, &RegisterDelegate::payeeChosen);
    // The screen's answer to a chosen payee: fill the row from it.
    connect(m_delegate, &RegisterDelegate::payeeChosen, m_delegate,
            [this](const QString& payee) { m_delegate->fillFromLastPayee(m_model.get(), payee); });

    const QModelIndex cell = m_model->index(m_model->entryRow(), RegisterModel::PayeeColumn);
    QWidget* editor = openEditor(cell);
    QVERIFY(editor);
    auto* payee =
        twoLine ? editor->findChild<QLineEdit*>("payeeEdit") : qobject_cast<QLineEdit*>(editor);
    QVERIFY(payee);
    payee->setFocus();
    QTest::keyClicks(payee, QStringLiteral("MARK"));
    QCompleter* completer = payee->completer();
    QTRY_VERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Tab);

    QCOMPARE(payee->text(), QStringLiteral("Market"));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("Market"));
    QCOMPARE(m_model->entry().payment, QStringLiteral("42.00"));
    if (twoLine) {
        // Tab goes on to the memo line inside the same editor.
        QVERIFY(m_view->indexWidget(cell));
        QTRY_VERIFY(editor->findChild<QLineEdit*>("memoEdit")->hasFocus());
        QCOMPARE(m_navigator.forward, 0);
    } else {
        QTRY_COMPARE(m_navigator.forward, 1);
        QCOMPARE(m_model->entry().payee, QStringLiteral("Market"));
        QVERIFY(!m_view->indexWidget(cell));
    }
}

// A narrow Category column used to cut the names in its drop-down list and in its suggestions.
void TestRegisterDelegate::categoryListsAreAsWideAsTheirItems()
{
    QVERIFY(m_state->categoryRepository()->insert(
        testCategory("cat-long", "Comprehensive insurance for the family car", "cat-car")));
    m_view->setColumnWidth(RegisterModel::CategoryColumn, 90);
    const QModelIndex cell = m_model->index(m_model->entryRow(), RegisterModel::CategoryColumn);
    auto* combo = qobject_cast<QComboBox*>(openEditor(cell));
    QVERIFY(combo);
    const int longest = combo->view()->fontMetrics().horizontalAdvance(
        QStringLiteral("Car > Comprehensive insurance for the family car"));

    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QVERIFY2(combo->view()->width() >= longest,
             qPrintable(QStringLiteral("%1 < %2").arg(combo->view()->width()).arg(longest)));
    combo->hidePopup();

    QTest::keyClicks(combo->lineEdit(), QStringLiteral("family"));
    QAbstractItemView* suggestions = combo->completer()->popup();
    QTRY_VERIFY(suggestions->isVisible());
    QVERIFY2(suggestions->width() >= longest,
             qPrintable(QStringLiteral("%1 < %2").arg(suggestions->width()).arg(longest)));
    suggestions->hide();
}

QTEST_MAIN(TestRegisterDelegate)
#include "tst_registerdelegate.moc"
