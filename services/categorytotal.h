#pragma once

#include <QString>

// One row of the category spending report.
struct CategoryTotal
{
    QString categoryName;
    qint64 total = 0;
};
