#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct zip;

// Reads a ZIP archive held in memory through libzip, ZIP64 archives included. An archive
// comes from a file the user picked, so nothing in it is trusted: the caller sets a ceiling on
// an entry's declared size, an entry is read into a buffer of exactly that size (so a lying
// header cannot make it grow), and its checksum is verified before the content is handed out.
class ZipReader
{
public:
    struct Entry
    {
        QString name;
        quint64 size = 0; // uncompressed, as the central directory declares it
    };

    enum class ReadStatus
    {
        Ok,
        TooLarge,   // the declared size is above the caller's ceiling; nothing was read
        Unreadable, // damaged, encrypted, or compressed with a method libzip cannot read
    };

    explicit ZipReader(const QByteArray& archive);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes hold no readable ZIP archive.
    bool isValid() const { return m_zip != nullptr; }
    // In the order of the central directory.
    const QList<Entry>& entries() const { return m_entries; }
    // The first entry of that name, or -1.
    int indexOf(const QString& name) const;

    ReadStatus read(int index, qint64 sizeCeiling, QByteArray& content);

private:
    struct Discard
    {
        void operator()(zip* archive) const;
    };

    bool readDirectory();

    QByteArray m_archive; // libzip reads these bytes in place
    std::unique_ptr<zip, Discard> m_zip;
    QList<Entry> m_entries;
};
