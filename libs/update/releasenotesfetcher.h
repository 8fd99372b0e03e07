#pragma once

#include "libs/update/updateconfig.h"

#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;

namespace TovUpdate {

// Downloads the Markdown release notes of one version, preferring the copy in the system's
// language ("release-notes.de.md") over the English one ("release-notes.md").
// Each fetch() is followed by exactly one of the two signals.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // The notes of the running version, beside the channel's directory:
    // ".../pennibar/stable/" gives ".../pennibar/<currentVersion>/release-notes.md".
    explicit ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent = nullptr);
    // The notes at a given address, such as an artifact's release-notes URL.
    ReleaseNotesFetcher(const QUrl& notesUrl, const QString& userAgentTag,
                        QObject* parent = nullptr);

    QUrl notesUrl() const { return m_notesUrl; }
    // Invalid when the system language is English or unknown, or the notes are not a ".md" file.
    QUrl localizedNotesUrl() const { return m_localizedNotesUrl; }

    void fetch();

    static QUrl notesUrlForVersion(const QUrl& manifestBaseUrl, const QString& version);
    static QUrl localizedUrl(const QUrl& notesUrl, const QString& localeName);

signals:
    void notesReady(QString markdown);
    void notesUnavailable();

private:
    // Calls `done` with the trimmed notes, or with nothing when they are missing or blank.
    void download(const QUrl& url, std::function<void(std::optional<QString>)> done);
    void fetchEnglish();

    QString m_userAgentTag;
    std::chrono::milliseconds m_transferTimeout;
    QNetworkAccessManager* m_network;
    QUrl m_notesUrl;
    QUrl m_localizedNotesUrl;
};

} // namespace TovUpdate
