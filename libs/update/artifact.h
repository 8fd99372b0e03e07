#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace TovUpdate {

// One release for one platform, as the manifest describes it.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url; // the download page or file, opened in the browser
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom; // empty: any version may upgrade
    QUrl releaseNotesUrl;      // invalid when the manifest names no notes
};

} // namespace TovUpdate

Q_DECLARE_METATYPE(TovUpdate::Artifact)
