#pragma once

#include "qifsourceaccount.h"

#include <QList>

// What a set of QIF files holds, for the mapping step before the import.
struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int totalTransactions = 0;
};
