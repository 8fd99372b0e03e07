#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace PennibarServer {

class EntitySchema;

// The server's copy of one synchronised row.
struct SyncRow
{
    QString serverId;
    QString ownerId;
    const EntitySchema* schema = nullptr;
    QString clientId;
    QString accountId;
    QStringList categoryIds;
    qint64 version = 0;
    bool deleted = false;
    QJsonObject payload;
    qint64 updatedAt = 0;

    // The record a pull delivers: the payload with "id" (the server id), "client_id" and
    // "version"; "deleted_at" only on a deleted row.
    QJsonObject record() const;
};

} // namespace PennibarServer
