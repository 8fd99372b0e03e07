// reportshots <directory> [language]: the reports window with every tab and its chart (at the
// size it opens with and at 1280 x 800), the search window with results, the payee window and the
// category tree, in the light and the dark theme, over the sample household and two and a half
// years of its history. Then the same household with a yen wallet, a yen bank account and a euro
// account beside its dollar ones: the main window and every report tab at 1024 x 700, the reports
// in yen. Offscreen unless a platform is chosen.

#include "tools/shots.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/sampledata/sampledataservice.h"
#include "ui/screens/categories/categoriesscreen.h"
#include "ui/screens/payees/payeescreen.h"
#include "ui/screens/reports/reportsscreen.h"
#include "ui/screens/search/searchscreen.h"
#include "ui/shell/mainwindow.h"
#include "ui/theme/thememanager.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeView>

namespace {

struct MonthlyBill
{
    const char* account;
    int day;
    const char* payee;
    const char* category;
    qint64 amount; // cents; the month number adds a little variety
};

const MonthlyBill bills[] = {
    {"sample-acct-checking", 1, "Brightpath Inc", "Salary / Wages", 285000},
    {"sample-acct-checking", 15, "Brightpath Inc", "Salary / Wages", 285000},
    {"sample-acct-checking", 2, "Pinecrest Apartments", "Rent/Mortgage Payment", -145000},
    {"sample-acct-checking", 8, "Lakeside Utilities", "Electric", -9400},
    {"sample-acct-checking", 11, "NetConnect ISP", "Internet", -6500},
    {"sample-acct-checking", 20, "Clearview Insurance", "Auto Insurance", -11800},
    {"sample-acct-visa", 4, "Greenleaf Market", "Groceries", -13200},
    {"sample-acct-visa", 12, "Fresh Fields Grocery", "Groceries", -9800},
    {"sample-acct-visa", 19, "Greenleaf Market", "Groceries", -12100},
    {"sample-acct-visa", 9, "Maplewood Diner", "Dining & Restaurants", -4700},
    {"sample-acct-visa", 23, "Golden Wok", "Dining & Restaurants", -3600},
    {"sample-acct-visa", 14, "Hilltop Gas", "Gas/Fuel", -5200},
    {"sample-acct-visa", 27, "Streamline TV", "Streaming", -1599},
    {"sample-acct-visa", 17, "Summit Fitness", "Personal Care", -4500},
    {"sample-acct-checking", 25, "City Food Bank", "Charitable Donations", -5000},
    // The same shop as the card statement spells it: a payee to merge.
    {"sample-acct-visa", 26, "GREENLEAF MKT 0412", "Groceries", -2700},
};

// Thirty months of the household's regular payments before the sample's own two months, so
// that every report has months to compare and "All Time" more months than get a name each.
void addHistory(AppState& state)
{
    const QDate today = QDate::currentDate();
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-30);
    for (QDate month = first; month < today.addDays(-62); month = month.addMonths(1)) {
        for (const MonthlyBill& bill : bills) {
            // The default categories carry the names of the language they were made in.
            const auto category = state.categoryRepository()->byName(
                QCoreApplication::translate("CategoryService", bill.category));
            Transaction transaction;
            transaction.accountId = QString::fromLatin1(bill.account);
            transaction.date = month.addDays(bill.day - 1);
            transaction.payee = QString::fromUtf8(bill.payee);
            transaction.amount = bill.amount < 0 && bill.amount > -20000
                                     ? bill.amount - (month.month() * 173) % 2100
                                     : bill.amount;
            transaction.categoryId = category ? category->id : QString();
            transaction.cleared = true;
            state.transactionService()->add(transaction);
        }
    }
}

struct ForeignBill
{
    const char* account;
    int day;
    const char* payee;
    const char* category; // null: none
    qint64 amount;        // minor units of the account's currency
};

