#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// An account "a" (and "b") with the repositories over one fresh database.
struct Ledger
{
    TestDatabase db;
    AccountRepository accounts{db.database()};
    CategoryRepository categories{db.database()};
    TransactionRepository transactions{db.database()};

    explicit Ledger(qint64 startingBalance = 0)
    {
        accounts.insert(
            testAccount(QStringLiteral("a"), QStringLiteral("Checking"), startingBalance));
        accounts.insert(testAccount(QStringLiteral("b"), QStringLiteral("Savings")));
    }

    Transaction add(const QString& id, const QDate& date, const QString& payee, qint64 amount,
                    const QString& accountId = QStringLiteral("a"))
    {
        Transaction t = testTransaction(id, accountId, date, payee, amount);
        transactions.insert(t);
        return t;
    }
};

// A few hundred rows over three accounts in random insertion order: many share a date, a few
// are deleted, some carry a sub-category, one payee lives only in deleted rows and another
// differs from a third only in case. Creation times are unique, so the order is fully defined.
void fillRandomLedger(Ledger& ledger)
{
    QVERIFY(ledger.categories.insert(testCategory(QStringLiteral("food"), QStringLiteral("Food"))));
    QVERIFY(ledger.categories.insert(
        testCategory(QStringLiteral("dining"), QStringLiteral("Dining"), QStringLiteral("food"))));
    QVERIFY(ledger.accounts.insert(testAccount(QStringLiteral("c"), QStringLiteral("Card"), -750)));
    const QStringList payees = {"Grocer", "grocer", "Bakery", "Café Lune", "Zoo", "", "Ärzte"};
    const QStringList accounts = {"a", "b", "c"};
    const QStringList categories = {"", "food", "dining", "missing"};
    QRandomGenerator random(7);
    const QDateTime base(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    QList<Transaction> all;
    for (int i = 0; i < 600; ++i) {
        Transaction t = testTransaction(
            QStringLiteral("t%1").arg(random.bounded(1000000) * 1000 + i),
            accounts.at(random.bounded(3)), QDate(2024, 1, 1).addDays(random.bounded(40)),
            payees.at(random.bounded(int(payees.size()))), qint64(random.bounded(20000)) - 15000);
        t.createdAt = t.updatedAt = base.addSecs(random.bounded(86400) * 1000 + i);
        t.categoryId = categories.at(random.bounded(int(categories.size())));
        t.cleared = random.bounded(2) == 1;
        all.append(t);
    }
    Transaction ghost = testTransaction(QStringLiteral("ghost"), QStringLiteral("a"),
                                        QDate(2023, 12, 1), QStringLiteral("Only Deleted"), -5);
    all.append(ghost);
    ledger.db.exec(QStringLiteral("PRAGMA foreign_keys=OFF")); // the "missing" category
    for (const Transaction& t : std::as_const(all))
        QVERIFY(ledger.transactions.insert(t));
    ledger.db.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    QVERIFY(ledger.transactions.softDelete(QStringLiteral("ghost")));
    for (int i = 0; i < 40; ++i)
        ledger.transactions.softDelete(all.at(random.bounded(600)).id);
}

// EXPLAIN QUERY PLAN of a statement, its detail lines joined.
QString queryPlan(const Ledger& ledger, const QString& sql, const QVariantList& bindings)
{
    QSqlQuery query(ledger.db.database()->connection());
    query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    for (const QVariant& value : bindings)
        query.addBindValue(value);
    if (!query.exec())
        return QStringLiteral("failed");
    QStringList details;
    while (query.next())
        details << query.value(3).toString();
    return details.join(QLatin1Char('\n'));
}

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private:
    static QStringList payees(const QList<RegisterRow>& rows)
    {
        QStringList result;
        for (const RegisterRow& row : rows)
            result << row.transaction.payee;
        return result;
    }

private slots:
    void openingRowFollowsTheOldestTransaction();
    void openingRowWithoutTransactionsIsDatedToday();
    void runningBalanceKeepsSameDayCreationOrder();
    void rowsOfOneSecondKeepTheirInsertionOrder();
    void registerRowsMatchAPlainReadingOfTheTable();
    void registerOutlineMatchesTheRegisterRows();
    void registerOutlineEndIsTheEndOfTheWhole();
    void firstOpeningTransactionIsStoredAsAnOpening_data();
    void firstOpeningTransactionIsStoredAsAnOpening();
    void distinctPayeesMatchAPlainReadingOfTheTable();
    void queriesUseTheirIndexes_data();
    void queriesUseTheirIndexes();
    void categoryNamesShowTheirParent();
    void emptyCategoryIsStoredAsNull();
    void missingAccountFailsWithItsWarning();
    void reusedWriteStatementsStartClean();
    void updateNeverMovesAnAccount();
    void cascadeDeleteAndRestoreWithMargin();
    void softDeleteOfUnknownIdRunsNothing();
    void fullTextQueryBuilder_data();
    void fullTextQueryBuilder();
    void searchMatchesWordPrefixes();
    void searchCombinesFilters();
    void searchCapsAtTwoHundredNewestRows();
    void payeeLookups();
    void unreconciledAndPending();
};

