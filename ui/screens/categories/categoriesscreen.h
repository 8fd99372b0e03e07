#pragma once

#include "data/category.h"

#include <QWidget>

#include <optional>

class AppState;
class CategoryTreeModel;
class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;

// The category tree with a filter: categories and subcategories are created, edited and
// deleted through the category form and the category service.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState* appState, QWidget* parent = nullptr);

    // Reads the categories again, keeping the expanded ones expanded.
    void reload();

    QTreeView* tree() const { return m_tree; }
    QLineEdit* searchField() const { return m_search; }

public slots:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void showContextMenu(const QPoint& position);
    void applyFilter(const QString& text);
    // A copy of the selected category (the tree's own rows go with every reload).
    std::optional<Category> selectedCategory() const;
    void createUnder(const QString& parentId, const QString& parentName);
    void expandCategory(const QString& id);

    AppState* m_appState;
    QLineEdit* m_search = nullptr;
    CategoryTreeModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTreeView* m_tree = nullptr;
};
