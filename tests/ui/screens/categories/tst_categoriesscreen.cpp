#include "data/categoryrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/categories/categoriesscreen.h"
#include "ui/screens/categories/categorytreemodel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace {

// Each top-level name followed by its children in brackets: "Food[Dining,Groceries]".
QString outline(const QAbstractItemModel* model, const QModelIndex& parent = {})
{
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        QString name = index.data().toString();
        if (model->rowCount(index) > 0)
            name += QLatin1Char('[') + outline(model, index) + QLatin1Char(']');
        names << name;
    }
    return names.join(QLatin1Char(','));
}

// A screen over "Food" with "Groceries" and "Dining", and "Salary"; no default categories.
struct Categories
{
    TestApp app;
    CategoriesScreen screen{app.state()};

    Categories()
    {
        CategoryRepository* categories = app.state()->categoryRepository();
        for (const Category& category : categories->listAll())
            categories->softDelete(category.id);
        categories->insert(testCategory(QStringLiteral("food"), QStringLiteral("Food")));
        categories->insert(
            testCategory(QStringLiteral("groceries"), QStringLiteral("Groceries"), "food"));
        categories->insert(
            testCategory(QStringLiteral("dining"), QStringLiteral("Dining"), "food"));
        Category salary = testCategory(QStringLiteral("salary"), QStringLiteral("Salary"));
        salary.categoryType = CategoryType::Income;
        categories->insert(salary);
        screen.reload();
        screen.show();
    }

    QModelIndex indexOf(const QString& name) const
    {
        const QModelIndexList found =
            screen.tree()->model()->match(screen.tree()->model()->index(0, 0), Qt::DisplayRole,
                                          name, 1, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0);
    }

    // The texts of the context menu opened on the row of `name` (anywhere else when empty).
    QStringList contextMenuOn(const QString& name)
    {
        QTreeView* tree = screen.tree();
        const QPoint position = name.isEmpty() ? QPoint(5, tree->viewport()->height() - 5)
                                               : tree->visualRect(indexOf(name)).center();
        QStringList entries;
        QTimer::singleShot(50, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                entries << (action->isSeparator() ? QStringLiteral("—") : action->text());
            menu->close();
        });
        emit tree->customContextMenuRequested(position);
        return entries;
    }
};

} // namespace

Q_DECLARE_METATYPE(Category)

class TestCategoriesScreen : public QObject
{
    Q_OBJECT

private slots:
    void treeTakesParentsFromTheList_data();
    void treeTakesParentsFromTheList();
    void modelShowsTypeAndTaxCode();
    void filteringByAChildShowsItUnderItsParent();
    void contextMenuOffersSubcategoriesOnTopLevelOnly_data();
    void contextMenuOffersSubcategoriesOnTopLevelOnly();
    void newSubcategoryIsStoredAndShownUnderItsParent();
    void deletingAsksFirst();
};

void TestCategoriesScreen::treeTakesParentsFromTheList_data()
{
    QTest::addColumn<QList<Category>>("categories");
    QTest::addColumn<QString>("tree");

    QTest::newRow("children under their parent, in list order")
        << QList<Category>{testCategory("food", "Food"), testCategory("groc", "Groceries", "food"),
                           testCategory("din", "Dining", "food"), testCategory("pay", "Pay")}
        << QStringLiteral("Food[Groceries,Dining],Pay");
    QTest::newRow("child listed before its parent")
        << QList<Category>{testCategory("din", "Dining", "food"), testCategory("food", "Food")}
        << QStringLiteral("Food[Dining]");
    QTest::newRow("parent not loaded: on top")
        << QList<Category>{testCategory("din", "Dining", "gone"), testCategory("pay", "Pay")}
        << QStringLiteral("Dining,Pay");
    QTest::newRow("parents in a loop: both on top")
        << QList<Category>{testCategory("a", "A", "b"), testCategory("b", "B", "a"),
                           testCategory("c", "C", "a")}
        << QStringLiteral("A[C],B");
    QTest::newRow("its own parent: on top")
        << QList<Category>{testCategory("a", "A", "a")} << QStringLiteral("A");
}

void TestCategoriesScreen::treeTakesParentsFromTheList()
{
    QFETCH(QList<Category>, categories);
    QFETCH(QString, tree);
    CategoryTreeModel model;
    model.setCategories(categories);
    QCOMPARE(outline(&model), tree);
    for (const Category& category : categories) {
        const QModelIndex index = model.indexOfId(category.id);
        QVERIFY(index.isValid());
        QCOMPARE(model.categoryAt(index)->id, category.id);
    }
    QVERIFY(!model.indexOfId(QStringLiteral("unknown")).isValid());
}

