#include "services/backup/backupservice.h"

#include "services/backup/backuprowdocument.h"
#include "services/backup/backuprowwriter.h"
#include "services/backup/zipreader.h"
#include "services/backup/zipwriter.h"

#include "app/core/isodates.h"
#include "data/database.h"
#include "data/unitofwork.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

// One table of the archive, in archive order.
struct BackupTable
{
    QString table;
    QString folder;
    QString countKey;
    int BackupImportResult::*imported;
    int BackupImportResult::*skipped;
};

namespace {

const QString manifestName = QStringLiteral("manifest.json");
constexpr int backupVersion = 1;

const QList<BackupTable>& backupTables()
{
    static const QList<BackupTable> tables{
        {QStringLiteral("accounts"), QStringLiteral("accounts"), QStringLiteral("accountCount"),
         &BackupImportResult::accountsImported, &BackupImportResult::accountsSkipped},
        {QStringLiteral("categories"), QStringLiteral("categories"),
         QStringLiteral("categoryCount"), &BackupImportResult::categoriesImported,
         &BackupImportResult::categoriesSkipped},
        {QStringLiteral("transactions"), QStringLiteral("transactions"),
         QStringLiteral("transactionCount"), &BackupImportResult::transactionsImported,
         &BackupImportResult::transactionsSkipped},
        {QStringLiteral("split_lines"), QStringLiteral("split_lines"),
         QStringLiteral("splitLineCount"), &BackupImportResult::splitLinesImported,
         &BackupImportResult::splitLinesSkipped},
        {QStringLiteral("recurring_transactions"), QStringLiteral("recurring"),
         QStringLiteral("recurringCount"), &BackupImportResult::recurringImported,
         &BackupImportResult::recurringSkipped},
        {QStringLiteral("reconciliations"), QStringLiteral("reconciliations"),
         QStringLiteral("reconciliationCount"), &BackupImportResult::reconciliationsImported,
         &BackupImportResult::reconciliationsSkipped},
    };
    return tables;
}

} // namespace

BackupService::BackupService(Database* database, QObject* parent)
    : QObject(parent), m_database(database)
{
}

int BackupService::exportTable(ZipWriter& writer, const BackupTable& table) const
{
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table.table))) {
        qWarning().noquote() << "BackupService export query failed:" << query.lastError().text();
        return 0;
    }
    int count = 0;
    while (query.next()) {
        const QSqlRecord record = query.record();
        const QString name = QStringLiteral("%1/%2.json")
                                 .arg(table.folder, record.value(QStringLiteral("id")).toString());
        if (writer.addFile(name, BackupRowDocument::fromRecord(record)))
            ++count;
        else
            qWarning().noquote() << "BackupService could not add" << name;
    }
    return count;
}

QByteArray BackupService::exportBackup() const
{
    ZipWriter writer;
    QJsonObject manifest{{QStringLiteral("version"), backupVersion},
                         {QStringLiteral("exportedAt"), toIsoTimestamp(nowUtc())}};
    for (const BackupTable& table : backupTables())
        manifest.insert(table.countKey, exportTable(writer, table));
    writer.addFile(manifestName, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    const QByteArray archive = writer.finish();
    if (archive.isEmpty())
        qWarning().noquote() << "BackupService could not build the archive:"
                             << writer.errorString();
    return archive;
}

bool BackupService::readEntry(ZipReader& reader, int index, QByteArray& content,
                              QStringList& errors) const
{
    switch (reader.read(index, maximumEntrySize, content)) {
    case ZipReader::ReadStatus::Ok:
        return true;
    case ZipReader::ReadStatus::TooLarge:
        errors << tr("%1: entry too large").arg(reader.entries().at(index).name);
        return false;
    case ZipReader::ReadStatus::Unreadable:
        errors << tr("%1: unreadable entry").arg(reader.entries().at(index).name);
        return false;
    }
    return false;
}

void BackupService::importTable(ZipReader& reader, const BackupTable& table, BackupImportMode mode,
                                BackupImportResult& result)
{
    BackupRowWriter rows(m_database->connection(), table.table);
    const QString prefix = table.folder + QLatin1Char('/');
    const QList<ZipReader::Entry>& entries = reader.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString& path = entries.at(i).name;
        if (!path.startsWith(prefix) || !path.endsWith(QLatin1String(".json")))
            continue;
        // The one place that guards against the unexpected: a restore goes on with the next
        // entry whatever a single one does.
        try {
            QByteArray content;
            if (!readEntry(reader, i, content, result.errors))
                continue;
            const QJsonObject row = QJsonDocument::fromJson(content).object();
            if (row.isEmpty()) {
                result.errors << tr("%1: invalid JSON").arg(path);
                continue;
            }
            if (rows.write(row, mode, path, result.errors))
                ++(result.*table.imported);
            else
                ++(result.*table.skipped);
        } catch (...) {
            result.errors << tr("%1: unexpected error").arg(path);
        }
    }
}

BackupImportResult BackupService::importBackup(const QByteArray& archive, BackupImportMode mode)
{
    BackupImportResult result;
    ZipReader reader(archive);
    if (!reader.isValid()) {
        result.errors << tr("Failed to open ZIP archive");
        return result;
    }

    const int manifestIndex = reader.indexOf(manifestName);
    QByteArray manifest;
    if (manifestIndex >= 0 && !readEntry(reader, manifestIndex, manifest, result.errors))
        return result;
    if (manifest.isEmpty()) {
        result.errors << tr("Invalid backup: missing manifest.json");
        return result;
    }
    const int version =
        QJsonDocument::fromJson(manifest).object().value(QStringLiteral("version")).toInt();
    if (version != backupVersion) {
        result.errors << tr("Unsupported backup version: %1").arg(version);
        return result;
    }

    // The whole restore is one unit of work: a refused row undoes nothing else (each row is
    // written on its own statement), but a restore that dies half-way leaves nothing of itself,
    // rather than transactions without their split lines.
    UnitOfWork unit(m_database);
    if (!unit.isActive()) {
        result.errors << tr("The database could not start the restore");
        return result;
    }
    for (const BackupTable& table : backupTables())
        importTable(reader, table, mode, result);
    if (!unit.commit()) {
        BackupImportResult failed;
        failed.errors = result.errors;
        failed.errors << tr("The restored rows could not be stored; nothing was restored");
        return failed;
    }
    return result;
}
