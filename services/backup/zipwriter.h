#pragma once

#include <QByteArray>
#include <QString>

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct zip;

// Builds a standard ZIP archive in memory through libzip: entries deflated (stored when
// deflate would not shrink them), UTF-8 names, and the ZIP64 end records once the archive
// holds more than 65,535 entries, so that every common tool reads a backup of any number of
// rows. libzip writes the whole archive in finish(): it asks for an entry's content only when
// it writes that entry, the writer lets the content go once written, and the archive goes
// straight into the bytes finish() returns. A large archive is held once, and its entries'
// contents one at a time.
class ZipWriter
{
public:
    // Makes the content of the entry of that name while finish() writes it: asked once per
    // entry, in the order the entries were added. nullopt makes finish() fail.
    using Content = std::function<std::optional<QByteArray>(const QString& name)>;

    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False when the entry cannot be added (a name already in the archive, for one).
    bool addFile(const QString& name, const QByteArray& content);
    bool addFile(const QString& name, Content content);
    // Writes the entries and hands the archive over; the writer is spent afterwards.
    // Empty when the archive could not be built (errorString() says why) or holds no entry.
    QByteArray finish();

    int entryCount() const { return int(m_entries.size()); }
    QString errorString() const { return m_error; }

private:
    class ArchiveBuffer;
    class EntrySource;

    struct Discard
    {
        void operator()(zip* archive) const;
    };

    // The archive refers to the output and the entries: declared before it, they outlive it.
    std::unique_ptr<ArchiveBuffer> m_output;
    std::vector<std::unique_ptr<EntrySource>> m_entries;
    std::unique_ptr<zip, Discard> m_zip;
    std::time_t m_modified; // every entry's time stamp
    QString m_error;
};