void TestTransactionRepository::openingRowFollowsTheOldestTransaction()
{
    Ledger ledger(10000);
    ledger.add(QStringLiteral("t2"), QDate(2024, 3, 10), QStringLiteral("Later"), -500);
    ledger.add(QStringLiteral("t1"), QDate(2024, 3, 1), QStringLiteral("Earlier"), -2500);
    ledger.add(QStringLiteral("gone"), QDate(2024, 1, 1), QStringLiteral("Deleted"), -1);
    QVERIFY(ledger.transactions.softDelete(QStringLiteral("gone")));

    const QList<RegisterRow> rows = ledger.transactions.registerRows(QStringLiteral("a"));
    QCOMPARE(payees(rows), (QStringList{"Opening Balance", "Earlier", "Later"}));
    const Transaction& opening = rows.first().transaction;
    QVERIFY(opening.id.isEmpty());
    QVERIFY(opening.accountId.isEmpty());
    QCOMPARE(opening.date, QDate(2024, 3, 1));
    QVERIFY(opening.cleared && opening.reconciled);
    QCOMPARE(opening.amount, qint64(10000));
    QCOMPARE(rows.at(0).balance, qint64(10000));
    QCOMPARE(rows.at(1).balance, qint64(7500));
    QCOMPARE(rows.at(2).balance, qint64(7000));
    QCOMPARE(ledger.transactions.accountBalance(QStringLiteral("a")), rows.last().balance);
    QCOMPARE(ledger.transactions.accountBalance(QStringLiteral("b")), qint64(0));
}

