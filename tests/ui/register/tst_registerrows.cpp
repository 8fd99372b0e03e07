#include "ui/register/registermodel.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/transactionservice.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

// A register read from its account a page at a time must show what the register handed all
// of its rows at once shows: the same rows in the same order with the same balances, in every
// sort, newest first included.
class TestRegisterRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readRegisterMatchesTheWholeRows_data();
    void readRegisterMatchesTheWholeRows();
    void successiveSortsKeepTheOrderTheyStartFrom();
    void rowsAreFoundByTransaction();
    void writesBeforeTheWholeOutlineWaitForTheReload();

private:
    // Every view row as text: the transaction id and each column as shown.
    static QStringList shown(const RegisterModel& model);
    void compareModels(RegisterModel& whole, RegisterModel& read, const QString& context);

    TestApp m_app;
};

namespace {

const QStringList accounts = {"checking", "savings", "opened-only", "empty"};

// Several hundred rows over two accounts, more than a few pages of the register: many share a
// date and some their creation second, payees differ in case and accents, categories have
// parents, some rows are split or transfers, some deleted, some cleared or reconciled.
void fillLedger(AppState* state)
{
    AccountRepository* accountRepository = state->accountRepository();
    QVERIFY(accountRepository->insert(testAccount("checking", "Checking", 125000)));
    QVERIFY(accountRepository->insert(testAccount("savings", "Savings")));
    QVERIFY(accountRepository->insert(testAccount("opened-only", "Opened", -4200)));
    QVERIFY(accountRepository->insert(testAccount("empty", "Empty")));
    CategoryRepository* categories = state->categoryRepository();
    QVERIFY(categories->insert(testCategory("food", "Food")));
    QVERIFY(categories->insert(testCategory("dining", "Dining", "food")));
    QVERIFY(categories->insert(testCategory("rent", "rent")));

    TransactionRepository* transactions = state->transactionRepository();
    TransactionService* service = state->transactionService();
    const QStringList payees = {"Grocer", "grocer", "Bakery", "Café Lune", "Zoo", "", "Ärzte"};
    const QStringList memos = {"", "weekly", "Weekly", "éclair", "a"};
    const QStringList checks = {"", "", "101", "99", "1000", "A7"};
    const QStringList categoryIds = {"", "food", "dining", "rent"};
    QRandomGenerator random(21);
    const QDateTime base(QDate(2025, 5, 1), QTime(9, 0), Qt::UTC);
    QStringList ids;
    for (int i = 0; i < 520; ++i) {
        const QString id = QStringLiteral("t%1").arg(i);
        Transaction t = testTransaction(id, random.bounded(4) == 0 ? "savings" : "checking",
                                        QDate(2025, 5, 1).addDays(random.bounded(30)),
                                        payees.at(random.bounded(int(payees.size()))),
                                        qint64(random.bounded(40000)) - 25000);
        t.memo = memos.at(random.bounded(int(memos.size())));
        t.checkNumber = checks.at(random.bounded(int(checks.size())));
        t.categoryId = categoryIds.at(random.bounded(int(categoryIds.size())));
        t.cleared = random.bounded(3) != 0;
        t.reconciled = t.cleared && random.bounded(2) == 0;
        // A few creation seconds shared by many rows, as an import writes them.
        t.createdAt = t.updatedAt = base.addSecs(random.bounded(12) * 60);
        QVERIFY(transactions->insert(t));
        ids << id;
    }
    for (int i = 0; i < 30; ++i) {
        Transaction split = testTransaction(QStringLiteral("split%1").arg(i), "checking",
                                            QDate(2025, 5, 1).addDays(random.bounded(30)),
                                            QStringLiteral("Market"), -3000 - i);
        SplitLine food;
        food.categoryId = QStringLiteral("food");
        food.amount = -2000;
        SplitLine dining;
        dining.categoryId = QStringLiteral("dining");
        dining.amount = -1000 - i;
        QVERIFY(service->add(split, {food, dining}));

        Transaction source = testTransaction(QStringLiteral("out%1").arg(i), "checking",
                                             QDate(2025, 5, 1).addDays(random.bounded(30)),
                                             QStringLiteral("[Transfer] Savings"), -500 * i);
        Transaction destination =
            TransactionService::transferPartner(source, "savings", "[Transfer] Checking");
        destination.id = QStringLiteral("in%1").arg(i);
        QVERIFY(service->addTransfer(source, destination));
    }
    for (int i = 0; i < 40; ++i)
        transactions->softDelete(ids.at(random.bounded(int(ids.size()))));
}

} // namespace

