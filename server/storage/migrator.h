#pragma once

#include <QString>

namespace PennibarServer {

class Database;

// Brings the schema up to date: numbered scripts compiled into the program, each applied once in
// its own transaction and recorded in schema_version. Several instances starting together on one
// PostgreSQL database take turns through an advisory lock.
class Migrator
{
public:
    static bool run(Database& database, QString* error);
    // The newest schema version this program knows.
    static int latestVersion();
};

} // namespace PennibarServer
