// Renders the update library's dialogs offscreen, in the light and the dark palette, to PNG
// files, so their layout can be looked at without a display:
//
//     updateshots [output directory]     (default: ./updateshots)
//
// The release notes are read from a local file through the same fetcher the dialogs use.

#include "libs/update/updatedialog.h"
#include "libs/update/whatsnewdialog.h"
#include "ui/theme/thememanager.h"

#include "tools/shots.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <functional>

namespace {

const QString appName = QStringLiteral("Tovarly Pennibar");

const char notes[] = R"(## Highlights

- **Budgets**: plan each month by category and see at a glance what is left.
- Reports export to CSV in the account's currency.
- The register remembers the width of every column.

## Fixes

- A transfer between two accounts keeps its memo on both sides.
- QIF files from older banks with a two-digit year import again.

[All changes in this release](https://tovarly.example/pennibar/1.2.0)
)";

TovUpdate::Artifact release(const QUrl& notesUrl, bool mandatory)
{
    TovUpdate::Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = QUrl(QStringLiteral("https://downloads.tovarly.example/pennibar/1.2.0/"));
    artifact.mandatory = mandatory;
    artifact.releaseNotesUrl = notesUrl;
    return artifact;
}

// Lets the notes arrive (a local file, so at once) before the picture is taken.
QDialog* settled(QDialog* dialog)
{
    const QDeadlineTimer deadline(2000);
    QTextBrowser* view = dialog->findChild<QTextBrowser*>();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    } while (view && view->toPlainText().isEmpty() && !deadline.hasExpired());
    return dialog;
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const QString outputPath = shotDirectory(QStringLiteral("updateshots"));
    if (outputPath.isEmpty())
        return 1;
    const QDir output(outputPath);

    QTemporaryDir host;
    QFile notesFile(host.filePath(QStringLiteral("release-notes.md")));
    if (!notesFile.open(QIODevice::WriteOnly) || notesFile.write(notes) < 0)
        return 1;
    notesFile.close();
    const QUrl notesUrl = QUrl::fromLocalFile(notesFile.fileName());
    const QString markdown = QString::fromUtf8(notes);
    const QString running = QStringLiteral("1.1.3");

    const QList<std::pair<QString, std::function<QDialog*()>>> dialogs = {
        {QStringLiteral("update"),
         [&] { return new TovUpdate::UpdateDialog(release(notesUrl, false), running, appName); }},
        {QStringLiteral("update-mandatory"),
         [&] { return new TovUpdate::UpdateDialog(release(QUrl(), true), running, appName); }},
        {QStringLiteral("whatsnew"),
         [&] { return new TovUpdate::WhatsNewDialog(markdown, running, running, appName); }},
        {QStringLiteral("whatsnew-download"),
         [&] {
             return new TovUpdate::WhatsNewDialog(markdown, QStringLiteral("1.2.0"), running,
                                                  appName, nullptr, release(QUrl(), false).url);
         }},
    };

    bool ok = true;
    for (const auto& [palette, name] : {std::pair{ThemeManager::lightPalette(), "light"},
                                        std::pair{ThemeManager::darkPalette(), "dark"}}) {
        QApplication::setPalette(palette);
        for (const auto& [dialogName, make] : dialogs) {
            const QString file = QStringLiteral("%1-%2.png").arg(dialogName, QLatin1String(name));
            ok = shootDialog(settled(make()), output.filePath(file)) && ok;
        }
    }
    return ok ? 0 : 1;
}