void TestTransactionRepository::openingRowWithoutTransactionsIsDatedToday()
{
    Ledger ledger(10000);
    const QList<RegisterRow> rows = ledger.transactions.registerRows(QStringLiteral("a"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().transaction.date, QDate::currentDate());
    QCOMPARE(rows.first().balance, qint64(10000));

    QVERIFY(ledger.transactions.registerRows(QStringLiteral("b")).isEmpty());
    QVERIFY(ledger.transactions.registerRows(QStringLiteral("no-such-account")).isEmpty());
}

void TestTransactionRepository::runningBalanceKeepsSameDayCreationOrder()
{
    Ledger ledger;
    Transaction first = testTransaction(QStringLiteral("z-first"), QStringLiteral("a"),
                                        QDate(2024, 5, 1), QStringLiteral("Payment"), -2000);
    Transaction second = testTransaction(QStringLiteral("a-second"), QStringLiteral("a"),
                                         QDate(2024, 5, 1), QStringLiteral("Deposit"), 5000);
    second.createdAt = first.createdAt.addSecs(1);
    // Inserted in the opposite order: creation time, not insertion or id, decides.
    QVERIFY(ledger.transactions.insert(second));
    QVERIFY(ledger.transactions.insert(first));

    const QList<RegisterRow> rows = ledger.transactions.registerRows(QStringLiteral("a"));
    QCOMPARE(payees(rows), (QStringList{"Payment", "Deposit"}));
    QCOMPARE(rows.at(0).balance, qint64(-2000));
    QCOMPARE(rows.at(1).balance, qint64(3000));
}

void TestTransactionRepository::rowsOfOneSecondKeepTheirInsertionOrder()
{
    Ledger ledger;
    const QDateTime second(QDate(2024, 5, 1), QTime(9, 30), Qt::UTC);
    // Neither id nor amount may decide between rows typed within the same second.
    for (const auto& [id, amount] : {std::pair{"m", -100}, {"z", -300}, {"a", -200}}) {
        Transaction t = testTransaction(QString::fromLatin1(id), QStringLiteral("a"),
                                        QDate(2024, 5, 1), QString::fromLatin1(id), amount);
        t.createdAt = t.updatedAt = second;
        QVERIFY(ledger.transactions.insert(t));
    }
    QCOMPARE(payees(ledger.transactions.registerRows(QStringLiteral("a"))),
             (QStringList{"m", "z", "a"}));
}

// The register of each account against the same rows read without any index (a full scan and
// a sort) and balanced here.
void TestTransactionRepository::registerRowsMatchAPlainReadingOfTheTable()
{
    Ledger ledger(125000);
    fillRandomLedger(ledger);
    for (const QString accountId : {"a", "b", "c"}) {
        QSqlQuery plain(ledger.db.database()->connection());
        plain.prepare(QStringLiteral(
            "SELECT t.id, t.date, t.amount, CASE WHEN c.parent_id IS NOT NULL THEN "
            "COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') || ' > ' "
            "|| c.name ELSE c.name END FROM transactions t NOT INDEXED LEFT JOIN categories c ON "
            "t.category_id = c.id WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY "
            "t.date ASC, t.created_at ASC, t.rowid ASC"));
        plain.addBindValue(accountId);
        QVERIFY(plain.exec());
        const qint64 starting =
            ledger.accounts.byId(accountId) ? ledger.accounts.byId(accountId)->startingBalance : 0;
        QStringList expected;
        qint64 balance = starting;
        QDate oldest;
        while (plain.next()) {
            balance += plain.value(2).toLongLong();
            if (!oldest.isValid())
                oldest = fromIsoDate(plain.value(1).toString());
            expected << QStringLiteral("%1 %2 %3 %4 [%5]")
                            .arg(plain.value(0).toString(), plain.value(1).toString())
                            .arg(plain.value(2).toLongLong())
                            .arg(balance)
                            .arg(plain.value(3).toString());
        }
        if (starting != 0)
            expected.prepend(QStringLiteral(" %1 %2 %2 []").arg(toIsoDate(oldest)).arg(starting));

        QStringList actual;
        for (const RegisterRow& row : ledger.transactions.registerRows(accountId))
            actual << QStringLiteral("%1 %2 %3 %4 [%5]")
                          .arg(row.transaction.id, toIsoDate(row.transaction.date))
                          .arg(row.transaction.amount)
                          .arg(row.balance)
                          .arg(row.categoryName);
        QVERIFY2(expected.size() > 100, qPrintable(accountId));
        QCOMPARE(actual, expected);
        // The balance is read from its own index; deleted rows must stay out of it there too.
        QCOMPARE(ledger.transactions.accountBalance(accountId), balance);
    }
}

void TestTransactionRepository::registerOutlineMatchesTheRegisterRows()
{
    Ledger ledger(125000);
    fillRandomLedger(ledger);
    // The rows after the outline was read: the register reads them by the rowids it holds.
    for (const QString accountId : {"a", "b", "c", "no-such-account"}) {
        const QList<RegisterRow> rows = ledger.transactions.registerRows(accountId);
        const RegisterOutline outline = ledger.transactions.registerOutline(accountId);
        QCOMPARE(outline.entries.size(), rows.size());

        QList<qint64> rowIds;
        for (const RegisterOutline::Entry& entry : outline.entries)
            rowIds << entry.rowId;
        const QHash<qint64, RegisterRow> read = ledger.transactions.registerRowsAt(rowIds);
        const QHash<qint64, QString> payees = ledger.transactions.registerTexts(
            accountId, TransactionRepository::RegisterText::Payee);
        const QHash<qint64, QString> categoryNames = ledger.transactions.registerTexts(
            accountId, TransactionRepository::RegisterText::CategoryName);
        const QHash<qint64, int> clearedStates =
            ledger.transactions.registerClearedStates(accountId);
        qint64 cleared = 0;
        qint64 uncleared = 0;
        for (int i = 0; i < rows.size(); ++i) {
            const RegisterRow& row = rows.at(i);
            const RegisterOutline::Entry& entry = outline.entries.at(i);
            const QString where = QStringLiteral("%1 row %2").arg(accountId).arg(i);
            QVERIFY2(entry.amount == row.transaction.amount, qPrintable(where));
            QVERIFY2(entry.balance == row.balance, qPrintable(where));
            QVERIFY2(entry.julianDay == row.transaction.date.toJulianDay(), qPrintable(where));
            (row.transaction.cleared ? cleared : uncleared) += row.transaction.amount;
            if (row.transaction.id.isEmpty()) {
                QCOMPARE(entry.rowId, RegisterOutline::openingRowId);
                continue;
            }
            QCOMPARE(read.value(entry.rowId).transaction.id, row.transaction.id);
            QCOMPARE(read.value(entry.rowId).categoryName, row.categoryName);
            QCOMPARE(payees.value(entry.rowId), row.transaction.payee);
            QCOMPARE(categoryNames.value(entry.rowId), row.categoryName);
            QCOMPARE(clearedStates.value(entry.rowId), row.transaction.cleared ? 1 : 0);
            QCOMPARE(ledger.transactions.registerRowIdOf(accountId, row.transaction.id),
                     entry.rowId);
        }
        QCOMPARE(outline.clearedTotal, cleared);
        QCOMPARE(outline.unclearedTotal, uncleared);
    }
    // Deleted rows and rows of another account have no place in the register.
    QCOMPARE(ledger.transactions.registerRowIdOf(QStringLiteral("a"), QStringLiteral("ghost")), 0);
    const QString ofB = ledger.transactions.registerRows(QStringLiteral("b")).last().transaction.id;
    QCOMPARE(ledger.transactions.registerRowIdOf(QStringLiteral("a"), ofB), 0);
}

void TestTransactionRepository::registerOutlineEndIsTheEndOfTheWhole()
{
    Ledger ledger(125000);
    fillRandomLedger(ledger);
    for (const QString accountId : {"a", "b", "c", "no-such-account"}) {
        const RegisterOutline whole = ledger.transactions.registerOutline(accountId);
        const int size = int(whole.entries.size());
        // Nothing, a few rows, all but the opening row, all of them, and more than there are.
        for (const int rows : {0, 1, 7, size - 1, size, size + 5}) {
            const RegisterOutline end = ledger.transactions.registerOutlineEnd(accountId, rows);
            const QString where = QStringLiteral("%1, %2 rows").arg(accountId).arg(rows);
            QVERIFY2(end.rowCount == size, qPrintable(where));
            QVERIFY2(end.firstIndex == size - end.entries.size(), qPrintable(where));
            QVERIFY2(end.entries.size() >= std::min(std::max(rows, 0), size), qPrintable(where));
            QVERIFY2(end.clearedTotal == whole.clearedTotal, qPrintable(where));
            QVERIFY2(end.unclearedTotal == whole.unclearedTotal, qPrintable(where));
            for (qsizetype i = 0; i < end.entries.size(); ++i) {
                const RegisterOutline::Entry& expected = whole.entries.at(end.firstIndex + i);
                const RegisterOutline::Entry& actual = end.entries.at(i);
                QVERIFY2(actual.rowId == expected.rowId && actual.amount == expected.amount &&
                             actual.balance == expected.balance &&
                             actual.julianDay == expected.julianDay,
                         qPrintable(QStringLiteral("%1, entry %2").arg(where).arg(i)));
            }
        }
    }
}

// A row counts as the opening balance only as it was stored for one: cleared and reconciled,
// not split, no transfer, live, in the account; of several, the first in register order.
void TestTransactionRepository::firstOpeningTransactionIsStoredAsAnOpening_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("found");
    QTest::newRow("as stored") << ""
                               << "open";
    QTest::newRow("deleted") << "UPDATE transactions SET deleted_at = 'x' WHERE id = 'open'"
                             << "";
    QTest::newRow("not cleared") << "UPDATE transactions SET cleared = 0 WHERE id = 'open'"
                                 << "";
    QTest::newRow("not reconciled") << "UPDATE transactions SET reconciled = 0 WHERE id = 'open'"
                                    << "";
    QTest::newRow("split") << "UPDATE transactions SET is_split = 1 WHERE id = 'open'"
                           << "";
    QTest::newRow("transfer") << "UPDATE transactions SET transfer_link_id = 'x' WHERE id = 'open'"
                              << "";
    QTest::newRow("other payee") << "UPDATE transactions SET payee = 'Opening' WHERE id = 'open'"
                                 << "";
    QTest::newRow("translated payee")
        << "UPDATE transactions SET payee = 'Saldo inicial' WHERE id = 'open'"
        << "open";
    QTest::newRow("earlier one")
        << "UPDATE transactions SET date = '2024-01-01', cleared = 1, reconciled = 1 WHERE id = "
           "'later'"
        << "later";
}

