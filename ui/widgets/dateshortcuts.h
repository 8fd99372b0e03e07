#pragma once

#include "ui/commands/shortcutlisting.h"

#include <QDate>

class QKeyEvent;
class QLineEdit;

// Single-key date changes shared by the register's date cell and the forms' date fields:
// t today, + or = next day, - previous day, m/h first/last of the month, y/r first/last of the
// year, w/k the Sunday before / Saturday after (weeks run Sunday to Saturday). Upper case works
// too. An invalid date counts as today. Returns false, leaving the date alone, for other keys.
bool applyDateShortcut(QKeyEvent* event, QDate& date);

// Those keys as the Keyboard Shortcuts box lists them.
ShortcutSection dateShortcutSection();

// The date typed into a date editor (as RegisterDate::fromTypedText reads it), or the editor's
// stored "date" property when the text is no date.
QDate parseDateText(QLineEdit* edit);
