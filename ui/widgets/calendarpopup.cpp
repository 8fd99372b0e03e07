#include "ui/widgets/calendarpopup.h"

#include "ui/theme/displaysettings.h"
#include "ui/theme/iconfont.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QPalette>
#include <QPointer>

QCalendarWidget* showCalendarPopup(QWidget* anchor, const QDate& date,
                                   const std::function<void(const QDate&)>& callback)
{
    auto* calendar = new QCalendarWidget(anchor);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setFirstDayOfWeek(DisplaySettings::weekStartDay());
    calendar->setLocale(QLocale());
    calendar->setGridVisible(true);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());

    // Enter (activated) picks the date as a click does; a double click sends both, so the
    // callback is guarded to run once.
    const auto pick = [calendar, callback](const QDate& picked) {
        if (!calendar->isVisible())
            return;
        calendar->close();
        callback(picked);
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar, pick);
    QObject::connect(calendar, &QCalendarWidget::activated, calendar, pick);

    calendar->move(anchor->mapToGlobal(anchor->rect().bottomLeft()));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
    return calendar;
}

QIcon calendarIcon(const QPalette& palette)
{
    return glyphIcon(QChar(0xE935), 16, palette.color(QPalette::PlaceholderText));
}