void TestTransactionRepository::firstOpeningTransactionIsStoredAsAnOpening()
{
    QFETCH(QString, change);
    QFETCH(QString, found);
    Ledger ledger;
    Transaction opening =
        testTransaction(QStringLiteral("open"), QStringLiteral("a"), QDate(2024, 2, 1),
                        QStringLiteral("Opening Balance"), 900);
    opening.cleared = opening.reconciled = true;
    QVERIFY(ledger.transactions.insert(opening));
    ledger.add(QStringLiteral("later"), QDate(2024, 3, 1), QStringLiteral("Opening Balance"), 5);
    ledger.add(QStringLiteral("elsewhere"), QDate(2023, 1, 1), QStringLiteral("Opening Balance"), 7,
               QStringLiteral("b"));
    // An opening row of another account, older than any of this one's.
    ledger.db.exec(QStringLiteral(
        "UPDATE transactions SET cleared = 1, reconciled = 1 WHERE id = 'elsewhere'"));
    if (!change.isEmpty())
        ledger.db.exec(change);
    const QStringList payees = {QStringLiteral("Opening Balance"), QStringLiteral("Saldo inicial")};
    const std::optional<Transaction> first =
        ledger.transactions.firstOpeningTransaction(QStringLiteral("a"), payees);
    QCOMPARE(first ? first->id : QString(), found);
}

