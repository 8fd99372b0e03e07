#include "services/backup/zipreader.h"

#include "services/backup/zipformat.h"

#include <QtEndian>

#include <zlib.h>

namespace {

// Little-endian reads at a position the caller has checked to lie inside the archive.
quint16 u16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint64 u64(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint64>(bytes.constData() + at);
}

bool inside(const QByteArray& bytes, qint64 at, qint64 length)
{
    return at >= 0 && length >= 0 && at <= bytes.size() && length <= bytes.size() - at;
}

} // namespace

// One raw-inflate stream reused for every entry; see ZipWriter::Deflater.
struct ZipReader::Inflater
{
    z_stream stream{};
    bool ready = false;

    Inflater() { ready = inflateInit2(&stream, -MAX_WBITS) == Z_OK; }
    ~Inflater()
    {
        if (ready)
            inflateEnd(&stream);
    }
};

ZipReader::ZipReader(const QByteArray& archive)
    : m_archive(archive), m_inflater(std::make_unique<Inflater>())
{
    m_valid = readDirectory();
    if (!m_valid)
        m_entries.clear();
}

ZipReader::~ZipReader() = default;

bool ZipReader::readDirectory()
{
    using namespace ZipFormat;
    // The end record sits at the very end, followed only by a comment of up to 64 KiB.
    qint64 endRecord = -1;
    const qint64 lowest = qMax<qint64>(0, m_archive.size() - endOfDirectorySize - 0xffff);
    for (qint64 at = m_archive.size() - endOfDirectorySize; at >= lowest; --at) {
        if (u32(m_archive, at) == endOfDirectorySignature &&
            inside(m_archive, at + endOfDirectorySize, u16(m_archive, at + 20))) {
            endRecord = at;
            break;
        }
    }
    if (endRecord < 0)
        return false;

    quint64 count = u16(m_archive, endRecord + 10);
    quint64 directorySize = u32(m_archive, endRecord + 12);
    quint64 directoryOffset = u32(m_archive, endRecord + 16);
    qint64 directoryLimit = endRecord;

    const bool saturated =
        count == saturated16 || directorySize == saturated32 || directoryOffset == saturated32;
    const qint64 locator = endRecord - zip64LocatorSize;
    if (saturated && inside(m_archive, locator, zip64LocatorSize) &&
        u32(m_archive, locator) == zip64LocatorSignature) {
        const quint64 zip64End = u64(m_archive, locator + 8);
        if (zip64End > quint64(locator) ||
            !inside(m_archive, qint64(zip64End), zip64EndOfDirectorySize) ||
            u32(m_archive, qint64(zip64End)) != zip64EndOfDirectorySignature)
            return false;
        count = u64(m_archive, qint64(zip64End) + 32);
        directorySize = u64(m_archive, qint64(zip64End) + 40);
        directoryOffset = u64(m_archive, qint64(zip64End) + 48);
        directoryLimit = qint64(zip64End);
    }

    if (directoryOffset > quint64(directoryLimit) ||
        directorySize > quint64(directoryLimit) - directoryOffset ||
        count > directorySize / centralHeaderSize)
        return false;

    qint64 position = qint64(directoryOffset);
    const qint64 end = position + qint64(directorySize);
    m_entries.reserve(qsizetype(count));
    for (quint64 i = 0; i < count; ++i) {
        if (!readDirectoryEntry(position, end))
            return false;
    }
    return true;
}

