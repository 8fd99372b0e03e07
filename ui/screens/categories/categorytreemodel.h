#pragma once

#include "data/category.h"

#include <QAbstractItemModel>
#include <QHash>

#include <memory>
#include <vector>

// The category tree for the categories screen: a category whose parent is loaded sits under
// it, every other one at the top. Columns: name, type, tax code. Read-only.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn = 0,
        TypeColumn = 1,
        TaxCodeColumn = 2,
        ColumnCount = 3,
    };

    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces the tree; children keep the order of the list.
    void setCategories(const QList<Category>& categories);
    // The category at an index of any column; null for an invalid index.
    const Category* categoryAt(const QModelIndex& index) const;
    // Column 0 of the category with this id; invalid when it is not loaded.
    QModelIndex indexOfId(const QString& id) const;

private:
    struct Node;

    Node* nodeAt(const QModelIndex& index) const;
    int rowOf(const Node* node) const;
    // Whether following parents from parentId comes back to the category `id`.
    bool leadsTo(const QString& parentId, const QString& id) const;

    std::unique_ptr<Node> m_root;
    QHash<QString, Node*> m_byId;
};
