#include "ui/screens/reports/reportchartview.h"

#include "ui/theme/fontroles.h"
#include "ui/theme/themecolors.h"

#include "app/core/money.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QDateTime>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace {

using Colour = ReportChartData::Colour;

// Up to this many months each get a label; more are labelled by year.
constexpr int monthsNamed = 24;
// Longer names are cut short on the axis; the tool tip shows them whole.
constexpr int longestLabel = 28;

QColor colourOf(Colour colour, bool dark)
{
    switch (colour) {
    case Colour::Bar:
        return ThemeColors::chartBar(dark).color();
    case Colour::Inflow:
        return ThemeColors::chartInflow(dark).color();
    case Colour::Outflow:
        return ThemeColors::chartOutflow(dark).color();
    case Colour::Net:
        return ThemeColors::chartNet(dark).color();
    case Colour::FirstPeriod:
        return ThemeColors::chartFirstPeriod(dark).color();
    case Colour::SecondPeriod:
        return ThemeColors::chartSecondPeriod(dark).color();
    }
    return {};
}

QString shortLabel(const QString& label)
{
    return label.size() <= longestLabel ? label : label.left(longestLabel - 1) + QChar(0x2026);
}

// A bar axis takes each name once: a name met again (two accounts called alike, two long names
// cut to the same start) is numbered.
QStringList distinct(const QStringList& labels)
{
    QStringList names;
    for (const QString& label : labels) {
        QString name = label;
        for (int n = 2; names.contains(name); ++n)
            name = QStringLiteral("%1 (%2)").arg(label).arg(n);
        names << name;
    }
    return names;
}

QDate monthStart(const QString& month)
{
    return QDate::fromString(month + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
}

// Month and day names on the axes in the interface language: the chart's own locale stays the
// money format's.
QString monthName(const QDate& month)
{
    return QLocale().toString(
        month, ReportChartView::tr("MMM yy", "QDate format of a month on a chart axis"));
}

// Labels along a time line: at the first of every one, two, three, six or twelve months (or
// more years), so that no more than about six show, or every few days along two months or
// less. `first` and `last` are the axis' ends, in milliseconds since the epoch.
QCategoryAxis* timeAxis(qint64 first, qint64 last)
{
    constexpr int labelsWanted = 6;
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(first, last);
    axis->setStartValue(first);
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(first);
    const QDateTime end = QDateTime::fromMSecsSinceEpoch(last);
    const auto mark = [axis, &start, &end](const QDate& day, const QString& label) {
        const QDateTime noon(day, QTime(12, 0));
        if (noon >= start && noon <= end)
            axis->append(label, qreal(noon.toMSecsSinceEpoch()));
    };

    const qint64 days = start.date().daysTo(end.date());
    if (days <= 62) {
        const qint64 step = std::max<qint64>(1, (days + labelsWanted - 1) / labelsWanted);
        const QString format =
            ReportChartView::tr("MMM d", "QDate format of a day on a chart axis");
        for (QDate day = start.date(); day <= end.date(); day = day.addDays(step))
            mark(day, QLocale().toString(day, format));
        return axis;
    }
    const int months =
        (end.date().year() - start.date().year()) * 12 + end.date().month() - start.date().month();
    int step = 12 * ((months + 12 * labelsWanted - 1) / (12 * labelsWanted));
    for (const int shorter : {6, 3, 2, 1}) {
        if (months <= shorter * labelsWanted)
            step = shorter;
    }
    // The labelled months are the same whatever the range: January and every step after it.
    QDate month(start.date().year(), 1, 1);
    while (month <= end.date()) {
        mark(month, monthName(month));
        month = month.addMonths(step);
    }
    return axis;
}

QString money(qreal units, Currency currency)
{
    return formatMoney(toMinorUnits(units, currency), currency);
}

} // namespace

ReportChartView::ReportChartView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(160);
    restyle();
}

ReportChartView::~ReportChartView() = default;

void ReportChartView::setData(const ReportChartData& data)
{
    m_data = data;
    restyle();
}

void ReportChartView::restyle()
{
    const QPalette colours = QApplication::palette();
    const QFont labelFont = FontRoles::font(FontRoles::Small);
    const QColor text = colours.color(QPalette::Text);

    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    chart->setBackgroundBrush(colours.base());
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(text);
    chart->legend()->setFont(labelFont);
    chart->setTitleBrush(text);
    chart->setTitleFont(FontRoles::font(FontRoles::Body));

    switch (m_data.shape) {
    case ReportChartData::Shape::None:
        chart->setTitle(tr("No figures to chart for these filters"));
        chart->legend()->hide();
        break;
    case ReportChartData::Shape::HorizontalBars:
        buildHorizontalBars(chart);
        break;
    case ReportChartData::Shape::MonthlyBars:
        buildMonthlyBars(chart);
        break;
    case ReportChartData::Shape::TimeLine:
        buildTimeLine(chart);
        break;
    }
    for (QAbstractAxis* axis : chart->axes())
        styleAxis(axis);

    QChart* previous = this->chart();
    setChart(chart);
    setBackgroundBrush(colours.base());
    delete previous;
}

void ReportChartView::styleAxis(QAbstractAxis* axis) const
{
    const QPalette colours = QApplication::palette();
    const QColor rule = ThemeColors::divider(ThemeColors::isDark(colours)).color();
    axis->setLabelsColor(colours.color(QPalette::Text));
    axis->setLabelsFont(FontRoles::font(FontRoles::Small));
    axis->setTitleBrush(colours.color(QPalette::Text));
    axis->setTitleFont(FontRoles::font(FontRoles::Small));
    axis->setGridLineColor(rule);
    axis->setLinePenColor(rule);
    axis->setMinorGridLineColor(rule);
}

