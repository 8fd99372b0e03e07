#pragma once

#include "data/enumerations.h"

#include <QDate>
#include <QList>
#include <QString>

// The records a QIF text parses into and that the mapping step before an import shows.

// One S/E/$ group of a QIF transaction.
struct QifSplit
{
    QString categoryName;
    QString transferAccount; // from "[Account]"; the category is empty then
    QString memo;
    qint64 amount = 0;
};

// One transaction record of a QIF file.
struct QifTransaction
{
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString categoryName;
    QString transferAccount; // from "L[Account]"; the category is empty then
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString accountName; // the !Account in force when the record ended; empty without one
};

// An account a QIF file's transactions belong to, with the QIF type index of its section:
// 0 bank, 1 credit card, 2 investment, 3 cash, 4 other asset, 5 other liability.
struct QifAccount
{
    QString name;
    int typeIndex = 0;
};

// One record of a QIF category list.
struct QifCategoryDefinition
{
    QString name;
    QString description;
    bool isIncome = false;
};

// Everything one QIF text holds.
struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategoryDefinition> categories;
    QList<QifAccount> accounts; // each name once, compared in lower case
    int unparseable = 0;        // records without a date or without an amount
    int metadata = 0;           // records of ignored sections
    int dateOrder = 1;          // 1 month-first, 2 day-first
};

// A source account of a QIF import, for the user to map to a target account or to skip.
struct QifSourceAccount
{
    QString key; // the account name, or the file path for a file without account headers
    QString displayName;
    bool isFileEntry = false;
    AccountType suggestedType = AccountType::Checking;
};

// What a set of QIF files holds, for the mapping step before the import.
struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int totalTransactions = 0;
};
