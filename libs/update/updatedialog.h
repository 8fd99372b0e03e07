#pragma once

#include "libs/update/artifact.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace TovUpdate {

// Announces an available release, shows its notes when it has any, and opens the download
// in the browser. A mandatory release cannot be put off with "Later".
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& appName,
                 QWidget* parent = nullptr);

public slots:
    void onDownloadClicked();
    void onNotesReady(const QString& markdown);

private:
    void addNotesView(const QUrl& notesUrl);

    QUrl m_downloadUrl;
    QTextBrowser* m_notesView = nullptr; // null when the release has no notes
};

} // namespace TovUpdate
