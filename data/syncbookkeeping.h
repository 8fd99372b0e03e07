#pragma once

#include "data/enumerations.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The fields every synchronised row ends with. Repositories write them exactly as the record
// holds them; the editors decide when they change.
struct SyncBookkeeping
{
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool isDeleted() const { return deletedAt.has_value(); }
};
