#pragma once

#include <QString>

// One row of the tax report: the total of one tax-relevant category.
struct TaxLine
{
    QString categoryName;
    QString taxCategory;
    qint64 total = 0;
};
