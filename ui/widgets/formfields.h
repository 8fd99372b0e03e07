#pragma once

#include <QDate>
#include <QList>

class QCompleter;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

// Fields the forms share, set up the same way in each.

// A date box: the system locale's short date format, and a calendar popup in the system locale
// whose weeks start on the chosen first day.
QDateEdit* newFormDateEdit(const QDate& date, QWidget* parent);

// Gives the payee box its completer over known payees: found anywhere in the name, whatever the
// case, ten at a time in a popup.
void attachPayeeCompleter(QLineEdit* payee, QCompleter* completer);

// Radio buttons that exclude each other, the first checked, as one row of a form.
QHBoxLayout* newChoiceRow(QWidget* parent, const QList<QRadioButton*>& choices);
