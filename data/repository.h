#pragma once

#include "data/rowreader.h"
#include "data/syncbookkeeping.h"

#include <QHash>
#include <QObject>
#include <QSqlQuery>
#include <QVariantList>

#include <optional>

class Database;

// What every repository shares: prepared statements with positional bindings on the one
// connection, failure logging as "<Class>::<operation> failed: <driver text>", the
// soft-delete and sync bookkeeping statements that are the same for every synchronised table,
// and the announcement of changes, which an open unit of work holds back until it commits.
class Repository : public QObject
{
    Q_OBJECT

public:
    // The database this repository writes to: a unit of work around its writes opens on it.
    Database* database() const { return m_database; }

    // How many rows wait to be pushed, deleted ones included.
    int pendingCount() const;
    // The local id of the row the server knows by serverId; empty when there is none.
    QString idForServerId(const QString& serverId) const;
    // The lookup idForServerId runs on the given table, for checking its query plan.
    static QString idForServerIdQuery(const QString& table);
    // After the server accepted a pushed row: marks it synced with its server id only while it
    // still holds what was pushed (the same version, update time and deletion), so an edit made
    // while the push was under way is not taken for pushed. A row edited meanwhile stays
    // pending; it takes the server id and, when the server told it, the version the server now
    // holds, so that its own change coming back in the pull does not overwrite the newer edit.
    // True when the row was marked synced.
    bool markPushed(const QString& id, const QString& serverId, const SyncBookkeeping& pushed,
                    int serverVersion);
    // After a pulled deletion went through the soft delete: the row keeps the deletion and
    // update times it came with instead of this device's clock, so every device holds the same
    // deletion.
    bool keepPulledDeletion(const QString& id, const SyncBookkeeping& pulled);

protected:
    Repository(Database* database, const QString& table, QObject* parent);

    const QString& table() const { return m_table; }

    // Announces a successful write: at once, or when the open unit of work commits. The key
    // tells which part changed where the signal carries one (an account id, a preference key).
    void announce(const QString& key = QString());
    // Emits the repository's change signal for the key.
    virtual void emitChange(const QString& key) = 0;

    // Prepares and runs a statement; the query is returned positioned before its first row.
    QSqlQuery run(const QString& sql, const QVariantList& bindings, bool* ok = nullptr) const;

    // Runs a write. On failure logs "<Class>::<operation> failed:" unless operation is null.
    bool write(const QString& sql, const QVariantList& bindings, const char* operation) const;
    // Runs a bulk write and returns the rows changed; 0 (logged like write) on failure.
    int writeMany(const QString& sql, const QVariantList& bindings, const char* operation) const;
    // The same for a caller that must tell a failure from a write that matched no row: -1
    // (logged like write) on failure.
    int writeCounted(const QString& sql, const QVariantList& bindings, const char* operation) const;

    template <typename Record>
    QList<Record> list(const QString& sql, const QVariantList& bindings,
                       Record (*map)(RowReader&)) const
    {
        QList<Record> records;
        QSqlQuery query = run(sql, bindings);
        while (query.next()) {
            RowReader reader(query);
            records.append(map(reader));
        }
        return records;
    }

    template <typename Record>
    std::optional<Record> first(const QString& sql, const QVariantList& bindings,
                                Record (*map)(RowReader&)) const
    {
        QSqlQuery query = run(sql, bindings);
        if (!query.next())
            return std::nullopt;
        RowReader reader(query);
        return map(reader);
    }

    // One page of the pending rows in table order, for walking them without holding them all:
    // sql selects the rows after the rowid bound first, at most as many as bound second, in
    // rowid order. *afterRowId moves on to the last row handed out.
    template <typename Record>
    QList<Record> pendingPage(const QString& sql, qint64* afterRowId, int limit,
                              Record (*map)(RowReader&)) const
    {
        QList<Record> records = list(sql, {*afterRowId, limit}, map);
        if (!records.isEmpty())
            *afterRowId = rowIdOf(records.constLast().id);
        return records;
    }
    qint64 rowIdOf(const QString& id) const;

    // The statements shared by the synchronised tables, on this repository's table.
    bool softDeleteById(const QString& id, const char* operation) const;
    int softDeleteByAccountId(const QString& accountId) const;
    int restoreByAccountId(const QString& accountId, const QString& since) const;
    bool markRowSynced(const QString& id, const QString& serverId) const;
    // Rows removed outright, not soft-deleted: rows that left the user's books without the user
    // deleting them. The rows removed, or -1 (logged) on failure.
    int removeById(const QString& id) const;
    int removeByAccountId(const QString& accountId) const;
    int markAllRowsPendingForResync() const;

private:
    friend class UnitOfWork;

    void logFailure(const char* operation, const QSqlQuery& query) const;
    // Runs a write on a statement prepared once per SQL text and reset after every run.
    // Preparing an INSERT or UPDATE on transactions also compiles its full-text triggers,
    // which made preparing each time cost as much as the write itself in bulk imports.
    // Returns the rows changed, or -1 (logged like write) on failure.
    int runWrite(const QString& sql, const QVariantList& bindings, const char* operation) const;

    Database* m_database;
    QString m_table;
    mutable QHash<QString, QSqlQuery> m_writeStatements;
};
