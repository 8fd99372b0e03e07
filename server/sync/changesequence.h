#pragma once

#include <QtGlobal>

#include <optional>

namespace PennibarServer {

class Database;

// The global change sequence that pull cursors point into. Numbers are taken inside the
// writer's transaction from a single counter row; on PostgreSQL that row stays locked until the
// writer commits, so changes become visible in sequence order and a cursor never skips one.
class ChangeSequence
{
public:
    explicit ChangeSequence(Database& database) : m_database(database) {}

    // Takes `count` numbers and returns the first.
    std::optional<qint64> reserve(qint64 count);
    // The last number taken.
    std::optional<qint64> current();

private:
    Database& m_database;
};

} // namespace PennibarServer