const ForeignBill foreignBills[] = {
    {"shots-yen-bank", 25, "Sakura Trading", "Salary / Wages", 310000},
    {"shots-yen-bank", 27, "Mori Heights", "Rent/Mortgage Payment", -98000},
    {"shots-yen-wallet", 3, "Konbini", "Groceries", -1850},
    {"shots-yen-wallet", 9, "Ramen Ya", "Dining & Restaurants", -1200},
    {"shots-yen-wallet", 18, "Kissaten", nullptr, -650},
    {"shots-euro", 28, "Brightpath GmbH", "Salary / Wages", 240000},
    {"shots-euro", 1, "Hausverwaltung", "Rent/Mortgage Payment", -85000},
    {"shots-euro", 12, "Bäckerei Korn", "Dining & Restaurants", -1250},
};

QString categoryIdNamed(AppState& state, const char* name)
{
    if (!name)
        return {};
    // The default categories carry the names of the language they were made in.
    const auto category =
        state.categoryRepository()->byName(QCoreApplication::translate("CategoryService", name));
    return category ? category->id : QString();
}

// A yen wallet and bank account and a euro account, each opened with a balance, with half a year
// of bills, a cash withdrawal from the bank into the wallet each month and a split shopping trip.
void addForeignAccounts(AppState& state)
{
    const QDate today = QDate::currentDate();
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-6);
    const struct
    {
        const char* id;
        const char* name;
        AccountType type;
        Currency currency;
        qint64 opening;
    } accounts[] = {
        {"shots-yen-bank", "Yucho Bank", AccountType::Checking, Currency::JPY, 450000},
        {"shots-yen-wallet", "Yen Wallet", AccountType::Cash, Currency::JPY, 20000},
        {"shots-euro", "Girokonto", AccountType::Checking, Currency::EUR, 150000},
    };
    int position = 10;
    for (const auto& plan : accounts) {
        Account account;
        account.id = QString::fromLatin1(plan.id);
        account.name = QString::fromLatin1(plan.name);
        account.accountType = plan.type;
        account.currency = plan.currency;
        account.startingBalance = plan.opening;
        account.sortOrder = position++;
        state.accountService()->create(account, first.addDays(-1));
    }
    for (QDate month = first; month < today; month = month.addMonths(1)) {
        for (const ForeignBill& bill : foreignBills) {
            Transaction transaction;
            transaction.accountId = QString::fromLatin1(bill.account);
            transaction.date = month.addDays(bill.day - 1);
            transaction.payee = QString::fromUtf8(bill.payee);
            transaction.amount = bill.amount;
            transaction.categoryId = categoryIdNamed(state, bill.category);
            state.transactionService()->add(transaction);
        }
        Transaction withdrawal;
        withdrawal.accountId = QStringLiteral("shots-yen-bank");
        withdrawal.date = month.addDays(5);
        withdrawal.payee = QStringLiteral("Yen Wallet");
        withdrawal.amount = -30000;
        state.transactionService()->addTransfer(
            withdrawal, TransactionService::transferPartner(
                            withdrawal, QStringLiteral("shots-yen-wallet"), QStringLiteral("ATM")));

        Transaction shopping;
        shopping.accountId = QStringLiteral("shots-euro");
        shopping.date = month.addDays(14);
        shopping.payee = QStringLiteral("Supermarkt");
        shopping.amount = -6430;
        shopping.isSplit = true;
        SplitLine food;
        food.categoryId = categoryIdNamed(state, "Groceries");
        food.amount = -4980;
        SplitLine care;
        care.categoryId = categoryIdNamed(state, "Personal Care");
        care.amount = -1450;
        state.transactionService()->add(shopping, {food, care});
    }
}

template <typename Screen> Screen* screenOf(MainWindow& window)
{
    return window.findChild<Screen*>();
}

} // namespace

