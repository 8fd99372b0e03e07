#include "services/backup/zipwriter.h"

#include <zip.h>

void ZipWriter::Discard::operator()(zip* archive) const
{
    zip_discard(archive);
}

void ZipWriter::FreeSource::operator()(zip_source* source) const
{
    zip_source_free(source);
}

ZipWriter::ZipWriter()
{
    zip_error_t error;
    zip_error_init(&error);
    m_output.reset(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (m_output) {
        m_zip.reset(zip_open_from_source(m_output.get(), ZIP_TRUNCATE, &error));
        // The archive takes the output over and would free it when closed; the extra
        // reference keeps its bytes readable afterwards.
        if (m_zip)
            zip_source_keep(m_output.get());
    }
    if (!m_zip)
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::addFile(const QString& name, const QByteArray& content)
{
    if (!m_zip)
        return false;
    // Held until finish(): without the spare capacity a document grew while it was built.
    QByteArray kept = content;
    kept.squeeze();
    zip_source_t* source =
        zip_source_buffer(m_zip.get(), kept.constData(), zip_uint64_t(kept.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(m_zip.get(), name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    m_contents.append(kept);
    return true;
}

QByteArray ZipWriter::finish()
{
    if (!m_zip)
        return QByteArray();
    if (zip_close(m_zip.get()) != 0) {
        m_error = QString::fromUtf8(zip_strerror(m_zip.get()));
        m_zip.reset();
        m_contents.clear();
        return QByteArray();
    }
    m_zip.release(); // closed and freed by zip_close
    m_contents.clear();
    return takeOutput();
}

QByteArray ZipWriter::takeOutput()
{
    zip_source_t* output = m_output.get();
    QByteArray archive;
    zip_stat_t stat;
    if (zip_source_open(output) == 0) {
        if (zip_source_stat(output, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
            archive.resize(qsizetype(stat.size));
            qsizetype done = 0;
            while (done < archive.size()) {
                const zip_int64_t read = zip_source_read(output, archive.data() + done,
                                                         zip_uint64_t(archive.size() - done));
                if (read <= 0)
                    break;
                done += qsizetype(read);
            }
            // Half an archive is no archive.
            if (done != archive.size())
                archive.clear();
        }
        zip_source_close(output);
    }
    if (archive.isEmpty())
        m_error = QString::fromUtf8(zip_error_strerror(zip_source_error(output)));
    m_output.reset();
    return archive;
}
