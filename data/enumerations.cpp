#include "data/enumerations.h"

#include <array>
#include <utility>

namespace {

// One table per enumeration; the first entry is the fallback for unknown input.
template <typename Enum, std::size_t N> struct StorageTable
{
    std::array<std::pair<Enum, const char*>, N> entries;
    Enum fallback;

    QString toStorage(Enum value) const
    {
        for (const auto& [entry, text] : entries) {
            if (entry == value)
                return QString::fromLatin1(text);
        }
        return toStorage(fallback);
    }

    Enum fromStorage(const QString& text) const
    {
        for (const auto& [entry, storage] : entries) {
            if (text == QLatin1String(storage))
                return entry;
        }
        return fallback;
    }
};

constexpr StorageTable<AccountType, 6> accountTypes{{{
                                                        {AccountType::Checking, "checking"},
                                                        {AccountType::Savings, "savings"},
                                                        {AccountType::CreditCard, "credit_card"},
                                                        {AccountType::Cash, "cash"},
                                                        {AccountType::Investment, "investment"},
                                                        {AccountType::Other, "other"},
                                                    }},
                                                    AccountType::Other};

constexpr StorageTable<Currency, 6> currencies{{{
                                                   {Currency::USD, "USD"},
                                                   {Currency::EUR, "EUR"},
                                                   {Currency::GBP, "GBP"},
                                                   {Currency::CAD, "CAD"},
                                                   {Currency::AUD, "AUD"},
                                                   {Currency::JPY, "JPY"},
                                               }},
                                               Currency::USD};

constexpr StorageTable<CategoryType, 3> categoryTypes{{{
                                                          {CategoryType::Income, "income"},
                                                          {CategoryType::Expense, "expense"},
                                                          {CategoryType::Transfer, "transfer"},
                                                      }},
                                                      CategoryType::Expense};

constexpr StorageTable<Frequency, 7> frequencies{{{
                                                     {Frequency::Daily, "daily"},
                                                     {Frequency::Weekly, "weekly"},
                                                     {Frequency::Biweekly, "biweekly"},
                                                     {Frequency::Monthly, "monthly"},
                                                     {Frequency::Quarterly, "quarterly"},
                                                     {Frequency::SemiAnnual, "semi_annual"},
                                                     {Frequency::Annual, "annual"},
                                                 }},
                                                 Frequency::Monthly};

constexpr StorageTable<SyncStatus, 3> syncStatuses{{{
                                                       {SyncStatus::Pending, "pending"},
                                                       {SyncStatus::Synced, "synced"},
                                                       {SyncStatus::Conflict, "conflict"},
                                                   }},
                                                   SyncStatus::Pending};

} // namespace

QString Enumerations::storageString(AccountType type)
{
    return accountTypes.toStorage(type);
}
QString Enumerations::storageString(Currency currency)
{
    return currencies.toStorage(currency);
}
QString Enumerations::storageString(CategoryType type)
{
    return categoryTypes.toStorage(type);
}
QString Enumerations::storageString(Frequency frequency)
{
    return frequencies.toStorage(frequency);
}
QString Enumerations::storageString(SyncStatus status)
{
    return syncStatuses.toStorage(status);
}

AccountType Enumerations::accountTypeFromStorage(const QString& text)
{
    return accountTypes.fromStorage(text);
}

Currency Enumerations::currencyFromStorage(const QString& text)
{
    return currencies.fromStorage(text);
}

CategoryType Enumerations::categoryTypeFromStorage(const QString& text)
{
    return categoryTypes.fromStorage(text);
}

Frequency Enumerations::frequencyFromStorage(const QString& text)
{
    return frequencies.fromStorage(text);
}

SyncStatus Enumerations::syncStatusFromStorage(const QString& text)
{
    return syncStatuses.fromStorage(text);
}

QString Enumerations::displayName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return tr("Checking");
    case AccountType::Savings:
        return tr("Savings");
    case AccountType::CreditCard:
        return tr("Credit Card");
    case AccountType::Cash:
        return tr("Cash");
    case AccountType::Investment:
        return tr("Investment");
    case AccountType::Other:
        break;
    }
    return tr("Other");
}

QString Enumerations::displayName(Currency currency)
{
    switch (currency) {
    case Currency::EUR:
        return tr("EUR (€)");
    case Currency::GBP:
        return tr("GBP (£)");
    case Currency::CAD:
        return tr("CAD ($)");
    case Currency::AUD:
        return tr("AUD ($)");
    case Currency::JPY:
        return tr("JPY (¥)");
    case Currency::USD:
        break;
    }
    return tr("USD ($)");
}

QString Enumerations::displayName(CategoryType type)
{
    switch (type) {
    case CategoryType::Income:
        return tr("Income");
    case CategoryType::Expense:
        return tr("Expense");
    case CategoryType::Transfer:
        break;
    }
    return QString();
}

QString Enumerations::displayName(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return tr("Daily");
    case Frequency::Weekly:
        return tr("Weekly");
    case Frequency::Biweekly:
        return tr("Bi-weekly");
    case Frequency::Quarterly:
        return tr("Quarterly");
    case Frequency::SemiAnnual:
        return tr("Semi-annual");
    case Frequency::Annual:
        return tr("Annual");
    case Frequency::Monthly:
        break;
    }
    return tr("Monthly");
}
