#pragma once

#include <QString>

// One category of a two-period comparison.
struct YearOverYearRow
{
    QString categoryName;
    qint64 period1 = 0;
    qint64 period2 = 0;
    qint64 difference = 0; // period2 - period1
};
