#include "ui/register/registermodel.h"
#include "ui/theme/thememanager.h"

#include <QApplication>

#include <QColor>
#include <QSignalSpy>
#include <QTest>

namespace {

// A register row the way the repository hands them over: balances already computed in date
// order.
RegisterRow makeRow(const QString& id, const QDate& date, const QString& payee, qint64 amount,
                    qint64 balance, const QString& categoryName = QString(), bool split = false)
{
    RegisterRow row;
    row.transaction.id = id;
    row.transaction.date = date;
    row.transaction.payee = payee;
    row.transaction.amount = amount;
    row.transaction.isSplit = split;
    row.transaction.categoryId = split || categoryName.isEmpty() ? QString() : id + "-category";
    row.balance = balance;
    row.categoryName = categoryName;
    return row;
}

// Opening balance 100.00, then four transactions that take the balance below zero and back.
QList<RegisterRow> fixtureRows()
{
    RegisterRow opening = makeRow(QString(), QDate(2026, 3, 1), "Opening Balance", 10000, 10000);
    opening.transaction.cleared = true;
    opening.transaction.reconciled = true;
    return {
        opening,
        makeRow("a", QDate(2026, 3, 1), "Zephyr Rent", -15000, -5000, "Housing > Rent"),
        makeRow("b", QDate(2026, 3, 2), "Acme Payroll", 20000, 15000, "Income"),
        makeRow("c", QDate(2026, 3, 3), "Market", -2500, 12500, QString(), true),
        makeRow("d", QDate(2026, 3, 4), "Market", 0, 12500),
    };
}

QString text(const RegisterModel& model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

// Each row of a register: its amount and the balance after it.
using AmountsAndBalances = QList<QPair<qint64, qint64>>;

bool editable(const RegisterModel& model, int row, int column)
{
    return model.flags(model.index(row, column)).testFlag(Qt::ItemIsEditable);
}

} // namespace

Q_DECLARE_METATYPE(Currency)

class TestRegisterModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsShowTheirColumns();
    void coloursFollowTheTheme_data();
    void coloursFollowTheTheme();
    void entryRowPosition_data();
    void entryRowPosition();
    void sortingKeepsEachRowsBalance();
    void longestAmountIsTheWidestText_data();
    void longestAmountIsTheWidestText();
    void sortTieBreakPutsLaterDatesFirst_data();
    void sortTieBreakPutsLaterDatesFirst();
    void zeroAmountSortsWithNonPaymentsAndNonDeposits_data();
    void zeroAmountSortsWithNonPaymentsAndNonDeposits();
    void placeholdersOnlyWhileNoRowIsEdited();
    void splitRowKeepsCategoryAndAmountsOutOfInlineEditing();
    void setDataWritesOnlyTheBufferRow();
    void sortingFollowsTheEditedTransaction();
    void entryToTransaction_data();
    void entryToTransaction();
    void loadEntryFromAndResetEntry();
    void quickFillNeverOverwritesTypedFields_data();
    void quickFillNeverOverwritesTypedFields();
    void quickFillReplacesAnEarlierQuickFill();
};

void TestRegisterModel::rowsShowTheirColumns()
{
    RegisterModel model;
    model.setRows(fixtureRows());

    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(text(model, 0, RegisterModel::PayeeColumn), QStringLiteral("Opening Balance"));
    QCOMPARE(text(model, 0, RegisterModel::DateColumn), QStringLiteral("3/1/2026"));
    QCOMPARE(text(model, 0, RegisterModel::ClearedColumn), QStringLiteral("R"));
    QCOMPARE(text(model, 0, RegisterModel::DepositColumn), QStringLiteral("100.00"));
    QCOMPARE(text(model, 0, RegisterModel::BalanceColumn), QStringLiteral("100.00"));
    QCOMPARE(text(model, 1, RegisterModel::PaymentColumn), QStringLiteral("150.00"));
    QCOMPARE(text(model, 1, RegisterModel::DepositColumn), QString());
    QCOMPARE(text(model, 1, RegisterModel::BalanceColumn), QStringLiteral("-50.00"));
    QCOMPARE(text(model, 1, RegisterModel::CategoryColumn), QStringLiteral("Housing > Rent"));
    QCOMPARE(text(model, 3, RegisterModel::CategoryColumn), QStringLiteral("—Split—"));
    QCOMPARE(text(model, 4, RegisterModel::DepositColumn), QStringLiteral("0.00"));
    QCOMPARE(text(model, 4, RegisterModel::PaymentColumn), QString());
    // The balance is not an editable value.
    QVERIFY(!model.data(model.index(1, RegisterModel::BalanceColumn), Qt::EditRole).isValid());

    const auto colour = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::ForegroundRole).value<QColor>();
    };
    QCOMPARE(colour(1, RegisterModel::BalanceColumn), QColor("#C62828"));
    QVERIFY(!colour(2, RegisterModel::BalanceColumn).isValid());
    QCOMPARE(colour(2, RegisterModel::DepositColumn), QColor("#2E7D32"));
    QCOMPARE(colour(1, RegisterModel::PaymentColumn), QColor("#C62828"));
    const auto alignment =
        model.data(model.index(1, RegisterModel::PaymentColumn), Qt::TextAlignmentRole)
            .value<Qt::Alignment>();
    QCOMPARE(alignment, Qt::AlignRight | Qt::AlignVCenter);
}

