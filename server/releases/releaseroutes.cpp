#include "server/releases/releaseroutes.h"

#include <QDir>
#include <QFileInfo>

namespace PennibarServer {

namespace {

const QByteArray kDownload = "application/octet-stream";

} // namespace

ReleaseRoutes::ReleaseRoutes(QString directory) : m_directory(std::move(directory)) {}

void ReleaseRoutes::addTo(Router& router)
{
    router.add(
        "GET", QStringLiteral("/releases/*"),
        [this](const HttpRequest&, const QStringList& captures) { return serve(captures.at(0)); });
}

QByteArray ReleaseRoutes::contentType(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("json"))
        return "application/json";
    if (suffix == QLatin1String("md"))
        return "text/markdown; charset=utf-8";
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("sha256"))
        return "text/plain; charset=utf-8";
    return kDownload;
}

HttpResponse ReleaseRoutes::serve(const QString& relativePath) const
{
    const HttpResponse missing = HttpResponse::error(404, tr("No such release file."));
    for (const QString& segment : relativePath.split(QLatin1Char('/'))) {
        if (segment.isEmpty() || segment.startsWith(QLatin1Char('.')) ||
            segment.contains(QLatin1Char('\\')) || segment.contains(QChar(0)))
            return missing;
    }
    const QString root = QFileInfo(m_directory).canonicalFilePath();
    const QFileInfo file(QDir(m_directory).filePath(relativePath));
    const QString canonical = file.canonicalFilePath();
    if (root.isEmpty() || !file.isFile() || !file.isReadable() ||
        !canonical.startsWith(root + QLatin1Char('/')))
        return missing;
    // The manifest changes in place, so it is checked every time; other files are per version.
    const QByteArray cacheControl = file.fileName() == QLatin1String("latest.json")
                                        ? QByteArray("no-cache")
                                        : QByteArray("public, max-age=3600");
    const QByteArray type = contentType(file.fileName());
    HttpResponse response = HttpResponse::file(canonical, type, cacheControl);
    // The channel shares its origin with the sign-in page: no file of it may become a page
    // there that runs script. Anything but the types above is a download, and a browser that
    // shows a file anyway treats it as a sandbox of its own.
    response.setHeader("Content-Security-Policy", "sandbox");
    if (type == kDownload)
        response.setHeader("Content-Disposition", "attachment");
    return response;
}

} // namespace PennibarServer
