#pragma once

#include <QComboBox>
#include <QList>
#include <QPair>

class CategoryRepository;

// The editable category chooser of the transaction form and of each split line. Typing finds
// categories anywhere in their names, case-insensitively; a chosen suggestion selects the item
// with exactly that text. Each item's data is the category id, empty for "(none)".
class CategoryComboBox : public QComboBox
{
    Q_OBJECT

public:
    // (category id, shown name) pairs.
    using Choices = QList<QPair<QString, QString>>;

    enum class Naming
    {
        PlainName,  // "Fuel"
        ParentPath, // "Auto > Fuel" when the parent is among the live categories
    };

    explicit CategoryComboBox(const Choices& choices, QWidget* parent = nullptr);

    // "(none)" with an empty id, then every live category by name.
    static Choices choices(const CategoryRepository* categories, Naming naming);

    QString currentCategoryId() const;
    // Selects the item of this id; false (and nothing changes) when no item has it.
    bool selectCategoryId(const QString& categoryId);
    // The id of the category whose name is shown exactly as typed: the current item when its
    // text is the one shown (two categories may share a name), else the first item with that
    // text; empty when no item has it.
    QString shownCategoryId() const;
};
