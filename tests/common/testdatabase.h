#pragma once

#include "data/database.h"

#include <QTemporaryDir>

#include <memory>

// A migrated database file in a fresh temporary directory, closed and unregistered again
// when the fixture goes, so every test case starts from its own file.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    bool isReady() const { return m_ready; }
    Database* database() const { return m_database.get(); }
    QString path() const;

    // Runs a statement that must succeed; for setting up fixtures the repositories refuse.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or an invalid value.
    QVariant scalar(const QString& sql) const;

private:
    QTemporaryDir m_directory;
    std::unique_ptr<Database> m_database;
    bool m_ready = false;
};
