#include "server/storage/migrator.h"

#include "server/storage/database.h"
#include "server/storage/sqltransaction.h"

#include <QDateTime>
#include <QFile>

namespace PennibarServer {

namespace {

struct Migration
{
    int version;
    const char* name;
    const char* resource;
};

const Migration kMigrations[] = {
    {1, "initial", ":/server/migrations/001_initial.sql"},
    {2, "authorization_codes", ":/server/migrations/002_authorization_codes.sql"},
};

// Any fixed number: it only has to be the same for every instance.
constexpr qint64 kMigrationLock = 7164021;

QStringList statementsOf(const QString& script)
{
    QStringList statements;
    QString current;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            statements.append(current.trimmed().chopped(1));
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

bool apply(Database& database, const Migration& migration, QString* error)
{
    QFile file(QString::fromLatin1(migration.resource));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read migration %1").arg(migration.version);
        return false;
    }
    SqlTransaction transaction(database);
    for (const QString& statement : statementsOf(QString::fromUtf8(file.readAll()))) {
        if (!database.execute(statement)) {
            *error = QStringLiteral("migration %1 failed").arg(migration.version);
            return false;
        }
    }
    if (!database.execute(QStringLiteral("INSERT INTO schema_version (version, name, applied_at) "
                                         "VALUES (?, ?, ?)"),
                          {migration.version, QString::fromLatin1(migration.name),
                           QDateTime::currentSecsSinceEpoch()}) ||
        !transaction.commit()) {
        *error = QStringLiteral("cannot record migration %1").arg(migration.version);
        return false;
    }
    qInfo("Applied migration %d (%s)", migration.version, migration.name);
    return true;
}

bool migrate(Database& database, QString* error)
{
    if (!database.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version "
                                         "INTEGER PRIMARY KEY, name TEXT NOT NULL, applied_at "
                                         "BIGINT NOT NULL)"))) {
        *error = QStringLiteral("cannot create the schema_version table");
        return false;
    }
    const auto rows = database.select(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    if (!rows) {
        *error = QStringLiteral("cannot read the schema version");
        return false;
    }
    const int current = rows->isEmpty() ? 0 : rows->first().value(0).toInt();
    if (current > Migrator::latestVersion()) {
        *error = QStringLiteral("the database has schema version %1, newer than this program "
                                "knows (%2); run a newer pennibar-server")
                     .arg(current)
                     .arg(Migrator::latestVersion());
        return false;
    }
    for (const Migration& migration : kMigrations) {
        if (migration.version > current && !apply(database, migration, error))
            return false;
    }
    return true;
}

} // namespace

int Migrator::latestVersion()
{
    return kMigrations[std::size(kMigrations) - 1].version;
}

bool Migrator::run(Database& database, QString* error)
{
    const bool postgres = database.kind() == DatabaseSettings::Kind::Postgres;
    if (postgres &&
        !database.select(QStringLiteral("SELECT pg_advisory_lock(?)"), {kMigrationLock})) {
        *error = QStringLiteral("cannot take the migration lock");
        return false;
    }
    const bool ok = migrate(database, error);
    if (postgres)
        database.select(QStringLiteral("SELECT pg_advisory_unlock(?)"), {kMigrationLock});
    return ok;
}

} // namespace PennibarServer
