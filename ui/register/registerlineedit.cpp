#include "ui/register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget* parent) : QLineEdit(parent) {}

bool RegisterLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool enter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
        QCompleter* completion = completer();
        if (enter && completion && completion->popup()->isVisible()) {
            const QModelIndex current = completion->popup()->currentIndex();
            completion->popup()->hide();
            if (current.isValid()) {
                const QString text = current.data(completion->completionRole()).toString();
                setText(text);
                emit completion->activated(text);
            }
            keyEvent->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
