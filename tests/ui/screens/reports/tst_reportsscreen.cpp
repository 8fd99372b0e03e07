#include "app/core/uitranslators.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/reports/reportchartview.h"
#include "ui/screens/reports/reportsscreen.h"
#include "ui/shell/mainwindow.h"
#include "ui/theme/thememanager.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

constexpr int customPeriod = 10;

// Two dollar accounts over January and February 2024: pay and rent in "Everyday", a donation
// to a tax-relevant category in "Savings", and a transfer between the two.
void addHousehold(AppState* state)
{
    AccountRepository* accounts = state->accountRepository();
    TransactionRepository* transactions = state->transactionRepository();
    accounts->insert(testAccount(QStringLiteral("everyday"), QStringLiteral("Everyday"), 50000));
    accounts->insert(testAccount(QStringLiteral("savings"), QStringLiteral("Savings")));
    Category charity = testCategory(QStringLiteral("charity"), QStringLiteral("Charity"));
    charity.isTaxRelevant = true;
    charity.taxCategory = QStringLiteral("charitable_contributions");
    state->categoryRepository()->insert(charity);

    transactions->insert(testTransaction(QStringLiteral("pay"), QStringLiteral("everyday"),
                                         QDate(2024, 1, 10), QStringLiteral("Employer"), 100000));
    transactions->insert(testTransaction(QStringLiteral("rent"), QStringLiteral("everyday"),
                                         QDate(2024, 1, 15), QStringLiteral("Landlord"), -25000));
    Transaction gift = testTransaction(QStringLiteral("gift"), QStringLiteral("savings"),
                                       QDate(2024, 2, 3), QStringLiteral("Food Bank"), -5000);
    gift.categoryId = charity.id;
    transactions->insert(gift);
    Transaction out = testTransaction(QStringLiteral("out"), QStringLiteral("everyday"),
                                      QDate(2024, 2, 20), QStringLiteral("Savings"), -10000);
    Transaction in = testTransaction(QStringLiteral("in"), QStringLiteral("savings"),
                                     QDate(2024, 2, 20), QStringLiteral("Everyday"), 10000);
    out.transferLinkId = in.id;
    in.transferLinkId = out.id;
    transactions->insert(out);
    transactions->insert(in);
}

// Beside the dollar household, a yen wallet and a euro account, as a family living in two
// countries keeps them: ¥12,000 drawn, ¥1,200 for ramen and ¥4,250 at a convenience store;
// €12.50 at a bakery.
void addForeignAccounts(AppState* state)
{
    AccountRepository* accounts = state->accountRepository();
    TransactionRepository* transactions = state->transactionRepository();
    Account yen =
        testAccount(QStringLiteral("yen"), QStringLiteral("Yen Wallet"), 0, Currency::JPY);
    yen.accountType = AccountType::Cash;
    accounts->insert(yen);
    accounts->insert(
        testAccount(QStringLiteral("euro"), QStringLiteral("Girokonto"), 0, Currency::EUR));
    const Category dining = testCategory(QStringLiteral("dining"), QStringLiteral("Dining"));
    state->categoryRepository()->insert(dining);

    Transaction drawn = testTransaction(QStringLiteral("atm"), QStringLiteral("yen"),
                                        QDate(2024, 1, 5), QStringLiteral("ATM"), 12000);
    drawn.cleared = true;
    transactions->insert(drawn);
    Transaction ramen = testTransaction(QStringLiteral("ramen"), QStringLiteral("yen"),
                                        QDate(2024, 1, 12), QStringLiteral("Ramen Ya"), -1200);
    ramen.categoryId = dining.id;
    transactions->insert(ramen);
    transactions->insert(testTransaction(QStringLiteral("konbini"), QStringLiteral("yen"),
                                         QDate(2024, 2, 2), QStringLiteral("Konbini"), -4250));
    Transaction bakery = testTransaction(QStringLiteral("bakery"), QStringLiteral("euro"),
                                         QDate(2024, 1, 20), QStringLiteral("Bäckerei"), -1250);
    bakery.categoryId = dining.id;
    bakery.cleared = true;
    transactions->insert(bakery);
}

