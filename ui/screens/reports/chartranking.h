#pragma once

#include <QList>
#include <QString>

// One labelled figure (or group of figures, one per series) of a bar chart.
struct ChartItem
{
    QString label;
    QList<qreal> values;
};

// The `keep` items of the largest magnitude (the largest absolute value among an item's
// figures), largest first, then one item labelled `restLabel` holding the sums of all the
// others. An item that would be grouped alone keeps its own label. Items of equal magnitude
// keep their order.
QList<ChartItem> keepLargest(const QList<ChartItem>& items, int keep, const QString& restLabel);
