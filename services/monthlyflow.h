#pragma once

#include <QString>

// One month of the income-versus-expenses and cash-flow reports.
struct MonthlyFlow
{
    QString month;        // "yyyy-MM"
    qint64 inAmount = 0;  // sum of the positive amounts
    qint64 outAmount = 0; // sum of the negative amounts, never above 0
    qint64 net = 0;       // inAmount + outAmount
};
