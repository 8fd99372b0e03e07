#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct zip;
struct zip_source;

// Builds a standard ZIP archive in memory through libzip: entries deflated (stored when
// deflate would not shrink them), UTF-8 names, and the ZIP64 end records once the archive
// holds more than 65,535 entries, so that every common tool reads a backup of any number of
// rows. libzip writes the whole archive in finish(), so every entry's content is held until
// then.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False when the entry cannot be added (a name already in the archive, for one).
    bool addFile(const QString& name, const QByteArray& content);
    // Compresses the entries and hands the archive over; the writer is spent afterwards.
    // Empty when the archive could not be built (errorString() says why) or holds no entry.
    QByteArray finish();

    int entryCount() const { return m_contents.size(); }
    QString errorString() const { return m_error; }

private:
    struct Discard
    {
        void operator()(zip* archive) const;
    };
    struct FreeSource
    {
        void operator()(zip_source* source) const;
    };

    QByteArray takeOutput();

    std::unique_ptr<zip_source, FreeSource> m_output;
    std::unique_ptr<zip, Discard> m_zip;
    QList<QByteArray> m_contents; // read by libzip only when the archive is written
    QString m_error;
};
