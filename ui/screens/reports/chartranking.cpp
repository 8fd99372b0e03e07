#include "ui/screens/reports/chartranking.h"

#include <algorithm>
#include <cmath>

namespace {

qreal magnitude(const ChartItem& item)
{
    qreal largest = 0;
    for (const qreal value : item.values)
        largest = std::max(largest, std::abs(value));
    return largest;
}

} // namespace

QList<ChartItem> keepLargest(const QList<ChartItem>& items, int keep, const QString& restLabel)
{
    QList<ChartItem> ranked = items;
    std::stable_sort(ranked.begin(), ranked.end(), [](const ChartItem& a, const ChartItem& b) {
        return magnitude(a) > magnitude(b);
    });
    if (ranked.size() <= keep + 1)
        return ranked;

    ChartItem rest{restLabel, {}};
    for (qsizetype i = keep; i < ranked.size(); ++i) {
        const QList<qreal>& values = ranked.at(i).values;
        if (rest.values.size() < values.size())
            rest.values.resize(values.size(), 0);
        for (qsizetype v = 0; v < values.size(); ++v)
            rest.values[v] += values.at(v);
    }
    ranked.resize(keep);
    ranked.append(rest);
    return ranked;
}
