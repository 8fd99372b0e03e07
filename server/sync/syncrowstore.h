#pragma once

#include "server/sync/syncrow.h"

#include <QList>
#include <QVariantList>

#include <optional>

namespace PennibarServer {

class Database;
using SqlRow = QVariantList;

// The sync_rows table: the latest state of every row, unique per owner by (type, client id).
class SyncRowStore
{
public:
    explicit SyncRowStore(Database& database) : m_database(database) {}

    // A lookup either finds the row, finds none, or fails.
    struct Lookup
    {
        bool ok = false;
        std::optional<SyncRow> row;
    };

    Lookup find(const QString& ownerId, const QString& entityType, const QString& clientId);
    Lookup byServerId(const QString& serverId);
    // Every row of an owner's account: the account row itself and the rows booked to it.
    std::optional<QList<SyncRow>> rowsOfAccount(const QString& ownerId, const QString& accountId);
    // Every category id the owner's live rows refer to.
    std::optional<QStringList> categoryReferences(const QString& ownerId);
    // Every category id the live rows of the owner's account refer to.
    std::optional<QStringList> categoryReferences(const QString& ownerId,
                                                  const QString& accountId);
    // The owner's categories with these client ids.
    std::optional<QList<SyncRow>> categories(const QString& ownerId, const QStringList& clientIds);

    // Stores a new row; its server id is chosen here.
    bool insert(SyncRow* row);
    bool update(const SyncRow& row);
    bool removeOwner(const QString& ownerId);

    // The table's columns for a SELECT, each prefixed with `alias` (for example "r."), and the
    // row read back from `values` starting at `first`. Other stores join against sync_rows.
    static QString columns(const QString& alias = QString());
    static SyncRow fromValues(const SqlRow& values, int first = 0);

private:
    std::optional<QList<SyncRow>> select(const QString& where, const QVariantList& arguments);
    std::optional<QStringList> referencedCategories(const QString& where,
                                                    const QVariantList& arguments);

    Database& m_database;
};

} // namespace PennibarServer
