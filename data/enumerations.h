#pragma once

#include "app/core/currency.h"

#include <QCoreApplication>
#include <QString>

enum class AccountType : int
{
    Checking = 0,
    Savings = 1,
    CreditCard = 2,
    Cash = 3,
    Investment = 4,
    Other = 5,
};

enum class CategoryType : int
{
    Income = 0,
    Expense = 1,
    Transfer = 2,
};

enum class Frequency : int
{
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Quarterly = 4,
    SemiAnnual = 5,
    Annual = 6,
};

enum class SyncStatus : int
{
    Pending = 0,
    Synced = 1,
    Conflict = 2,
};

// The strings stored in the database and sent over the wire, and the names the UI shows.
// Reading compares exactly; an unknown string reads as the enumeration's fallback
// (Other, USD, Expense, Monthly, Pending), and an out-of-range value writes the fallback.
class Enumerations
{
    Q_DECLARE_TR_FUNCTIONS(Enumerations)

public:
    static QString storageString(AccountType type);
    static QString storageString(Currency currency);
    static QString storageString(CategoryType type);
    static QString storageString(Frequency frequency);
    static QString storageString(SyncStatus status);

    static AccountType accountTypeFromStorage(const QString& text);
    static Currency currencyFromStorage(const QString& text);
    static CategoryType categoryTypeFromStorage(const QString& text);
    static Frequency frequencyFromStorage(const QString& text);
    static SyncStatus syncStatusFromStorage(const QString& text);

    static QString displayName(AccountType type);
    static QString displayName(Currency currency);
    // Transfer has no display name: the category form offers only Expense and Income.
    static QString displayName(CategoryType type);
    static QString displayName(Frequency frequency);
};
