#pragma once

#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>

class Database;
class Repository;

// The writes of one action as one database transaction. While a unit is open the repositories
// hold back their change signals; the outermost commit announces each changed table (and each
// changed account's transactions) once, so no view reloads and no sync starts half-way through
// an action, nor sees rows a rollback takes back. A rollback announces nothing.
//
// Units nest: a unit opened while another is open on the same database becomes a savepoint of
// it. Committing the inner unit keeps its writes and hands its announcements to the outer one;
// rolling it back undoes only its own writes. A unit opened inside a transaction that someone
// else began joins it the same way, and the owner of that transaction decides what stays.
//
// A unit that is neither committed nor rolled back rolls back when it goes out of scope.
class UnitOfWork
{
public:
    explicit UnitOfWork(Database* database);
    ~UnitOfWork();

    UnitOfWork(const UnitOfWork&) = delete;
    UnitOfWork& operator=(const UnitOfWork&) = delete;

    // False when no transaction or savepoint could be started (logged); writes made anyway
    // would each be stored at once, so callers write nothing then.
    bool isActive() const { return m_state == State::Open; }

    // Keeps the writes. The outermost unit commits the transaction and then announces; false
    // (everything rolled back, nothing announced) when the commit fails or the unit is not
    // active.
    bool commit();
    // Undoes this unit's writes and forgets its announcements.
    void rollback();

private:
    friend class Repository;

    enum class Mode
    {
        Transaction, // began the database transaction: commits it
        Savepoint,   // nested in an open transaction
    };
    enum class State
    {
        Failed,
        Open,
        Finished,
    };
    struct Change
    {
        QPointer<Repository> repository;
        QString key;
    };

    // A repository's change, announced when the outermost unit commits.
    void hold(Repository* repository, const QString& key);
    void adopt(const QList<Change>& changes);
    void announce() const;
    // Makes the enclosing unit the open one again.
    void close(State state);
    bool execute(const QString& statement) const;
    QString savepointName() const;

    Database* m_database;
    UnitOfWork* m_enclosing;
    int m_depth;
    Mode m_mode = Mode::Savepoint;
    State m_state = State::Failed;
    QList<Change> m_changes;
    QSet<QPair<const Repository*, QString>> m_held;
};
