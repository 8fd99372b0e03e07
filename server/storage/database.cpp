#include "server/storage/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace PennibarServer {

Database::Database(QString connectionName) : m_connectionName(std::move(connectionName)) {}

Database::~Database()
{
    m_statements.clear();
    m_direct.reset();
    if (QSqlDatabase::contains(m_connectionName)) {
        handle().close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::open(const DatabaseSettings& settings, QString* error)
{
    m_kind = settings.kind;
    if (settings.kind == DatabaseSettings::Kind::Sqlite) {
        const QFileInfo file(settings.path);
        if (!QDir().mkpath(file.absolutePath())) {
            *error = QStringLiteral("cannot create %1").arg(file.absolutePath());
            return false;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(settings.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!db.open()) {
            *error = db.lastError().text();
            return false;
        }
        // Household money data: readable by the server's own user only.
        QFile::setPermissions(settings.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        for (const char* pragma :
             {"PRAGMA journal_mode=WAL", "PRAGMA foreign_keys=ON", "PRAGMA synchronous=NORMAL"}) {
            if (!execute(QString::fromLatin1(pragma))) {
                *error = QStringLiteral("cannot set up %1").arg(settings.path);
                return false;
            }
        }
        return true;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    db.setHostName(settings.host);
    db.setPort(settings.port);
    db.setUserName(settings.user);
    db.setPassword(settings.password);
    db.setDatabaseName(settings.databaseName);
    db.setConnectOptions(settings.options);
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

QSqlQuery* Database::run(const QString& sql, const QVariantList& arguments)
{
    QSqlQuery* query = attempt(sql, arguments);
    // A lost PostgreSQL connection (a server restart, a fail-over) is opened again and the
    // statement tried once more, unless it was part of a transaction, which is lost anyway.
    if (!query && !m_inTransaction && reconnect())
        query = attempt(sql, arguments);
    return query;
}

QSqlQuery* Database::attempt(const QString& sql, const QVariantList& arguments)
{
    if (arguments.isEmpty()) {
        // Run as it stands: PostgreSQL cannot prepare DDL such as the migrations' statements.
        m_direct = std::make_unique<QSqlQuery>(handle());
        m_direct->setForwardOnly(true);
        if (m_direct->exec(sql))
            return m_direct.get();
        report(m_direct->lastError(), sql);
        return nullptr;
    }
    std::shared_ptr<QSqlQuery>& query = m_statements[sql];
    if (!query) {
        query = std::make_shared<QSqlQuery>(handle());
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            report(query->lastError(), sql);
            m_statements.remove(sql);
            return nullptr;
        }
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QVariant& argument = arguments.at(i);
        // Qt binds a null QString as SQL NULL; text is never meant as NULL here (QVariant() is).
        const bool nullText =
            argument.typeId() == QMetaType::QString && argument.toString().isNull();
        query->bindValue(i, nullText ? QVariant(QStringLiteral("")) : argument);
    }
    if (!query->exec()) {
        report(query->lastError(), sql);
        query->finish();
        return nullptr;
    }
    return query.get();
}

void Database::report(const QSqlError& error, const QString& sql)
{
    // PostgreSQL's classes 08 (connection exception) and 57P (server shut down) mean the
    // connection is gone even before Qt marks it closed.
    const QString code = error.nativeErrorCode();
    m_lastErrorLostConnection = error.type() == QSqlError::ConnectionError || !handle().isOpen() ||
                                code.startsWith(QLatin1String("08")) ||
                                code.startsWith(QLatin1String("57P"));
    qWarning("SQL failed: %s\nStatement: %s", qPrintable(error.text()), qPrintable(sql.left(200)));
}

bool Database::reconnect()
{
    if (m_kind != DatabaseSettings::Kind::Postgres || !m_lastErrorLostConnection)
        return false;
    m_statements.clear();
    m_direct.reset();
    QSqlDatabase db = handle();
    db.close();
    if (!db.open()) {
        qWarning("Database: cannot connect again: %s", qPrintable(db.lastError().text()));
        return false;
    }
    m_lastErrorLostConnection = false;
    qInfo("Database: connected again");
    return true;
}

std::optional<SqlRows> Database::select(const QString& sql, const QVariantList& arguments)
{
    QSqlQuery* query = run(sql, arguments);
    if (!query)
        return std::nullopt;
    SqlRows rows;
    const int columns = query->record().count();
    while (query->next()) {
        SqlRow row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(query->isNull(i) ? QVariant() : query->value(i));
        rows.append(std::move(row));
    }
    query->finish();
    return rows;
}

bool Database::forEachRow(const QString& sql, const std::function<bool(const SqlRow&)>& visit)
{
    QSqlQuery* query = run(sql, {});
    if (!query)
        return false;
    const int columns = query->record().count();
    while (query->next()) {
        SqlRow row;
        for (int i = 0; i < columns; ++i)
            row.append(query->isNull(i) ? QVariant() : query->value(i));
        if (!visit(row)) {
            query->finish();
            return false;
        }
    }
    query->finish();
    return true;
}

QStringList Database::columnNames(const QString& table)
{
    QSqlQuery* query = run(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table), {});
    QStringList names;
    if (!query)
        return names;
    const QSqlRecord record = query->record();
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i).toLower());
    query->finish();
    return names;
}

bool Database::execute(const QString& sql, const QVariantList& arguments, qint64* rowsAffected)
{
    QSqlQuery* query = run(sql, arguments);
    if (!query)
        return false;
    if (rowsAffected)
        *rowsAffected = query->numRowsAffected();
    query->finish();
    return true;
}

bool Database::begin()
{
    if (m_inTransaction) {
        qWarning("Database: a transaction is already open");
        return false;
    }
    m_inTransaction = beginTransaction();
    if (!m_inTransaction) {
        m_lastErrorLostConnection =
            !handle().isOpen() || handle().lastError().type() == QSqlError::ConnectionError;
        if (reconnect())
            m_inTransaction = beginTransaction();
    }
    if (!m_inTransaction)
        qWarning("Database: cannot begin a transaction: %s",
                 qPrintable(handle().lastError().text()));
    return m_inTransaction;
}

bool Database::beginTransaction()
{
    // SQLite's default transaction takes the write lock at its first write, and when another
    // connection (another worker thread's) wrote since this one first read, that write fails at
    // once instead of waiting. Taken at the start, the lock is waited for like any other.
    if (m_kind == DatabaseSettings::Kind::Sqlite)
        return execute(QStringLiteral("BEGIN IMMEDIATE"));
    return handle().transaction();
}

bool Database::commit()
{
    m_inTransaction = false;
    if (handle().commit())
        return true;
    qWarning("Database: commit failed: %s", qPrintable(handle().lastError().text()));
    handle().rollback();
    return false;
}

void Database::rollback()
{
    m_inTransaction = false;
    handle().rollback();
}

} // namespace PennibarServer
