#include "ui/widgets/tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QString payeeMemoEditorName = QStringLiteral("PayeeMemoEditor");
const QString memoEditName = QStringLiteral("memoEdit");

QWidget* ancestorNamed(QWidget* widget, const QString& name)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

} // namespace

TabCompleter::TabCompleter(QObject* parent) : QCompleter(parent) {}

TabCompleter::TabCompleter(QAbstractItemModel* model, QObject* parent) : QCompleter(model, parent)
{
}

TabCompleter::TabCompleter(const QStringList& list, QObject* parent) : QCompleter(list, parent) {}

// While the popup is open the completer filters the popup's keys (and those of its widget),
// so Tab is seen here before either of them handles it.
bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && widget() && popup()->isVisible()) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const bool backward =
                key == Qt::Key_Backtab || (keyEvent->modifiers() & Qt::ShiftModifier);
            acceptAndMove(!backward);
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::acceptAndMove(bool forward)
{
    const QModelIndex current = popup()->currentIndex();
    const QString text = current.isValid() ? current.data(completionRole()).toString() : QString();
    if (!text.isEmpty()) {
        acceptText(text);
        emit activated(text);
    }
    popup()->hide();

    QWidget* target = widget();
    if (!target)
        return;

    // In the two-line editor Tab goes from the payee line to the memo line; Shift+Tab leaves
    // the editor backwards like Shift+Tab on the payee line without a popup.
    if (QWidget* payeeMemo = ancestorNamed(target, payeeMemoEditorName)) {
        QWidget* memo = payeeMemo->findChild<QWidget*>(memoEditName);
        if (forward && memo && memo != target && !memo->isAncestorOf(target)) {
            memo->setFocus(Qt::TabFocusReason);
            return;
        }
    }

    // A cell editor is a child of the view's viewport; the view moves on when it is closed.
    QWidget* editor = target;
    while (editor->parentWidget()) {
        QWidget* parent = editor->parentWidget();
        if (auto* view = qobject_cast<QAbstractItemView*>(parent->parentWidget());
            view && view->viewport() == parent) {
            QAbstractItemDelegate* delegate = view->itemDelegateForIndex(view->currentIndex());
            if (!delegate)
                delegate = view->itemDelegate();
            emit delegate->commitData(editor);
            emit delegate->closeEditor(editor, forward ? QAbstractItemDelegate::EditNextItem
                                                       : QAbstractItemDelegate::EditPreviousItem);
            return;
        }
        editor = parent;
    }

    // Outside a view the key does what it would have done: move the focus along.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &tab);
}

void TabCompleter::acceptText(const QString& text)
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(widget())) {
        lineEdit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget())) {
        const int item = combo->findText(text, Qt::MatchFixedString);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setCurrentText(text);
    }
}
