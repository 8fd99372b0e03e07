#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestCategoryRepositories : public QObject
{
    Q_OBJECT

private slots:
    void categoriesListByNameAcrossLevels();
    void topLevelParentIsStoredAsNull();
    void unknownParentFailsOnTheForeignKey();
    void byNameIsExact();
    void fullPathWalksUpTheTree();
    void softDeleteLeavesChildrenAlone();
    void splitLinesAreReplacedAsASet();
    void preferencesUpsertAndBooleans_data();
    void preferencesUpsertAndBooleans();
    void preferencesAnnounceEverySet();
};

void TestCategoryRepositories::categoriesListByNameAcrossLevels()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    QVERIFY(categories.insert(testCategory(QStringLiteral("ins"), QStringLiteral("Insurance"))));
    QVERIFY(
        categories.insert(testCategory(QStringLiteral("fees"), QStringLiteral("Fees & Charges"))));
    QVERIFY(categories.insert(
        testCategory(QStringLiteral("bank"), QStringLiteral("Bank Fees"), QStringLiteral("fees"))));
    QVERIFY(categories.insert(
        testCategory(QStringLiteral("auto"), QStringLiteral("Auto"), QStringLiteral("ins"))));
    QStringList names;
    for (const Category& category : categories.listAll())
        names << category.name;
    QCOMPARE(names, (QStringList{"Auto", "Bank Fees", "Fees & Charges", "Insurance"}));
    QCOMPARE(categories.count(), 4);
}

void TestCategoryRepositories::topLevelParentIsStoredAsNull()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    Category category = testCategory(QStringLiteral("top"), QStringLiteral("Top"));
    category.categoryType = CategoryType::Transfer;
    QVERIFY(categories.insert(category));
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories"))
            .toInt(),
        1);
    QCOMPARE(categories.byId(QStringLiteral("top"))->categoryType, CategoryType::Transfer);
    QCOMPARE(db.scalar(QStringLiteral("SELECT category_type FROM categories")).toString(),
             QStringLiteral("transfer"));
}

void TestCategoryRepositories::unknownParentFailsOnTheForeignKey()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    QSignalSpy changed(&categories, &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^CategoryRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!categories.insert(
        testCategory(QStringLiteral("orphan"), QStringLiteral("Orphan"), QStringLiteral("ghost"))));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(categories.count(), 0);
}

void TestCategoryRepositories::byNameIsExact()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    QVERIFY(categories.insert(testCategory(QStringLiteral("g"), QStringLiteral("Groceries"))));
    QVERIFY(categories.byName(QStringLiteral("Groceries")));
    QVERIFY(!categories.byName(QStringLiteral("groceries")));
    QVERIFY(categories.softDelete(QStringLiteral("g")));
    QVERIFY(!categories.byName(QStringLiteral("Groceries")));
}

void TestCategoryRepositories::fullPathWalksUpTheTree()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    QVERIFY(categories.insert(testCategory(QStringLiteral("g"), QStringLiteral("Home"))));
    QVERIFY(categories.insert(
        testCategory(QStringLiteral("p"), QStringLiteral("Utilities"), QStringLiteral("g"))));
    QVERIFY(categories.insert(
        testCategory(QStringLiteral("c"), QStringLiteral("Water"), QStringLiteral("p"))));
    QCOMPARE(categories.fullPath(QStringLiteral("c")), QStringLiteral("Home > Utilities > Water"));
    QCOMPARE(categories.fullPath(QStringLiteral("g")), QStringLiteral("Home"));
    QCOMPARE(categories.fullPath(QStringLiteral("missing")), QString());

    QVERIFY(categories.softDelete(QStringLiteral("p")));
    QCOMPARE(categories.fullPath(QStringLiteral("c")), QStringLiteral("Home > Utilities > Water"));

    // A cycle in synchronised data must not hang the details dialog.
    db.exec(QStringLiteral("UPDATE categories SET parent_id = 'c' WHERE id = 'g'"));
    QCOMPARE(categories.fullPath(QStringLiteral("c")).split(QStringLiteral(" > ")).size(), 16);
}

