#pragma once

#include <QDate>
#include <QIcon>

#include <functional>

class QCalendarWidget;
class QPalette;
class QWidget;

// Opens a calendar below the anchor's bottom-left corner as a popup child of the anchor (so a
// cell editor that owns it does not close when the calendar takes the focus). The week starts
// on the process-wide first day. Picking a date calls the callback and closes the calendar,
// which deletes itself. Returns the calendar.
QCalendarWidget* showCalendarPopup(QWidget* anchor, const QDate& date,
                                   const std::function<void(const QDate&)>& callback);

// The 16 x 16 calendar glyph of the icon font, in the palette's placeholder colour.
QIcon calendarIcon(const QPalette& palette);
