#pragma once

#include <QHash>
#include <QObject>

class CategoryRepository;

// Gives a new database the ready-made two-level category tree. Ids are name-based, so every
// installation creates the same ids for the same default categories whatever the UI language.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the default tree when no live category exists; otherwise does nothing.
    void ensureDefaultCategories();

private:
    CategoryRepository* m_categories;
    // Lookups of one seeding run, keyed by the English name.
    QHash<QString, QString> m_idByKey;
    QHash<QString, QString> m_keyById;
};
