#include "data/categoryrepository.h"

#include "data/sqlvalue.h"

namespace {

const QString columns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, "
    "account_id, version, sync_status, server_id, created_at, updated_at, deleted_at");

constexpr int maximumPathDepth = 16;

QString select(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM categories %2").arg(columns, tail);
}

Category readCategory(RowReader& row)
{
    Category category;
    category.id = row.text();
    category.name = row.text();
    category.categoryType = row.categoryType();
    category.parentId = row.text();
    category.isTaxRelevant = row.flag();
    category.taxCategory = row.text();
    category.icon = row.text();
    category.color = row.text();
    category.isDefault = row.flag();
    category.accountId = row.text();
    row.readBookkeeping(category);
    return category;
}

// name .. server_id, the run shared by insert and update.
QVariantList fieldValues(const Category& category)
{
    return {SqlValue::text(category.name),           SqlValue::storage(category.categoryType),
            SqlValue::reference(category.parentId),  SqlValue::flag(category.isTaxRelevant),
            SqlValue::text(category.taxCategory),    SqlValue::text(category.icon),
            SqlValue::text(category.color),          SqlValue::flag(category.isDefault),
            SqlValue::reference(category.accountId), category.version,
            SqlValue::storage(category.syncStatus),  SqlValue::text(category.serverId)};
}

} // namespace

CategoryRepository::CategoryRepository(Database* database, QObject* parent)
    : Repository(database, QStringLiteral("categories"), parent)
{
}

int CategoryRepository::count() const
{
    QSqlQuery query =
        run(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"), {});
    return query.next() ? query.value(0).toInt() : 0;
}

QList<Category> CategoryRepository::listAll() const
{
    return list(select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY name")), {}, readCategory);
}

std::optional<Category> CategoryRepository::byId(const QString& id) const
{
    return first(select(QStringLiteral("WHERE id = ?")), {id}, readCategory);
}

std::optional<Category> CategoryRepository::byName(const QString& name) const
{
    return first(select(QStringLiteral("WHERE name = ? AND deleted_at IS NULL")), {name},
                 readCategory);
}

QList<Category> CategoryRepository::pending() const
{
    return list(select(QStringLiteral("WHERE sync_status = 'pending'")), {}, readCategory);
}

QList<Category> CategoryRepository::pendingAfter(qint64* afterRowId, int limit) const
{
    return pendingPage(select(QStringLiteral("WHERE sync_status = 'pending' AND rowid > ? "
                                             "ORDER BY rowid LIMIT ?")),
                       afterRowId, limit, readCategory);
}

QString CategoryRepository::fullPath(const QString& id) const
{
    QStringList names;
    QString current = id;
    for (int step = 0; step < maximumPathDepth && !current.isEmpty(); ++step) {
        const std::optional<Category> category = byId(current);
        if (!category)
            break;
        names.prepend(category->name);
        current = category->parentId;
    }
    return names.join(QStringLiteral(" > "));
}

bool CategoryRepository::insert(const Category& category)
{
    QVariantList values{SqlValue::text(category.id)};
    values << fieldValues(category) << SqlValue::timestamp(category.createdAt)
           << SqlValue::timestamp(category.updatedAt);
    const bool ok = write(QStringLiteral("INSERT INTO categories (id, name, category_type, "
                                         "parent_id, is_tax_relevant, tax_category, icon, color, "
                                         "is_default, account_id, version, sync_status, "
                                         "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, "
                                         "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          values, "insert");
    if (ok)
        announce();
    return ok;
}

bool CategoryRepository::update(const Category& category)
{
    QVariantList values = fieldValues(category);
    values << SqlValue::timestamp(category.updatedAt) << SqlValue::text(category.id);
    const bool ok = write(QStringLiteral("UPDATE categories SET name=?, category_type=?, "
                                         "parent_id=?, is_tax_relevant=?, tax_category=?, icon=?, "
                                         "color=?, is_default=?, account_id=?, version=?, "
                                         "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
                          values, "update");
    if (ok)
        announce();
    return ok;
}

bool CategoryRepository::softDelete(const QString& id)
{
    const bool ok = softDeleteById(id, "softDelete");
    if (ok)
        announce();
    return ok;
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    return markRowSynced(id, serverId);
}

int CategoryRepository::markAllPendingForResync()
{
    const int changed = markAllRowsPendingForResync();
    if (changed > 0)
        announce();
    return changed;
}

void CategoryRepository::emitChange(const QString&)
{
    emit categoriesChanged();
}
