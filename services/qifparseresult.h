#pragma once

#include "qifaccount.h"
#include "qifcategorydefinition.h"
#include "qiftransaction.h"

#include <QList>

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