bool ZipReader::readDirectoryEntry(qint64& position, qint64 end)
{
    using namespace ZipFormat;
    if (position + centralHeaderSize > end || u32(m_archive, position) != centralHeaderSignature)
        return false;
    Entry entry;
    entry.flags = u16(m_archive, position + 8);
    entry.method = u16(m_archive, position + 10);
    entry.crc = u32(m_archive, position + 16);
    entry.compressedSize = u32(m_archive, position + 20);
    entry.size = u32(m_archive, position + 24);
    const qint64 nameLength = u16(m_archive, position + 28);
    const qint64 extraLength = u16(m_archive, position + 30);
    const qint64 commentLength = u16(m_archive, position + 32);
    entry.localHeaderOffset = u32(m_archive, position + 42);

    const qint64 nameAt = position + centralHeaderSize;
    const qint64 next = nameAt + nameLength + extraLength + commentLength;
    if (next > end)
        return false;
    entry.name = QString::fromUtf8(m_archive.constData() + nameAt, nameLength);

    // Saturated fields continue in the ZIP64 extra field, in this order, each only when needed.
    qint64 extra = nameAt + nameLength;
    const qint64 extraEnd = extra + extraLength;
    while (extra + 4 <= extraEnd) {
        const quint16 id = u16(m_archive, extra);
        const qint64 length = u16(m_archive, extra + 2);
        qint64 field = extra + 4;
        const qint64 fieldEnd = field + length;
        if (fieldEnd > extraEnd)
            return false;
        if (id == zip64ExtraId) {
            for (quint64* value : {&entry.size, &entry.compressedSize, &entry.localHeaderOffset}) {
                if (*value != saturated32)
                    continue;
                if (field + 8 > fieldEnd)
                    return false;
                *value = u64(m_archive, field);
                field += 8;
            }
        }
        extra = fieldEnd;
    }

    m_entries.append(entry);
    position = next;
    return true;
}

int ZipReader::indexOf(const QString& name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).name == name)
            return i;
    }
    return -1;
}

ZipReader::ReadStatus ZipReader::read(int index, qint64 sizeCeiling, QByteArray& content)
{
    using namespace ZipFormat;
    content.clear();
    if (index < 0 || index >= m_entries.size())
        return ReadStatus::Unreadable;
    const Entry& entry = m_entries.at(index);
    if (entry.size > quint64(sizeCeiling))
        return ReadStatus::TooLarge;
    if (entry.flags & flagEncrypted)
        return ReadStatus::Unreadable;

    const qint64 header = qint64(qMin<quint64>(entry.localHeaderOffset, quint64(m_archive.size())));
    if (!inside(m_archive, header, localHeaderSize) ||
        u32(m_archive, header) != localHeaderSignature)
        return ReadStatus::Unreadable;
    const qint64 dataOffset =
        header + localHeaderSize + u16(m_archive, header + 26) + u16(m_archive, header + 28);
    if (entry.compressedSize > quint64(m_archive.size()) ||
        !inside(m_archive, dataOffset, qint64(entry.compressedSize)))
        return ReadStatus::Unreadable;

    bool ok = false;
    if (entry.method == methodStored) {
        ok = entry.compressedSize == entry.size;
        if (ok)
            content = m_archive.mid(dataOffset, qint64(entry.size));
    } else if (entry.method == methodDeflated) {
        ok = inflate(entry, dataOffset, content);
    }
    const quint32 crc =
        quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(content.constData()),
                      uInt(content.size())));
    if (!ok || crc != entry.crc) {
        content.clear();
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Ok;
}

bool ZipReader::inflate(const Entry& entry, qint64 dataOffset, QByteArray& content)
{
    if (!m_inflater->ready || inflateReset(&m_inflater->stream) != Z_OK)
        return false;
    // Exactly the declared size: a stream that would produce more is damaged or hostile and
    // fails instead of growing the buffer. The entry sizes are below the caller's ceiling,
    // which keeps them far below the 4 GiB a zlib call can take.
    content.resize(qsizetype(entry.size));
    z_stream& stream = m_inflater->stream;
    stream.next_in =
        reinterpret_cast<Bytef*>(const_cast<char*>(m_archive.constData() + dataOffset));
    stream.avail_in = uInt(entry.compressedSize);
    stream.next_out = reinterpret_cast<Bytef*>(content.data());
    stream.avail_out = uInt(content.size());
    const int status = ::inflate(&m_inflater->stream, Z_FINISH);
    return status == Z_STREAM_END && stream.total_out == entry.size;
}
