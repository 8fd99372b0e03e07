#include "data/database.h"
#include "fuzz/fuzzapplication.h"
#include "services/backup/backupservice.h"
#include "services/backup/zipwriter.h"

#include <QSqlQuery>
#include <QStringList>

// A backup restored into a scratch database. The first byte picks the restore mode and the
// form of the rest: either the archive's bytes as they stand (damaged containers), or entries
// separated by NUL bytes, each a folder letter and a JSON document, packed into a sound ZIP
// so that the fuzzer reaches the row documents. Every input is restored twice, the second
// time over the rows of the first, and the database is emptied afterwards.
namespace {

const QStringList folders{QStringLiteral("accounts"),     QStringLiteral("categories"),
                          QStringLiteral("transactions"), QStringLiteral("split_lines"),
                          QStringLiteral("recurring"),    QStringLiteral("reconciliations")};

Database* scratch = nullptr;

QByteArray packEntries(const QByteArray& text)
{
    ZipWriter writer;
    const QList<QByteArray> parts = text.split('\0');
    for (qsizetype i = 0; i < parts.size() && i < 32; ++i) {
        const QByteArray& part = parts.at(i);
        if (i == 0) {
            writer.addFile(QStringLiteral("manifest.json"), part);
            continue;
        }
        if (part.isEmpty())
            continue;
        const QString folder = folders.at(uchar(part.at(0)) % folders.size());
        writer.addFile(QStringLiteral("%1/%2.json").arg(folder).arg(i), part.mid(1));
    }
    return writer.finish();
}

void emptyDatabase()
{
    QSqlQuery query(scratch->connection());
    query.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    for (const QString& table :
         {QStringLiteral("split_lines"), QStringLiteral("transactions"),
          QStringLiteral("reconciliations"), QStringLiteral("recurring_transactions"),
          QStringLiteral("categories"), QStringLiteral("accounts"), QStringLiteral("sync_queue")})
        query.exec(QStringLiteral("DELETE FROM %1").arg(table));
    query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    scratch = new Database;
    if (!scratch->open(QStringLiteral(":memory:")) || !scratch->runMigrations())
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const bool raw = data[0] & 1;
    const QByteArray archive = raw ? rest : packEntries(rest);
    BackupService backup(scratch);
    const int mode = (data[0] >> 1) % 3;
    backup.importBackup(archive, BackupImportMode(mode));
    backup.importBackup(archive, BackupImportMode((mode + 1) % 3));
    emptyDatabase();
    return 0;
}
