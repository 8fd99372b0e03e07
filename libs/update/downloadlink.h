#pragma once

#include <QUrl>

namespace TovUpdate {

// A download address the browser may be asked to open: an absolute http or https URL with a
// host. Anything else (a local file, a program, a relative path) is never handed to the desktop.
bool isDownloadLink(const QUrl& url);

// Opens a download link in the system browser; a refused link or a failure is logged only.
void openDownloadLink(const QUrl& url);

} // namespace TovUpdate
