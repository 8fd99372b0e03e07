#pragma once

#include "services/backup/backuprowwriter.h"

#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QStringList>

// Split lines are part of their transaction: a restore takes them from the version of the
// transaction it keeps. Restored row by row, the lines of a backup's transaction that was kept
// as stored came back beside the lines it has now, which split it twice over. Learns what became
// of each transaction of the backup, then clears the stored lines of those it overwrote and
// turns away the backup's lines of those it kept.
class SplitLineOwners
{
public:
    void noteTransaction(const QString& id, BackupRowWriter::Outcome outcome);
    // Deletes the stored split lines of every transaction the restore overwrote: the backup's
    // lines take their place.
    void clearOverwritten(const QSqlDatabase& connection) const;
    // False for a line of a transaction of the backup that the restore kept as stored. A line
    // whose transaction is not in the backup is restored on its own.
    bool admits(const QJsonObject& splitLine) const;

private:
    QSet<QString> m_kept;
    QStringList m_overwritten;
};
