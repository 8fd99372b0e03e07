#pragma once

#include "data/category.h"

#include <QHash>
#include <QObject>

class CategoryRepository;

// The writes of the two-level category tree: the ready-made tree a new database is given, and
// the categories the user creates, edits and deletes. Default ids are name-based, so every
// installation creates the same ids for the same default categories whatever the UI language.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the default tree when no live category exists; otherwise does nothing.
    void ensureDefaultCategories();
    // The category imported split lines that move money to another account are filed under.
    // Like the default tree it has the same id on every installation and is named in the UI
    // language of the moment it is first needed. Not stored by this call.
    static Category transfersCategory();

    // A new category from the category form: it keeps its id (a random one when empty) and
    // starts at version 1, pending, created and updated now.
    bool add(Category category);
    // An edit from the category form: pending, updated now, the version kept.
    bool edit(Category category);
    // Soft-deletes the one category: its subcategories and its transactions keep pointing at it.
    bool remove(const QString& categoryId);

private:
    CategoryRepository* m_categories;
    // Lookups of one seeding run, keyed by the English name.
    QHash<QString, QString> m_idByKey;
    QHash<QString, QString> m_keyById;
};
