#pragma once

#include "app/core/currency.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

// What a report's chart shows, free of any widget: built from the report's rows and drawn by
// ReportChartView in the current theme. Values are in whole units of one currency.
struct ReportChartData
{
    enum class Shape
    {
        None,           // nothing to chart
        HorizontalBars, // one bar (or a group of bars) per label, the first label on top
        MonthlyBars,    // money in above and out below the axis per month, the net as a line
        TimeLine,       // a line over dates; x is milliseconds since the epoch
    };

    // Which theme colour a series takes.
    enum class Colour
    {
        Bar,
        Inflow,
        Outflow,
        Net,
        FirstPeriod,
        SecondPeriod,
    };

    struct Series
    {
        QString name;
        Colour colour = Colour::Bar;
        QList<qreal> values; // one per label (bars and the monthly net)
    };

    Shape shape = Shape::None;
    Currency currency = Currency::USD;
    // Names the currency under the amounts where the book holds several; empty otherwise.
    QString amountTitle;
    QStringList labels; // bar labels, or the months as "yyyy-MM"
    QList<Series> bars;
    Series line;           // the monthly net, or the time line's name and colour
    QList<QPointF> points; // the time line's points
};
