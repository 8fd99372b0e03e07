#pragma once

#include "data/repository.h"
#include "data/syncconflict.h"

// The replaced local versions of synchronised rows, one entry per row.
class SyncConflictRepository : public Repository
{
    Q_OBJECT

public:
    SyncConflictRepository(Database* database, QObject* parent = nullptr);

    QList<SyncConflict> listAll() const; // the latest replacement first
    std::optional<SyncConflict> byId(qint64 id) const;
    int count() const;

    // Keeps a replaced version. A later replacement of the same row takes the place of the
    // earlier one: the version the user last had is the one worth putting back.
    bool record(const SyncConflict& conflict);
    bool remove(qint64 id);

protected:
    void emitChange(const QString& key) override;

signals:
    void conflictsChanged();
};
