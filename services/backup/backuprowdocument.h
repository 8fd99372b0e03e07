#pragma once

#include <QByteArray>

class QSqlRecord;

// The JSON document of one table row in a backup: one member per column, named as the column
// and in the table's column order (which QJsonObject, sorting its keys, cannot keep), indented
// like QJsonDocument::Indented. NULL becomes null, integers and reals numbers, anything else
// a string.
class BackupRowDocument
{
public:
    static QByteArray fromRecord(const QSqlRecord& record);
};