void chooseCurrency(ReportsScreen& screen, Currency currency)
{
    screen.currencyFilter()->setCurrentIndex(screen.currencyFilter()->findData(int(currency)));
}

void setPeriod(ReportsScreen& screen, const QDate& start, const QDate& end)
{
    screen.periodFilter()->setCurrentIndex(customPeriod);
    screen.startEdit()->setDate(start);
    screen.endEdit()->setDate(end);
}

void chooseAccount(ReportsScreen& screen, const QString& id)
{
    screen.accountFilter()->setCurrentIndex(screen.accountFilter()->findData(id));
}

// Every row as its cells joined by "|", a bold cell marked with a leading "*".
QStringList tableRows(QTableWidget* table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells << (item && item->font().bold() ? QStringLiteral("*") : QString()) +
                         (item ? item->text() : QString());
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList rowsOf(ReportsScreen& screen, ReportKind kind)
{
    screen.tabs()->setCurrentIndex(int(kind));
    return tableRows(screen.table(kind));
}

// Runs `act`; a modal window that opens meanwhile is handed to `answer` (or closed) and
// reported.
bool opensModal(const std::function<void()>& act,
                const std::function<void(QWidget*)>& answer = nullptr)
{
    bool opened = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        opened = true;
        if (answer)
            answer(modal);
        else
            modal->close();
    });
    watch.start();
    act();
    QApplication::processEvents();
    return opened;
}

