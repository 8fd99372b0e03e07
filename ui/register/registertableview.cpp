#include "ui/register/registertableview.h"

#include "ui/register/registermodel.h"
#include "ui/register/registernavigator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QTimer>

#include <algorithm>

namespace {

const QString payeeMemoEditorName = QStringLiteral("PayeeMemoEditor");

} // namespace

RegisterTableView::RegisterTableView(QWidget* parent) : QTableView(parent)
{
    // A register row is one line of text (or two in two-line mode, painted by the delegate);
    // long payees and categories are cut with "…" rather than wrapped into the row below.
    setWordWrap(false);
}

int RegisterTableView::sizeHintForColumn(int column) const
{
    if (!model())
        return -1;
    ensurePolished();
    // Before the view is laid out its viewport may have no height: then no row is in view.
    const int first = rowAt(0);
    const int bottom = viewport()->height() - 1;
    if (first < 0 || bottom < 0)
        return 0;
    // Below the last row, the rows end above the viewport's bottom.
    int last = rowAt(bottom);
    if (last < 0)
        last = model()->rowCount() - 1;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int hint = 0;
    for (int row = first; row <= last; ++row) {
        if (isRowHidden(row))
            continue;
        const QModelIndex index = model()->index(row, column);
        hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return showGrid() ? hint + 1 : hint;
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    if (target.isValid() && target.column() == RegisterModel::BalanceColumn)
        return target.siblingAtColumn(RegisterModel::ClearedColumn);
    return target;
}

bool RegisterTableView::isSplitAmountOrCategory(const QModelIndex& index) const
{
    const auto* registerModel = qobject_cast<const RegisterModel*>(model());
    if (!registerModel || !index.isValid())
        return false;
    const int column = index.column();
    if (column != RegisterModel::CategoryColumn && column != RegisterModel::PaymentColumn &&
        column != RegisterModel::DepositColumn)
        return false;
    const RegisterRow* row = registerModel->rowAt(index.row());
    return row && row->transaction.isSplit;
}

bool RegisterTableView::focusIsInTwoLineEditor() const
{
    for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        if (w->objectName() == payeeMemoEditorName)
            return true;
    }
    return false;
}

void RegisterTableView::stepAndEdit(bool forward)
{
    QKeyEvent arrow(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QTableView::keyPressEvent(&arrow);
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.flags().testFlag(Qt::ItemIsEditable))
        edit(current);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool backward =
        key == Qt::Key_Backtab || (key == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (m_navigator) {
            if (backward)
                m_navigator->tabBackward();
            else
                m_navigator->tabForward();
        } else {
            stepAndEdit(!backward);
        }
        event->accept();
        return;
    }

    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // These cells of a split transaction are edited in the split editor, not inline.
    if (enter && plain && m_navigator && isSplitAmountOrCategory(currentIndex())) {
        m_navigator->tabForward();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_navigator)
        return QTableView::focusNextPrevChild(next);
    if (focusIsInTwoLineEditor())
        return m_navigator->focusNextPrevInEditor(next);
    if (next)
        m_navigator->tabForward();
    else
        m_navigator->tabBackward();
    return true;
}

void RegisterTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool move = hint == QAbstractItemDelegate::EditNextItem ||
                      hint == QAbstractItemDelegate::EditPreviousItem;
    if (!m_navigator || !move) {
        QTableView::closeEditor(editor, hint);
        return;
    }

    // The owner moves to the next field once the editor is really gone; until then the current
    // cell stays the one just edited.
    const QPersistentModelIndex edited = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    QTimer::singleShot(0, this, [this, edited, forward] {
        if (edited.isValid())
            setCurrentIndex(edited);
        if (!m_navigator)
            return;
        if (forward)
            m_navigator->tabForward();
        else
            m_navigator->tabBackward();
    });
}
