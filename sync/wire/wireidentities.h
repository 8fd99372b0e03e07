#pragma once

#include "data/syncwireid.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>

class AccountRepository;

// The ids the server knows rows by, where this device keeps a row under an id of its own (see
// sync_wire_ids): a pulled row whose client id another row here holds is stored under a fresh
// id, and goes back to the server under its client id. This device then holds two accounts
// that the server knows by one client id (the user's own and one shared with them), and a
// change booked to either names the one it means by its server id, "account_server_id".
// Without such rows every change goes out as it is.
class WireIdentities
{
public:
    WireIdentities(const QList<SyncWireId>& kept, const AccountRepository* accounts);

    // The change object with the ids the server knows its row, and the rows it refers to, by.
    QJsonObject toWire(QJsonObject change) const;

    struct AccountAddress
    {
        QString clientId;
        QString serverId; // set only when the client id names another account here as well
    };
    // How the server is told which account a local account id stands for.
    AccountAddress account(const QString& localId) const;

private:
    const SyncWireId* kept(const QString& entityType, const QString& localId) const;

    QHash<QString, SyncWireId> m_kept; // by "type/local id"
    QSet<QString> m_keptAccountClientIds;
    const AccountRepository* m_accounts;
};
