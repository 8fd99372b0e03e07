#include "libs/update/releasenotesfetcher.h"

#include "libs/update/logging.h"
#include "libs/update/releaserequest.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace TovUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent)
    : ReleaseNotesFetcher(notesUrlForVersion(config.manifestBaseUrl, config.currentVersion),
                          config.product, parent)
{
    m_transferTimeout = config.transferTimeout;
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl& notesUrl, const QString& userAgentTag,
                                         QObject* parent)
    : QObject(parent), m_userAgentTag(userAgentTag),
      m_transferTimeout(UpdateConfig().transferTimeout), m_network(new QNetworkAccessManager(this)),
      m_notesUrl(notesUrl), m_localizedNotesUrl(localizedUrl(notesUrl, QLocale::system().name()))
{
}

QUrl ReleaseNotesFetcher::notesUrlForVersion(const QUrl& manifestBaseUrl, const QString& version)
{
    QUrl url = manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // The channel's directory is replaced by the version's: /pennibar/stable -> /pennibar/1.1.3
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (path.isEmpty())
        path = QStringLiteral("/");
    url.setPath(path + version + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrl(const QUrl& notesUrl, const QString& localeName)
{
    const QString language = localeName.left(2);
    // English notes are the plain file; the "C" locale names no language at all.
    const bool isLanguage =
        language.size() == 2 && language.at(0).isLower() && language.at(1).isLower();
    if (!isLanguage || language == QLatin1String("en"))
        return {};
    QUrl url = notesUrl;
    const QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md"))) {
        url.setPath(path.chopped(3) + QLatin1Char('.') + language + QStringLiteral(".md"),
                    QUrl::DecodedMode);
    }
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    if (!m_localizedNotesUrl.isValid()) {
        fetchEnglish();
        return;
    }
    download(m_localizedNotesUrl, [this](std::optional<QString> notes) {
        if (notes)
            emit notesReady(*notes);
        else
            fetchEnglish();
    });
}

void ReleaseNotesFetcher::fetchEnglish()
{
    download(m_notesUrl, [this](std::optional<QString> notes) {
        if (notes)
            emit notesReady(*notes);
        else
            emit notesUnavailable();
    });
}

void ReleaseNotesFetcher::download(const QUrl& url,
                                   std::function<void(std::optional<QString>)> done)
{
    QNetworkReply* reply = m_network->get(releaseRequest(url, m_userAgentTag, m_transferTimeout));
    connect(reply, &QNetworkReply::finished, this, [reply, url, done = std::move(done)] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            qCInfo(lcUpdate).noquote() << "release notes not available at" << url.toString() << "-"
                                       << reply->errorString();
            done(std::nullopt);
            return;
        }
        const QString notes = QString::fromUtf8(reply->readAll()).trimmed();
        if (notes.isEmpty()) {
            qCInfo(lcUpdate).noquote() << "release notes at" << url.toString() << "are empty";
            done(std::nullopt);
            return;
        }
        done(notes);
    });
}

} // namespace TovUpdate
