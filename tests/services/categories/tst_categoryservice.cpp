#include "app/core/ids.h"
#include "data/categoryrepository.h"
#include "services/categories/categoryservice.h"
#include "tests/common/testdatabase.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

class TestCategoryService : public QObject
{
    Q_OBJECT

private:
    static QStringList ids(const TestDatabase& db)
    {
        QStringList result;
        QSqlQuery query(QStringLiteral("SELECT id FROM categories ORDER BY rowid"),
                        db.database()->connection());
        while (query.next())
            result << query.value(0).toString();
        return result;
    }

private slots:
    void seedsTheDefaultTree();
    void idsAreTheSameOnEveryInstallation();
    void liveCategoryPreventsSeeding();
    void allDeletedSeedsAgainButAddsNothing();
    void userCategoriesCarryTheBookkeeping();
};

void TestCategoryService::seedsTheDefaultTree()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    CategoryService service(&categories);
    service.ensureDefaultCategories();

    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 56);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE parent_id IS NULL"))
                 .toInt(),
             29);
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE parent_id IS NOT NULL"))
            .toInt(),
        27);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE is_default = 1 AND "
                                      "sync_status = 'pending' AND version = 1"))
                 .toInt(),
             56);
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE category_type = 'income'"))
            .toInt(),
        8);

    QSqlQuery tax(
        QStringLiteral(
            "SELECT name, tax_category FROM categories WHERE is_tax_relevant = 1 ORDER BY rowid"),
        db.database()->connection());
    QStringList taxLines;
    while (tax.next())
        taxLines << tax.value(0).toString() + QLatin1Char('=') + tax.value(1).toString();
    QCOMPARE(taxLines,
             (QStringList{"Charitable Donations=charitable_contributions",
                          "Medical Expenses=medical_dental", "Business Expenses=business_expense",
                          "Home Office=home_office", "Education Expenses=education",
                          "State & Local Taxes=salt", "Mortgage Interest=mortgage_interest",
                          "Property Tax=schedule_a_property_tax", "Interest Income=interest_income",
                          "Dividend Income=dividend_income", "Rental Income=rental_income",
                          "Freelance / Consulting=self_employment"}));

    QCOMPARE(ids(db).first(), QStringLiteral("7f07774b-f677-5f76-9b37-c190c8a585bd"));
    QCOMPARE(categories.fullPath(nameBasedId(
                 dnsNamespace(), QStringLiteral("expense:Housing:Rent/Mortgage Payment"))),
             QStringLiteral("Housing > Rent/Mortgage Payment"));
    QCOMPARE(categories.fullPath(nameBasedId(
                 dnsNamespace(), QStringLiteral("expense:Business Expenses:Home Office"))),
             QStringLiteral("Business Expenses > Home Office"));
    QVERIFY(categories.byId(nameBasedId(dnsNamespace(), QStringLiteral("income::Salary / Wages"))));

    const QString housingMaintenance =
        nameBasedId(dnsNamespace(), QStringLiteral("expense:Housing:Maintenance"));
    const QString carMaintenance =
        nameBasedId(dnsNamespace(), QStringLiteral("expense:Transportation:Maintenance"));
    QVERIFY(housingMaintenance != carMaintenance);
    QCOMPARE(categories.fullPath(housingMaintenance), QStringLiteral("Housing > Maintenance"));
    QCOMPARE(categories.fullPath(carMaintenance), QStringLiteral("Transportation > Maintenance"));
}

void TestCategoryService::idsAreTheSameOnEveryInstallation()
{
    QStringList first;
    {
        TestDatabase db;
        CategoryRepository categories(db.database());
        CategoryService(&categories).ensureDefaultCategories();
        first = ids(db);
    }
    TestDatabase db;
    CategoryRepository categories(db.database());
    CategoryService(&categories).ensureDefaultCategories();
    QCOMPARE(ids(db), first);
    QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 56);
}

void TestCategoryService::liveCategoryPreventsSeeding()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                           "('mine', 'Mine', 'x', 'x')"));
    CategoryRepository categories(db.database());
    CategoryService(&categories).ensureDefaultCategories();
    QCOMPARE(categories.count(), 1);
}

void TestCategoryService::allDeletedSeedsAgainButAddsNothing()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    CategoryService service(&categories);
    service.ensureDefaultCategories();
    db.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"));

    for (int i = 0; i < 56; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^CategoryRepository::insert failed:")));
    service.ensureDefaultCategories();
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 56);
    QCOMPARE(categories.count(), 0);
}

// The user's own categories: a new one at version 1, an edit keeping its version, a deletion
// marking the one row while its subcategory keeps pointing at it.
void TestCategoryService::userCategoriesCarryTheBookkeeping()
{
    TestDatabase db;
    CategoryRepository categories(db.database());
    CategoryService service(&categories);
    Category food;
    food.name = QStringLiteral("Food");
    food.version = 4;
    food.syncStatus = SyncStatus::Synced;
    QVERIFY(service.add(food));
    const Category stored = *categories.byName(QStringLiteral("Food"));
    QCOMPARE(stored.id.size(), 36);
    QCOMPARE(stored.version, 1);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QVERIFY(stored.createdAt.isValid());

    Category dining;
    dining.id = QStringLiteral("dining");
    dining.name = QStringLiteral("Dining");
    dining.parentId = stored.id;
    QVERIFY(service.add(dining));

    db.exec(QStringLiteral("UPDATE categories SET version = 3, sync_status = 'synced', "
                           "updated_at = '2024-01-01T00:00:00Z'"));
    Category renamed = *categories.byId(QStringLiteral("dining"));
    renamed.name = QStringLiteral("Eating Out");
    QVERIFY(service.edit(renamed));
    const Category edited = *categories.byId(QStringLiteral("dining"));
    QCOMPARE(edited.name, QStringLiteral("Eating Out"));
    QCOMPARE(edited.version, 3);
    QCOMPARE(edited.syncStatus, SyncStatus::Pending);
    QVERIFY(edited.updatedAt > QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));

    QVERIFY(service.remove(stored.id));
    QVERIFY(categories.byId(stored.id)->isDeleted());
    QCOMPARE(categories.byId(QStringLiteral("dining"))->parentId, stored.id);
    QVERIFY(!categories.byId(QStringLiteral("dining"))->isDeleted());
}

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
