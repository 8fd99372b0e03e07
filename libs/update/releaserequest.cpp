#include "libs/update/releaserequest.h"

namespace TovUpdate {

QNetworkRequest releaseRequest(const QUrl& url, const QString& userAgentTag,
                               std::chrono::milliseconds transferTimeout)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("TovUpdateQt/0.1 (%1)").arg(userAgentTag));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(transferTimeout.count()));
    return request;
}

} // namespace TovUpdate