void TestCategoriesScreen::modelShowsTypeAndTaxCode()
{
    Category salary = testCategory("salary", "Salary");
    salary.categoryType = CategoryType::Income;
    Category gifts = testCategory("gifts", "Gifts", "salary");
    gifts.taxCategory = QStringLiteral("kept_when_not_relevant");
    Category charity = testCategory("charity", "Charity");
    charity.isTaxRelevant = true;
    charity.taxCategory = QStringLiteral("charitable_contributions");
    CategoryTreeModel model;
    model.setCategories({salary, gifts, charity});

    const auto row = [&model](const QModelIndex& first) {
        QStringList cells;
        for (int column = 0; column < CategoryTreeModel::ColumnCount; ++column)
            cells << first.siblingAtColumn(column).data().toString();
        return cells.join(QLatin1Char('|'));
    };
    const QModelIndex salaryIndex = model.indexOfId("salary");
    QCOMPARE(row(salaryIndex), QStringLiteral("Salary|income|"));
    QCOMPARE(row(model.indexOfId("gifts")), QStringLiteral("Gifts|expense|"));
    QCOMPARE(row(model.indexOfId("charity")),
             QStringLiteral("Charity|expense|charitable_contributions"));
    // A parent's name is bold; an income category's type is coloured.
    QVERIFY(salaryIndex.data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model.indexOfId("charity").data(Qt::FontRole).isValid());
    QVERIFY(salaryIndex.siblingAtColumn(1).data(Qt::ForegroundRole).isValid());
    QVERIFY(!model.indexOfId("charity").siblingAtColumn(1).data(Qt::ForegroundRole).isValid());
}

void TestCategoriesScreen::filteringByAChildShowsItUnderItsParent()
{
    Categories fixture;
    QTreeView* tree = fixture.screen.tree();
    QVERIFY(!tree->isExpanded(fixture.indexOf(QStringLiteral("Food"))));

    fixture.screen.searchField()->setText(QStringLiteral("groc"));
    QCOMPARE(outline(tree->model()), QStringLiteral("Food[Groceries]"));
    QVERIFY(tree->isExpanded(fixture.indexOf(QStringLiteral("Food"))));

    fixture.screen.searchField()->clear();
    QCOMPARE(outline(tree->model()), QStringLiteral("Food[Dining,Groceries],Salary"));
    QVERIFY(!tree->isExpanded(fixture.indexOf(QStringLiteral("Food"))));
}

void TestCategoriesScreen::contextMenuOffersSubcategoriesOnTopLevelOnly_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("top-level category")
        << QStringLiteral("Food")
        << QStringList{"&New Category", "Add &Subcategory", "—", "&Edit", "&Delete"};
    QTest::newRow("subcategory") << QStringLiteral("Dining")
                                 << QStringList{"&New Category", "—", "&Edit", "&Delete"};
    QTest::newRow("no category") << QString() << QStringList{"&New Category"};
}

void TestCategoriesScreen::contextMenuOffersSubcategoriesOnTopLevelOnly()
{
    QFETCH(QString, row);
    QFETCH(QStringList, entries);
    Categories fixture;
    fixture.screen.tree()->expandAll();
    QCOMPARE(fixture.contextMenuOn(row), entries);
}

void TestCategoriesScreen::newSubcategoryIsStoredAndShownUnderItsParent()
{
    Categories fixture;
    QTreeView* tree = fixture.screen.tree();
    tree->setCurrentIndex(fixture.indexOf(QStringLiteral("Salary")));
    QString title;
    whenModalOpens([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Bonus"));
        static_cast<QDialog*>(dialog)->accept();
    });
    fixture.screen.onCreateSubcategory();

    QCOMPARE(title, QStringLiteral("New Subcategory"));
    const std::optional<Category> stored =
        fixture.app.state()->categoryRepository()->byName(QStringLiteral("Bonus"));
    QVERIFY(stored);
    QCOMPARE(stored->parentId, QStringLiteral("salary"));
    QCOMPARE(stored->version, 1);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(outline(tree->model()), QStringLiteral("Food[Dining,Groceries],Salary[Bonus]"));
    QVERIFY(tree->isExpanded(fixture.indexOf(QStringLiteral("Salary"))));
}

void TestCategoriesScreen::deletingAsksFirst()
{
    Categories fixture;
    fixture.screen.tree()->expandAll();
    fixture.screen.tree()->setCurrentIndex(fixture.indexOf(QStringLiteral("Dining")));

    QString question;
    answerNextMessageBox(QMessageBox::No, &question);
    fixture.screen.onDeleteCategory();
    QCOMPARE(question, QStringLiteral("Delete \"Dining\"? Transactions using this category will "
                                      "become uncategorized."));
    QVERIFY(!fixture.app.state()->categoryRepository()->byId("dining")->isDeleted());

    answerNextMessageBox(QMessageBox::Yes);
    fixture.screen.onDeleteCategory();
    QVERIFY(fixture.app.state()->categoryRepository()->byId("dining")->isDeleted());
    QCOMPARE(outline(fixture.screen.tree()->model()), QStringLiteral("Food[Groceries],Salary"));
    // The expanded parent stays expanded across the reload.
    QVERIFY(fixture.screen.tree()->isExpanded(fixture.indexOf(QStringLiteral("Food"))));
}

QTEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
