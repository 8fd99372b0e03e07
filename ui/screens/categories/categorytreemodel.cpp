#include "ui/screens/categories/categorytreemodel.h"

#include "ui/theme/themecolors.h"

#include "data/enumerations.h"

#include <QFont>
#include <QHash>

struct CategoryTreeModel::Node
{
    Category category;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
};

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    m_byId.clear();
    std::vector<std::unique_ptr<Node>> nodes;
    nodes.reserve(categories.size());
    for (const Category& category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        m_byId.insert(category.id, node.get());
        nodes.push_back(std::move(node));
    }
    for (std::unique_ptr<Node>& node : nodes) {
        Node* parent = m_byId.value(node->category.parentId, nullptr);
        // Parents that lead back to the category itself (rows damaged elsewhere) would hide it
        // from the tree: such a category stays at the top like an orphan.
        if (!parent || leadsTo(node->category.parentId, node->category.id))
            parent = m_root.get();
        node->parent = parent;
        parent->children.push_back(std::move(node));
    }
    endResetModel();
}

bool CategoryTreeModel::leadsTo(const QString& parentId, const QString& id) const
{
    QString current = parentId;
    for (qsizetype steps = 0; !current.isEmpty() && steps <= m_byId.size(); ++steps) {
        if (current == id)
            return true;
        const Node* node = m_byId.value(current, nullptr);
        if (!node)
            return false;
        current = node->category.parentId;
    }
    return false; // a loop further up that does not pass the category puts its members on top
}

CategoryTreeModel::Node* CategoryTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

int CategoryTreeModel::rowOf(const Node* node) const
{
    const auto& siblings = node->parent->children;
    for (size_t row = 0; row < siblings.size(); ++row) {
        if (siblings[row].get() == node)
            return int(row);
    }
    return -1;
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    const Node* parentNode = nodeAt(parent);
    if (size_t(row) >= parentNode->children.size())
        return {};
    return createIndex(row, column, parentNode->children[size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    Node* parentNode = nodeAt(child)->parent;
    if (!parentNode || parentNode == m_root.get())
        return {};
    return createIndex(rowOf(parentNode), 0, parentNode);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeAt(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node* node = nodeAt(index);
    const Category& category = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            return Enumerations::storageString(category.categoryType);
        case TaxCodeColumn:
            return category.isTaxRelevant ? category.taxCategory : QString();
        }
        break;
    case Qt::ForegroundRole:
        if (index.column() == TypeColumn && category.categoryType == CategoryType::Income)
            return ThemeColors::incomeCategory().color();
        break;
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.empty()) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        break;
    }
    return {};
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    }
    return {};
}

const Category* CategoryTreeModel::categoryAt(const QModelIndex& index) const
{
    return index.isValid() ? &nodeAt(index)->category : nullptr;
}

QModelIndex CategoryTreeModel::indexOfId(const QString& id) const
{
    Node* node = m_byId.value(id, nullptr);
    return node ? createIndex(rowOf(node), 0, node) : QModelIndex();
}
