#include "services/backup/backupservice.h"

#include "services/backup/backuprowdocument.h"
#include "services/backup/backuprowwriter.h"
#include "services/backup/splitlineowners.h"
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

#include <deque>
#include <optional>

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

// One table's entries in the archive. Its rows are walked twice in the same order: once for
// their ids to name the entries, and once more while the archive is written, each row's
// document made only when libzip writes its entry, so that a backup of any size holds one
// document at a time. Inside one read transaction both walks meet the same rows.
class TableExport
{
public:
    TableExport(const QSqlDatabase& connection, const BackupTable& table)
        : m_connection(connection), m_table(table), m_rows(connection)
    {
        m_rows.setForwardOnly(true);
    }
    TableExport(const TableExport&) = delete;
    TableExport& operator=(const TableExport&) = delete;

    // Adds one entry per row; the number added, 0 when the table cannot be read (logged).
    int addEntries(ZipWriter& writer)
    {
        QSqlQuery ids(m_connection);
        ids.setForwardOnly(true);
        if (!select(ids, QStringLiteral("SELECT id FROM %1 ORDER BY rowid")))
            return 0;
        const ZipWriter::Content document = [this](const QString& name) {
            return documentOf(name);
        };
        int count = 0;
        while (ids.next()) {
            const QString name = entryName(ids.value(0));
            if (writer.addFile(name, document))
                ++count;
            else
                qWarning().noquote() << "BackupService could not add" << name;
        }
        return count;
    }

private:
    // The document of the next row of that entry name. A row whose entry the archive refused
    // (its name already taken) is passed over. nullopt when none is left.
    std::optional<QByteArray> documentOf(const QString& name)
    {
        if (!m_walking) {
            m_walking = true;
            if (select(m_rows, QStringLiteral("SELECT * FROM %1 ORDER BY rowid"))) {
                m_idColumn = m_rows.record().indexOf(QStringLiteral("id"));
                m_document.emplace(m_rows.record());
            }
        }
        while (m_rows.next()) {
            if (entryName(m_rows.value(m_idColumn)) == name)
                return m_document->of(m_rows);
        }
        return std::nullopt;
    }

    bool select(QSqlQuery& query, const QString& statement) const
    {
        if (query.exec(statement.arg(m_table.table)))
            return true;
        qWarning().noquote() << "BackupService export query failed:" << query.lastError().text();
        return false;
    }

    QString entryName(const QVariant& id) const
    {
        return QStringLiteral("%1/%2.json").arg(m_table.folder, id.toString());
    }

    QSqlDatabase m_connection;
    const BackupTable& m_table;
    QSqlQuery m_rows; // the second walk
    std::optional<BackupRowDocument> m_document;
    bool m_walking = false;
    int m_idColumn = -1;
};

} // namespace

BackupService::BackupService(Database* database, QObject* parent)
    : QObject(parent), m_database(database)
{
}

QByteArray BackupService::exportBackup() const
{
    // A unit of reads only: every table is read twice, and both walks must see the same rows.
    // It also makes the archive one moment's picture of the whole database.
    const UnitOfWork snapshot(m_database);
    std::deque<TableExport> tables; // make the documents while finish() writes the archive
    ZipWriter writer;
    QJsonObject manifest{{QStringLiteral("version"), backupVersion},
                         {QStringLiteral("exportedAt"), toIsoTimestamp(nowUtc())}};
    for (const BackupTable& table : backupTables()) {
        TableExport& rows = tables.emplace_back(m_database->connection(), table);
        manifest.insert(table.countKey, rows.addEntries(writer));
    }
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
                                SplitLineOwners& splitLineOwners, BackupImportResult& result)
{
    const bool transactions = table.table == QLatin1String("transactions");
    const bool splitLines = table.table == QLatin1String("split_lines");
    if (splitLines)
        splitLineOwners.clearOverwritten(m_database->connection());
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
            if (splitLines && !splitLineOwners.admits(row)) {
                ++(result.*table.skipped);
                continue;
            }
            const BackupRowWriter::Outcome outcome = rows.write(row, mode, path, result.errors);
            if (transactions)
                splitLineOwners.noteTransaction(row.value(QStringLiteral("id")).toString(),
                                                outcome);
            if (outcome == BackupRowWriter::Outcome::Skipped)
                ++(result.*table.skipped);
            else
                ++(result.*table.imported);
        } catch (...) {
            result.errors << tr("%1: unexpected error").arg(path);
        }
    }
}

BackupImportResult BackupService::importBackup(const QByteArray& archive, BackupImportMode mode)
{
    BackupImportResult result;
    ZipReader reader(archive);
    const auto reject = [&result](const QString& reason) {
        result.rejection = reason;
        result.errors << reason;
        return result;
    };
    if (!reader.isValid())
        return reject(tr("Failed to open ZIP archive"));

    const int manifestIndex = reader.indexOf(manifestName);
    QByteArray manifest;
    if (manifestIndex >= 0 && !readEntry(reader, manifestIndex, manifest, result.errors)) {
        result.rejection = result.errors.constLast();
        return result;
    }
    if (manifest.isEmpty())
        return reject(tr("Invalid backup: missing manifest.json"));
    const int version =
        QJsonDocument::fromJson(manifest).object().value(QStringLiteral("version")).toInt();
    if (version != backupVersion)
        return reject(tr("Unsupported backup version: %1").arg(version));

    // The whole restore is one unit of work: a refused row undoes nothing else (each row is
    // written on its own statement), but a restore that dies half-way leaves nothing of itself,
    // rather than transactions without their split lines.
    UnitOfWork unit(m_database);
    if (!unit.isActive()) {
        result.errors << tr("The database could not start the restore");
        return result;
    }
    SplitLineOwners splitLineOwners;
    for (const BackupTable& table : backupTables())
        importTable(reader, table, mode, splitLineOwners, result);
    if (!unit.commit()) {
        BackupImportResult failed;
        failed.errors = result.errors;
        failed.errors << tr("The restored rows could not be stored; nothing was restored");
        return failed;
    }
    return result;
}
