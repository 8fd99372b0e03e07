#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// One line of the Keyboard Shortcuts box: the keys as shown (HTML) and what they do (HTML).
struct ShortcutRow
{
    QString keys;
    QString meaning;

    // The keys written as the platform writes them.
    static ShortcutRow forKeys(const QKeySequence& keys, const QString& meaning);
    // A run of keys, "first – last".
    static ShortcutRow forRange(const QKeySequence& first, const QKeySequence& last,
                                const QString& meaning);
};

// A heading of the box and its lines.
struct ShortcutSection
{
    QString heading;
    QList<ShortcutRow> rows;
};

// The box's text: each section an <h3> heading over a table (cell spacing 6) with the keys in
// bold.
QString shortcutListingHtml(const QList<ShortcutSection>& sections);