void TestTransactionRepository::distinctPayeesMatchAPlainReadingOfTheTable()
{
    {
        Ledger empty;
        QVERIFY(empty.transactions.distinctPayees().isEmpty());
    }
    Ledger ledger;
    fillRandomLedger(ledger);
    QSqlQuery plain(QStringLiteral("SELECT DISTINCT payee FROM transactions NOT INDEXED WHERE "
                                   "deleted_at IS NULL AND payee != '' ORDER BY payee"),
                    ledger.db.database()->connection());
    QStringList expected;
    while (plain.next())
        expected << plain.value(0).toString();
    QCOMPARE(expected.size(), 6);
    QCOMPARE(ledger.transactions.distinctPayees(), expected);
}

// The register's rows come from their index already in order (no sort), and the payee list
// seeks from payee to payee, whether or not SQLite has gathered statistics on the table.
void TestTransactionRepository::queriesUseTheirIndexes_data()
{
    QTest::addColumn<bool>("analyzed");
    QTest::newRow("fresh file") << false;
    QTest::newRow("after ANALYZE") << true;
}

void TestTransactionRepository::queriesUseTheirIndexes()
{
    QFETCH(bool, analyzed);
    Ledger ledger;
    fillRandomLedger(ledger);
    if (analyzed)
        ledger.db.exec(QStringLiteral("ANALYZE"));

    const QString registerPlan =
        queryPlan(ledger, TransactionRepository::registerRowsQuery(), {QStringLiteral("a")});
    QVERIFY2(
        registerPlan.contains(QStringLiteral("USING INDEX idx_transactions_account_live_date")),
        qPrintable(registerPlan));
    QVERIFY2(!registerPlan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(registerPlan));

    // The outline reads index entries alone, the order without a sort.
    const QList<QPair<QString, QString>> outlineQueries = {
        {TransactionRepository::registerOrderQuery(), "idx_transactions_account_live_date"},
        {TransactionRepository::registerTotalsQuery(), "idx_transactions_live_account_amount"},
        {TransactionRepository::registerAmountsQuery(), "idx_transactions_live_account_amount"},
        {TransactionRepository::unclearedTotalQuery(), "idx_transactions_live_uncleared"},
    };
    for (const auto& [sql, index] : outlineQueries) {
        const QString plan = queryPlan(ledger, sql, {QStringLiteral("a")});
        QVERIFY2(plan.contains(QStringLiteral("USING COVERING INDEX ") + index), qPrintable(plan));
        QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
    }
    // The end of the outline reads the register's index backwards, without a sort.
    const QString endPlan =
        queryPlan(ledger, TransactionRepository::registerEndQuery(300), {QStringLiteral("a")});
    QVERIFY2(endPlan.contains(QStringLiteral("USING INDEX idx_transactions_account_live_date")),
             qPrintable(endPlan));
    QVERIFY2(!endPlan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(endPlan));

    const QString balancePlan =
        queryPlan(ledger, TransactionRepository::accountBalanceQuery(), {QStringLiteral("a")});
    QVERIFY2(balancePlan.contains(
                 QStringLiteral("USING COVERING INDEX idx_transactions_live_account_amount")),
             qPrintable(balancePlan));

    const QString payeePlan = queryPlan(ledger, TransactionRepository::distinctPayeesQuery(), {});
    QVERIFY2(payeePlan.contains(QStringLiteral("idx_transactions_live_payee")),
             qPrintable(payeePlan));
    QVERIFY2(!payeePlan.contains(QRegularExpression(QStringLiteral("SCAN (t|transactions)\\b"))),
             qPrintable(payeePlan));
    QVERIFY2(!payeePlan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(payeePlan));
}