// Answers the save dialog with `path`.
std::function<void(QWidget*)> saveAs(const QString& path, QString* suggested = nullptr)
{
    return [path, suggested](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (suggested)
            *suggested = dialog->selectedFiles().value(0);
        // Typed as a whole path, as a user would: selectFile() changes the dialog's folder on
        // its own time, and an accept before that lands saves into the suggested folder.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

} // namespace

using Change = std::function<void(ReportsScreen&)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(ReportKind)

class TestReportsScreen : public QObject
{
    Q_OBJECT

private slots:
    void monthlyReportsEndWithABoldTotal_data();
    void monthlyReportsEndWithABoldTotal();
    void reportsIgnoreFiltersThatDoNotApply_data();
    void reportsIgnoreFiltersThatDoNotApply();
    void hiddenTabIsComputedWhenShown();
    void customPeriodKeepsThePresetDates();
    void openingShowsAllAccountsAgain();
    void cashFlowExportEndsWithTheTotals();
    void emptyTabExportsNothing();
    void failedExportSaysSo();
    void chartFollowsFiltersAndTheme();
    void chartExportsAsPng();
    void chartNamesEveryBarOnce();
    void amountsStayInViewOfANarrowWindow();
    void currencyChoiceOnlyForSeveralCurrencies_data();
    void currencyChoiceOnlyForSeveralCurrencies();
    void everyReportKeepsToItsCurrency_data();
    void everyReportKeepsToItsCurrency();
    void accountFilterBringsItsCurrency();
    void chartsKeepToOneCurrency();
    void accountSummaryExportsEachCurrency();
    void namesAndDatesInTheInterfaceLanguage_data();
    void namesAndDatesInTheInterfaceLanguage();
};

void TestReportsScreen::monthlyReportsEndWithABoldTotal_data()
{
    QTest::addColumn<ReportKind>("kind");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("income vs expenses, no transactions")
        << ReportKind::IncomeVsExpenses << QDate(2023, 1, 1) << QStringList{};
    // The transfer is neither income nor an expense.
    QTest::newRow("income vs expenses, two months")
        << ReportKind::IncomeVsExpenses << QDate(2024, 1, 1)
        << QStringList{"2024-01|$1,000.00|-$250.00|$750.00", "2024-02|$0.00|-$50.00|-$50.00",
                       "*Total|*$1,000.00|*-$300.00|*$700.00"};
    QTest::newRow("cash flow, two months")
        << ReportKind::CashFlow << QDate(2024, 1, 1)
        << QStringList{"2024-01|$1,000.00|-$250.00|$750.00", "2024-02|$100.00|-$150.00|-$50.00",
                       "*Total|*$1,100.00|*-$400.00|*$700.00"};
}

void TestReportsScreen::monthlyReportsEndWithABoldTotal()
{
    QFETCH(ReportKind, kind);
    QFETCH(QDate, start);
    QFETCH(QStringList, rows);
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.tabs()->setCurrentIndex(int(kind));
    setPeriod(screen, start, start.addYears(1).addDays(-1));

    QCOMPARE(tableRows(screen.table(kind)), rows);
    const auto figures = [](QTableWidget* table) {
        QStringList alignments;
        for (int column = 0; table->rowCount() > 0 && column < table->columnCount(); ++column)
            alignments << (table->item(0, column)->textAlignment() & Qt::AlignRight ? "right"
                                                                                    : "left");
        return alignments;
    };
    if (!rows.isEmpty())
        QCOMPARE(figures(screen.table(kind)), (QStringList{"left", "right", "right", "right"}));
}

void TestReportsScreen::reportsIgnoreFiltersThatDoNotApply_data()
{
    QTest::addColumn<ReportKind>("kind");
    QTest::addColumn<Change>("change");

    QTest::newRow("tax report, account")
        << ReportKind::TaxReport
        << Change([](ReportsScreen& screen) { chooseAccount(screen, "everyday"); });
    QTest::newRow("account summary, account")
        << ReportKind::AccountSummary
        << Change([](ReportsScreen& screen) { chooseAccount(screen, "savings"); });
    QTest::newRow("account summary, period")
        << ReportKind::AccountSummary << Change([](ReportsScreen& screen) {
               setPeriod(screen, QDate(2020, 1, 1), QDate(2020, 1, 31));
           });
    QTest::newRow("year-over-year, period")
        << ReportKind::YearOverYear << Change([](ReportsScreen& screen) {
               setPeriod(screen, QDate(2020, 1, 1), QDate(2020, 1, 31));
           });
}

// The same figures before and after a change of a filter the report does not take.
void TestReportsScreen::reportsIgnoreFiltersThatDoNotApply()
{
    QFETCH(ReportKind, kind);
    QFETCH(Change, change);
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    screen.comparisonChoice()->setCurrentIndex(3); // Custom
    const QList<QDateEdit*> periods = screen.comparisonEdits();
    periods.at(0)->setDate(QDate(2024, 1, 1));
    periods.at(1)->setDate(QDate(2024, 1, 31));
    periods.at(2)->setDate(QDate(2024, 2, 1));
    periods.at(3)->setDate(QDate(2024, 2, 29));

    const QStringList before = rowsOf(screen, kind);
    QVERIFY(!before.isEmpty());
    change(screen);
    QCOMPARE(tableRows(screen.table(kind)), before);
}

// Only the tab in view is computed on a change; another one is computed, with the filters of
// the moment, when it comes into view.
void TestReportsScreen::hiddenTabIsComputedWhenShown()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    QCOMPARE(screen.tabs()->currentIndex(), int(ReportKind::CategorySpending));
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 1, 31));
    chooseAccount(screen, QStringLiteral("everyday"));

    QTableWidget* payees = screen.table(ReportKind::PayeeSummary);
    QCOMPARE(payees->rowCount(), 0);
    screen.tabs()->setCurrentIndex(int(ReportKind::PayeeSummary));
    QCOMPARE(tableRows(payees), (QStringList{"Landlord|-$250.00|1", "Employer|$1,000.00|1"}));

    // Data written while the screen is in view counts, on the next tab too.
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    app.state()->transactionRepository()->insert(
        testTransaction(QStringLiteral("late"), QStringLiteral("everyday"), QDate(2024, 1, 20),
                        QStringLiteral("Grocer"), -3000));
    QCOMPARE(payees->rowCount(), 3);
    // A data change brings the account filter back to all accounts.
    QCOMPARE(screen.accountFilter()->currentIndex(), 0);
    QCOMPARE(rowsOf(screen, ReportKind::Transactions).size(), 3);
}