void TestRegisterModel::coloursFollowTheTheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("entry");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("colour");

    const int fg = Qt::ForegroundRole;
    const int bg = Qt::BackgroundRole;
    QTest::newRow("light payment") << false << false << 1 << 5 << fg << "#c62828";
    QTest::newRow("dark payment") << true << false << 1 << 5 << fg << "#ff8a80";
    QTest::newRow("dark negative balance") << true << false << 1 << 8 << fg << "#ff8a80";
    QTest::newRow("light deposit") << false << false << 2 << 6 << fg << "#2e7d32";
    QTest::newRow("dark deposit") << true << false << 2 << 6 << fg << "#66bb6a";
    QTest::newRow("light Clr") << false << false << 0 << 7 << fg << "#6e8a7e";
    QTest::newRow("dark memo") << true << false << 0 << 4 << fg << "#8faf9f";
    QTest::newRow("light placeholder") << false << true << 0 << 2 << fg << "#6e8a7e";
    QTest::newRow("dark placeholder") << true << true << 0 << 2 << fg << "#8faf9f";
    QTest::newRow("light entry row") << false << true << 0 << 0 << bg << "#e8f5e9";
    QTest::newRow("dark entry row") << true << true << 0 << 8 << bg << "#1a2e28";
}

// The dark test reads the application palette, as every screen does.
void TestRegisterModel::coloursFollowTheTheme()
{
    QFETCH(bool, dark);
    QFETCH(bool, entry);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QString, colour);
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    RegisterModel model;
    model.setRows(fixtureRows());

    const QModelIndex index = model.index(entry ? model.entryRow() : row, column);
    QCOMPARE(model.data(index, role).value<QColor>().name(), colour);
    QApplication::setPalette(saved);
}

void TestRegisterModel::entryRowPosition_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<bool>("entryFirst");

    QTest::newRow("date, newest first") << 0 << Qt::DescendingOrder << true;
    QTest::newRow("date, oldest first") << 0 << Qt::AscendingOrder << false;
    QTest::newRow("payee ascending") << 2 << Qt::AscendingOrder << false;
    QTest::newRow("payee descending") << 2 << Qt::DescendingOrder << false;
    QTest::newRow("balance descending") << 8 << Qt::DescendingOrder << false;
}

void TestRegisterModel::entryRowPosition()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(bool, entryFirst);
    RegisterModel model;
    model.setRows(fixtureRows());
    QSignalSpy sortChanged(&model, &RegisterModel::sortChanged);

    model.sort(column, order);

    QCOMPARE(sortChanged.size(), 1);
    const int entry = entryFirst ? 0 : 5;
    QCOMPARE(model.entryRow(), entry);
    QVERIFY(model.isEntryRow(entry));
    QVERIFY(model.rowAt(entry) == nullptr);
    QCOMPARE(text(model, entry, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
    // Every other view row maps to exactly one register row.
    QSet<QString> payeesAndBalances;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row == entry)
            continue;
        QVERIFY(model.rowAt(row));
        QCOMPARE(text(model, row, RegisterModel::PayeeColumn), model.rowAt(row)->transaction.payee);
        payeesAndBalances.insert(model.rowAt(row)->transaction.id +
                                 text(model, row, RegisterModel::BalanceColumn));
    }
    QCOMPARE(payeesAndBalances.size(), 5);
}

