#pragma once

#include <QString>

// An account a QIF file's transactions belong to, with the QIF type index of its section:
// 0 bank, 1 credit card, 2 investment, 3 cash, 4 other asset, 5 other liability.
struct QifAccount
{
    QString name;
    int typeIndex = 0;
};
