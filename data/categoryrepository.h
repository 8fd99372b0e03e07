#pragma once

#include "data/category.h"
#include "data/repository.h"

// The only code that reads and writes the categories table (the two-level category tree).
class CategoryRepository : public Repository
{
    Q_OBJECT

public:
    CategoryRepository(Database* database, QObject* parent = nullptr);

    int count() const;                                         // live categories
    QList<Category> listAll() const;                           // live, flat, by name only
    std::optional<Category> byId(const QString& id) const;     // deleted rows too
    std::optional<Category> byName(const QString& name) const; // exact, live only
    QList<Category> pending() const;
    // The next pending rows after the given rowid, at most limit, in table order.
    QList<Category> pendingAfter(qint64* afterRowId, int limit) const;
    // "Grandparent > Parent > Name"; empty for an unknown id; stops after 16 names.
    QString fullPath(const QString& id) const;

    bool insert(const Category& category);
    bool update(const Category& category);
    // Marks only this row; children keep their parent and transactions their category.
    bool softDelete(const QString& id);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

protected:
    void emitChange(const QString& key) override;

signals:
    void categoriesChanged();
};