int main(int argc, char** argv)
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const ShotEnvironment environment(application);
    const QString folder = shotDirectory(QStringLiteral("."));
    if (folder.isEmpty())
        return 1;
    const auto path = [&folder](const QString& name, const QString& theme) {
        return QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(name, theme));
    };

    AppState state;
    if (!state.initialize())
        return 1;
    SampleDataService(state.database()).load();
    addHistory(state);

    MainWindow window(&state);
    window.resize(1280, 900);
    window.show();
    window.showReportsWindow();
    window.showSearchWindow();
    window.showPayeesWindow();
    window.showCategoriesWindow();
    auto* reports = screenOf<ReportsScreen>(window);
    auto* search = screenOf<SearchScreen>(window);
    auto* payees = screenOf<PayeeScreen>(window);
    auto* categories = screenOf<CategoriesScreen>(window);

    reports->periodFilter()->setCurrentIndex(8); // Last 12 Months
    search->searchField()->setText(QStringLiteral("market"));
    search->performSearch();
    for (const QString& payee :
         {QStringLiteral("Greenleaf Market"), QStringLiteral("GREENLEAF MKT 0412")})
        payees->list()->findItems(payee, Qt::MatchExactly).value(0)->setSelected(true);
    payees->renameField()->setText(QStringLiteral("Greenleaf Market"));
    categories->tree()->expandAll();

    bool saved = true;
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        // Every tab at the size the window opens with, and filling a 1280 x 800 screen.
        for (const QString& size : {QString(), QStringLiteral("-1280x800")}) {
            if (!size.isEmpty())
                reports->resize(1280, 800);
            for (int tab = 0; tab < reports->tabs()->count(); ++tab) {
                reports->tabs()->setCurrentIndex(tab);
                QApplication::processEvents();
                const QString name = ReportCatalog::describe(ReportKind(tab)).fileStem;
                saved = saveShot(*reports,
                                 path(QStringLiteral("report-%1%2").arg(name, size), theme)) &&
                        saved;
            }
        }
        reports->resize(1024, 700);
        reports->tabs()->setCurrentIndex(int(ReportKind::IncomeVsExpenses));
        QApplication::processEvents();
        saved = saveShot(*reports, path(QStringLiteral("report-wide"), theme)) && saved;
        reports->periodFilter()->setCurrentIndex(9); // All Time: the months named by year
        reports->tabs()->setCurrentIndex(int(ReportKind::CashFlow));
        QApplication::processEvents();
        saved = saveShot(*reports, path(QStringLiteral("report-all-time"), theme)) && saved;
        reports->periodFilter()->setCurrentIndex(8);
        reports->resize(800, 600);

        for (QWidget* screen : std::initializer_list<QWidget*>{search, payees, categories}) {
            screen->raise();
            QApplication::processEvents();
        }
        saved = saveShot(*search, path(QStringLiteral("search"), theme)) && saved;
        saved = saveShot(*payees, path(QStringLiteral("payees"), theme)) && saved;
        saved = saveShot(*categories, path(QStringLiteral("categories"), theme)) && saved;
    }

    // The book in three currencies: the account list's totals, and every report with the yen
    // chosen.
    addForeignAccounts(state);
    window.resize(1024, 700);
    reports->resize(1024, 700);
    window.showReportsWindow();
    QComboBox* currencies = reports->currencyFilter();
    currencies->setCurrentIndex(currencies->findData(int(Currency::JPY)));
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        window.raise();
        QApplication::processEvents();
        saved = saveShot(window, path(QStringLiteral("currencies-mainwindow"), theme)) && saved;
        reports->raise();
        for (int tab = 0; tab < reports->tabs()->count(); ++tab) {
            reports->tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString name = ReportCatalog::describe(ReportKind(tab)).fileStem;
            saved =
                saveShot(*reports, path(QStringLiteral("currencies-report-%1").arg(name), theme)) &&
                saved;
        }
    }
    return saved ? 0 : 1;
}
