#include "services/import/importcategories.h"

#include "services/categories/categoryservice.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/categoryrepository.h"

namespace {

QString pathKey(const QString& parent, const QString& child)
{
    return parent + QLatin1Char('\n') + child;
}

// "Parent:Child" or "Parent > Child" as the parent and child names; empty when the name says
// no parent.
std::pair<QString, QString> parentAndChild(const QString& name)
{
    for (const QString& separator : {QStringLiteral(" > "), QStringLiteral(":")}) {
        const qsizetype at = name.indexOf(separator);
        if (at > 0)
            return {name.left(at).trimmed(), name.mid(at + separator.size()).trimmed()};
    }
    return {};
}

} // namespace

ImportCategories::ImportCategories(CategoryRepository* categories) : m_categories(categories)
{
    const QList<Category> live = m_categories->listAll();
    QHash<QString, QString> nameById;
    for (const Category& category : live)
        nameById.insert(category.id, category.name);
    // Of two live categories with one name (or one path), the first by name order is used. A
    // child whose parent is gone stands on its own, as the register lists it.
    for (const Category& category : live) {
        const QString parentName = nameById.value(category.parentId);
        const bool topLevel = category.parentId.isEmpty() || parentName.isEmpty();
        QHash<QString, QString>& lookup = topLevel ? m_topLevelByName : m_childByPath;
        const QString key = topLevel ? category.name : pathKey(parentName, category.name);
        if (!lookup.contains(key))
            lookup.insert(key, category.id);
    }
}

QString ImportCategories::existingId(const QString& name) const
{
    if (name.isEmpty())
        return QString();
    const QString topLevel = m_topLevelByName.value(name);
    if (!topLevel.isEmpty())
        return topLevel;
    const auto [parent, child] = parentAndChild(name);
    return parent.isEmpty() ? QString() : m_childByPath.value(pathKey(parent, child));
}

QString ImportCategories::book(const QString& name, qint64 amount)
{
    QString id = existingId(name);
    if (id.isEmpty() && !name.isEmpty()) {
        const std::optional<Category> created = create(newId(), name, CategoryType::Expense, false);
        if (!created)
            return QString();
        id = created->id;
        m_createdForBookings.insert(id, {*created, 0});
    }
    const auto created = m_createdForBookings.find(id);
    if (created != m_createdForBookings.end() && amount != 0)
        created->depositsOverPayments += amount > 0 ? 1 : -1;
    return id;
}

QString ImportCategories::idFor(const QString& name, CategoryType typeWhenCreated)
{
    const QString existing = existingId(name);
    if (!existing.isEmpty() || name.isEmpty())
        return existing;
    const std::optional<Category> created = create(newId(), name, typeWhenCreated, false);
    return created ? created->id : QString();
}

QString ImportCategories::transfersId()
{
    if (!m_transfersId.isEmpty())
        return m_transfersId;
    const Category builtIn = CategoryService::transfersCategory();
    const std::optional<Category> stored = m_categories->byId(builtIn.id);
    if (stored && !stored->isDeleted()) {
        m_transfersId = stored->id;
    } else if (m_topLevelByName.contains(builtIn.name)) {
        m_transfersId = m_topLevelByName.value(builtIn.name);
    } else {
        // A built-in category the user deleted keeps its id: the new one needs another.
        const std::optional<Category> created = create(stored ? newId() : builtIn.id, builtIn.name,
                                                       builtIn.categoryType, builtIn.isDefault);
        if (created)
            m_transfersId = created->id;
    }
    return m_transfersId;
}

void ImportCategories::settleKinds()
{
    // By count rather than by sum: what a category's bookings mostly are says what it is, and
    // one large refund or claim payout does not turn a spending category into income. A tie
    // leaves an expense category, the kind most categories are.
    for (CreatedForBookings& created : m_createdForBookings) {
        if (created.depositsOverPayments <= 0)
            continue;
        created.category.categoryType = CategoryType::Income;
        m_categories->update(created.category);
    }
}

std::optional<Category> ImportCategories::create(const QString& id, const QString& name,
                                                 CategoryType type, bool isDefault)
{
    Category category;
    category.id = id;
    category.name = name;
    category.categoryType = type;
    category.isDefault = isDefault;
    category.createdAt = category.updatedAt = nowUtc();
    if (!m_categories->insert(category))
        return std::nullopt;
    m_topLevelByName.insert(name, category.id);
    return category;
}
