#include "services/backup/zipwriter.h"

#include <zip.h>

#include <cstring>
#include <utility>

namespace {

// A source's answer to ZIP_SOURCE_STAT: data of that size.
zip_int64_t statOfSize(void* data, qint64 size)
{
    auto* stat = static_cast<zip_stat_t*>(data);
    zip_stat_init(stat);
    stat->size = zip_uint64_t(size);
    stat->valid |= ZIP_STAT_SIZE;
    return sizeof(zip_stat_t);
}

// A source's answer to ZIP_SOURCE_READ: the next bytes from `position` on.
zip_int64_t readOn(const QByteArray& bytes, qint64& position, void* data, zip_uint64_t length)
{
    const qint64 count = qMin(qint64(length), bytes.size() - position);
    std::memcpy(data, bytes.constData() + position, size_t(count));
    position += count;
    return count;
}

} // namespace

// The archive as libzip writes it, straight into the bytes finish() hands over: libzip appends
// and goes back only to complete a local header, so the archive is never held twice. The
// archive is opened truncated, so there is no earlier content to keep apart from what is being
// written: a rolled back write leaves it empty.
class ZipWriter::ArchiveBuffer
{
public:
    ArchiveBuffer() { zip_error_init(&m_error); }
    ~ArchiveBuffer() { zip_error_fini(&m_error); }
    ArchiveBuffer(const ArchiveBuffer&) = delete;
    ArchiveBuffer& operator=(const ArchiveBuffer&) = delete;

    static zip_int64_t callback(void* self, void* data, zip_uint64_t length,
                                zip_source_cmd_t command)
    {
        return static_cast<ArchiveBuffer*>(self)->handle(data, length, command);
    }

    QByteArray take() { return std::exchange(m_archive, QByteArray()); }

private:
    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command);
    zip_int64_t seek(qint64& position, qint64 size, void* data, zip_uint64_t length);
    zip_int64_t write(const void* data, zip_uint64_t length);

    QByteArray m_archive;
    qint64 m_readPosition = 0;
    qint64 m_writePosition = 0;
    zip_error_t m_error;
};

zip_int64_t ZipWriter::ArchiveBuffer::handle(void* data, zip_uint64_t length,
                                             zip_source_cmd_t command)
{
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_WRITABLE;
    case ZIP_SOURCE_STAT:
        return statOfSize(data, m_archive.size());
    case ZIP_SOURCE_OPEN:
        m_readPosition = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return readOn(m_archive, m_readPosition, data, length);
    case ZIP_SOURCE_SEEK:
        return seek(m_readPosition, m_archive.size(), data, length);
    case ZIP_SOURCE_TELL:
        return m_readPosition;
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_BEGIN_WRITE:
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE: // an archive without entries
        m_archive = QByteArray();
        m_writePosition = 0;
        return 0;
    case ZIP_SOURCE_WRITE:
        return write(data, length);
    case ZIP_SOURCE_SEEK_WRITE:
        return seek(m_writePosition, m_archive.size(), data, length);
    case ZIP_SOURCE_TELL_WRITE:
        return m_writePosition;
    case ZIP_SOURCE_COMMIT_WRITE:
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&m_error, data, length);
    case ZIP_SOURCE_FREE: // owned by the writer
        return 0;
    default:
        zip_error_set(&m_error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

zip_int64_t ZipWriter::ArchiveBuffer::seek(qint64& position, qint64 size, void* data,
                                           zip_uint64_t length)
{
    const zip_int64_t target = zip_source_seek_compute_offset(
        zip_uint64_t(position), zip_uint64_t(size), data, length, &m_error);
    if (target < 0)
        return -1;
    position = target;
    return 0;
}

zip_int64_t ZipWriter::ArchiveBuffer::write(const void* data, zip_uint64_t length)
{
    // Grown by resize, which reallocates in place where it can; a growing append would copy
    // the archive into a new block each time and hold both for a moment.
    const qint64 end = m_writePosition + qint64(length);
    if (end > m_archive.size())
        m_archive.resize(end);
    std::memcpy(m_archive.data() + m_writePosition, data, size_t(length));
    m_writePosition = end;
    return zip_int64_t(length);
}

// One entry as libzip reads it. The content is made when libzip first asks about the entry
// (its size goes into the local header, written before the data) and dropped once libzip has
// read it, so only the entry being written is held.
class ZipWriter::EntrySource
{
public:
    EntrySource(ZipWriter& writer, Content content)
        : m_writer(writer), m_content(std::move(content))
    {
    }

    static zip_int64_t callback(void* self, void* data, zip_uint64_t length,
                                zip_source_cmd_t command)
    {
        return static_cast<EntrySource*>(self)->handle(data, length, command);
    }

    void setIndex(zip_uint64_t index) { m_index = index; }

private:
    enum class State
    {
        Waiting, // for libzip to ask
        Made,
        Dropped, // read, or failed to be made
    };

    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command);
    bool make();

    ZipWriter& m_writer;
    Content m_content; // let go once asked
    zip_uint64_t m_index = 0;
    State m_state = State::Waiting;
    QByteArray m_data;
    qint64 m_size = 0;
    qint64 m_position = 0;
};

