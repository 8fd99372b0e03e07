#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Builds a standard ZIP archive in memory: deflated entries (stored when deflate would not
// shrink them), UTF-8 names, and the ZIP64 end records once the archive holds 65,535 entries
// or more, so that every common tool reads a backup of any number of rows.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False when the entry cannot be added: compression failed, or the archive would grow
    // beyond the 4 GiB that entry offsets can address.
    bool addFile(const QString& name, const QByteArray& content);
    // Appends the central directory and the end records and hands the archive over; the
    // writer is empty afterwards.
    QByteArray finish();

    int entryCount() const { return m_entries.size(); }

private:
    struct Entry
    {
        QByteArray name;
        quint16 method = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 offset = 0;
    };
    struct Deflater;

    bool deflate(const QByteArray& content, QByteArray& compressed);
    void appendHeaderFields(const Entry& entry);

    QByteArray m_archive;
    QList<Entry> m_entries;
    std::unique_ptr<Deflater> m_deflater;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
};
