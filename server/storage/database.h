#pragma once

#include "server/storage/databasesettings.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>

class QSqlError;
class QSqlQuery;

namespace PennibarServer {

using SqlRow = QVariantList;
using SqlRows = QList<SqlRow>;

// One connection to the server's database, SQLite or PostgreSQL, through the same SQL. Statements
// use positional "?" placeholders and are prepared once per connection (statements without
// arguments run unprepared). A null QString binds as
// empty text; an invalid QVariant binds as SQL NULL. Failures are logged with
// the statement and reported as empty results, never thrown.
class Database
{
public:
    explicit Database(QString connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool open(const DatabaseSettings& settings, QString* error);
    DatabaseSettings::Kind kind() const { return m_kind; }

    // Every row of the result, or nothing when the statement failed. SQL NULL reads as an
    // invalid QVariant.
    std::optional<SqlRows> select(const QString& sql, const QVariantList& arguments = {});
    // Hands the rows of an argument-free query to `visit` one by one, without collecting them;
    // false when the query failed or `visit` returned false.
    bool forEachRow(const QString& sql, const std::function<bool(const SqlRow&)>& visit);
    QStringList columnNames(const QString& table);
    // True when the statement ran; `rowsAffected` receives the number of rows it changed.
    bool execute(const QString& sql, const QVariantList& arguments = {},
                 qint64* rowsAffected = nullptr);

    // One transaction at a time; SqlTransaction is the usual way in.
    bool begin();
    bool commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

private:
    bool beginTransaction();
    QSqlQuery* run(const QString& sql, const QVariantList& arguments);
    QSqlQuery* attempt(const QString& sql, const QVariantList& arguments);
    void report(const QSqlError& error, const QString& sql);
    bool reconnect();
    QSqlDatabase handle() const;

    QString m_connectionName;
    DatabaseSettings::Kind m_kind = DatabaseSettings::Kind::Sqlite;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    std::unique_ptr<QSqlQuery> m_direct;
    bool m_inTransaction = false;
    bool m_lastErrorLostConnection = false;
};

} // namespace PennibarServer
