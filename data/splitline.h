#pragma once

#include <QDateTime>
#include <QString>

// One part of a split transaction. Split lines have no sync bookkeeping of their own: they
// are replaced as a set together with their transaction.
struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
