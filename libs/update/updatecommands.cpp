#include "libs/update/updatecommands.h"

#include "libs/update/client.h"
#include "libs/update/logging.h"
#include "libs/update/releasenotesfetcher.h"
#include "libs/update/updatedialog.h"
#include "libs/update/whatsnewdialog.h"

#include <QCoreApplication>

namespace TovUpdate {

namespace {

constexpr int messageTimeoutMs = 5000;

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TovUpdate::UpdateCommands)
};

QObject* owner()
{
    return QCoreApplication::instance();
}

// The callbacks reach into the parent window, so they are dropped once it has gone.
class Progress
{
public:
    Progress(QPointer<QWidget> parent, const ProgressCallbacks& callbacks)
        : m_parent(parent), m_callbacks(callbacks)
    {
    }

    void show(const QString& text) const
    {
        if (m_parent && m_callbacks.progress)
            m_callbacks.progress(text);
    }
    void finish() const
    {
        if (m_parent && m_callbacks.finished)
            m_callbacks.finished();
    }
    void message(const QString& text) const
    {
        if (m_parent && m_callbacks.message)
            m_callbacks.message(text, messageTimeoutMs);
    }

private:
    QPointer<QWidget> m_parent;
    ProgressCallbacks m_callbacks;
};

void showDialog(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void openWhatsNewDialog(const QString& markdown, const QString& version, const UpdateConfig& config,
                        const QString& appName, QPointer<QWidget> parent,
                        const QUrl& downloadUrl = {})
{
    if (parent) {
        showDialog(new WhatsNewDialog(markdown, version, config.currentVersion, appName, parent,
                                      downloadUrl));
    }
}

// Fetches notes and hands them to `ready`, or calls `unavailable`; the fetcher then goes.
void fetchNotes(ReleaseNotesFetcher* fetcher, std::function<void(const QString&)> ready,
                std::function<void()> unavailable)
{
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher,
                     [fetcher, ready](const QString& markdown) {
                         fetcher->deleteLater();
                         ready(markdown);
                     });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher,
                     [fetcher, unavailable] {
                         fetcher->deleteLater();
                         unavailable();
                     });
    fetcher->fetch();
}

// The running version has no notes: show those of a newer release, if the channel has one.
void showNewerReleaseNotes(const UpdateConfig& config, const QString& appName,
                           QPointer<QWidget> parent, const Progress& progress)
{
    const auto noNotes = [config, appName, progress] {
        progress.finish();
        progress.message(
            Texts::tr("No release notes available for %1 %2").arg(appName, config.currentVersion));
    };
    auto* client = new Client(config, owner());
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        client->deleteLater();
        if (!artifact.releaseNotesUrl.isValid()) {
            noNotes();
            return;
        }
        fetchNotes(
            new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.product, owner()),
            [=](const QString& markdown) {
                progress.finish();
                openWhatsNewDialog(markdown, artifact.version, config, appName, parent,
                                   artifact.url);
            },
            noNotes);
    });
    QObject::connect(client, &Client::upToDate, client, [client, noNotes] {
        client->deleteLater();
        noNotes();
    });
    QObject::connect(
        client, &Client::checkFailed, client, [client, noNotes](const QString& reason) {
            qCInfo(lcUpdate).noquote() << "no newer release notes, update check failed:" << reason;
            client->deleteLater();
            noNotes();
        });
    client->check();
}

} // namespace

void showWhatsNew(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent)
{
    fetchNotes(
        new ReleaseNotesFetcher(config, owner()),
        [=](const QString& markdown) {
            openWhatsNewDialog(markdown, config.currentVersion, config, appName, parent);
        },
        [] {});
}

void showReleaseNotes(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent,
                      const ProgressCallbacks& callbacks)
{
    const Progress progress(parent, callbacks);
    progress.show(Texts::tr("Loading release notes…"));
    fetchNotes(
        new ReleaseNotesFetcher(config, owner()),
        [=](const QString& markdown) {
            progress.finish();
            openWhatsNewDialog(markdown, config.currentVersion, config, appName, parent);
        },
        [=] { showNewerReleaseNotes(config, appName, parent, progress); });
}

void checkForUpdates(const UpdateConfig& config, const QString& appName, QPointer<QWidget> parent,
                     const ProgressCallbacks& callbacks)
{
    const Progress progress(parent, callbacks);
    auto* client = new Client(config, owner());
    progress.show(Texts::tr("Checking for updates…"));
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        client->deleteLater();
        progress.finish();
        if (parent)
            showDialog(new UpdateDialog(artifact, config.currentVersion, appName, parent));
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        progress.finish();
        progress.message(
            Texts::tr("%1 is up to date (version %2)").arg(appName, config.currentVersion));
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString& reason) {
        client->deleteLater();
        progress.finish();
        progress.message(Texts::tr("Update check failed: %1").arg(reason));
    });
    client->check();
}

} // namespace TovUpdate
