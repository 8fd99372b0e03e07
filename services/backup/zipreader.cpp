#include "services/backup/zipreader.h"

#include <zip.h>

void ZipReader::Discard::operator()(zip* archive) const
{
    zip_discard(archive);
}

ZipReader::ZipReader(const QByteArray& archive) : m_archive(archive)
{
    // libzip takes empty bytes for an empty archive; a file with nothing in it is no backup.
    if (m_archive.isEmpty())
        return;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(m_archive.constData(), zip_uint64_t(m_archive.size()), 0, &error);
    if (source) {
        // No ZIP_CHECKCONS: it refuses the whole archive when one entry's local header
        // disagrees with the directory, where a restore would rather skip that one entry.
        m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
        if (!m_zip)
            zip_source_free(source); // not taken over by a failed open
    }
    zip_error_fini(&error);
    if (m_zip && !readDirectory()) {
        m_zip.reset();
        m_entries.clear();
    }
}

ZipReader::~ZipReader() = default;

bool ZipReader::readDirectory()
{
    const zip_int64_t count = zip_get_num_entries(m_zip.get(), 0);
    if (count < 0)
        return false;
    m_entries.reserve(qsizetype(count));
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(m_zip.get(), zip_uint64_t(i), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
            return false;
        m_entries.append({QString::fromUtf8(stat.name), stat.size});
    }
    return true;
}

int ZipReader::indexOf(const QString& name) const
{
    if (!m_zip)
        return -1;
    const zip_int64_t index = zip_name_locate(m_zip.get(), name.toUtf8().constData(), 0);
    return index < 0 ? -1 : int(index);
}

ZipReader::ReadStatus ZipReader::read(int index, qint64 sizeCeiling, QByteArray& content)
{
    content.clear();
    if (index < 0 || index >= m_entries.size())
        return ReadStatus::Unreadable;
    const quint64 size = m_entries.at(index).size;
    if (size > quint64(sizeCeiling))
        return ReadStatus::TooLarge;

    zip_file_t* file = zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0);
    if (!file)
        return ReadStatus::Unreadable;
    // Exactly the declared size, then one byte more that must not come: a stream that is
    // shorter or longer than its header says is damaged or hostile. Reaching the end is also
    // where libzip compares the checksum.
    QByteArray buffer(qsizetype(size), Qt::Uninitialized);
    char beyond = 0;
    bool ok = zip_fread(file, buffer.data(), size) == zip_int64_t(size) &&
              zip_fread(file, &beyond, 1) == 0;
    ok = zip_fclose(file) == 0 && ok;
    if (!ok)
        return ReadStatus::Unreadable;
    content = buffer;
    return ReadStatus::Ok;
}