void TestRegisterRows::initTestCase()
{
    QVERIFY(m_app.isReady());
    fillLedger(m_app.state());
}

QStringList TestRegisterRows::shown(const RegisterModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const RegisterRow* registerRow = model.rowAt(row);
        QStringList cells{registerRow ? registerRow->transaction.id : QStringLiteral("(entry)")};
        for (int column = 0; column < RegisterModel::ColumnCount; ++column)
            cells << model.data(model.index(row, column)).toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void TestRegisterRows::compareModels(RegisterModel& whole, RegisterModel& read,
                                     const QString& context)
{
    QCOMPARE(read.rowCount(), whole.rowCount());
    QCOMPARE(read.entryRow(), whole.entryRow());
    const QStringList expected = shown(whole);
    const QStringList actual = shown(read);
    for (int row = 0; row < expected.size(); ++row)
        QVERIFY2(actual.at(row) == expected.at(row),
                 qPrintable(QStringLiteral("%1, view row %2:\n  read  %3\n  whole %4")
                                .arg(context)
                                .arg(row)
                                .arg(actual.at(row), expected.at(row))));
    for (const int column :
         {RegisterModel::PaymentColumn, RegisterModel::DepositColumn, RegisterModel::BalanceColumn})
        QCOMPARE(read.longestAmount(column), whole.longestAmount(column));
}

void TestRegisterRows::readRegisterMatchesTheWholeRows_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<int>("minimumRows");
    QTest::addColumn<bool>("readFromItsEnd");
    QTest::newRow("several pages, opening row, splits and transfers") << "checking" << 350 << true;
    QTest::newRow("several pages, transfers in") << "savings" << 130 << false;
    QTest::newRow("opening row only") << "opened-only" << 1 << false;
    QTest::newRow("no rows") << "empty" << 0 << false;
}

void TestRegisterRows::readRegisterMatchesTheWholeRows()
{
    QFETCH(QString, accountId);
    QFETCH(int, minimumRows);
    QFETCH(bool, readFromItsEnd);
    const TransactionRepository* transactions = m_app.state()->transactionRepository();
    const QList<RegisterRow> rows = transactions->registerRows(accountId);
    QVERIFY(rows.size() >= minimumRows);

    RegisterModel whole;
    whole.setRows(rows);
    RegisterModel read;
    read.readAccount(transactions, accountId);
    // A long register starts from the end of its outline, which has the totals of the whole.
    QCOMPARE(!read.hasWholeOutline(), readFromItsEnd);
    qint64 cleared = 0;
    qint64 uncleared = 0;
    for (const RegisterRow& row : rows)
        (row.transaction.cleared ? cleared : uncleared) += row.transaction.amount;
    QCOMPARE(read.clearedTotal(), cleared);
    QCOMPARE(read.unclearedTotal(), uncleared);
    QCOMPARE(read.rowCount(), whole.rowCount());
    // Its last rows are shown from the end alone; an earlier row reads the rest.
    const int last = read.rowCount() - 2;
    if (last >= 0) {
        QCOMPARE(read.rowAt(last)->transaction.id, whole.rowAt(last)->transaction.id);
        QCOMPARE(read.data(read.index(last, RegisterModel::BalanceColumn)),
                 whole.data(whole.index(last, RegisterModel::BalanceColumn)));
        QCOMPARE(!read.hasWholeOutline(), readFromItsEnd);
    }
    compareModels(whole, read, QStringLiteral("as read"));
    QVERIFY(read.hasWholeOutline());

    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            // Each sort starts from the register order, as after a reload.
            RegisterModel wholeSorted;
            wholeSorted.sort(column, order);
            wholeSorted.setRows(rows);
            RegisterModel readSorted;
            readSorted.sort(column, order);
            readSorted.readAccount(transactions, accountId);
            compareModels(wholeSorted, readSorted,
                          QStringLiteral("column %1 %2")
                              .arg(column)
                              .arg(order == Qt::AscendingOrder ? "ascending" : "descending"));
        }
    }
}

