#include "services/backup/zipwriter.h"

#include "services/backup/zipformat.h"

#include <QDateTime>
#include <QtEndian>

#include <zlib.h>

namespace {

void appendU16(QByteArray& out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendU32(QByteArray& out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendU64(QByteArray& out, quint64 value)
{
    const quint64 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

bool fits32(qint64 value)
{
    return value >= 0 && value < qint64(ZipFormat::saturated32);
}

} // namespace

// One raw-deflate stream reused for every entry: deflateReset is far cheaper than setting up
// a stream per entry, which matters for archives of a few hundred thousand small documents.
struct ZipWriter::Deflater
{
    z_stream stream{};
    bool ready = false;

    Deflater()
    {
        ready = deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                             Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater()
    {
        if (ready)
            deflateEnd(&stream);
    }
};

ZipWriter::ZipWriter() : m_deflater(std::make_unique<Deflater>())
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    m_dosDate = quint16(((qMax(date.year(), 1980) - 1980) << 9) | (date.month() << 5) | date.day());
    m_dosTime = quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::deflate(const QByteArray& content, QByteArray& compressed)
{
    if (!m_deflater->ready || deflateReset(&m_deflater->stream) != Z_OK)
        return false;
    z_stream& stream = m_deflater->stream;
    compressed.resize(qsizetype(deflateBound(&stream, uLong(content.size()))));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.constData()));
    stream.avail_in = uInt(content.size());
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = uInt(compressed.size());
    if (::deflate(&stream, Z_FINISH) != Z_STREAM_END)
        return false;
    compressed.resize(qsizetype(stream.total_out));
    return true;
}

void ZipWriter::appendHeaderFields(const Entry& entry)
{
    appendU16(m_archive, ZipFormat::versionDeflate);
    appendU16(m_archive, ZipFormat::flagUtf8Names);
    appendU16(m_archive, entry.method);
    appendU16(m_archive, m_dosTime);
    appendU16(m_archive, m_dosDate);
    appendU32(m_archive, entry.crc);
    appendU32(m_archive, entry.compressedSize);
    appendU32(m_archive, entry.size);
    appendU16(m_archive, quint16(entry.name.size()));
    appendU16(m_archive, 0); // extra field length
}

bool ZipWriter::addFile(const QString& name, const QByteArray& content)
{
    Entry entry;
    entry.name = name.toUtf8();
    if (entry.name.size() > ZipFormat::saturated16 || !fits32(content.size()))
        return false;

    QByteArray compressed;
    if (!deflate(content, compressed))
        return false;
    const bool store = compressed.size() >= content.size();
    const QByteArray& data = store ? content : compressed;

    const qint64 end =
        m_archive.size() + ZipFormat::localHeaderSize + entry.name.size() + data.size();
    if (!fits32(end))
        return false;

    entry.method = store ? ZipFormat::methodStored : ZipFormat::methodDeflated;
    entry.crc =
        quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(content.constData()),
                      uInt(content.size())));
    entry.compressedSize = quint32(data.size());
    entry.size = quint32(content.size());
    entry.offset = quint32(m_archive.size());

    appendU32(m_archive, ZipFormat::localHeaderSignature);
    appendHeaderFields(entry);
    m_archive.append(entry.name);
    m_archive.append(data);
    m_entries.append(entry);
    return true;
}

QByteArray ZipWriter::finish()
{
    const quint64 directoryOffset = quint64(m_archive.size());
    for (const Entry& entry : std::as_const(m_entries)) {
        appendU32(m_archive, ZipFormat::centralHeaderSignature);
        appendU16(m_archive, quint16((3 << 8) | ZipFormat::versionZip64)); // made by: Unix
        appendHeaderFields(entry);
        appendU16(m_archive, 0);                      // comment length
        appendU16(m_archive, 0);                      // disk number
        appendU16(m_archive, 0);                      // internal attributes
        appendU32(m_archive, quint32(0100644) << 16); // regular file, rw-r--r--
        appendU32(m_archive, entry.offset);
        m_archive.append(entry.name);
    }
    const quint64 directorySize = quint64(m_archive.size()) - directoryOffset;
    const quint64 count = quint64(m_entries.size());

    // The classic end record counts entries in 16 bits; beyond that the ZIP64 records carry
    // the real figures and the classic fields say "see ZIP64".
    const bool zip64 = count >= ZipFormat::saturated16 ||
                       directoryOffset >= ZipFormat::saturated32 ||
                       directorySize >= ZipFormat::saturated32;
    if (zip64) {
        const quint64 zip64EndOffset = quint64(m_archive.size());
        appendU32(m_archive, ZipFormat::zip64EndOfDirectorySignature);
        appendU64(m_archive, ZipFormat::zip64EndOfDirectorySize - 12);
        appendU16(m_archive, quint16((3 << 8) | ZipFormat::versionZip64));
        appendU16(m_archive, ZipFormat::versionZip64);
        appendU32(m_archive, 0); // this disk
        appendU32(m_archive, 0); // disk with the directory
        appendU64(m_archive, count);
        appendU64(m_archive, count);
        appendU64(m_archive, directorySize);
        appendU64(m_archive, directoryOffset);

        appendU32(m_archive, ZipFormat::zip64LocatorSignature);
        appendU32(m_archive, 0);
        appendU64(m_archive, zip64EndOffset);
        appendU32(m_archive, 1); // total disks
    }

    appendU32(m_archive, ZipFormat::endOfDirectorySignature);
    appendU16(m_archive, 0);
    appendU16(m_archive, 0);
    const quint16 count16 = zip64 ? ZipFormat::saturated16 : quint16(count);
    appendU16(m_archive, count16);
    appendU16(m_archive, count16);
    appendU32(m_archive, zip64 ? ZipFormat::saturated32 : quint32(directorySize));
    appendU32(m_archive, zip64 ? ZipFormat::saturated32 : quint32(directoryOffset));
    appendU16(m_archive, 0); // comment length

    m_entries.clear();
    return std::exchange(m_archive, QByteArray());
}
