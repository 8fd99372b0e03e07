#pragma once

#include "data/syncbookkeeping.h"

#include <QDate>

// One side of a transfer names the other side's transaction in transferLinkId and the other
// side's account in transferDestAccountId.
struct Transaction : SyncBookkeeping
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;  // negative: money leaving the account
    QString categoryId; // empty for none, and for a split transaction
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
};

Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