void TestRegisterModel::sortingKeepsEachRowsBalance()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    QHash<QString, QString> balanceOf;
    for (int row = 0; row < model.registerRowCount(); ++row)
        balanceOf.insert(model.rowAt(row)->transaction.id,
                         text(model, row, RegisterModel::BalanceColumn));

    model.sort(RegisterModel::PayeeColumn, Qt::AscendingOrder);

    QStringList payees;
    QStringList balances;
    for (int row = 0; row < model.registerRowCount(); ++row) {
        const QString id = model.rowAt(row)->transaction.id;
        payees << text(model, row, RegisterModel::PayeeColumn);
        balances << text(model, row, RegisterModel::BalanceColumn);
        QCOMPARE(balances.last(), balanceOf.value(id));
    }
    QCOMPARE(payees,
             QStringList({"Acme Payroll", "Market", "Market", "Opening Balance", "Zephyr Rent"}));
    QCOMPARE(balances, QStringList({"150.00", "125.00", "125.00", "100.00", "-50.00"}));
}

void TestRegisterModel::longestAmountIsTheWidestText_data()
{
    QTest::addColumn<AmountsAndBalances>("amountsAndBalances");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    const AmountsAndBalances mixed = {
        {99999, 99999}, {-199999, -100000}, {100000, 0}, {-5, -5}, {-123456, -123461}};
    QTest::newRow("payment: the largest outflow")
        << mixed << Currency::USD << int(RegisterModel::PaymentColumn) << "1,999.99";
    QTest::newRow("deposit: a thousands separator wins over more nines")
        << mixed << Currency::USD << int(RegisterModel::DepositColumn) << "1,000.00";
    QTest::newRow("balance: the minus sign counts, the first of equal length wins")
        << mixed << Currency::USD << int(RegisterModel::BalanceColumn) << "-1,000.00";
    QTest::newRow("yen: whole units")
        << AmountsAndBalances{{-999, -999}, {-1000, -1999}} << Currency::JPY
        << int(RegisterModel::BalanceColumn) << "-1,999";
    QTest::newRow("no payments: blank") << AmountsAndBalances{{500, 500}, {0, 500}} << Currency::USD
                                        << int(RegisterModel::PaymentColumn) << "";
    QTest::newRow("not an amount column")
        << mixed << Currency::USD << int(RegisterModel::PayeeColumn) << "";
}

void TestRegisterModel::longestAmountIsTheWidestText()
{
    QFETCH(AmountsAndBalances, amountsAndBalances);
    QFETCH(Currency, currency);
    QFETCH(int, column);
    QFETCH(QString, expected);
    QList<RegisterRow> rows;
    for (const auto& [amount, balance] : amountsAndBalances)
        rows << makeRow(QString::number(rows.size()), QDate(2026, 3, 1), "Payee", amount, balance);
    RegisterModel model;
    model.setCurrency(currency);
    model.setRows(rows);
    QCOMPARE(model.longestAmount(column), expected);
}

void TestRegisterModel::sortTieBreakPutsLaterDatesFirst_data()
{
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::newRow("ascending") << Qt::AscendingOrder;
    QTest::newRow("descending") << Qt::DescendingOrder;
}

void TestRegisterModel::sortTieBreakPutsLaterDatesFirst()
{
    QFETCH(Qt::SortOrder, order);
    RegisterModel model;
    model.setRows({makeRow("early", QDate(2026, 1, 5), "Cafe", -100, -100),
                   makeRow("middle", QDate(2026, 2, 5), "Bakery", -100, -200),
                   makeRow("late", QDate(2026, 3, 5), "Cafe", -100, -300)});

    model.sort(RegisterModel::PayeeColumn, order);

    QStringList ids;
    for (int row = 0; row < model.registerRowCount(); ++row)
        ids << model.rowAt(row)->transaction.id;
    if (order == Qt::AscendingOrder)
        QCOMPARE(ids, QStringList({"middle", "late", "early"}));
    else
        QCOMPARE(ids, QStringList({"late", "early", "middle"}));
}

