#pragma once

#include <QString>

// One row of the payee summary: inflows and outflows of the payee net out.
struct PayeeTotal
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};
