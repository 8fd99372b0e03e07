#pragma once

#include "data/enumerations.h"

#include <QString>

// A source account of a QIF import, for the user to map to a target account or to skip.
struct QifSourceAccount
{
    QString key; // the account name, or the file path for a file without account headers
    QString displayName;
    bool isFileEntry = false;
    AccountType suggestedType = AccountType::Checking;
};
