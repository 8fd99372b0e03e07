#pragma once

#include "libs/update/artifact.h"
#include "libs/update/updateconfig.h"

#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

namespace TovUpdate {

class Manifest;

// Finds out whether the release channel offers a newer release for the running platform.
// Each accepted check() is followed by exactly one of the three signals.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(const UpdateConfig& config, QObject* parent = nullptr);

    // Starts one asynchronous check; ignored while one is in flight.
    void check();
    bool isChecking() const { return m_checking; }

    // Where the manifest is fetched: the base URL's path with a trailing "/" and "latest.json".
    static QUrl manifestUrl(const QUrl& manifestBaseUrl);

signals:
    void updateAvailable(TovUpdate::Artifact artifact);
    void upToDate();
    void checkFailed(QString reason);

private:
    void onReplyFinished(QNetworkReply* reply);
    void decide(const Manifest& manifest);

    UpdateConfig m_config;
    QNetworkAccessManager* m_network;
    bool m_checking = false;
};

} // namespace TovUpdate
