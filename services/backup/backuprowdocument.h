#pragma once

#include <QByteArray>
#include <QList>

class QSqlQuery;
class QSqlRecord;

// The JSON documents of one table's rows in a backup: one member per column, named as the
// column and in the table's column order (which QJsonObject, sorting its keys, cannot keep),
// indented like QJsonDocument::Indented. NULL becomes null, integers and reals numbers,
// anything else a string. The member names are encoded once for all the rows.
class BackupRowDocument
{
public:
    // For the rows of a query with these columns.
    explicit BackupRowDocument(const QSqlRecord& columns);

    // The document of the row the query is on.
    QByteArray of(const QSqlQuery& row) const;

private:
    QList<QByteArray> m_members; // each column's `    "name": `
};
