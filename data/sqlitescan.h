#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <optional>

struct sqlite3_stmt;

// A read of many rows of a few small columns (rowids, amounts, dates) on the connection.
// QSqlQuery turns every column of every row into a QVariant, which costs more than SQLite's
// own read of index entries; this runs the statement through SQLite's interface on the
// connection's handle instead, and through QSqlQuery where the connection's SQLite is not
// the library this program is linked with.
class SqliteScan
{
public:
    // Prepares and starts the statement with its text bindings; a statement that fails reads
    // as no rows, with the failure logged.
    SqliteScan(const QSqlDatabase& connection, const QString& sql, const QStringList& bindings);
    ~SqliteScan();
    SqliteScan(const SqliteScan&) = delete;
    SqliteScan& operator=(const SqliteScan&) = delete;

    bool next();
    qint64 integer(int column) const;
    // The column's text as UTF-8, valid until the next call; empty for NULL.
    QByteArray text(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    std::optional<QSqlQuery> m_query;
};
