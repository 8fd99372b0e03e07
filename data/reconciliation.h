#pragma once

#include "data/syncbookkeeping.h"

#include <QDate>

struct Reconciliation : SyncBookkeeping
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
};
