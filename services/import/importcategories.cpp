#include "services/import/importcategories.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/categoryrepository.h"

ImportCategories::ImportCategories(CategoryRepository* categories) : m_categories(categories)
{
    for (const Category& category : m_categories->listAll()) {
        // Of two live categories with one name, the first by name order is used.
        if (!m_idByName.contains(category.name))
            m_idByName.insert(category.name, category.id);
    }
}

QString ImportCategories::idFor(const QString& name, CategoryType typeWhenCreated)
{
    if (name.isEmpty())
        return QString();
    const auto found = m_idByName.constFind(name);
    if (found != m_idByName.constEnd())
        return found.value();

    Category category;
    category.id = newId();
    category.name = name;
    category.categoryType = typeWhenCreated;
    category.createdAt = category.updatedAt = nowUtc();
    if (!m_categories->insert(category))
        return QString();
    m_idByName.insert(name, category.id);
    return category.id;
}