void TestTransactionRepository::categoryNamesShowTheirParent()
{
    Ledger ledger;
    QVERIFY(ledger.categories.insert(
        testCategory(QStringLiteral("auto"), QStringLiteral("Transportation"))));
    QVERIFY(ledger.categories.insert(
        testCategory(QStringLiteral("fuel"), QStringLiteral("Gas/Fuel"), QStringLiteral("auto"))));
    QVERIFY(
        ledger.categories.insert(testCategory(QStringLiteral("old"), QStringLiteral("Retired"))));
    QVERIFY(ledger.categories.softDelete(QStringLiteral("old")));

    const auto addWithCategory = [&ledger](const char* id, const char* categoryId) {
        Transaction t = testTransaction(QString::fromLatin1(id), QStringLiteral("a"),
                                        QDate(2024, 1, 1), QString::fromLatin1(id), -100);
        t.categoryId = QString::fromLatin1(categoryId);
        t.createdAt =
            t.createdAt.addSecs(ledger.transactions.listByAccount(QStringLiteral("a")).size());
        QVERIFY(ledger.transactions.insert(t));
    };
    addWithCategory("child", "fuel");
    addWithCategory("top", "auto");
    addWithCategory("deleted-category", "old");
    addWithCategory("none", "");

    QStringList names;
    for (const RegisterRow& row : ledger.transactions.registerRows(QStringLiteral("a")))
        names << row.categoryName;
    QCOMPARE(names, (QStringList{"Transportation > Gas/Fuel", "Transportation", "Retired", ""}));
}

void TestTransactionRepository::emptyCategoryIsStoredAsNull()
{
    Ledger ledger;
    ledger.add(QStringLiteral("t"), QDate(2024, 1, 1), QStringLiteral("P"), -1);
    QCOMPARE(
        ledger.db.scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(),
        1);
}

void TestTransactionRepository::missingAccountFailsWithItsWarning()
{
    Ledger ledger;
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!ledger.transactions.insert(testTransaction(
        QStringLiteral("t"), QStringLiteral("ghost"), QDate(2024, 1, 1), QStringLiteral("P"), -1)));
    QCOMPARE(changed.count(), 0);
}

void TestTransactionRepository::reusedWriteStatementsStartClean()
{
    // Writes reuse one prepared statement per SQL text: a failure must not stick to it, no
    // value may leak from one write into the next, and nothing may stay in progress.
    Ledger ledger;
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(
        !ledger.transactions.insert(testTransaction(QStringLiteral("t0"), QStringLiteral("ghost"),
                                                    QDate(2024, 1, 1), QStringLiteral("P"), -1)));
    Transaction first = testTransaction(QStringLiteral("t1"), QStringLiteral("a"),
                                        QDate(2024, 1, 2), QStringLiteral("First"), -200);
    first.memo = QStringLiteral("note");
    QVERIFY(ledger.transactions.insert(first));
    QVERIFY(ledger.transactions.insert(testTransaction(QStringLiteral("t2"), QStringLiteral("b"),
                                                       QDate(2024, 1, 3), QStringLiteral("Second"),
                                                       300)));
    QCOMPARE(ledger.db
                 .scalar(QStringLiteral("SELECT account_id || payee || amount || "
                                        "COALESCE(memo, '-') FROM transactions WHERE id = 't2'"))
                 .toString(),
             QStringLiteral("bSecond300-"));
    QCOMPARE(ledger.transactions.softDeleteByAccount(QStringLiteral("a")), 1);
    QCOMPARE(ledger.transactions.softDeleteByAccount(QStringLiteral("a")), 0);
    ledger.db.exec(QStringLiteral("VACUUM")); // fails while a statement is still in progress
}

