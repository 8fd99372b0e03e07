#include "libs/update/downloadlink.h"

#include "libs/update/logging.h"

#include <QDesktopServices>

namespace TovUpdate {

bool isDownloadLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

void openDownloadLink(const QUrl& url)
{
    if (!isDownloadLink(url)) {
        qCWarning(lcUpdate) << "TovUpdate: download URL is empty or invalid";
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcUpdate).noquote()
            << "TovUpdate: QDesktopServices::openUrl failed for:" << url.toString();
}

} // namespace TovUpdate
