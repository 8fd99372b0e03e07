#include "libs/update/client.h"

#include "libs/update/logging.h"
#include "libs/update/manifest.h"
#include "libs/update/platform.h"
#include "libs/update/releaserequest.h"
#include "libs/update/version.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace TovUpdate {

Client::Client(const UpdateConfig& config, QObject* parent)
    : QObject(parent), m_config(config), m_network(new QNetworkAccessManager(this))
{
    qRegisterMetaType<TovUpdate::Artifact>("TovUpdate::Artifact");
}

QUrl Client::manifestUrl(const QUrl& manifestBaseUrl)
{
    QUrl url = manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_checking) {
        qCDebug(lcUpdate) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }

    m_checking = true;
    QNetworkReply* reply = m_network->get(releaseRequest(
        manifestUrl(m_config.manifestBaseUrl), m_config.product, m_config.transferTimeout));
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
}

void Client::onReplyFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    m_checking = false;

    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
            qCInfo(lcUpdate) << "manifest 404, treating as up-to-date";
            emit upToDate();
            return;
        }
        emit checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
        return;
    }

    const Manifest manifest = Manifest::fromJson(reply->readAll());
    if (!manifest.isValid()) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(manifest.errorString()));
        return;
    }
    decide(manifest);
}

void Client::decide(const Manifest& manifest)
{
    const QString platform = platformKey();
    if (platform.isEmpty()) {
        qCWarning(lcUpdate) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const std::optional<Artifact> artifact = manifest.artifact(platform);
    if (!artifact) {
        qCInfo(lcUpdate).noquote() << "platform" << platform << "not shipped in current manifest";
        emit upToDate();
        return;
    }

    const Version current = Version::fromString(m_config.currentVersion);
    if (current >= Version::fromString(artifact->version)) {
        emit upToDate();
        return;
    }
    if (!artifact->minUpgradableFrom.isEmpty() &&
        current < Version::fromString(artifact->minUpgradableFrom)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; "
                                        "please upgrade to an intermediate release first")
                             .arg(m_config.currentVersion, artifact->minUpgradableFrom));
        return;
    }
    emit updateAvailable(*artifact);
}

} // namespace TovUpdate
