#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace PennibarServer {

class EntitySchema;

// One pushed change, checked and normalised: the payload holds the row's fields without the
// server-owned "server_id" and "version"; a deletion's payload always has "deleted_at".
struct SyncChange
{
    const EntitySchema* schema = nullptr;
    QString clientId;
    bool isDelete = false;
    qint64 version = 0;
    QJsonObject payload;
    QString serverIdHint; // the "server_id" the app holds for the row, if any
    QString accountId;    // for account-bound types: the account the row belongs to
    // The "account_server_id" the app sends for the account it means, when it sees two with
    // the account's client id (its own and one shared with it).
    QString accountServerIdHint;
    QStringList categoryIds; // the categories the row refers to (a category: its parent)
};

} // namespace PennibarServer