void TestRegisterModel::zeroAmountSortsWithNonPaymentsAndNonDeposits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ids");
    // Equal keys fall back to the later date first.
    QTest::newRow("payment") << int(RegisterModel::PaymentColumn)
                             << QStringList({"zero", "deposit", "small", "large"});
    QTest::newRow("deposit") << int(RegisterModel::DepositColumn)
                             << QStringList({"zero", "large", "small", "deposit"});
}

void TestRegisterModel::zeroAmountSortsWithNonPaymentsAndNonDeposits()
{
    QFETCH(int, column);
    QFETCH(QStringList, ids);
    RegisterModel model;
    model.setRows({makeRow("small", QDate(2026, 1, 1), "A", -500, -500),
                   makeRow("deposit", QDate(2026, 1, 2), "B", 700, 200),
                   makeRow("large", QDate(2026, 1, 3), "C", -9000, -8800),
                   makeRow("zero", QDate(2026, 1, 4), "D", 0, -8800)});

    model.sort(column, Qt::AscendingOrder);

    QStringList sorted;
    for (int row = 0; row < model.registerRowCount(); ++row)
        sorted << model.rowAt(row)->transaction.id;
    QCOMPARE(sorted, ids);
}

void TestRegisterModel::placeholdersOnlyWhileNoRowIsEdited()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    const int entry = model.entryRow();

    QCOMPARE(text(model, entry, RegisterModel::DateColumn),
             QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    const QStringList names = {"Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr"};
    for (int column = 1; column <= 7; ++column) {
        QCOMPARE(text(model, entry, column), names.at(column - 1));
        QCOMPARE(text(model, entry, column, Qt::EditRole), QString());
        QCOMPARE(model.data(model.index(entry, column), Qt::ForegroundRole).value<QColor>(),
                 QColor("#6E8A7E"));
        QVERIFY(editable(model, entry, column));
    }
    QVERIFY(!text(model, entry, RegisterModel::BalanceColumn).size());

    // Two-line mode renames the header, not the placeholder.
    model.setTwoLine(true);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    QCOMPARE(text(model, entry, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
    model.setTwoLine(false);

    // A typed value replaces its placeholder.
    QVERIFY(model.setData(model.index(entry, RegisterModel::PayeeColumn), "Grocer"));
    QCOMPARE(text(model, entry, RegisterModel::PayeeColumn), QStringLiteral("Grocer"));
    QVERIFY(
        !model.data(model.index(entry, RegisterModel::PayeeColumn), Qt::ForegroundRole).isValid());

    // While an existing row is edited the buffers are that row's; the entry row shows nothing.
    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    model.loadEntryFrom(model.rowAt(2)->transaction, model.rowAt(2)->categoryName);
    model.setEditingRow(2);
    QVERIFY(!changed.isEmpty());
    for (int column = 0; column <= 8; ++column)
        QVERIFY(!model.data(model.index(entry, column)).isValid());
    QCOMPARE(text(model, 2, RegisterModel::PayeeColumn), QStringLiteral("Acme Payroll"));
    QCOMPARE(text(model, 2, RegisterModel::DepositColumn), QStringLiteral("200.00"));
    QCOMPARE(text(model, 2, RegisterModel::BalanceColumn), QStringLiteral("150.00"));
    QVERIFY(model.data(model.index(2, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!model.data(model.index(3, 0), Qt::BackgroundRole).isValid());

    model.setEditingRow(-1);
    QCOMPARE(text(model, entry, RegisterModel::CheckNumberColumn), QStringLiteral("Chk #"));
}

void TestRegisterModel::splitRowKeepsCategoryAndAmountsOutOfInlineEditing()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    const int split = 3;
    QVERIFY(model.rowAt(split)->transaction.isSplit);
    // Not edited: nothing is editable.
    for (int column = 0; column <= 8; ++column)
        QVERIFY(!editable(model, split, column));

    model.loadEntryFrom(model.rowAt(split)->transaction, model.rowAt(split)->categoryName);
    model.setEditingRow(split);

    for (int column : {0, 1, 2, 4, 7})
        QVERIFY2(editable(model, split, column), qPrintable(QString::number(column)));
    for (int column : {3, 5, 6, 8})
        QVERIFY2(!editable(model, split, column), qPrintable(QString::number(column)));
    QCOMPARE(text(model, split, RegisterModel::CategoryColumn), QStringLiteral("—Split—"));
    QCOMPARE(text(model, split, RegisterModel::CategoryColumn, Qt::EditRole), QString());
    // The balance cell is never editable, also not on the entry row.
    QVERIFY(!editable(model, model.entryRow(), RegisterModel::BalanceColumn));
}

void TestRegisterModel::setDataWritesOnlyTheBufferRow()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    const int entry = model.entryRow();
    const QModelIndex payee = model.index(entry, RegisterModel::PayeeColumn);

    QVERIFY(!model.setData(payee, "Display", Qt::DisplayRole));
    QCOMPARE(model.entry().payee, QString());
    QVERIFY(!model.setData(model.index(entry, RegisterModel::BalanceColumn), "12"));
    // Another row's cell must not write into the entry being typed.
    QVERIFY(!model.setData(model.index(1, RegisterModel::PayeeColumn), "Elsewhere"));
    QCOMPARE(model.entry().payee, QString());

    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    QVERIFY(model.setData(payee, "Grocer"));
    QCOMPARE(model.entry().payee, QStringLiteral("Grocer"));
    QCOMPARE(changed.size(), 1);

    // Once a row is edited, the entry row no longer owns the buffers.
    model.setEditingRow(1);
    QVERIFY(!model.setData(payee, "Lost"));
    QVERIFY(model.setData(model.index(1, RegisterModel::PayeeColumn), "Edited"));
    QCOMPARE(model.entry().payee, QStringLiteral("Edited"));
}

void TestRegisterModel::sortingFollowsTheEditedTransaction()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    const int row = model.viewRowOf(QStringLiteral("a"));
    model.loadEntryFrom(model.rowAt(row)->transaction, model.rowAt(row)->categoryName);
    model.setEditingRow(row);

    model.sort(RegisterModel::DateColumn, Qt::DescendingOrder);

    QCOMPARE(model.rowAt(model.editingRow())->transaction.id, QStringLiteral("a"));
    QCOMPARE(text(model, model.editingRow(), RegisterModel::PayeeColumn),
             QStringLiteral("Zephyr Rent"));
}

// The amount is read by the screen, in the interface language, and handed over.
void TestRegisterModel::entryToTransaction_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QDate>("expectedDate");

    QTest::newRow("typed date") << "4/5/2026" << QDate(2026, 4, 5);
    QTest::newRow("unparseable date is today") << "abc" << QDate::currentDate();
    QTest::newRow("empty date is today") << "" << QDate::currentDate();
}

