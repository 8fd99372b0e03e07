#pragma once

#include <QString>

// One record of a QIF category list.
struct QifCategoryDefinition
{
    QString name;
    QString description;
    bool isIncome = false;
};
