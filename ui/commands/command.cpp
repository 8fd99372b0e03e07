#include "ui/commands/command.h"

#include "ui/theme/iconfont.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>

namespace {

constexpr int iconSize = 16;

} // namespace

QAction* Command::createAction(QObject* parent) const
{
    auto* action = new QAction(text, parent);
    action->setShortcuts(shortcuts);
    action->setStatusTip(statusTip);
    action->setMenuRole(menuRole);
    action->setEnabled(enabled);
    if (!glyph.isNull())
        action->setIcon(
            glyphIcon(glyph, iconSize, QGuiApplication::palette().color(QPalette::WindowText)));
    if (run)
        QObject::connect(action, &QAction::triggered, action, run);
    return action;
}

bool Command::isPressedBy(const QKeyEvent* event, const QList<QKeySequence>& keys) const
{
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    if (held & refusedModifiers)
        return false;
    for (const QKeySequence& sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const QKeyCombination key = sequence[0];
        if (key.key() == event->key() &&
            (held & key.keyboardModifiers()) == key.keyboardModifiers())
            return true;
    }
    return false;
}

QString Command::contextTextFor(const QString& subject) const
{
    QString shown = contextText.isEmpty() ? text : contextText;
    return shown.replace(QLatin1String("%1"), subject);
}
