#include "server/http/accesslog.h"

#include <QDateTime>
#include <QFile>

namespace PennibarServer {

AccessLog::AccessLog(QIODevice* device) : m_device(device)
{
    if (!m_device) {
        auto* out = new QFile;
        // Straight to the descriptor: a line is written at once, even when stdout is a pipe.
        out->open(1, QIODevice::WriteOnly | QIODevice::Unbuffered);
        m_device = out;
        m_ownsDevice = true;
    }
}

AccessLog::~AccessLog()
{
    if (m_ownsDevice)
        delete m_device;
}

void AccessLog::record(const QByteArray& method, const QString& path, int status,
                       qint64 milliseconds, const QString& userId)
{
    // Each field is escaped on its own and the line joined from them, so that nothing a client
    // sends can add a field, move one or break the line.
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + ' ' +
                            escaped(method) + ' ' + escaped(path.toUtf8(), "/") + ' ' +
                            QByteArray::number(status) + ' ' + QByteArray::number(milliseconds) +
                            "ms user=" + (userId.isEmpty() ? "-" : escaped(userId.toUtf8())) + '\n';
    m_device->write(line);
}

QByteArray AccessLog::escaped(const QByteArray& field, const QByteArray& alsoKept)
{
    // Blanks, line breaks and other controls come out percent-encoded.
    return field.toPercentEncoding(alsoKept + "-._~:@!$&'()*+,;=");
}

} // namespace PennibarServer
