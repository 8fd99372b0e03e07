#pragma once

#include <QStringList>

class TestDatabase;

// A table's rows as comparable text: "column=type:value|..." per row, NULL written as NULL,
// ordered by id. Lets a test state that a table is exactly as it was, or as expected.
class TableDump
{
public:
    static QStringList rows(const TestDatabase& db, const QString& table);
    // Every table an import or a restore writes.
    static QStringList ledgerTables();
};
