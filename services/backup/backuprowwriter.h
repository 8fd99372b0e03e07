#pragma once

#include "services/backup/backuptypes.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

// Writes the row documents of one table back into the database. The member names of a
// document come from a file the user picked, so they become column names only when the table
// really has such a column; every value is bound, never spliced into the SQL.
class BackupRowWriter
{
    Q_DECLARE_TR_FUNCTIONS(BackupRowWriter)

public:
    // What became of one row document.
    enum class Outcome
    {
        Inserted,
        Overwritten,
        Skipped,
    };

    BackupRowWriter(const QSqlDatabase& connection, const QString& table);

    // Inserted or overwritten, or skipped. A document refused for its content also adds an
    // error naming the entry.
    Outcome write(QJsonObject row, BackupImportMode mode, const QString& entryPath,
                  QStringList& errors);

private:
    // The stored row's times, as text: when it was last edited and when deleted (empty: live).
    struct StoredTimes
    {
        QString updatedAt;
        QString deletedAt;
    };

    bool validate(const QJsonObject& row, const QString& entryPath, QStringList& errors) const;
    static bool shouldOverwrite(const QJsonObject& row, BackupImportMode mode,
                                const StoredTimes& stored);
    bool execute(const QString& sql, const QVariantList& values);

    QSqlDatabase m_connection;
    QString m_table;
    QSet<QString> m_columns;
    bool m_synchronised = false; // the table carries the sync bookkeeping columns
    QSqlQuery m_lookup;
    bool m_lookupReady = false;
    QHash<QString, QSqlQuery> m_statements;
};
