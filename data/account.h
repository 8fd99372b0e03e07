#pragma once

#include "data/syncbookkeeping.h"

struct Account : SyncBookkeeping
{
    QString id;
    QString name;
    AccountType accountType = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0; // shown as the register's opening row
    int sortOrder = 0;          // list position: ascending, then name
    bool isShared = false;
};
