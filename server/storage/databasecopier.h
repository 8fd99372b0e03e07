#pragma once

#include <QString>
#include <QStringList>

namespace PennibarServer {

class Database;

// Copies the server's tables from one database into another with the same schema (for example
// from SQLite to PostgreSQL), in one transaction on the target. The target must hold no data
// yet; its schema is already migrated.
class DatabaseCopier
{
public:
    // The tables in an order that keeps references intact.
    static const QStringList& tables();

    static bool copy(Database& source, Database& target, QString* error);

private:
    static bool copyTable(Database& source, Database& target, const QString& table, qint64* rows,
                          QString* error);
};

} // namespace PennibarServer
