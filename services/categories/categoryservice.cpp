#include "services/categories/categoryservice.h"

#include "services/ledger/localchange.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/category.h"
#include "data/categoryrepository.h"

#include <QCoreApplication>

namespace {

struct DefaultCategory
{
    const char* key; // the English name; also the translation source
    const char* parentKey;
    bool income;
    const char* taxCode; // null: not tax-relevant
};

// A parent always comes before its children.
const DefaultCategory defaultTree[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), nullptr, false,
     "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), nullptr, false, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), nullptr, false, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "Business Expenses", false,
     "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), nullptr, false, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), nullptr, false, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), nullptr, false,
     "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), nullptr, false,
     "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, true, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, true, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), nullptr, true, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), nullptr, true, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), nullptr, true,
     "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), nullptr, true, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), nullptr, true, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), nullptr, true, nullptr},
};

const char* const transfersKey = QT_TRANSLATE_NOOP("CategoryService", "Transfers");

// "type:parent key:key" in the DNS namespace: a built-in category gets the same id on every
// installation and in every UI language.
QString builtInId(CategoryType type, const QString& parentKey, const QString& key)
{
    return nameBasedId(
        dnsNamespace(),
        QStringLiteral("%1:%2:%3").arg(Enumerations::storageString(type), parentKey, key));
}

} // namespace

CategoryService::CategoryService(CategoryRepository* categories, QObject* parent)
    : QObject(parent), m_categories(categories)
{
}

void CategoryService::ensureDefaultCategories()
{
    if (m_categories->count() != 0)
        return;

    m_idByKey.clear();
    m_keyById.clear();
    for (const DefaultCategory& entry : defaultTree) {
        const QString key = QString::fromUtf8(entry.key);
        const CategoryType type = entry.income ? CategoryType::Income : CategoryType::Expense;
        const QString parentId =
            entry.parentKey ? m_idByKey.value(QString::fromUtf8(entry.parentKey)) : QString();
        const QString parentKey = m_keyById.value(parentId);

        Category category;
        category.id = builtInId(type, parentKey, key);
        category.name = QCoreApplication::translate("CategoryService", entry.key);
        category.categoryType = type;
        category.parentId = parentId;
        category.isTaxRelevant = entry.taxCode != nullptr;
        category.taxCategory = entry.taxCode ? QString::fromLatin1(entry.taxCode) : QString();
        category.isDefault = true;
        category.createdAt = category.updatedAt = nowUtc();
        m_categories->insert(category);

        m_idByKey.insert(key, category.id);
        m_keyById.insert(category.id, key);
    }
}

Category CategoryService::transfersCategory()
{
    Category category;
    category.id = builtInId(CategoryType::Transfer, QString(), QString::fromUtf8(transfersKey));
    category.name = QCoreApplication::translate("CategoryService", transfersKey);
    category.categoryType = CategoryType::Transfer;
    category.isDefault = true;
    return category;
}

bool CategoryService::add(Category category)
{
    stampNew(category, nowUtc());
    return m_categories->insert(category);
}

bool CategoryService::edit(Category category)
{
    if (category.id.isEmpty())
        return false;
    stampChanged(category, nowUtc());
    return m_categories->update(category);
}

bool CategoryService::remove(const QString& categoryId)
{
    return !categoryId.isEmpty() && m_categories->softDelete(categoryId);
}
