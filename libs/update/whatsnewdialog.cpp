#include "libs/update/whatsnewdialog.h"

#include "libs/update/downloadlink.h"
#include "libs/update/notesview.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace TovUpdate {

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& version,
                               const QString& runningVersion, const QString& appName,
                               QWidget* parent, const QUrl& downloadUrl)
    : QDialog(parent), m_notesView(newNotesView(this)), m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    setModal(false);
    resize(520, 420);

    auto* layout = new QVBoxLayout(this);

    auto* header = new QLabel(tr("What's new in %1 %2").arg(appName, version), this);
    QFont headerFont = header->font();
    headerFont.setWeight(QFont::Bold);
    if (headerFont.pointSizeF() > 0)
        headerFont.setPointSizeF(headerFont.pointSizeF() + 2);
    header->setFont(headerFont);
    layout->addWidget(header);

    setNotes(m_notesView, markdown);
    layout->addWidget(m_notesView);

    auto* bottom = new QHBoxLayout;
    auto* running = new QLabel(tr("You are running version %1").arg(runningVersion), this);
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    if (isDownloadLink(m_downloadUrl)) {
        buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            openDownloadLink(m_downloadUrl);
            accept();
        });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

} // namespace TovUpdate
