#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace TovUpdate {

// Shows the release notes of one version; offers its download when it is not the running one.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    // `downloadUrl` invalid: no "Download" button.
    WhatsNewDialog(const QString& markdown, const QString& version, const QString& runningVersion,
                   const QString& appName, QWidget* parent = nullptr,
                   const QUrl& downloadUrl = QUrl());

private:
    QTextBrowser* m_notesView;
    QUrl m_downloadUrl;
};

} // namespace TovUpdate
