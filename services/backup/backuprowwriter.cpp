#include "services/backup/backuprowwriter.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString idColumn = QStringLiteral("id");
const QString updatedAtColumn = QStringLiteral("updated_at");
const QString deletedAtColumn = QStringLiteral("deleted_at");

// When a row last changed. Its deletion is a change too, and a deletion kept from the server
// may be later than the row's last edit. ISO timestamps of one format sort chronologically as
// plain text.
QString lastChange(const QString& updatedAt, const QString& deletedAt)
{
    return std::max(updatedAt, deletedAt);
}

// A JSON number binds as a 64-bit integer: integral numbers keep every digit, anything else
// is cut to its integral part and held within range.
QVariant integralValue(const QJsonValue& value)
{
    const qint64 exact = value.toInteger(0);
    const double number = value.toDouble();
    if (exact != 0 || number == 0)
        return exact;
    constexpr double limit = 9.2e18;
    if (number >= limit)
        return std::numeric_limits<qint64>::max();
    if (number <= -limit)
        return std::numeric_limits<qint64>::min();
    return qint64(std::trunc(number));
}

QVariant boundValue(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return integralValue(value);
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool();
    default:
        return QVariant(); // null
    }
}

} // namespace

BackupRowWriter::BackupRowWriter(const QSqlDatabase& connection, const QString& table)
    : m_connection(connection), m_table(table), m_lookup(connection)
{
    QSqlQuery info(m_connection);
    if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(m_table))) {
        while (info.next())
            m_columns.insert(info.value(1).toString());
    }
    m_synchronised = m_columns.contains(QStringLiteral("sync_status"));
    // Split lines are deleted for good, so they have no deletion time.
    const QString deletedAt =
        m_columns.contains(deletedAtColumn) ? deletedAtColumn : QStringLiteral("NULL");
    m_lookupReady = m_lookup.prepare(
        QStringLiteral("SELECT id, updated_at, %1 FROM %2 WHERE id = ?").arg(deletedAt, m_table));
}

bool BackupRowWriter::validate(const QJsonObject& row, const QString& entryPath,
                               QStringList& errors) const
{
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (!m_columns.contains(it.key())) {
            errors << tr("%1: unknown column %2").arg(entryPath, it.key());
            return false;
        }
        if (it.value().isArray() || it.value().isObject()) {
            errors << tr("%1: unsupported value for %2").arg(entryPath, it.key());
            return false;
        }
    }
    return true;
}

bool BackupRowWriter::shouldOverwrite(const QJsonObject& row, BackupImportMode mode,
                                      const StoredTimes& stored)
{
    const QString backupUpdatedAt = row.value(updatedAtColumn).toString();
    const QString backupDeletedAt = row.value(deletedAtColumn).toString();
    const bool backupNewer = lastChange(backupUpdatedAt, backupDeletedAt) >
                             lastChange(stored.updatedAt, stored.deletedAt);
    switch (mode) {
    case BackupImportMode::ReplaceAll:
        return true;
    case BackupImportMode::KeepNewer:
        return backupUpdatedAt.isEmpty() || backupNewer;
    case BackupImportMode::SkipExisting:
        // The rows kept are left as they are, but a deletion made after them still applies:
        // skipping it would bring the deleted row back to life.
        return !backupDeletedAt.isEmpty() && stored.deletedAt.isEmpty() && backupNewer;
    }
    return false;
}

bool BackupRowWriter::execute(const QString& sql, const QVariantList& values)
{
    // Documents of one table nearly always share one member list, so each statement text is
    // prepared once per restore.
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_connection);
        if (!query.prepare(sql))
            return false;
        it = m_statements.insert(sql, query);
    }
    QSqlQuery& query = it.value();
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    const bool ok = query.exec();
    query.finish();
    return ok;
}

BackupRowWriter::Outcome BackupRowWriter::write(QJsonObject row, BackupImportMode mode,
                                                const QString& entryPath, QStringList& errors)
{
    // A restored row is a new local revision that the sync engine must push again.
    if (m_synchronised) {
        row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
        row.insert(QStringLiteral("server_id"), QJsonValue::Null);
        row.insert(QStringLiteral("version"), 1);
    }
    if (!validate(row, entryPath, errors))
        return Outcome::Skipped;
    const QString id = row.value(idColumn).toString();
    if (id.isEmpty() || !m_lookupReady)
        return Outcome::Skipped;
    m_lookup.bindValue(0, id);
    if (!m_lookup.exec())
        return Outcome::Skipped;
    const bool exists = m_lookup.next();
    const StoredTimes stored{exists ? m_lookup.value(1).toString() : QString(),
                             exists ? m_lookup.value(2).toString() : QString()};
    m_lookup.finish();

    // QJsonObject iterates its members sorted by name; columns and values follow that order.
    QStringList names;
    QVariantList values;
    if (!exists) {
        QStringList placeholders;
        for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
            names << it.key();
            placeholders << QStringLiteral("?");
            values << boundValue(it.value());
        }
        const bool inserted = execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(m_table, names.join(QStringLiteral(", ")),
                                               placeholders.join(QStringLiteral(", "))),
                                      values);
        return inserted ? Outcome::Inserted : Outcome::Skipped;
    }
    if (!shouldOverwrite(row, mode, stored))
        return Outcome::Skipped;
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (it.key() == idColumn)
            continue;
        names << QStringLiteral("%1 = ?").arg(it.key());
        values << boundValue(it.value());
    }
    values << id;
    const bool overwritten = execute(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                                         .arg(m_table, names.join(QStringLiteral(", "))),
                                     values);
    return overwritten ? Outcome::Overwritten : Outcome::Skipped;
}
