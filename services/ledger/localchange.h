#pragma once

#include "app/core/ids.h"
#include "data/syncbookkeeping.h"

// The bookkeeping of a change made on this device, the same for every synchronised record.

// A new row: its own id (a random one when it has none), version 1, pending, never pushed,
// created and updated now.
template <typename Record> void stampNew(Record& record, const QDateTime& now)
{
    if (record.id.isEmpty())
        record.id = newId();
    record.version = 1;
    record.syncStatus = SyncStatus::Pending;
    record.serverId.clear();
    record.createdAt = record.updatedAt = now;
    record.deletedAt.reset();
}

// A stored row changed: pending again, updated now. The version is the editor's to decide.
template <typename Record> void stampChanged(Record& record, const QDateTime& now)
{
    record.syncStatus = SyncStatus::Pending;
    record.updatedAt = now;
}