void ReportChartView::appendBars(QAbstractBarSeries* series,
                                 const QList<ReportChartData::Series>& bars,
                                 const QStringList& labels)
{
    const bool dark = ThemeColors::isDark();
    for (const ReportChartData::Series& bar : bars) {
        auto* set = new QBarSet(bar.name);
        set->append(bar.values);
        const QColor colour = colourOf(bar.colour, dark);
        set->setColor(colour);
        set->setBorderColor(colour);
        // A bar's tool tip names it in full and gives its figure in the money format.
        connect(set, &QBarSet::hovered, this, [this, set, labels](bool entered, int index) {
            if (entered)
                QToolTip::showText(QCursor::pos(),
                                   QStringLiteral("%1\n%2: %3")
                                       .arg(labels.value(index), set->label(),
                                            money(set->at(index), m_data.currency)),
                                   this);
        });
        series->append(set);
    }
}

QValueAxis* ReportChartView::amountAxis() const
{
    auto* axis = new QValueAxis;
    // The money format's grouping, whatever the UI language; "%" is the only sign the format
    // takes for itself.
    axis->setLabelFormat(
        currencySymbol(m_data.currency).replace(QLatin1Char('%'), QStringLiteral("%%")) +
        QStringLiteral("%.0f"));
    axis->setTitleText(m_data.amountTitle);
    axis->setTitleVisible(!m_data.amountTitle.isEmpty());
    return axis;
}

QLineSeries* ReportChartView::lineSeries() const
{
    auto* line = new QLineSeries;
    line->setName(m_data.line.name);
    QPen pen(colourOf(m_data.line.colour, ThemeColors::isDark()));
    pen.setWidth(2);
    line->setPen(pen);
    return line;
}

void ReportChartView::buildHorizontalBars(QChart* chart)
{
    // Bar charts list their categories from the bottom up: reversed, the first comes on top.
    QStringList labels;
    QStringList shortLabels;
    for (qsizetype i = m_data.labels.size() - 1; i >= 0; --i) {
        labels << m_data.labels.at(i);
        shortLabels << shortLabel(m_data.labels.at(i));
    }
    QList<ReportChartData::Series> bars = m_data.bars;
    for (ReportChartData::Series& bar : bars)
        std::reverse(bar.values.begin(), bar.values.end());
    auto* series = new QHorizontalBarSeries;
    appendBars(series, bars, labels);
    chart->addSeries(series);
    // Pairs of bars need their legend; beside the chart it leaves the bars their height.
    chart->legend()->setVisible(m_data.bars.size() > 1);
    chart->legend()->setAlignment(Qt::AlignRight);

    auto* names = new QBarCategoryAxis;
    names->append(distinct(shortLabels));
    // Qt shortens a name to "..." as soon as its line is taller than the bar's share of the
    // height; the names are short enough to stand whole beside their bars.
    names->setTruncateLabels(false);
    chart->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    QValueAxis* amounts = amountAxis();
    chart->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    amounts->applyNiceNumbers();
}

QAbstractAxis* ReportChartView::monthAxis() const
{
    if (m_data.labels.size() <= monthsNamed) {
        auto* axis = new QBarCategoryAxis;
        for (const QString& month : m_data.labels)
            axis->append(monthName(monthStart(month)));
        return axis;
    }
    // Many months: bars stand at 0, 1, 2 ... and each year's label spans its months.
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, m_data.labels.size() - 0.5);
    for (qsizetype i = 0; i < m_data.labels.size(); ++i) {
        const QString year = m_data.labels.at(i).left(4);
        const bool lastOfYear =
            i + 1 == m_data.labels.size() || m_data.labels.at(i + 1).left(4) != year;
        if (lastOfYear)
            axis->append(year, i + 0.5);
    }
    return axis;
}

void ReportChartView::buildMonthlyBars(QChart* chart)
{
    QStringList labels;
    const QLocale locale;
    const QString format = tr("MMMM yyyy", "QDate format of a month in a tool tip");
    for (const QString& month : m_data.labels)
        labels << locale.toString(monthStart(month), format);

    // Money in stacks up from the axis and money out (negative) down from it.
    auto* series = new QStackedBarSeries;
    appendBars(series, m_data.bars, labels);
    chart->addSeries(series);

    QLineSeries* net = lineSeries();
    for (qsizetype i = 0; i < m_data.line.values.size(); ++i)
        net->append(qreal(i), m_data.line.values.at(i));
    net->setPointsVisible(m_data.line.values.size() <= monthsNamed);
    chart->addSeries(net);

    QAbstractAxis* months = monthAxis();
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    net->attachAxis(months);
    QValueAxis* amounts = amountAxis();
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
    net->attachAxis(amounts);
    amounts->applyNiceNumbers();
}

void ReportChartView::buildTimeLine(QChart* chart)
{
    QLineSeries* line = lineSeries();
    line->append(m_data.points);
    chart->addSeries(line);
    chart->legend()->hide();

    // A single day would give the axis no width: it gets a day on either side.
    constexpr qint64 day = 24 * 3600 * 1000;
    const qint64 first = qint64(m_data.points.first().x());
    const qint64 last = qint64(m_data.points.last().x());
    const qint64 margin = first == last ? day : 0;
    QCategoryAxis* dates = timeAxis(first - margin, last + margin);
    chart->addAxis(dates, Qt::AlignBottom);
    line->attachAxis(dates);
    QValueAxis* amounts = amountAxis();
    chart->addAxis(amounts, Qt::AlignLeft);
    line->attachAxis(amounts);
    amounts->applyNiceNumbers();
}
