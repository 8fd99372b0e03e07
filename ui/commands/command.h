#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QKeyEvent;

// One command of a screen, defined once: the text, keys, icon and tip its menu entry, context
// menu entry and key handling all take from here.
struct Command
{
    // The menu text with its mnemonic ("&Reconcile..."); none for a key no menu shows.
    QString text = {};
    // The text a context menu shows when it differs from the menu's; "%1" is replaced by the name
    // of the item the menu was opened on.
    QString contextText = {};
    // The keys, the first of them the one a menu shows.
    QList<QKeySequence> shortcuts = {};
    // Modifiers that must not be held for a key press to run the command. Others may be, so
    // Ctrl+Shift+D runs a Ctrl+D command unless Shift is refused here.
    Qt::KeyboardModifiers refusedModifiers = {};
    QString statusTip = {};
    // A glyph of the icon font shown as the entry's icon; none when null.
    QChar glyph = {};
    QAction::MenuRole menuRole = QAction::NoRole;
    // False while the screen the command opens is still to come.
    bool enabled = true;
    // What the command does when its action is triggered. A screen whose commands act on a row
    // it picks (the row under a context menu, the current row for a key) leaves it empty and
    // runs them itself.
    std::function<void()> run = {};

    // The command's action, a child of `parent`.
    QAction* createAction(QObject* parent) const;
    // True when the key press is one of `keys` with at least its modifiers held and none of the
    // refused ones. The keypad flag is ignored, so Enter works like Return.
    bool isPressedBy(const QKeyEvent* event, const QList<QKeySequence>& keys) const;
    // The context menu's text for an item named `subject`.
    QString contextTextFor(const QString& subject) const;
};