void TestCategoryRepositories::softDeleteLeavesChildrenAlone()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    QVERIFY(categories.insert(testCategory(QStringLiteral("p"), QStringLiteral("Parent"))));
    QVERIFY(categories.insert(
        testCategory(QStringLiteral("c"), QStringLiteral("Child"), QStringLiteral("p"))));
    QSignalSpy changed(&categories, &CategoryRepository::categoriesChanged);
    QVERIFY(categories.softDelete(QStringLiteral("p")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(categories.count(), 1);
    QCOMPARE(categories.byId(QStringLiteral("c"))->parentId, QStringLiteral("p"));
    QCOMPARE(categories.pending().size(), 2);
}

void TestCategoryRepositories::splitLinesAreReplacedAsASet()
{
    TestDatabase db;
    AccountRepository accounts(db.database());
    CategoryRepository categories(db.database());
    TransactionRepository transactions(db.database());
    SplitLineRepository splits(db.database());
    QVERIFY(accounts.insert(testAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(categories.insert(testCategory(QStringLiteral("food"), QStringLiteral("Food"))));
    QVERIFY(categories.insert(testCategory(QStringLiteral("home"), QStringLiteral("Home"))));
    QVERIFY(
        transactions.insert(testTransaction(QStringLiteral("t"), QStringLiteral("a"),
                                            QDate(2024, 1, 1), QStringLiteral("Store"), -3000)));
    QVERIFY(splits.deleteForTransaction(QStringLiteral("t")));

    const auto line = [](const char* id, const char* category, qint64 amount) {
        SplitLine split;
        split.id = QString::fromLatin1(id);
        split.transactionId = QStringLiteral("t");
        split.categoryId = QString::fromLatin1(category);
        split.amount = amount;
        split.memo = QStringLiteral("memo %1").arg(QLatin1String(id));
        split.createdAt = split.updatedAt = nowUtc();
        return split;
    };
    QVERIFY(splits.insert(line("s2", "home", -1000)));
    QVERIFY(splits.insert(line("s1", "food", -2000)));
    QList<SplitLine> stored = splits.listForTransaction(QStringLiteral("t"));
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored.first().id, QStringLiteral("s2"));
    QCOMPARE(stored.last().amount, qint64(-2000));
    QCOMPARE(stored.last().memo, QStringLiteral("memo s1"));

    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed:")));
    QVERIFY(!splits.insert(line("s3", "ghost", -1)));

    QVERIFY(splits.deleteForTransaction(QStringLiteral("t")));
    QVERIFY(splits.listForTransaction(QStringLiteral("t")).isEmpty());
}

void TestCategoryRepositories::preferencesUpsertAndBooleans_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one") << "1" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("upper-case TRUE") << "TRUE" << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCategoryRepositories::preferencesUpsertAndBooleans()
{
    QFETCH(QString, stored);
    QFETCH(bool, expected);
    TestDatabase db;
    PreferencesRepository preferences(db.database());
    QCOMPARE(preferences.getBool(QStringLiteral("flag"), true), true);
    QCOMPARE(preferences.getBool(QStringLiteral("flag"), false), false);
    QVERIFY(preferences.set(QStringLiteral("flag"), QStringLiteral("something else")));
    QVERIFY(preferences.set(QStringLiteral("flag"), stored));
    QCOMPARE(preferences.getBool(QStringLiteral("flag"), !expected), expected);
    QCOMPARE(preferences.get(QStringLiteral("flag"), QStringLiteral("default")), stored);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);
}

void TestCategoryRepositories::preferencesAnnounceEverySet()
{
    TestDatabase db;
    PreferencesRepository preferences(db.database());
    QSignalSpy changed(&preferences, &PreferencesRepository::changed);
    QVERIFY(preferences.setInt(QStringLiteral("fontScale"), 120));
    QVERIFY(preferences.setInt(QStringLiteral("fontScale"), 120));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("fontScale"));
    QCOMPARE(preferences.get(QStringLiteral("fontScale")), QStringLiteral("120"));

    QVERIFY(preferences.setBool(QStringLiteral("registerTwoLine"), true));
    QCOMPARE(preferences.get(QStringLiteral("registerTwoLine")), QStringLiteral("1"));

    db.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('nothing', NULL)"));
    QCOMPARE(preferences.getOptional(QStringLiteral("nothing")), std::optional<QString>(QString()));
    QVERIFY(!preferences.getOptional(QStringLiteral("absent")));

    QVERIFY(preferences.remove(QStringLiteral("fontScale")));
    QCOMPARE(preferences.get(QStringLiteral("fontScale"), QStringLiteral("100")),
             QStringLiteral("100"));
    QCOMPARE(changed.count(), 3);
}

QTEST_GUILESS_MAIN(TestCategoryRepositories)
#include "tst_categoryrepositories.moc"
