#include "data/unitofwork.h"

#include "data/database.h"
#include "data/repository.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

UnitOfWork::UnitOfWork(Database* database)
    : m_database(database), m_enclosing(database->m_openUnit),
      m_depth(m_enclosing ? m_enclosing->m_depth + 1 : 0)
{
    // A transaction begun elsewhere makes BEGIN fail; the savepoint then joins it.
    if (!m_enclosing && m_database->connection().transaction())
        m_mode = Mode::Transaction;
    else if (execute(QStringLiteral("SAVEPOINT %1").arg(savepointName())))
        m_mode = Mode::Savepoint;
    else
        return;
    m_state = State::Open;
    m_database->m_openUnit = this;
}

UnitOfWork::~UnitOfWork()
{
    rollback();
}

bool UnitOfWork::commit()
{
    if (!isActive())
        return false;
    QSqlDatabase connection = m_database->connection();
    bool committed = false;
    if (m_mode == Mode::Transaction) {
        committed = connection.commit();
        if (!committed) {
            qWarning().noquote() << "UnitOfWork::commit failed:" << connection.lastError().text();
            connection.rollback();
        }
    } else {
        committed = execute(QStringLiteral("RELEASE %1").arg(savepointName()));
        if (!committed) {
            execute(QStringLiteral("ROLLBACK TO %1").arg(savepointName()));
            execute(QStringLiteral("RELEASE %1").arg(savepointName()));
        }
    }
    // Closed before announcing: what the listeners write is not part of this unit.
    close(State::Finished);
    if (!committed)
        return false;
    if (m_enclosing)
        m_enclosing->adopt(m_changes);
    else
        announce();
    return true;
}

void UnitOfWork::rollback()
{
    if (!isActive())
        return;
    if (m_mode == Mode::Transaction) {
        m_database->connection().rollback();
    } else {
        execute(QStringLiteral("ROLLBACK TO %1").arg(savepointName()));
        execute(QStringLiteral("RELEASE %1").arg(savepointName()));
    }
    close(State::Finished);
}

void UnitOfWork::hold(Repository* repository, const QString& key)
{
    const QPair<const Repository*, QString> identity(repository, key);
    if (m_held.contains(identity))
        return;
    m_held.insert(identity);
    m_changes.append({repository, key});
}

void UnitOfWork::adopt(const QList<Change>& changes)
{
    for (const Change& change : changes) {
        if (change.repository)
            hold(change.repository, change.key);
    }
}

void UnitOfWork::announce() const
{
    for (const Change& change : m_changes) {
        if (change.repository)
            change.repository->emitChange(change.key);
    }
}

void UnitOfWork::close(State state)
{
    Q_ASSERT(m_database->m_openUnit == this);
    m_database->m_openUnit = m_enclosing;
    m_state = state;
}

bool UnitOfWork::execute(const QString& statement) const
{
    QSqlQuery query(m_database->connection());
    if (query.exec(statement))
        return true;
    qWarning().noquote() << "UnitOfWork:" << statement << "failed:" << query.lastError().text();
    return false;
}

QString UnitOfWork::savepointName() const
{
    return QStringLiteral("unit_of_work_%1").arg(m_depth);
}