void TestReportsScreen::customPeriodKeepsThePresetDates()
{
    TestApp app;
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.show();
    screen.periodFilter()->setCurrentIndex(1); // Last Month
    const QDate start = screen.startEdit()->date();
    const QDate end = screen.endEdit()->date();
    QVERIFY(!screen.startEdit()->isVisible());
    QVERIFY(screen.rangeLabel()->isVisible());

    screen.periodFilter()->setCurrentIndex(customPeriod);
    QVERIFY(screen.startEdit()->isVisible());
    QVERIFY(screen.endEdit()->isVisible());
    QVERIFY(!screen.rangeLabel()->isVisible());
    QCOMPARE(screen.startEdit()->date(), start);
    QCOMPARE(screen.endEdit()->date(), end);
}

void TestReportsScreen::openingShowsAllAccountsAgain()
{
    TestApp app;
    addHousehold(app.state());
    MainWindow window(app.state());
    window.showReportsWindow();
    auto* screen = window.findChild<ReportsScreen*>();
    QVERIFY(screen);
    QCOMPARE(screen->size(), QSize(800, 600));
    chooseAccount(*screen, QStringLiteral("savings"));
    screen->hide();

    window.showReportsWindow();
    QCOMPARE(screen->accountFilter()->currentText(), QStringLiteral("All Accounts"));
    QCOMPARE(screen->windowTitle(), QStringLiteral("Reports"));
}

// What the table shows, header and totals row included, amounts in their display form.
void TestReportsScreen::cashFlowExportEndsWithTheTotals()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.tabs()->setCurrentIndex(int(ReportKind::CashFlow));
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("flow.csv"));

    QString suggested;
    QVERIFY(opensModal([&] { screen.exportCurrentTab(); }, saveAs(path, &suggested)));

    QVERIFY(suggested.endsWith(QStringLiteral("/cash_flow.csv")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Month\",\"Inflows\",\"Outflows\",\"Net\"\n"
                            "\"2024-01\",\"$1,000.00\",\"-$250.00\",\"$750.00\"\n"
                            "\"2024-02\",\"$100.00\",\"-$150.00\",\"-$50.00\"\n"
                            "\"Total\",\"$1,100.00\",\"-$400.00\",\"$700.00\"\n"));
}

void TestReportsScreen::emptyTabExportsNothing()
{
    TestApp app;
    ReportsScreen screen(app.state());
    screen.refresh();
    QCOMPARE(screen.table(ReportKind::CategorySpending)->rowCount(), 0);
    QVERIFY(!opensModal([&] { screen.exportCurrentTab(); }));
    QVERIFY(!opensModal([&] { screen.exportCurrentChart(); }));
}

// An export that cannot be written says so rather than looking like it worked.
void TestReportsScreen::failedExportSaysSo()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    // The chosen name links into a folder that does not exist, so the file cannot be made.
    QTemporaryDir folder;
    const QString impossible = folder.filePath(QStringLiteral("report.csv"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("missing/report.csv")), impossible));

    QString warning;
    QVERIFY(opensModal([&] { screen.exportCurrentTab(); },
                       [&](QWidget* modal) {
                           if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                               warning = box->text();
                               box->close();
                           } else {
                               saveAs(impossible)(modal);
                           }
                       }));
    QVERIFY2(warning.contains(QStringLiteral("could not be written")), qPrintable(warning));
}

void TestReportsScreen::chartFollowsFiltersAndTheme()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.tabs()->setCurrentIndex(int(ReportKind::IncomeVsExpenses));
    ReportChartView* chart = screen.chartView(ReportKind::IncomeVsExpenses);
    setPeriod(screen, QDate(2023, 1, 1), QDate(2023, 12, 31));
    QCOMPARE(chart->data().shape, ReportChartData::Shape::None);
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QCOMPARE(chart->data().shape, ReportChartData::Shape::MonthlyBars);
    QCOMPARE(chart->data().labels, (QStringList{"2024-01", "2024-02"}));
    QCOMPARE(chart->data().line.values, (QList<qreal>{750, -50}));

    for (const auto theme : {ThemeManager::Dark, ThemeManager::Light}) {
        app.state()->themeManager()->setTheme(theme);
        QCOMPARE(chart->chart()->backgroundBrush().color(),
                 QApplication::palette().color(QPalette::Base));
    }

    screen.chartToggle()->setChecked(false);
    screen.show();
    QVERIFY(!chart->isVisible());
    QVERIFY(screen.table(ReportKind::IncomeVsExpenses)->isVisible());
}

