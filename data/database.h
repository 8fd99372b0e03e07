#pragma once

#include "data/migration.h"

#include <QObject>
#include <QSet>
#include <QSqlDatabase>

class UnitOfWork;

// Owns the application's one SQLite connection (Qt's default connection) and brings the
// file's schema up to date. Everything else builds its queries on connection().
class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    bool open(const QString& path);
    bool runMigrations();
    // Applies the given history instead of the application's; the schema tests feed their
    // own scripts through here.
    bool runMigrations(const QList<Migration>& migrations);

    QSqlDatabase connection() const { return m_db; }
    // The innermost unit of work open on the connection, or null.
    UnitOfWork* openUnitOfWork() const { return m_openUnit; }

signals:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);

private:
    bool applyMigration(int version, const QString& name, const QString& script);
    // The versions recorded in schema_version.
    QSet<int> appliedVersions() const;

    friend class UnitOfWork;

    QSqlDatabase m_db;
    bool m_open = false;
    UnitOfWork* m_openUnit = nullptr;
};
