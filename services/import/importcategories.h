#pragma once

#include "data/enumerations.h"

#include <QHash>
#include <QString>

class CategoryRepository;

// The categories an import files its transactions under, by exact name (so "groceries" and
// "Groceries" are two categories). A name not yet known is created on first use.
class ImportCategories
{
public:
    explicit ImportCategories(CategoryRepository* categories);

    bool contains(const QString& name) const { return m_idByName.contains(name); }
    // The id of the category of that name, created with the given type when missing; empty
    // for an empty name or when the database refuses the new category.
    QString idFor(const QString& name, CategoryType typeWhenCreated = CategoryType::Expense);

private:
    CategoryRepository* m_categories;
    QHash<QString, QString> m_idByName;
};