void TestRegisterRows::successiveSortsKeepTheOrderTheyStartFrom()
{
    const TransactionRepository* transactions = m_app.state()->transactionRepository();
    RegisterModel whole;
    whole.setRows(transactions->registerRows(QStringLiteral("checking")));
    RegisterModel read;
    read.readAccount(transactions, QStringLiteral("checking"));
    // Rows equal in a column and date keep the order of the sort before.
    const QList<QPair<int, Qt::SortOrder>> sorts = {
        {RegisterModel::PayeeColumn, Qt::DescendingOrder},
        {RegisterModel::MemoColumn, Qt::AscendingOrder},
        {RegisterModel::ClearedColumn, Qt::DescendingOrder},
        {RegisterModel::DateColumn, Qt::DescendingOrder},
        {RegisterModel::CategoryColumn, Qt::AscendingOrder},
    };
    for (const auto& [column, order] : sorts) {
        whole.sort(column, order);
        read.sort(column, order);
        compareModels(whole, read, QStringLiteral("after sorting by column %1").arg(column));
    }
}

void TestRegisterRows::rowsAreFoundByTransaction()
{
    const TransactionRepository* transactions = m_app.state()->transactionRepository();
    const QList<RegisterRow> rows = transactions->registerRows(QStringLiteral("checking"));
    RegisterModel whole;
    whole.setRows(rows);
    RegisterModel read;
    read.readAccount(transactions, QStringLiteral("checking"));
    read.sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    whole.sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    for (const RegisterRow& row : rows) {
        const int viewRow = read.viewRowOf(row.transaction.id);
        QCOMPARE(viewRow, whole.viewRowOf(row.transaction.id));
        QCOMPARE(read.rowAt(viewRow)->transaction.id, row.transaction.id);
    }
    // Deleted rows, rows of another account and unknown ids have no row.
    QCOMPARE(read.viewRowOf(QStringLiteral("in1")), -1);
    QCOMPARE(read.viewRowOf(QStringLiteral("no-such-id")), -1);
    const Transaction deleted = testTransaction("gone", "checking", QDate(2025, 5, 2), "Gone", -1);
    QVERIFY(m_app.state()->transactionRepository()->insert(deleted));
    QVERIFY(m_app.state()->transactionRepository()->softDelete(deleted.id));
    QCOMPARE(read.viewRowOf(deleted.id), -1);
}

// Rows written while only the end of the outline is in (a sync's, with a cell editor open so
// that the register does not reload yet) leave the rows before the end with the count they
// had; the reload that follows shows them.
void TestRegisterRows::writesBeforeTheWholeOutlineWaitForTheReload()
{
    TransactionRepository* transactions = m_app.state()->transactionRepository();
    RegisterModel read;
    read.readAccount(transactions, QStringLiteral("checking"));
    QVERIFY(!read.hasWholeOutline());
    const int rowCount = read.rowCount();

    const QList<RegisterRow> before = transactions->registerRows(QStringLiteral("checking"));
    QVERIFY(transactions->softDelete(before.at(1).transaction.id));
    QVERIFY(transactions->softDelete(before.at(2).transaction.id));
    QVERIFY(transactions->insert(
        testTransaction("early", "checking", QDate(2025, 4, 1), "Early", -700)));
    read.readWholeOutline();
    QCOMPARE(read.rowCount(), rowCount);
    QVERIFY(shown(read).size() == rowCount);

    read.readAccount(transactions, QStringLiteral("checking"));
    RegisterModel whole;
    whole.setRows(transactions->registerRows(QStringLiteral("checking")));
    compareModels(whole, read, QStringLiteral("after the reload"));
}

QTEST_MAIN(TestRegisterRows)
#include "tst_registerrows.moc"
