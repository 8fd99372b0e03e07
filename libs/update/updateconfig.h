#pragma once

#include <QString>
#include <QUrl>

#include <chrono>

namespace TovUpdate {

// What the application tells the library about itself and its release channel.
struct UpdateConfig
{
    QString product;        // product slug, goes into the user agent ("pennibar")
    QString channel;        // release channel name ("stable"), for the dialogs
    QUrl manifestBaseUrl;   // the channel's directory on the release host
    QString currentVersion; // version of the running application ("1.1.3")
    // How long a release host that has stopped sending is waited for before the request fails,
    // so that a check or a notes download always ends.
    std::chrono::milliseconds transferTimeout{30000};
};

} // namespace TovUpdate
