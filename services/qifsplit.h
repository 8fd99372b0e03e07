#pragma once

#include <QString>

// One S/E/$ group of a QIF transaction.
struct QifSplit
{
    QString categoryName;
    QString transferAccount; // from "[Account]"; the category is empty then
    QString memo;
    qint64 amount = 0;
};