void TestRegisterModel::entryToTransaction()
{
    QFETCH(QString, date);
    QFETCH(QDate, expectedDate);
    RegisterModel model;
    model.setRows({});
    const int entry = model.entryRow();
    const auto set = [&](int column, const QString& value) {
        QVERIFY(model.setData(model.index(entry, column), value));
    };
    set(RegisterModel::DateColumn, date);
    set(RegisterModel::PayeeColumn, "  Corner Shop ");
    set(RegisterModel::MemoColumn, " as typed ");
    set(RegisterModel::CheckNumberColumn, " 101 ");
    set(RegisterModel::PaymentColumn, QStringLiteral("abc"));
    model.setCategoryId(QStringLiteral("category-1"));

    const Transaction transaction = model.entryToTransaction(QStringLiteral("account-1"), -1250);

    QCOMPARE(transaction.accountId, QStringLiteral("account-1"));
    QCOMPARE(transaction.date, expectedDate);
    QCOMPARE(transaction.amount, qint64(-1250));
    QCOMPARE(transaction.payee, QStringLiteral("Corner Shop"));
    QCOMPARE(transaction.memo, QStringLiteral(" as typed "));
    QCOMPARE(transaction.checkNumber, QStringLiteral("101"));
    QCOMPARE(transaction.categoryId, QStringLiteral("category-1"));
    QCOMPARE(transaction.version, 1);
    QCOMPARE(transaction.syncStatus, SyncStatus::Pending);
}

