#pragma once

#include <QDate>
#include <QString>

// One transaction of the filtered transaction list.
struct TransactionReportRow
{
    QDate date; // invalid when the stored text does not parse
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
};
