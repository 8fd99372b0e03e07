#pragma once

#include "qifsplit.h"

#include <QDate>
#include <QList>

// One transaction record of a QIF file.
struct QifTransaction
{
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString categoryName;
    QString transferAccount; // from "L[Account]"; the category is empty then
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString accountName; // the !Account in force when the record ended; empty without one
};