bool ZipWriter::EntrySource::make()
{
    if (m_state != State::Waiting)
        return m_state == State::Made;
    const QString name =
        QString::fromUtf8(zip_get_name(m_writer.m_zip.get(), m_index, ZIP_FL_ENC_RAW));
    std::optional<QByteArray> content = m_content(name);
    m_content = nullptr;
    if (!content) {
        m_writer.m_error = QStringLiteral("no content for %1").arg(name);
        m_state = State::Dropped;
        return false;
    }
    m_data = std::move(*content);
    m_size = m_data.size();
    m_state = State::Made;
    return true;
}

zip_int64_t ZipWriter::EntrySource::handle(void* data, zip_uint64_t length,
                                           zip_source_cmd_t command)
{
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_READABLE;
    case ZIP_SOURCE_STAT: {
        // Asked again after the content is dropped: the size is still known.
        if (m_state == State::Waiting && !make())
            return -1;
        const zip_int64_t answer = statOfSize(data, m_size);
        auto* stat = static_cast<zip_stat_t*>(data);
        stat->mtime = m_writer.m_modified;
        stat->valid |= ZIP_STAT_MTIME;
        return answer;
    }
    case ZIP_SOURCE_OPEN:
        // A dropped content cannot be read a second time.
        if (!make())
            return -1;
        m_position = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return readOn(m_data, m_position, data, length);
    case ZIP_SOURCE_CLOSE:
        m_data = QByteArray();
        m_state = State::Dropped;
        return 0;
    case ZIP_SOURCE_ERROR: {
        zip_error_t error;
        zip_error_init_with_code(&error, ZIP_ER_READ);
        const zip_int64_t written = zip_error_to_data(&error, data, length);
        zip_error_fini(&error);
        return written;
    }
    case ZIP_SOURCE_FREE: // owned by the writer
        return 0;
    default:
        return -1;
    }
}

void ZipWriter::Discard::operator()(zip* archive) const
{
    zip_discard(archive);
}

ZipWriter::ZipWriter() : m_output(std::make_unique<ArchiveBuffer>()), m_modified(std::time(nullptr))
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* output =
        zip_source_function_create(&ArchiveBuffer::callback, m_output.get(), &error);
    if (output) {
        m_zip.reset(zip_open_from_source(output, ZIP_TRUNCATE, &error));
        if (!m_zip)
            zip_source_free(output); // not taken over by a failed open
    }
    if (!m_zip)
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::addFile(const QString& name, const QByteArray& content)
{
    return addFile(name, [content](const QString&) { return std::optional(content); });
}

bool ZipWriter::addFile(const QString& name, Content content)
{
    if (!m_zip)
        return false;
    auto entry = std::make_unique<EntrySource>(*this, std::move(content));
    zip_source_t* source = zip_source_function(m_zip.get(), &EntrySource::callback, entry.get());
    if (!source)
        return false;
    const zip_int64_t index =
        zip_file_add(m_zip.get(), name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    entry->setIndex(zip_uint64_t(index));
    m_entries.push_back(std::move(entry));
    return true;
}

QByteArray ZipWriter::finish()
{
    if (!m_zip)
        return QByteArray();
    if (zip_close(m_zip.get()) == 0) {
        m_zip.release(); // closed and freed by zip_close
    } else {
        if (m_error.isEmpty()) // else an entry said why
            m_error = QString::fromUtf8(zip_strerror(m_zip.get()));
        m_zip.reset();
    }
    m_entries.clear();
    // A failed write was rolled back, and an archive without entries removed: both leave nothing.
    return m_output->take();
}