void TestTransactionRepository::updateNeverMovesAnAccount()
{
    Ledger ledger;
    Transaction t =
        ledger.add(QStringLiteral("t"), QDate(2024, 1, 1), QStringLiteral("Rent"), -100);
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    t.accountId = QStringLiteral("b");
    t.payee = QStringLiteral("Rent March");
    t.createdAt = t.createdAt.addDays(-1);
    QVERIFY(ledger.transactions.update(t));

    const std::optional<Transaction> stored = ledger.transactions.byId(QStringLiteral("t"));
    QCOMPARE(stored->accountId, QStringLiteral("a"));
    QCOMPARE(stored->payee, QStringLiteral("Rent March"));
    QCOMPARE(stored->createdAt, t.createdAt.addDays(1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("b"));
}

void TestTransactionRepository::cascadeDeleteAndRestoreWithMargin()
{
    Ledger ledger;
    ledger.add(QStringLiteral("early"), QDate(2024, 1, 1), QStringLiteral("Deleted earlier"), -1);
    ledger.add(QStringLiteral("t1"), QDate(2024, 1, 2), QStringLiteral("One"), -1);
    ledger.add(QStringLiteral("t2"), QDate(2024, 1, 3), QStringLiteral("Two"), -1);
    ledger.add(QStringLiteral("other"), QDate(2024, 1, 3), QStringLiteral("Other account"), -1,
               QStringLiteral("b"));
    // Deleted on its own long before the account went: the restore must leave it deleted.
    ledger.db.exec(QStringLiteral(
        "UPDATE transactions SET deleted_at = '2000-01-01T00:00:00Z' WHERE id = 'early'"));

    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(ledger.transactions.softDeleteByAccount(QStringLiteral("a")), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("a"));
    QCOMPARE(ledger.transactions.softDeleteByAccount(QStringLiteral("a")), 0);
    QCOMPARE(changed.count(), 1);

    const QString since = toIsoTimestamp(nowUtc().addSecs(-10));
    QCOMPARE(ledger.transactions.restoreByAccount(QStringLiteral("a"), since), 2);
    QCOMPARE(payees(ledger.transactions.registerRows(QStringLiteral("a"))),
             (QStringList{"One", "Two"}));
    QCOMPARE(ledger.transactions.restoreByAccount(QStringLiteral("a"), since), 0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(ledger.transactions.listByAccount(QStringLiteral("b")).size(), 1);
}

void TestTransactionRepository::softDeleteOfUnknownIdRunsNothing()
{
    Ledger ledger;
    QSignalSpy changed(&ledger.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(!ledger.transactions.softDelete(QStringLiteral("nothing")));
    QCOMPARE(changed.count(), 0);
}

void TestTransactionRepository::fullTextQueryBuilder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::newRow("punctuation separates") << "Acme, Inc."
                                           << "Acme* Inc*";
    QTest::newRow("digits count") << "check 1042"
                                  << "check* 1042*";
    QTest::newRow("operators are not passed on") << "\"coffee\" OR -tea"
                                                 << "coffee* OR* tea*";
    QTest::newRow("accented letters") << "Café"
                                      << "Café*";
    QTest::newRow("nothing searchable") << "--"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTransactionRepository::fullTextQueryBuilder()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QCOMPARE(TransactionRepository::fullTextQuery(text), query);
}

void TestTransactionRepository::searchMatchesWordPrefixes()
{
    Ledger ledger;
    ledger.add(QStringLiteral("shop"), QDate(2024, 1, 1), QStringLiteral("Coffee Shop"), -450);
    Transaction beans = testTransaction(QStringLiteral("beans"), QStringLiteral("a"),
                                        QDate(2024, 1, 2), QStringLiteral("Market"), -1200);
    beans.memo = QStringLiteral("coffee beans");
    QVERIFY(ledger.transactions.insert(beans));
    ledger.add(QStringLiteral("tea"), QDate(2024, 1, 3), QStringLiteral("Tea House"), -300);
    ledger.add(QStringLiteral("gone"), QDate(2024, 1, 4), QStringLiteral("Coffee Cart"), -300);
    QVERIFY(ledger.transactions.softDelete(QStringLiteral("gone")));

    QCOMPARE(payees(ledger.transactions.search(QStringLiteral("coffee"))),
             (QStringList{"Market", "Coffee Shop"}));
    QCOMPARE(payees(ledger.transactions.search(QStringLiteral("COF"))),
             (QStringList{"Market", "Coffee Shop"}));
    QVERIFY(ledger.transactions.search(QStringLiteral("ee")).isEmpty());
    QCOMPARE(payees(ledger.transactions.search(QStringLiteral("coffee sh"))),
             QStringList{"Coffee Shop"});
    QCOMPARE(ledger.transactions.search(QStringLiteral("coffee")).first().balance, qint64(0));
}

void TestTransactionRepository::searchCombinesFilters()
{
    Ledger ledger;
    QVERIFY(ledger.categories.insert(
        testCategory(QStringLiteral("food"), QStringLiteral("Groceries"))));
    const auto add = [&ledger](const char* id, const char* account, int day, bool cleared,
                               const char* category) {
        Transaction t = testTransaction(QString::fromLatin1(id), QString::fromLatin1(account),
                                        QDate(2024, 2, day),
                                        QStringLiteral("Market %1").arg(QLatin1String(id)), -100);
        t.cleared = cleared;
        t.categoryId = QString::fromLatin1(category);
        QVERIFY(ledger.transactions.insert(t));
    };
    add("hit", "a", 10, true, "food");
    add("other-account", "b", 10, true, "food");
    add("too-early", "a", 1, true, "food");
    add("too-late", "a", 28, true, "food");
    add("uncleared", "a", 10, false, "food");
    add("no-category", "a", 10, true, "");

    SearchFilter filter;
    filter.accountId = QStringLiteral("a");
    filter.categoryId = QStringLiteral("food");
    filter.fromDate = QDate(2024, 2, 5);
    filter.toDate = QDate(2024, 2, 20);
    filter.cleared = true;
    const QList<RegisterRow> rows = ledger.transactions.search(QStringLiteral("market"), filter);
    QCOMPARE(payees(rows), QStringList{"Market hit"});
    QCOMPARE(rows.first().categoryName, QStringLiteral("Groceries"));
    filter.cleared = false;
    QCOMPARE(payees(ledger.transactions.search(QString(), filter)),
             QStringList{"Market uncleared"});
}

void TestTransactionRepository::searchCapsAtTwoHundredNewestRows()
{
    Ledger ledger;
    ledger.db.database()->connection().transaction();
    for (int i = 0; i < 250; ++i)
        ledger.add(QStringLiteral("t%1").arg(i), QDate(2020, 1, 1).addDays(i),
                   QStringLiteral("Row %1").arg(i), -1);
    ledger.db.database()->connection().commit();
    ledger.add(QStringLiteral("elsewhere"), QDate(2030, 1, 1), QStringLiteral("Other"), -1,
               QStringLiteral("b"));

    SearchFilter onlyA;
    onlyA.accountId = QStringLiteral("a");
    const QList<RegisterRow> rows = ledger.transactions.search(QStringLiteral("--"), onlyA);
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows.first().transaction.payee, QStringLiteral("Row 249"));
    QCOMPARE(rows.last().transaction.payee, QStringLiteral("Row 50"));
}

void TestTransactionRepository::payeeLookups()
{
    Ledger ledger;
    ledger.add(QStringLiteral("old"), QDate(2024, 1, 1), QStringLiteral("Grocer"), -100);
    ledger.add(QStringLiteral("new"), QDate(2024, 2, 1), QStringLiteral("Grocer"), -200);
    ledger.add(QStringLiteral("savings"), QDate(2024, 3, 1), QStringLiteral("Grocer"), -300,
               QStringLiteral("b"));
    ledger.add(QStringLiteral("apple"), QDate(2024, 3, 1), QStringLiteral("apple store"), -1);
    ledger.add(QStringLiteral("empty"), QDate(2024, 3, 1), QString(""), -1);

    QCOMPARE(ledger.transactions.lastForPayee(QStringLiteral("Grocer"), QStringLiteral("a"))->id,
             QStringLiteral("new"));
    QVERIFY(!ledger.transactions.lastForPayee(QStringLiteral("grocer"), QStringLiteral("a")));
    QCOMPARE(ledger.transactions.distinctPayees(), (QStringList{"Grocer", "apple store"}));
}

void TestTransactionRepository::unreconciledAndPending()
{
    Ledger ledger;
    Transaction reconciled =
        ledger.add(QStringLiteral("r"), QDate(2024, 1, 1), QStringLiteral("Done"), -1);
    reconciled.reconciled = true;
    reconciled.syncStatus = SyncStatus::Synced;
    QVERIFY(ledger.transactions.update(reconciled));
    ledger.add(QStringLiteral("u"), QDate(2024, 1, 2), QStringLiteral("Open"), -1);
    ledger.add(QStringLiteral("d"), QDate(2024, 1, 3), QStringLiteral("Deleted"), -1);
    QVERIFY(ledger.transactions.softDelete(QStringLiteral("d")));

    QCOMPARE(ledger.transactions.unreconciled(QStringLiteral("a")).size(), 1);
    QStringList pendingIds;
    for (const Transaction& t : ledger.transactions.pending())
        pendingIds << t.id;
    pendingIds.sort();
    QCOMPARE(pendingIds, (QStringList{"d", "u"}));
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
