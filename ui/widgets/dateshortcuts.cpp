#include "ui/widgets/dateshortcuts.h"

#include "ui/widgets/registerdate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

bool applyDateShortcut(QKeyEvent* event, QDate& date)
{
    const QString key = event->text().toLower();
    if (key.size() != 1)
        return false;

    const QDate from = date.isValid() ? date : QDate::currentDate();
    // Qt numbers Monday 1 .. Sunday 7; counted from Sunday that is 0 .. 6.
    const int daysSinceSunday = from.dayOfWeek() % 7;
    QDate result;
    switch (key.at(0).unicode()) {
    case 't':
        result = QDate::currentDate();
        break;
    case '+':
    case '=':
        result = from.addDays(1);
        break;
    case '-':
        result = from.addDays(-1);
        break;
    case 'm':
        result = QDate(from.year(), from.month(), 1);
        break;
    case 'h':
        result = QDate(from.year(), from.month(), from.daysInMonth());
        break;
    case 'y':
        result = QDate(from.year(), 1, 1);
        break;
    case 'r':
        result = QDate(from.year(), 12, 31);
        break;
    case 'w':
        result = from.addDays(-daysSinceSunday);
        break;
    case 'k':
        result = from.addDays(6 - daysSinceSunday);
        break;
    default:
        return false;
    }
    date = result;
    return true;
}

// The keys are those applyDateShortcut reads, the same in every language.
ShortcutSection dateShortcutSection()
{
    return {QCoreApplication::translate("DateShortcuts", "Date Field"),
            {{QStringLiteral("t"), QCoreApplication::translate("DateShortcuts", "Today")},
             {QStringLiteral("+ / -"),
              QCoreApplication::translate("DateShortcuts", "Next / previous day")},
             {QStringLiteral("m / h"),
              QCoreApplication::translate("DateShortcuts", "First / last day of month")},
             {QStringLiteral("y / r"),
              QCoreApplication::translate("DateShortcuts", "First / last day of year")},
             {QStringLiteral("w / k"),
              QCoreApplication::translate("DateShortcuts", "First / last day of week")}}};
}

QDate parseDateText(QLineEdit* edit)
{
    const QDate typed = RegisterDate::fromTypedText(edit->text());
    if (typed.isValid())
        return typed;
    return edit->property("date").toDate();
}
