#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

// The release channel: the files of one directory, read-only, under "/releases/". The app reads
// "/releases/PRODUCT/CHANNEL/latest.json" and "/releases/PRODUCT/VERSION/release-notes.md" (or
// "release-notes.LANG.md"). Hidden files, paths that climb out of the directory (also through
// symbolic links) and directories are answered 404 like missing files. Files other than JSON,
// Markdown and plain text are sent as downloads.
class ReleaseRoutes
{
    Q_DECLARE_TR_FUNCTIONS(ReleaseRoutes)

public:
    explicit ReleaseRoutes(QString directory);
    void addTo(Router& router);

    static QByteArray contentType(const QString& fileName);

private:
    HttpResponse serve(const QString& relativePath) const;

    QString m_directory;
};

} // namespace PennibarServer
