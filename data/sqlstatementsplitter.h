#pragma once

#include <QString>
#include <QStringList>

// Cuts a migration script into statements. Line based: a statement ends at a line ending in
// ';' unless that line lies inside a BEGIN ... END block, so a trigger body stays whole.
// Comment lines ("--") are dropped; the statements come without their trailing ';'.
class SqlStatementSplitter
{
public:
    static QStringList split(const QString& script);
};
