#pragma once

#include <QString>

class QDateEdit;

// The set-up every date edit of the forms and filters shares: the system locale, a calendar
// popup whose week starts on the process-wide first day, and the given display format (the
// system locale's short date format when empty).
void setUpDateEdit(QDateEdit* edit, const QString& displayFormat = QString());
