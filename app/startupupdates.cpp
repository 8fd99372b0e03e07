#include "app/startupupdates.h"

#include "app/appstate.h"
#include "app/core/buildconfig.h"
#include "data/preferencesrepository.h"
#include "libs/update/client.h"
#include "libs/update/updatecommands.h"
#include "libs/update/updatedialog.h"
#include "libs/update/version.h"

#include <QDebug>
#include <QSettings>
#include <QTimer>

namespace {

const QString lastShownKey = QStringLiteral("whatsNew/lastShownVersion");
// Left by earlier versions, which kept it with the data.
const QString legacyLastShownKey = QStringLiteral("last_whats_new_version");
const QString dismissedKey = QStringLiteral("update_dismissed_version");

} // namespace

StartupUpdates::StartupUpdates(AppState* appState, QWidget* window, QObject* parent)
    : QObject(parent), m_appState(appState), m_window(window)
{
}

void StartupUpdates::start()
{
    if (claimWhatsNew())
        TovUpdate::showWhatsNew(m_appState->updateConfig(), BuildConfig::applicationTitle(),
                                m_window);
    QTimer::singleShot(checkDelayMs, this, &StartupUpdates::checkForUpdate);
}

bool StartupUpdates::claimWhatsNew()
{
    QSettings settings;
    QString last = settings.value(lastShownKey).toString();
    if (last.isEmpty()) {
        last = m_appState->preferencesRepository()->get(legacyLastShownKey, QString());
        if (!last.isEmpty())
            settings.setValue(lastShownKey, last);
    }
    const QString current = BuildConfig::applicationVersion();
    if (TovUpdate::Version::fromString(last) >= TovUpdate::Version::fromString(current))
        return false;
    settings.setValue(lastShownKey, current);
    settings.sync();
    return true;
}

void StartupUpdates::checkForUpdate()
{
    auto* client = new TovUpdate::Client(m_appState->updateConfig(), m_appState);
    connect(client, &TovUpdate::Client::updateAvailable, this,
            [this, client](const TovUpdate::Artifact& artifact) {
                client->deleteLater();
                offer(artifact);
            });
    connect(client, &TovUpdate::Client::upToDate, client, &QObject::deleteLater);
    connect(client, &TovUpdate::Client::checkFailed, client, [client](const QString& reason) {
        qWarning().noquote() << "update check failed:" << reason;
        client->deleteLater();
    });
    client->check();
}

void StartupUpdates::offer(const TovUpdate::Artifact& artifact)
{
    PreferencesRepository* preferences = m_appState->preferencesRepository();
    if (!m_window || !isOffered(artifact.version, preferences->get(dismissedKey, QString())))
        return;
    auto* dialog = new TovUpdate::UpdateDialog(artifact, BuildConfig::applicationVersion(),
                                               BuildConfig::applicationTitle(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QString version = artifact.version;
    connect(dialog, &QDialog::finished, preferences,
            [preferences, version] { preferences->set(dismissedKey, version); });
    dialog->show();
}

bool StartupUpdates::isOffered(const QString& version, const QString& dismissedVersion)
{
    return dismissedVersion.isEmpty() || TovUpdate::Version::fromString(version) >
                                             TovUpdate::Version::fromString(dismissedVersion);
}
