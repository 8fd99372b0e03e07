#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace TovUpdate {

// The view that shows release notes in both dialogs; links open in the browser.
QTextBrowser* newNotesView(QWidget* parent);

// Shows Markdown notes, with links in the palette's highlight colour: Qt's default link blue is
// unreadable on a dark base, and every palette chooses its highlight to stand out from its base.
void setNotes(QTextBrowser* view, const QString& markdown);

} // namespace TovUpdate