void TestRegisterModel::loadEntryFromAndResetEntry()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    Transaction payment = model.rowAt(1)->transaction;
    payment.checkNumber = QStringLiteral("7");
    payment.cleared = true;

    model.loadEntryFrom(payment, QStringLiteral("Housing > Rent"));

    QCOMPARE(model.entry().date, QStringLiteral("3/1/2026"));
    QCOMPARE(model.entry().payment, QStringLiteral("150.00"));
    QCOMPARE(model.entry().deposit, QString());
    QCOMPARE(model.entry().cleared, QStringLiteral("C"));
    QCOMPARE(model.entry().checkNumber, QStringLiteral("7"));
    QCOMPARE(model.entry().categoryId, payment.categoryId);

    model.setStickyDate(QStringLiteral("2/14/2026"));
    model.resetEntry();
    QCOMPARE(model.entry().date, QStringLiteral("2/14/2026"));
    QCOMPARE(model.entry().payee, QString());
    QCOMPARE(model.entry().payment, QString());
    QCOMPARE(model.entry().categoryId, QString());
    QCOMPARE(model.entry().stickyDate, QStringLiteral("2/14/2026"));
    // A reload keeps the sticky date too.
    model.setRows(fixtureRows());
    QCOMPARE(model.entry().date, QStringLiteral("2/14/2026"));
}

void TestRegisterModel::quickFillNeverOverwritesTypedFields_data()
{
    QTest::addColumn<int>("typedColumn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("memo");

    QTest::newRow("nothing typed") << -1 << ""
                                   << "42.00"
                                   << ""
                                   << "Food > Groceries"
                                   << "weekly";
    QTest::newRow("typed payment") << int(RegisterModel::PaymentColumn) << "9.99"
                                   << "9.99"
                                   << ""
                                   << "Food > Groceries"
                                   << "weekly";
    QTest::newRow("typed deposit") << int(RegisterModel::DepositColumn) << "5.00"
                                   << ""
                                   << "5.00"
                                   << "Food > Groceries"
                                   << "weekly";
    QTest::newRow("typed category") << int(RegisterModel::CategoryColumn) << "Gifts"
                                    << "42.00"
                                    << ""
                                    << "Gifts"
                                    << "weekly";
    QTest::newRow("typed memo") << int(RegisterModel::MemoColumn) << "mine"
                                << "42.00"
                                << ""
                                << "Food > Groceries"
                                << "mine";
}

void TestRegisterModel::quickFillNeverOverwritesTypedFields()
{
    QFETCH(int, typedColumn);
    QFETCH(QString, typed);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, category);
    QFETCH(QString, memo);
    RegisterModel model;
    model.setRows(fixtureRows());
    if (typedColumn >= 0)
        QVERIFY(model.setData(model.index(model.entryRow(), typedColumn), typed));
    Transaction last;
    last.amount = -4200;
    last.categoryId = QStringLiteral("groceries");
    last.memo = QStringLiteral("weekly");
    last.checkNumber = QStringLiteral("55");
    last.cleared = true;

    model.fillFromLast(last, QStringLiteral("Food > Groceries"));

    QCOMPARE(model.entry().payment, payment);
    QCOMPARE(model.entry().deposit, deposit);
    QCOMPARE(model.entry().category, category);
    QCOMPARE(model.entry().categoryId, typedColumn == RegisterModel::CategoryColumn
                                           ? QString()
                                           : QStringLiteral("groceries"));
    QCOMPARE(model.entry().memo, memo);
    // Check number and Clr are never copied.
    QCOMPARE(model.entry().checkNumber, QString());
    QCOMPARE(model.entry().cleared, QString());
}

void TestRegisterModel::quickFillReplacesAnEarlierQuickFill()
{
    RegisterModel model;
    model.setRows(fixtureRows());
    Transaction first;
    first.amount = -4200;
    first.categoryId = QStringLiteral("groceries");
    first.memo = QStringLiteral("weekly");
    Transaction second;
    second.amount = 1500;

    QVERIFY(model.fillFromLast(first, QStringLiteral("Groceries")));
    QVERIFY(model.fillFromLast(second, QString()));

    QCOMPARE(model.entry().payment, QString());
    QCOMPARE(model.entry().deposit, QStringLiteral("15.00"));
    // The second transaction has no category or memo: what the first filled stays.
    QCOMPARE(model.entry().category, QStringLiteral("Groceries"));
    QCOMPARE(model.entry().memo, QStringLiteral("weekly"));

    // An existing row being edited is never filled.
    model.loadEntryFrom(model.rowAt(1)->transaction, QString());
    model.setEditingRow(1);
    QVERIFY(!model.fillFromLast(first, QStringLiteral("Groceries")));
    QCOMPARE(model.entry().payment, QStringLiteral("150.00"));
}

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
