#pragma once

#include "services/backup/backuptypes.h"

#include <QByteArray>
#include <QObject>

class Database;
class SplitLineOwners;
class ZipReader;
struct BackupTable;

// Writes the whole database into one portable ZIP file of JSON row documents and reads such
// a file back. A restore never deletes a row of its own: new ids are inserted, existing ones
// are treated by the mode, and every restored synchronised row is marked for upload again. A
// transaction the backup overwrites takes the backup's split lines in place of its own. Works
// directly with SQL on the database's connection.
class BackupService : public QObject
{
    Q_OBJECT

public:
    // An entry whose declared size is above this is refused unread: a row document is a few
    // hundred bytes, so anything near it is damage or a hostile archive.
    static constexpr qint64 maximumEntrySize = 8 * 1024 * 1024;

    explicit BackupService(Database* database, QObject* parent = nullptr);

    // The whole archive; empty only when it could not be built at all (logged).
    QByteArray exportBackup() const;
    BackupImportResult importBackup(const QByteArray& archive, BackupImportMode mode);

private:
    void importTable(ZipReader& reader, const BackupTable& table, BackupImportMode mode,
                     SplitLineOwners& splitLineOwners, BackupImportResult& result);
    // False when the entry could not be read; the reason is added to the errors.
    bool readEntry(ZipReader& reader, int index, QByteArray& content, QStringList& errors) const;

    Database* m_database;
};
