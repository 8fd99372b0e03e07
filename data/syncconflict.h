#pragma once

#include <QDateTime>
#include <QString>

// A change made on this device that a newer copy from another device replaced before it could
// be pushed. The replaced version is kept as the change it would have been pushed as, so that
// it can be put back.
struct SyncConflict
{
    qint64 id = 0;
    QString entityType; // as on the wire: "account", "category", "recurring", ...
    QString entityId;
    QString localChange; // the change object in compact JSON
    QString description; // what the user recognises the row by: date, payee and amount, a name
    QDateTime replacedAt;
};
