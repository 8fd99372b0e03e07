#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/search/searchresultsmodel.h"
#include "ui/screens/search/searchscreen.h"
#include "ui/shell/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

const QDate today = QDate::currentDate();

// "Everyday" in dollars and "Tokyo" in yen: coffee in both, groceries and a cheque, some cleared.
void addHousehold(AppState* state)
{
    AccountRepository* accounts = state->accountRepository();
    accounts->insert(testAccount(QStringLiteral("everyday"), QStringLiteral("Everyday")));
    accounts->insert(
        testAccount(QStringLiteral("tokyo"), QStringLiteral("Tokyo"), 0, Currency::JPY));
    state->categoryRepository()->insert(
        testCategory(QStringLiteral("food"), QStringLiteral("Food")));

    const auto add = [state](const char* id, const char* account, int daysAgo, const char* payee,
                             qint64 amount, bool cleared, const char* category = nullptr) {
        Transaction t =
            testTransaction(QString::fromLatin1(id), QString::fromLatin1(account),
                            today.addDays(-daysAgo), QString::fromLatin1(payee), amount);
        t.cleared = cleared;
        t.categoryId = QString::fromLatin1(category);
        QVERIFY(state->transactionRepository()->insert(t));
    };
    add("coffee-old", "everyday", 60, "Corner Coffee", -450, true, "food");
    add("coffee-new", "everyday", 2, "Corner Coffee", -500, false, "food");
    add("groceries", "everyday", 5, "Green Grocer", -8200, true, "food");
    add("ramen", "tokyo", 3, "Coffee Kan", -1500, true);
}