void TestReportsScreen::chartExportsAsPng()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.show();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("spending.png"));

    QString suggested;
    QVERIFY(opensModal([&] { screen.exportCurrentChart(); }, saveAs(path, &suggested)));

    QVERIFY(suggested.endsWith(QStringLiteral("/category_spending.png")));
    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), screen.chartView(ReportKind::CategorySpending)->size());
}

// Two accounts called alike, or two long names cut to the same start, still get a bar each.
void TestReportsScreen::chartNamesEveryBarOnce()
{
    ReportChartData data;
    data.shape = ReportChartData::Shape::HorizontalBars;
    const QString longName = QStringLiteral("Transfer to the emergency savings account at ");
    data.labels = {QStringLiteral("Checking"), QStringLiteral("Checking"), longName + "A",
                   longName + "B"};
    data.bars = {{QStringLiteral("Balance"), ReportChartData::Colour::Bar, {1, 2, 3, 4}}};
    ReportChartView view;
    view.setData(data);

    const QList<QAbstractAxis*> axes = view.chart()->axes(Qt::Vertical);
    QCOMPARE(axes.size(), 1);
    const QStringList names = static_cast<QBarCategoryAxis*>(axes.first())->categories();
    QCOMPARE(names.size(), 4);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 4);
}

// A window too narrow for every fitted column: the widest text columns give up width first, so
// that the amounts stay whole in view and so do the dates; a wide window fits them all again.
void TestReportsScreen::amountsStayInViewOfANarrowWindow()
{
    TestApp app;
    addHousehold(app.state());
    Transaction wordy = testTransaction(
        QStringLiteral("wordy"), QStringLiteral("everyday"), QDate(2024, 1, 20),
        QStringLiteral("A payee whose name runs on and on, longer than any window is wide"),
        -123456789);
    wordy.memo =
        QStringLiteral("A memo that goes on for quite a while as well, and then some more");
    app.state()->transactionRepository()->insert(wordy);
    ReportsScreen screen(app.state());
    screen.resize(800, 600);
    screen.show();
    screen.refresh();
    screen.tabs()->setCurrentIndex(int(ReportKind::Transactions));
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QApplication::processEvents();

    QTableWidget* table = screen.table(ReportKind::Transactions);
    const QHeaderView* header = table->horizontalHeader();
    const QAbstractItemView* view = table;
    const auto whole = [header, view](int column) {
        return header->sectionSize(column) >=
               std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    };
    constexpr int date = 0;
    constexpr int payee = 2;
    constexpr int memo = 4;
    constexpr int amount = 5;
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
    QVERIFY(whole(date));
    QVERIFY(whole(amount));
    QVERIFY(!whole(payee));
    QVERIFY(!whole(memo));

    screen.resize(2400, 600);
    QApplication::processEvents();
    for (int column = 0; column < table->columnCount(); ++column)
        QVERIFY2(whole(column), qPrintable(QString::number(column)));
}

void TestReportsScreen::currencyChoiceOnlyForSeveralCurrencies_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "es", "de", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// A book in one currency looks as it always did; one in several offers them, in the order of
// the account list, and its reports still open at their first width in every language.
void TestReportsScreen::currencyChoiceOnlyForSeveralCurrencies()
{
    QFETCH(QString, language);
    const UiTranslators translators(language);
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.show();
    QVERIFY(!screen.currencyFilter()->isVisible());

    addForeignAccounts(app.state());
    QVERIFY(screen.currencyFilter()->isVisible());
    QStringList offered;
    for (int i = 0; i < screen.currencyFilter()->count(); ++i)
        offered << screen.currencyFilter()->itemText(i);
    QCOMPARE(offered, (QStringList{"USD", "EUR", "JPY"}));
    QVERIFY2(screen.minimumSizeHint().width() <= 800,
             qPrintable(QString::number(screen.minimumSizeHint().width())));
}

