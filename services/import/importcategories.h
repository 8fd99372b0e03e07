#pragma once

#include "data/category.h"

#include <QHash>
#include <QString>

#include <optional>

class CategoryRepository;

// The categories an import files its transactions under. A name is matched exactly (so
// "groceries" and "Groceries" are two categories) against the top-level categories: a bank's
// "Auto" is not the "Auto" under Insurance. A subcategory is reached by a name that says its
// parent, as QIF writes it ("Insurance:Auto") or as the register shows it ("Insurance > Auto").
// A name not found is created on first use as a top-level category with exactly that name.
class ImportCategories
{
public:
    explicit ImportCategories(CategoryRepository* categories);

    bool contains(const QString& name) const { return !existingId(name).isEmpty(); }
    // The id of the category the name stands for, for an amount booked under it; created when
    // missing. Empty for an empty name or when the database refuses the new category.
    QString book(const QString& name, qint64 amount);
    // The same for a category list's entry, created with the kind the list gives.
    QString idFor(const QString& name, CategoryType typeWhenCreated);
    // The category of split lines that move money to another account: the built-in one, or a
    // top-level category of its name when the built-in one was deleted; created when missing.
    QString transfersId();
    // Before the import commits: a category created by book() becomes an income category
    // when more of the amounts booked under it were deposits than payments.
    void settleKinds();

private:
    QString existingId(const QString& name) const;
    std::optional<Category> create(const QString& id, const QString& name, CategoryType type,
                                   bool isDefault);

    struct CreatedForBookings
    {
        Category category;
        int depositsOverPayments = 0;
    };

    CategoryRepository* m_categories;
    QHash<QString, QString> m_topLevelByName;
    QHash<QString, QString> m_childByPath;                   // "parent\nchild"
    QHash<QString, CreatedForBookings> m_createdForBookings; // by id
    QString m_transfersId;
};
