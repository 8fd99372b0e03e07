#include "ui/widgets/datefield.h"

#include "ui/widgets/calendarpopup.h"
#include "ui/widgets/dateshortcuts.h"
#include "ui/widgets/registerdate.h"

#include <QAction>
#include <QKeyEvent>

DateField::DateField(QWidget* parent) : QLineEdit(parent), m_date(QDate::currentDate())
{
    setText(RegisterDate::toText(m_date));
    QAction* calendar = addAction(calendarIcon(palette()), QLineEdit::TrailingPosition);
    calendar->setToolTip(tr("Open calendar (F4)"));
    connect(calendar, &QAction::triggered, this, &DateField::openCalendarPopup);
}

void DateField::setDate(const QDate& date)
{
    if (date == m_date)
        return;
    m_date = date;
    setText(RegisterDate::toText(date));
    emit dateChanged(date);
}

void DateField::openCalendarPopup()
{
    showCalendarPopup(this, parseDateText(this), [this](const QDate& picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (event->key() == Qt::Key_F4 || altDown) {
        openCalendarPopup();
        event->accept();
        return;
    }
    QDate shifted = m_date;
    if (applyDateShortcut(event, shifted)) {
        setDate(shifted);
        // Also when the date stayed the same, so half-typed text does not linger.
        setText(RegisterDate::toText(m_date));
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    const QDate typed = parseDateText(this);
    if (typed != m_date) {
        m_date = typed;
        emit dateChanged(typed);
    }
    // Always rewritten, so that text that is no date shows the stored date again.
    setText(RegisterDate::toText(m_date));
    QLineEdit::focusOutEvent(event);
}
