#include "ui/widgets/dateeditsetup.h"

#include "ui/theme/displaysettings.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLocale>

void setUpDateEdit(QDateEdit* edit, const QString& displayFormat)
{
    const QLocale locale = QLocale::system();
    edit->setLocale(locale);
    edit->setDisplayFormat(displayFormat.isEmpty() ? locale.dateFormat(QLocale::ShortFormat)
                                                   : displayFormat);
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(DisplaySettings::weekStartDay());
    edit->calendarWidget()->setLocale(locale);
}
