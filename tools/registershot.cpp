// Renders the register off screen to PNG files, to look at the model's colours, the delegate's
// two-line painting and the entry row in both themes without starting the application.
//
//     QT_QPA_PLATFORM=offscreen build/tools/registershot /tmp/shots

#include "data/registerrow.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/theme/displaysettings.h"
#include "ui/theme/thememanager.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPixmap>

#include <cstdio>

namespace {

struct Sample
{
    int day;
    const char* payee;
    qint64 amount;
    const char* category;
    const char* memo;
    bool cleared;
    bool reconciled;
    bool split;
};

// A month of a household checking account: the balance dips below zero mid-month.
const Sample samples[] = {
    {1, "Opening Balance", 52000, "", "", true, true, false},
    {1, "Maple Street Apartments", -145000, "Housing > Rent", "March rent", true, true, false},
    {2, "Acme Corp Payroll", 212550, "Income > Salary", "", true, true, false},
    {3, "Grocery Outlet", -8734, "Food > Groceries", "weekly shop", true, false, false},
    {4, "City Water & Power", -6412, "Utilities > Electricity", "", true, false, false},
    {5, "Big Box Store", -15320, "", "household and groceries", true, false, true},
    {6, "Corner Coffee", -475, "Food > Dining Out", "", false, false, false},
    {7, "Transfer to Savings", -50000, "", "", true, false, false},
    {8, "Northwind Insurance", -18900, "Insurance > Auto", "6-month premium", false, false, false},
    {9, "Fuel Stop 24", -5210, "Auto > Fuel", "", false, false, false},
    {10, "Pharmacy Plus", -2399, "Health > Pharmacy", "prescription refill", false, false, false},
    {11, "Credit Card Payment", -120000, "", "Visa statement", false, false, false},
    {12, "Refund: Online Books", 3499, "Shopping > Books", "returned hardcover", false, false,
     false},
    {13, "Grocery Outlet", -9120, "Food > Groceries", "weekly shop", false, false, false},
    {14, "Streaming Service", -1599, "Entertainment > Subscriptions", "", false, false, false},
    {15, "Side Project Client", 45000, "Income > Freelance", "invoice 2026-014", false, false,
     false},
    {16, "Hardware Depot", -6789, "Home > Repairs", "", false, false, false},
    {17, "School District", 0, "Education", "fee waived", false, false, false},
    {18, "Fuel Stop 24", -4875, "Auto > Fuel", "", false, false, false},
    {19, "Dentist Dr. Alvarez", -12000, "Health > Dental", "cleaning", false, false, false},
    {20, "Grocery Outlet", -10410, "Food > Groceries", "", false, false, false},
    {21, "Cash Withdrawal", -6000, "", "", false, false, false},
    {22, "Acme Corp Payroll", 212550, "Income > Salary", "", false, false, false},
    {23, "Garden Center With An Unusually Long Name Ltd.", -3450, "Home > Garden",
     "a memo long enough to run out of room under the payee and category columns", false, false,
     false},
    {24, "Phone Company", -5500, "Utilities > Phone", "", false, false, false},
    {25, "Charity Run", -2500, "Gifts > Donations", "", false, false, false},
};

QList<RegisterRow> sampleRows()
{
    QList<RegisterRow> rows;
    qint64 balance = 0;
    int number = 0;
    for (const Sample& sample : samples) {
        RegisterRow row;
        Transaction& t = row.transaction;
        t.id = number == 0 ? QString() : QStringLiteral("t%1").arg(number);
        t.date = QDate(2026, 3, sample.day);
        t.payee = QString::fromUtf8(sample.payee);
        t.amount = sample.amount;
        t.memo = QString::fromUtf8(sample.memo);
        t.cleared = sample.cleared;
        t.reconciled = sample.reconciled;
        t.isSplit = sample.split;
        t.checkNumber = number % 7 == 3 ? QString::number(1040 + number) : QString();
        balance += sample.amount;
        row.balance = balance;
        row.categoryName = QString::fromUtf8(sample.category);
        rows.append(row);
        ++number;
    }
    return rows;
}

void configure(RegisterTableView& view, bool twoLine)
{
    view.setAlternatingRowColors(true);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setTabKeyNavigation(false);
    view.setShowGrid(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(twoLine ? RegisterDelegate::twoLineRowHeight : 36);
    view.horizontalHeader()->setMinimumSectionSize(24);
    view.horizontalHeader()->setStretchLastSection(false);
    view.setSortingEnabled(false);
    const int widths[] = {130, 60, 250, 180, 180, 100, 100, 35, 110};
    for (int column = 0; column < 9; ++column)
        view.setColumnWidth(column, widths[column]);
    view.setColumnHidden(RegisterModel::MemoColumn, twoLine);
}

bool shoot(const QString& directory, ThemeManager& themes, ThemeManager::Theme theme, bool twoLine,
           bool editing)
{
    themes.setTheme(theme);

    RegisterModel model;
    model.setTwoLine(twoLine);
    model.setRows(sampleRows());
    RegisterDelegate delegate(nullptr);
    delegate.setTwoLine(twoLine);

    RegisterTableView view;
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    configure(view, twoLine);
    view.resize(1180, twoLine ? 760 : 640);
    view.show();
    view.scrollToBottom();

    // One selected cell in a transaction row.
    view.setCurrentIndex(model.index(model.entryRow() - 3, RegisterModel::PayeeColumn));
    if (editing) {
        // The entry row part-typed, with its payee cell open.
        const int entry = model.entryRow();
        model.setData(model.index(entry, RegisterModel::PaymentColumn), QStringLiteral("12.50"));
        const QModelIndex payee = model.index(entry, RegisterModel::PayeeColumn);
        view.setCurrentIndex(payee);
        view.edit(payee);
    }
    QApplication::processEvents();

    const QString name = QStringLiteral("%1/register-%2-%3%4.png")
                             .arg(directory, ThemeManager::themeName(theme),
                                  twoLine ? QStringLiteral("two-line") : QStringLiteral("one-line"),
                                  editing ? QStringLiteral("-editing") : QString());
    const bool saved = view.grab().save(name);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(name));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(directory);

    DisplaySettings::baseFont();
    ThemeManager themes(nullptr);
    bool ok = true;
    for (const ThemeManager::Theme theme : {ThemeManager::Light, ThemeManager::Dark}) {
        for (const bool twoLine : {false, true}) {
            ok = shoot(directory, themes, theme, twoLine, false) && ok;
            ok = shoot(directory, themes, theme, twoLine, true) && ok;
        }
    }
    return ok ? 0 : 1;
}
