#include "ui/widgets/smartdateedit.h"

#include "ui/widgets/calendarpopup.h"
#include "ui/widgets/dateshortcuts.h"
#include "ui/widgets/registerdate.h"

#include <QAction>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget* parent) : QLineEdit(parent), m_date(QDate::currentDate())
{
    showDate();
    QAction* calendar = addAction(calendarIcon(palette()), QLineEdit::TrailingPosition);
    calendar->setToolTip(tr("Open calendar (F4)"));
    connect(calendar, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

void SmartDateEdit::setDate(const QDate& date)
{
    m_date = date;
    showDate();
}

void SmartDateEdit::showDate()
{
    setText(RegisterDate::toText(m_date));
    selectAll();
}

void SmartDateEdit::openCalendarPopup()
{
    showCalendarPopup(this, parseDateText(this), [this](const QDate& picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (event->key() == Qt::Key_F4 || altDown) {
        openCalendarPopup();
        event->accept();
        return;
    }
    if (applyDateShortcut(event, m_date)) {
        showDate();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
