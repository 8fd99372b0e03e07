#include "ui/screens/categories/categoriesscreen.h"

#include "ui/screens/categories/categorytreemodel.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/theme/fontroles.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "services/categories/categoryservice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    auto* title = new QLabel(tr("Categories"), this);
    title->setProperty(FontRoles::weightProperty, 700);
    applyFontRole(title, FontRoles::Heading);

    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search categories..."));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(280);
    connect(m_search, &QLineEdit::textChanged, this, &CategoriesScreen::applyFilter);

    auto* create = new QPushButton(tr("+ New Category"), this);
    connect(create, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(m_search);
    top->addWidget(create);

    m_model = new CategoryTreeModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setDynamicSortFilter(true);

    m_tree = new QTreeView(this);
    m_tree->setModel(m_proxy);
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);
}

void CategoriesScreen::reload()
{
    QSet<QString> expanded;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex source = m_model->index(row, 0);
        if (m_tree->isExpanded(m_proxy->mapFromSource(source)))
            expanded.insert(m_model->categoryAt(source)->id);
    }
    m_model->setCategories(m_appState->categoryRepository()->listAll());
    for (const QString& id : std::as_const(expanded))
        expandCategory(id);
}

void CategoriesScreen::applyFilter(const QString& text)
{
    m_proxy->setFilterFixedString(text);
    if (text.isEmpty())
        m_tree->collapseAll();
    else
        m_tree->expandAll();
}

void CategoriesScreen::expandCategory(const QString& id)
{
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexOfId(id));
    if (index.isValid())
        m_tree->expand(index);
}

std::optional<Category> CategoriesScreen::selectedCategory() const
{
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid() ||
        !m_tree->selectionModel()->isRowSelected(current.row(), current.parent()))
        return std::nullopt;
    return *m_model->categoryAt(m_proxy->mapToSource(current));
}

void CategoriesScreen::showContextMenu(const QPoint& position)
{
    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    const QModelIndex index = m_tree->indexAt(position);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        const Category* category = m_model->categoryAt(m_proxy->mapToSource(index));
        // Subcategories hold no subcategories of their own: the tree has two levels.
        if (category->parentId.isEmpty())
            menu.addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
        menu.addSeparator();
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_tree->viewport()->mapToGlobal(position));
}

void CategoriesScreen::onCreateCategory()
{
    createUnder(QString(), QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const std::optional<Category> parent = selectedCategory();
    if (parent && parent->parentId.isEmpty())
        createUnder(parent->id, parent->name);
}

void CategoriesScreen::createUnder(const QString& parentId, const QString& parentName)
{
    CategoryFormDialog dialog(parentId, parentName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Category category = dialog.category();
    if (category.name.isEmpty())
        return;
    if (!m_appState->categoryService()->add(category)) {
        QMessageBox::warning(this, tr("New Category"),
                             tr("The category \"%1\" could not be saved.").arg(category.name));
        return;
    }
    reload();
    if (!parentId.isEmpty())
        expandCategory(parentId);
}

void CategoriesScreen::onEditCategory()
{
    const std::optional<Category> selected = selectedCategory();
    if (!selected)
        return;
    const Category& category = *selected;
    QString parentName;
    if (!category.parentId.isEmpty()) {
        if (const auto parent = m_appState->categoryRepository()->byId(category.parentId))
            parentName = parent->name;
    }
    CategoryFormDialog dialog(category, parentName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Category edited = dialog.category();
    if (edited.name.isEmpty())
        return;
    if (!m_appState->categoryService()->edit(edited)) {
        QMessageBox::warning(this, tr("Edit Category"),
                             tr("The category \"%1\" could not be saved.").arg(edited.name));
        return;
    }
    reload();
}

void CategoriesScreen::onDeleteCategory()
{
    const std::optional<Category> selected = selectedCategory();
    if (!selected)
        return;
    const Category& category = *selected;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Delete Category"),
        tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
            .arg(category.name),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!m_appState->categoryService()->remove(category.id)) {
        QMessageBox::warning(this, tr("Delete Category"),
                             tr("The category \"%1\" could not be deleted.").arg(category.name));
        return;
    }
    reload();
}
