#include "server/storage/databasecopier.h"

#include "server/storage/database.h"
#include "server/storage/sqltransaction.h"

namespace PennibarServer {

const QStringList& DatabaseCopier::tables()
{
    static const QStringList tables = {
        QStringLiteral("users"),           QStringLiteral("sessions"),
        QStringLiteral("refresh_tokens"),  QStringLiteral("throttle_events"),
        QStringLiteral("server_settings"), QStringLiteral("family_groups"),
        QStringLiteral("group_members"),   QStringLiteral("group_invitations"),
        QStringLiteral("devices"),         QStringLiteral("sync_rows"),
        QStringLiteral("sync_feed"),       QStringLiteral("account_shares"),
    };
    return tables;
}

bool DatabaseCopier::copy(Database& source, Database& target, QString* error)
{
    for (const QString& table : {QStringLiteral("users"), QStringLiteral("sync_rows")}) {
        const auto count = target.select(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
        if (!count || count->first().at(0).toLongLong() != 0) {
            *error = QStringLiteral("the target database is not empty");
            return false;
        }
    }
    SqlTransaction transaction(target);
    if (!transaction.isActive()) {
        *error = QStringLiteral("cannot write to the target database");
        return false;
    }
    // The settings a fresh target may hold already give way to the source's, so that the apps'
    // cursors and the token secret stay valid.
    target.execute(QStringLiteral("DELETE FROM server_settings"));
    for (const QString& table : tables()) {
        qint64 rows = 0;
        if (!copyTable(source, target, table, &rows, error))
            return false;
        qInfo("Copied %lld rows of %s", rows, qPrintable(table));
    }
    const auto counter =
        source.select(QStringLiteral("SELECT value FROM sync_counter WHERE id = 1"));
    if (!counter || counter->isEmpty() ||
        !target.execute(QStringLiteral("UPDATE sync_counter SET value = ? WHERE id = 1"),
                        {counter->first().at(0)}) ||
        !transaction.commit()) {
        *error = QStringLiteral("cannot finish the copy");
        return false;
    }
    return true;
}

bool DatabaseCopier::copyTable(Database& source, Database& target, const QString& table,
                               qint64* rows, QString* error)
{
    const QStringList columns = source.columnNames(table);
    if (columns.isEmpty() || columns != target.columnNames(table)) {
        *error = QStringLiteral("the table %1 differs between the two databases").arg(table);
        return false;
    }
    QStringList placeholders;
    for (qsizetype i = 0; i < columns.size(); ++i)
        placeholders.append(QStringLiteral("?"));
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, columns.join(QStringLiteral(", ")),
                                    placeholders.join(QStringLiteral(", ")));
    bool written = true;
    const bool read =
        source.forEachRow(QStringLiteral("SELECT * FROM %1").arg(table), [&](const SqlRow& row) {
            written = target.execute(insert, row);
            ++*rows;
            return written;
        });
    if (!read || !written) {
        *error = QStringLiteral("cannot copy the table %1").arg(table);
        return false;
    }
    return true;
}

} // namespace PennibarServer
