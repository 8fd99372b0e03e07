#include "server/http/accesslog.h"

#include <QDateTime>
#include <QFile>
#include <QUrl>

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
    // Written percent-encoded, so blanks and line breaks in a path cannot forge log fields.
    const QString safePath =
        QString::fromLatin1(QUrl::toPercentEncoding(path, "/-._~:@!$&'()*+,;="));
    const QString line = QStringLiteral("%1 %2 %3 %4 %5ms user=%6\n")
                             .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                                  QString::fromLatin1(method), safePath)
                             .arg(status)
                             .arg(milliseconds)
                             .arg(userId.isEmpty() ? QStringLiteral("-") : userId);
    m_device->write(line.toUtf8());
}

} // namespace PennibarServer
