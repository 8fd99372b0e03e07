#pragma once

#include <QDate>
#include <QString>

// A named date range the reports screen offers. The label is stored untranslated; both dates
// are invalid for "Custom", whose range the user enters.
struct ReportPeriod
{
    QString label;
    QDate start;
    QDate end;
};
