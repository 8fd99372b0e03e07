#include "libs/update/updatedialog.h"

#include "libs/update/downloadlink.h"
#include "libs/update/notesview.h"
#include "libs/update/releasenotesfetcher.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace TovUpdate {

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& currentVersion,
                           const QString& appName, QWidget* parent)
    : QDialog(parent), m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);

    auto* headline = new QLabel(tr("A new version of %1 is available.").arg(appName), this);
    QFont headlineFont = headline->font();
    headlineFont.setWeight(QFont::Bold);
    if (headlineFont.pointSizeF() > 0)
        headlineFont.setPointSizeF(headlineFont.pointSizeF() + 1);
    headline->setFont(headlineFont);
    layout->addWidget(headline);

    auto* versions = new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version),
        this);
    versions->setWordWrap(true);
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid())
        addNotesView(artifact.releaseNotesUrl);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (m_notesView)
        resize(520, 420);
}

void UpdateDialog::addNotesView(const QUrl& notesUrl)
{
    m_notesView = newNotesView(this);
    m_notesView->setPlaceholderText(tr("Loading release notes…"));
    m_notesView->setMinimumHeight(150);
    layout()->addWidget(m_notesView);

    auto* fetcher = new ReleaseNotesFetcher(notesUrl, QStringLiteral("update-dialog"), this);
    connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
    connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
        setNotes(m_notesView, tr("*Release notes are not available for this version.*"));
    });
    fetcher->fetch();
}

void UpdateDialog::onDownloadClicked()
{
    openDownloadLink(m_downloadUrl);
    accept();
}

void UpdateDialog::onNotesReady(const QString& markdown)
{
    if (m_notesView)
        setNotes(m_notesView, markdown);
}

} // namespace TovUpdate
