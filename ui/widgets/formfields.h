#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QCompleter;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

// Fields the forms share, set up the same way in each.

// The set-up every date edit of the forms and filters shares: the interface locale, a calendar
// popup whose week starts on the process-wide first day, and the given display format (the
// interface locale's short date format when empty).
void setUpDateEdit(QDateEdit* edit, const QString& displayFormat = QString());

// A date box: the interface locale's short date format, and a calendar popup in the interface
// locale whose weeks start on the chosen first day.
QDateEdit* newFormDateEdit(const QDate& date, QWidget* parent);

// Gives the payee box its completer over known payees: found anywhere in the name, whatever the
// case, ten at a time in a popup.
void attachPayeeCompleter(QLineEdit* payee, QCompleter* completer);

// Radio buttons that exclude each other, the first checked, as one row of a form.
QHBoxLayout* newChoiceRow(QWidget* parent, const QList<QRadioButton*>& choices);
