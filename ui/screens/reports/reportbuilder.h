#pragma once

#include "ui/screens/reports/reportchartdata.h"
#include "ui/screens/reports/reportkind.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class ReportService;

// A report's table as the screen shows and exports it: every cell's text, which columns hold
// figures (right-aligned), and how many rows at its end are totals (bold).
struct ReportTable
{
    QList<QStringList> rows;
    QList<int> figureColumns;
    int totalRows = 0;
};

struct ReportOutput
{
    ReportTable table;
    ReportChartData chart;
};

// Runs one report of the service with the filters that apply to it and lays its rows out as
// the table and the chart of its tab. Amounts show in the format of their currency.
class ReportBuilder
{
    Q_DECLARE_TR_FUNCTIONS(ReportBuilder)

public:
    // Bar charts of names show this many names, and one more for the rest; fewer when each
    // name has a pair of bars.
    static constexpr int barsShown = 8;
    static constexpr int pairsShown = 6;

    static ReportOutput build(ReportKind kind, const ReportService& reports,
                              const ReportFilters& filters);

    // The compared periods' names with their dates ("P1: <start> – <end>"), in the interface
    // language and its date format.
    static QString firstPeriod(const ReportFilters& filters);
    static QString secondPeriod(const ReportFilters& filters);
    // The name of a total row of one currency in a book of several: "Total (EUR)".
    static QString totalIn(Currency currency);
    // A day as the reports write it: the interface language's short format.
    static QString shortDate(const QDate& date);
};
