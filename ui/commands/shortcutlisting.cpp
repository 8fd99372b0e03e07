#include "ui/commands/shortcutlisting.h"

namespace {

QString nativeText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText).toHtmlEscaped();
}

} // namespace

ShortcutRow ShortcutRow::forKeys(const QKeySequence& keys, const QString& meaning)
{
    return {nativeText(keys), meaning};
}

ShortcutRow ShortcutRow::forRange(const QKeySequence& first, const QKeySequence& last,
                                  const QString& meaning)
{
    return {QStringLiteral("%1 &ndash; %2").arg(nativeText(first), nativeText(last)), meaning};
}

QString shortcutListingHtml(const QList<ShortcutSection>& sections)
{
    QString html;
    for (const ShortcutSection& section : sections) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"6\">").arg(section.heading);
        for (const ShortcutRow& row : section.rows)
            html +=
                QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(row.keys, row.meaning);
        html += QStringLiteral("</table>");
    }
    return html;
}
