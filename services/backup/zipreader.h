#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Reads a ZIP archive held in memory, ZIP64 end records included. An archive comes from a
// file the user picked, so nothing in it is trusted: every offset and size is checked against
// the bytes at hand, an entry is inflated into a buffer no larger than its declared size (so
// a lying header cannot make it grow), and the caller sets a ceiling on the declared size.
class ZipReader
{
public:
    struct Entry
    {
        QString name;
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        quint64 compressedSize = 0;
        quint64 size = 0; // uncompressed, as declared by the central directory
        quint64 localHeaderOffset = 0;
    };

    enum class ReadStatus
    {
        Ok,
        TooLarge,   // the declared size is above the caller's ceiling; nothing was read
        Unreadable, // damaged, encrypted, or compressed with a method other than deflate
    };

    explicit ZipReader(const QByteArray& archive);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes hold no readable ZIP central directory.
    bool isValid() const { return m_valid; }
    // In the order of the central directory.
    const QList<Entry>& entries() const { return m_entries; }
    // The first entry of that name, or -1.
    int indexOf(const QString& name) const;

    ReadStatus read(int index, qint64 sizeCeiling, QByteArray& content);

private:
    struct Inflater;

    bool readDirectory();
    bool readDirectoryEntry(qint64& position, qint64 end);
    bool inflate(const Entry& entry, qint64 dataOffset, QByteArray& content);

    QByteArray m_archive;
    QList<Entry> m_entries;
    std::unique_ptr<Inflater> m_inflater;
    bool m_valid = false;
};
