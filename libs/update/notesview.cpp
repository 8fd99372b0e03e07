#include "libs/update/notesview.h"

#include <QList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace TovUpdate {

QTextBrowser* newNotesView(QWidget* parent)
{
    auto* view = new QTextBrowser(parent);
    view->setOpenExternalLinks(true);
    return view;
}

void setNotes(QTextBrowser* view, const QString& markdown)
{
    view->setMarkdown(markdown);

    // The Markdown reader colours links with the application's link colour as it reads them.
    QTextDocument* document = view->document();
    QList<std::pair<int, int>> links; // position, length
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isAnchor())
                links.append({fragment.fragment().position(), fragment.fragment().length()});
        }
    }
    QTextCharFormat linkColour;
    linkColour.setForeground(view->palette().color(QPalette::Highlight));
    QTextCursor cursor(document);
    for (const auto& [position, length] : links) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(linkColour);
    }
}

} // namespace TovUpdate
