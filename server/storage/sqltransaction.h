#pragma once

#include "server/storage/database.h"

namespace PennibarServer {

// A transaction that rolls back unless committed.
class SqlTransaction
{
public:
    explicit SqlTransaction(Database& database) : m_database(database)
    {
        m_active = m_database.begin();
    }
    ~SqlTransaction()
    {
        if (m_active)
            m_database.rollback();
    }
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit()
    {
        const bool ok = m_active && m_database.commit();
        m_active = false;
        return ok;
    }

private:
    Database& m_database;
    bool m_active = false;
};

} // namespace PennibarServer