void TestReportsScreen::everyReportKeepsToItsCurrency_data()
{
    QTest::addColumn<ReportKind>("kind");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("category spending, dollars")
        << ReportKind::CategorySpending << int(Currency::USD)
        << QStringList{"Uncategorized|-$250.00", "Charity|-$50.00"};
    QTest::newRow("category spending, yen")
        << ReportKind::CategorySpending << int(Currency::JPY)
        << QStringList{"Uncategorized|-¥4,250", "Dining|-¥1,200"};
    QTest::newRow("category spending, euros")
        << ReportKind::CategorySpending << int(Currency::EUR) << QStringList{"Dining|-€12.50"};
    QTest::newRow("income vs expenses, yen")
        << ReportKind::IncomeVsExpenses << int(Currency::JPY)
        << QStringList{"2024-01|¥12,000|-¥1,200|¥10,800", "2024-02|¥0|-¥4,250|-¥4,250",
                       "*Total|*¥12,000|*-¥5,450|*¥6,550"};
    // Every account in its own currency, then a total for each currency.
    QTest::newRow("account summary") << ReportKind::AccountSummary << int(Currency::JPY)
                                     << QStringList{"Everyday|Checking|$500.00|$650.00|$1,150.00",
                                                    "Girokonto|Checking|-€12.50|€0.00|-€12.50",
                                                    "Savings|Checking|$0.00|$50.00|$50.00",
                                                    "Yen Wallet|Cash|¥12,000|-¥5,450|¥6,550",
                                                    "*Total (USD)|*|*$500.00|*$700.00|*$1,200.00",
                                                    "*Total (EUR)|*|*-€12.50|*€0.00|*-€12.50",
                                                    "*Total (JPY)|*|*¥12,000|*-¥5,450|*¥6,550"};
}

// Amounts of different currencies are never added up, and each shows in its own currency.
void TestReportsScreen::everyReportKeepsToItsCurrency()
{
    QFETCH(ReportKind, kind);
    QFETCH(int, currency);
    QFETCH(QStringList, rows);
    TestApp app;
    addHousehold(app.state());
    addForeignAccounts(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    chooseCurrency(screen, Currency(currency));

    QCOMPARE(rowsOf(screen, kind), rows);
}

void TestReportsScreen::accountFilterBringsItsCurrency()
{
    TestApp app;
    addHousehold(app.state());
    addForeignAccounts(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));

    chooseAccount(screen, QStringLiteral("yen"));
    QCOMPARE(screen.currencyFilter()->currentText(), QStringLiteral("JPY"));
    QCOMPARE(rowsOf(screen, ReportKind::CategorySpending),
             (QStringList{"Uncategorized|-¥4,250", "Dining|-¥1,200"}));

    // Another currency is no filter of the yen wallet: all the euro accounts then.
    chooseCurrency(screen, Currency::EUR);
    QCOMPARE(screen.accountFilter()->currentIndex(), 0);
    QCOMPARE(rowsOf(screen, ReportKind::CategorySpending), QStringList{"Dining|-€12.50"});

    // The transaction list keeps every currency, each amount in its own.
    QStringList amounts;
    for (const QString& row : rowsOf(screen, ReportKind::Transactions))
        amounts << row.section(QLatin1Char('|'), 1, 1) + QLatin1Char(' ') +
                       row.section(QLatin1Char('|'), -1);
    QCOMPARE(amounts.mid(0, 5),
             (QStringList{"Yen Wallet ¥12,000", "Everyday $1,000.00", "Yen Wallet -¥1,200",
                          "Everyday -$250.00", "Girokonto -€12.50"}));
}

