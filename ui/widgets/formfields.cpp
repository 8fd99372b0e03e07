#include "ui/widgets/formfields.h"

#include "ui/theme/displaysettings.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCompleter>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace {

constexpr int visiblePayees = 10;

} // namespace

void setUpDateEdit(QDateEdit* edit, const QString& displayFormat)
{
    const QLocale locale;
    edit->setLocale(locale);
    edit->setDisplayFormat(displayFormat.isEmpty() ? locale.dateFormat(QLocale::ShortFormat)
                                                   : displayFormat);
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(DisplaySettings::weekStartDay());
    edit->calendarWidget()->setLocale(locale);
}

QDateEdit* newFormDateEdit(const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    setUpDateEdit(edit);
    return edit;
}

void attachPayeeCompleter(QLineEdit* payee, QCompleter* completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(visiblePayees);
    payee->setCompleter(completer);
}

QHBoxLayout* newChoiceRow(QWidget* parent, const QList<QRadioButton*>& choices)
{
    auto* group = new QButtonGroup(parent);
    auto* row = new QHBoxLayout;
    for (QRadioButton* choice : choices) {
        group->addButton(choice);
        row->addWidget(choice);
    }
    if (!choices.isEmpty())
        choices.first()->setChecked(true);
    row->addStretch();
    return row;
}
