#include "ui/widgets/calendarpopup.h"

#include "ui/theme/displaysettings.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>

QCalendarWidget* showCalendarPopup(QWidget* anchor, const QDate& date,
                                   const std::function<void(const QDate&)>& callback)
{
    auto* calendar = new QCalendarWidget(anchor);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setFirstDayOfWeek(DisplaySettings::weekStartDay());
    calendar->setLocale(QLocale::system());
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
    constexpr int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);

    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    font.setStyleStrategy(QFont::PreferAntialias);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}
