#pragma once

#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <chrono>

namespace TovUpdate {

// A GET request to the release host: user agent "TovUpdateQt/0.1 (<tag>)", redirects followed
// except from HTTPS to HTTP, and given up when the host stops sending for `transferTimeout`.
QNetworkRequest releaseRequest(const QUrl& url, const QString& userAgentTag,
                               std::chrono::milliseconds transferTimeout);

} // namespace TovUpdate
