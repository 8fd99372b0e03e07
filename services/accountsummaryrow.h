#pragma once

#include <QString>

// One account of the balance summary; the starting balance counts as cleared.
struct AccountSummaryRow
{
    QString name;
    QString accountType; // the stored account_type text
    qint64 cleared = 0;
    qint64 uncleared = 0;
    qint64 total = 0;
};
