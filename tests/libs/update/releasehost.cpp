#include "tests/libs/update/releasehost.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

ReleaseHost::ReleaseHost()
{
    m_server.setMissingHandler(
        [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
            const QString path = request.url().path();
            m_requests.append({path, QString::fromUtf8(request.value("User-Agent"))});
            const auto file = m_files.constFind(path);
            if (file == m_files.constEnd()) {
                responder.write(QHttpServerResponder::StatusCode::NotFound);
                return;
            }
            const auto status = static_cast<QHttpServerResponder::StatusCode>(file->status);
            if (!file->location.isEmpty())
                responder.write({{"Location", file->location.toUtf8()}}, status);
            else
                responder.write(file->body, "text/plain; charset=utf-8", status);
        });
    m_port = m_server.listen(QHostAddress::LocalHost);
}

void ReleaseHost::serve(const QString& path, const QByteArray& body, int status)
{
    m_files.insert(path, {body, status, QString()});
}

void ReleaseHost::redirect(const QString& path, const QString& target)
{
    m_files.insert(path, {QByteArray(), 302, url(target).toString()});
}

QUrl ReleaseHost::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

QStringList ReleaseHost::requestedPaths() const
{
    QStringList paths;
    for (const Request& request : m_requests)
        paths.append(request.path);
    return paths;
}