// A chart never puts two currencies on one axis: it shows the chosen one, named under its
// amounts, in whole yen for yen.
void TestReportsScreen::chartsKeepToOneCurrency()
{
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QVERIFY(screen.chartView(ReportKind::CategorySpending)->data().amountTitle.isEmpty());

    addForeignAccounts(app.state());
    screen.refresh();
    chooseCurrency(screen, Currency::JPY);
    screen.tabs()->setCurrentIndex(int(ReportKind::CategorySpending));
    const ReportChartData spending = screen.chartView(ReportKind::CategorySpending)->data();
    QCOMPARE(spending.currency, Currency::JPY);
    QCOMPARE(spending.amountTitle, QStringLiteral("JPY (¥)"));
    QCOMPARE(spending.bars.value(0).values, (QList<qreal>{4250, 1200}));

    screen.tabs()->setCurrentIndex(int(ReportKind::AccountSummary));
    const ReportChartData balances = screen.chartView(ReportKind::AccountSummary)->data();
    QCOMPARE(balances.labels, QStringList{"Yen Wallet"});
    QCOMPARE(balances.bars.value(0).values, QList<qreal>{6550});

    screen.tabs()->setCurrentIndex(int(ReportKind::Transactions));
    const ReportChartData running = screen.chartView(ReportKind::Transactions)->data();
    QCOMPARE(running.points.size(), 3);
    QCOMPARE(running.points.last().y(), 6550.0);
}

void TestReportsScreen::accountSummaryExportsEachCurrency()
{
    TestApp app;
    addHousehold(app.state());
    addForeignAccounts(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();
    screen.tabs()->setCurrentIndex(int(ReportKind::AccountSummary));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("accounts.csv"));

    QVERIFY(opensModal([&] { screen.exportCurrentTab(); }, saveAs(path)));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Account\",\"Type\",\"Cleared\",\"Uncleared\",\"Total\"\n"
                            "\"Everyday\",\"Checking\",\"$500.00\",\"$650.00\",\"$1,150.00\"\n"
                            "\"Girokonto\",\"Checking\",\"-€12.50\",\"€0.00\",\"-€12.50\"\n"
                            "\"Savings\",\"Checking\",\"$0.00\",\"$50.00\",\"$50.00\"\n"
                            "\"Yen Wallet\",\"Cash\",\"¥12,000\",\"-¥5,450\",\"¥6,550\"\n"
                            "\"Total (USD)\",\"\",\"$500.00\",\"$700.00\",\"$1,200.00\"\n"
                            "\"Total (EUR)\",\"\",\"-€12.50\",\"€0.00\",\"-€12.50\"\n"
                            "\"Total (JPY)\",\"\",\"¥12,000\",\"-¥5,450\",\"¥6,550\"\n"));
}

void TestReportsScreen::namesAndDatesInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lastTwelveMonths");
    QTest::addColumn<QString>("thisYearVsLast");
    QTest::addColumn<QString>("firstSpending"); // the rent; the transfer is no spending
    QTest::addColumn<QString>("firstDate");

    QTest::newRow("en") << "en"
                        << "Last 12 Months"
                        << "This Year vs Last Year"
                        << "Uncategorized|-$250.00"
                        << "1/10/24";
    QTest::newRow("de") << "de"
                        << "Letzte 12 Monate"
                        << "Dieses Jahr vs. Vorjahr"
                        << "Ohne Kategorie|-$250.00"
                        << "10.01.24";
    QTest::newRow("ja") << "ja"
                        << "過去 12 か月"
                        << "今年と昨年"
                        << "未分類|-$250.00"
                        << "2024/01/10";
}

// The period names, the name of the transactions without a category and the dates come in the
// interface language; the amounts keep the money format.
void TestReportsScreen::namesAndDatesInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lastTwelveMonths);
    QFETCH(QString, thisYearVsLast);
    QFETCH(QString, firstSpending);
    QFETCH(QString, firstDate);
    const UiTranslators translators(language);
    TestApp app;
    addHousehold(app.state());
    ReportsScreen screen(app.state());
    screen.refresh();

    QCOMPARE(screen.periodFilter()->itemText(8), lastTwelveMonths);
    QCOMPARE(screen.comparisonChoice()->itemText(0), thisYearVsLast);
    setPeriod(screen, QDate(2024, 1, 1), QDate(2024, 12, 31));
    QCOMPARE(rowsOf(screen, ReportKind::CategorySpending).value(0), firstSpending);
    QCOMPARE(rowsOf(screen, ReportKind::Transactions).value(0).section(QLatin1Char('|'), 0, 0),
             firstDate);
}

QTEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
