#pragma once

#include "data/syncbookkeeping.h"

#include <QDate>

struct RecurringTransaction : SyncBookkeeping
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate; // last permitted occurrence
    QDate nextDueDate;
    bool autoPost = false;
    int leadDays = 0; // days before nextDueDate from which the occurrence may be entered
    bool isActive = true;
    QString transferDestAccountId; // set: every occurrence is a transfer to this account
};
