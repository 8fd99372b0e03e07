#include "data/database.h"

#include "data/sqlstatementsplitter.h"

#include <QFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString createSchemaVersionTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT "
    "NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))");

} // namespace

Database::Database(QObject* parent) : QObject(parent) {}

Database::~Database()
{
    if (m_open)
        m_db.close();
}

bool Database::open(const QString& path)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        qCritical() << "Failed to open database:" << m_db.lastError().text();
        return false;
    }
    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // A register reads its account's rows in date order, which visits the table's pages in no
    // order at all; read through the small page cache, each visit costs a system call. Mapping
    // the file lets SQLite read the pages straight from memory. Where mapping is unavailable
    // SQLite reads as before.
    pragma.exec(QStringLiteral("PRAGMA mmap_size=268435456"));
    // Every insert into a table with triggers keeps a statement journal until it ends, which
    // SQLite moves to a temporary file once it passes 64 KiB: a pulled page or an import wrote
    // more to those files than to the database. Kept in memory, the journal costs a few pages
    // for the length of one statement.
    pragma.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
    m_open = true;
    return true;
}

bool Database::runMigrations()
{
    return runMigrations(applicationMigrations());
}

bool Database::runMigrations(const QList<Migration>& migrations)
{
    QSqlQuery create(m_db);
    if (!create.exec(createSchemaVersionTable)) {
        qCritical() << "Failed to create schema_version table:" << create.lastError().text();
        return false;
    }

    // Each migration is checked on its own rather than against the highest version applied, so
    // one numbered below an applied one (added on a branch merged later) still runs.
    const QSet<int> applied = appliedVersions();
    for (const Migration& migration : migrations) {
        if (applied.contains(migration.version))
            continue;
        QFile file(migration.scriptPath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message =
                QStringLiteral("Cannot read migration file: %1").arg(migration.scriptPath);
            qCritical().noquote() << message;
            emit migrationError(migration.version, message);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, migration.name, script))
            return false;
    }
    return true;
}

QSet<int> Database::appliedVersions() const
{
    QSet<int> versions;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT version FROM schema_version")))
        while (query.next())
            versions.insert(query.value(0).toInt());
    return versions;
}

bool Database::applyMigration(int version, const QString& name, const QString& script)
{
    m_db.transaction();

    const QStringList statements = SqlStatementSplitter::split(script);
    for (const QString& statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCritical().nospace() << "Migration " << version << " failed: " << error
                                  << "\nStatement: " << statement.left(200);
            m_db.rollback();
            emit migrationError(version, error);
            return false;
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        m_db.rollback();
        emit migrationError(version, record.lastError().text());
        return false;
    }

    m_db.commit();
    qInfo() << "Applied migration" << version << name;
    emit migrationApplied(version, name);
    return true;
}
