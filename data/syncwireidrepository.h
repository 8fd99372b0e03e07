#pragma once

#include "data/repository.h"
#include "data/syncwireid.h"

// The ids the server knows rows by that this device keeps under ids of their own.
class SyncWireIdRepository : public Repository
{
    Q_OBJECT

public:
    SyncWireIdRepository(Database* database, QObject* parent = nullptr);

    bool record(const SyncWireId& wireId);
    // The entries that still speak for their rows: the row is there and holds the server id
    // the entry was made with.
    QList<SyncWireId> current() const;

protected:
    void emitChange(const QString& key) override;
};
