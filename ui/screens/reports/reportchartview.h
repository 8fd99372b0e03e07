#pragma once

#include "ui/screens/reports/reportchartdata.h"

#include <QChartView>

class QAbstractAxis;
class QAbstractBarSeries;
class QChart;
class QLineSeries;
class QValueAxis;

// Draws a report's chart data in the colours of the current theme and at the current font
// scale. The chart is built anew for new data and by restyle() after a theme or scale change.
class ReportChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ReportChartView(QWidget* parent = nullptr);
    ~ReportChartView() override;

    void setData(const ReportChartData& data);
    const ReportChartData& data() const { return m_data; }
    // Builds the chart again in the current theme and font scale.
    void restyle();

private:
    void buildHorizontalBars(QChart* chart);
    void buildMonthlyBars(QChart* chart);
    void buildTimeLine(QChart* chart);
    // One set of bars per series, in the series' colour, each bar with a tool tip naming it.
    void appendBars(QAbstractBarSeries* series, const QList<ReportChartData::Series>& bars,
                    const QStringList& labels);
    // The net or time line in its colour.
    QLineSeries* lineSeries() const;
    // The axis under the months: every month named, or one label per year when they are many.
    QAbstractAxis* monthAxis() const;
    // The amounts in the symbol of the chart's currency, named when the book holds several.
    QValueAxis* amountAxis() const;
    void styleAxis(QAbstractAxis* axis) const;

    ReportChartData m_data;
};