// The rows of the results table, each as the given columns' texts joined by "|".
QStringList shown(SearchScreen& screen, const QList<int>& columns)
{
    QStringList rows;
    QAbstractItemModel* model = screen.resultsView()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (const int column : columns)
            cells << model->index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The results as "payee|payment|deposit".
QStringList results(SearchScreen& screen)
{
    return shown(screen, {SearchResultsModel::PayeeColumn, SearchResultsModel::PaymentColumn,
                          SearchResultsModel::DepositColumn});
}

// A user's double-click: the view acts on it only after a press on the same row.
void doubleClick(QTableView* view, int row)
{
    const QPoint centre =
        view->visualRect(view->model()->index(row, SearchResultsModel::PayeeColumn)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

using Action = std::function<void(SearchScreen&)>;
Q_DECLARE_METATYPE(Action)

class TestSearchScreen : public QObject
{
    Q_OBJECT

private slots:
    void searchesOncePauseAfterTheLastKey();
    void filtersSearchAtOnce_data();
    void filtersSearchAtOnce();
    void filtersNarrowTheResults_data();
    void filtersNarrowTheResults();
    void doubleClickOpensTheTransactionInItsRegister();
    void resultsShowTheirAccountsAndNothingElse();
};

void TestSearchScreen::searchesOncePauseAfterTheLastKey()
{
    TestApp app;
    addHousehold(app.state());
    SearchScreen screen(app.state());
    screen.show();
    QSignalSpy searches(screen.results(), &QAbstractItemModel::modelReset);

    QTest::keyClicks(screen.searchField(), QStringLiteral("cof"));
    QElapsedTimer sinceLastKey;
    sinceLastKey.start();
    QCOMPARE(searches.count(), 0);
    QTRY_COMPARE(searches.count(), 1);
    // Qt's coarse timers may fire up to 5 % early.
    QVERIFY2(sinceLastKey.elapsed() >= SearchScreen::typingPauseMs * 95 / 100,
             qPrintable(QString::number(sinceLastKey.elapsed())));
    QTest::qWait(SearchScreen::typingPauseMs * 2);
    QCOMPARE(searches.count(), 1);
    // Oldest first, and each amount in its account's currency.
    QCOMPARE(results(screen),
             (QStringList{"Corner Coffee|4.50|", "Coffee Kan|1,500|", "Corner Coffee|5.00|"}));
}

void TestSearchScreen::filtersSearchAtOnce_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("searches");

    QTest::newRow("date while the range is off")
        << Action([](SearchScreen& s) { s.fromDateEdit()->setDate(today.addDays(-3)); }) << 0;
    QTest::newRow("end date while the range is off")
        << Action([](SearchScreen& s) { s.toDateEdit()->setDate(today.addDays(-3)); }) << 0;
    QTest::newRow("range switched on")
        << Action([](SearchScreen& s) { s.dateRangeCheck()->setChecked(true); }) << 1;
    QTest::newRow("date while the range is on") << Action([](SearchScreen& s) {
        s.dateRangeCheck()->setChecked(true);
        s.fromDateEdit()->setDate(today.addDays(-3));
    }) << 2;
    QTest::newRow("cleared only") << Action([](SearchScreen& s) {
        s.clearedOnlyCheck()->setChecked(true);
    }) << 1;
    QTest::newRow("account") << Action([](SearchScreen& s) {
        s.accountFilter()->setCurrentIndex(1);
    }) << 1;
    QTest::newRow("category") << Action([](SearchScreen& s) {
        s.categoryFilter()->setCurrentIndex(1);
    }) << 1;
}

void TestSearchScreen::filtersSearchAtOnce()
{
    QFETCH(Action, action);
    QFETCH(int, searches);
    TestApp app;
    addHousehold(app.state());
    SearchScreen screen(app.state());
    QSignalSpy spy(screen.results(), &QAbstractItemModel::modelReset);

    action(screen);
    QCOMPARE(spy.count(), searches);
    QCOMPARE(screen.fromDateEdit()->isEnabled(), screen.dateRangeCheck()->isChecked());
}

void TestSearchScreen::filtersNarrowTheResults_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("text only") << Action([](SearchScreen&) {
    }) << QStringList{"Corner Coffee|4.50|", "Coffee Kan|1,500|", "Corner Coffee|5.00|"};
    QTest::newRow("account") << Action([](SearchScreen& s) {
        s.accountFilter()->setCurrentIndex(s.accountFilter()->findData("tokyo"));
    }) << QStringList{"Coffee Kan|1,500|"};
    QTest::newRow("category") << Action([](SearchScreen& s) {
        s.categoryFilter()->setCurrentIndex(s.categoryFilter()->findData("food"));
    }) << QStringList{"Corner Coffee|4.50|", "Corner Coffee|5.00|"};
    QTest::newRow("date range") << Action([](SearchScreen& s) {
        s.fromDateEdit()->setDate(today.addDays(-10));
        s.toDateEdit()->setDate(today.addDays(-1));
        s.dateRangeCheck()->setChecked(true);
    }) << QStringList{"Coffee Kan|1,500|", "Corner Coffee|5.00|"};
    QTest::newRow("cleared only") << Action([](SearchScreen& s) {
        s.clearedOnlyCheck()->setChecked(true);
    }) << QStringList{"Corner Coffee|4.50|", "Coffee Kan|1,500|"};
}

void TestSearchScreen::filtersNarrowTheResults()
{
    QFETCH(Action, action);
    QFETCH(QStringList, found);
    TestApp app;
    addHousehold(app.state());
    SearchScreen screen(app.state());
    screen.searchField()->setText(QStringLiteral("coffee"));
    action(screen);
    screen.performSearch();
    QCOMPARE(results(screen), found);
}

// A double-click shows the result in its account's register, as the current row.
void TestSearchScreen::doubleClickOpensTheTransactionInItsRegister()
{
    TestApp app;
    addHousehold(app.state());
    MainWindow window(app.state());
    window.show();
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("everyday"));
    window.showSearchWindow();
    auto* screen = window.findChild<SearchScreen*>();
    QVERIFY(screen);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QCOMPARE(screen->size(), QSize(800, 550));
    // Both choices show their "All" item whole at that size.
    for (QComboBox* combo : screen->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect text = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        QVERIFY2(text.width() >= combo->fontMetrics().horizontalAdvance(combo->currentText()),
                 qPrintable(combo->currentText()));
    }
    QVERIFY(screen->searchField()->hasFocus());
    screen->searchField()->setText(QStringLiteral("kan"));
    screen->performSearch();
    QSignalSpy opened(screen, &SearchScreen::editTransactionRequested);

    QTableView* view = screen->resultsView();
    QCOMPARE(view->model()->rowCount(), 1);
    doubleClick(view, 0);

    QCOMPARE(opened.count(), 1);
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("tokyo"));
    RegisterScreen* registerScreen = window.registerScreen();
    QCOMPARE(registerScreen->accountId(), QStringLiteral("tokyo"));
    const RegisterRow* current =
        registerScreen->model()->rowAt(registerScreen->view()->currentIndex().row());
    QVERIFY(current);
    QCOMPARE(current->transaction.id, QStringLiteral("ramen"));
    QVERIFY(registerScreen->view()->selectionModel()->isSelected(
        registerScreen->view()->currentIndex()));
}

// Results come from several accounts: each names its account. The window shows no running
// balance (hits from several accounts, with what lies between them left out, have none) and
// no row to type a transaction in.
void TestSearchScreen::resultsShowTheirAccountsAndNothingElse()
{
    TestApp app;
    addHousehold(app.state());
    SearchScreen screen(app.state());
    screen.refreshFilters();
    screen.show();
    QTest::keyClicks(screen.searchField(), QStringLiteral("coffee"));
    QTRY_COMPARE(screen.resultsView()->model()->rowCount(), 3);

    QStringList headers;
    const QAbstractItemModel* model = screen.resultsView()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"Date", "Account", "Chk #", "Payee", "Category", "Memo",
                                   "Payment", "Deposit", "Clr"}));
    const QString twoDaysAgo = today.addDays(-2).toString(QStringLiteral("M/d/yyyy"));
    QCOMPARE(shown(screen, {SearchResultsModel::AccountColumn, SearchResultsModel::PayeeColumn,
                            SearchResultsModel::CategoryColumn, SearchResultsModel::ClearedColumn}),
             (QStringList{"Everyday|Corner Coffee|Food|C", "Tokyo|Coffee Kan||C",
                          "Everyday|Corner Coffee|Food|"}));
    QCOMPARE(model->index(2, SearchResultsModel::DateColumn).data().toString(), twoDaysAgo);
}

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
