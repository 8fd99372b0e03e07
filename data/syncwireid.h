#pragma once

#include <QString>

// A synchronised row this device keeps under an id of its own, because the id the server knows
// it by belongs here to another row. It speaks for the row while the row holds `serverId`.
struct SyncWireId
{
    QString entityType; // as on the wire: "account", "transaction", ...
    QString localId;
    QString serverId;
    QString clientId; // the id the server knows the row by
};
