#pragma once

#include <QDate>
#include <QString>

// A named pair of periods for the year-over-year report. The label is stored untranslated;
// every date is invalid for "Custom", whose periods the user enters.
struct PeriodComparison
{
    QString label;
    QDate period1Start;
    QDate period1End;
    QDate period2Start;
    QDate period2End;
};
