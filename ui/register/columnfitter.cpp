#include "ui/register/columnfitter.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace {

// Takes `excess` pixels from the given columns, down to floors[i] each, in proportion to what
// each can give; returns what could not be taken.
int giveWay(QList<int>& widths, const QList<int>& floors, const QList<int>& members, int excess)
{
    qint64 slack = 0;
    for (const int i : members)
        slack += widths.at(i) - floors.at(i);
    if (slack <= 0)
        return excess;
    if (slack <= excess) {
        for (const int i : members)
            widths[i] = floors.at(i);
        return excess - int(slack);
    }
    int taken = 0;
    for (const int i : members) {
        const int cut = int(qint64(widths.at(i) - floors.at(i)) * excess / slack);
        widths[i] -= cut;
        taken += cut;
    }
    // What the rounding down left, a pixel at a time.
    for (const int i : members) {
        if (taken == excess)
            break;
        if (widths.at(i) > floors.at(i)) {
            --widths[i];
            ++taken;
        }
    }
    return 0;
}

} // namespace

QList<int> ColumnFitter::fit(const QList<Column>& columns, int room, int narrowest)
{
    QList<int> widths;
    QList<int> least;
    std::set<int> rounds;
    for (const Column& column : columns) {
        widths.append(column.fixed ? column.preferred : std::max(column.preferred, column.least));
        least.append(column.fixed ? widths.last() : std::max(column.least, narrowest));
        if (!column.fixed)
            rounds.insert(column.round);
    }
    const QList<int> narrowestWidths(columns.size(), narrowest);
    int excess = std::accumulate(widths.begin(), widths.end(), 0) - room;
    // First down to the least widths, then, if need be, down to the narrowest.
    const QList<int>* const passes[] = {&least, &narrowestWidths};
    for (const QList<int>* floors : passes) {
        for (const int round : rounds) {
            if (excess <= 0)
                return widths;
            QList<int> members;
            for (int i = 0; i < columns.size(); ++i) {
                if (!columns.at(i).fixed && columns.at(i).round == round)
                    members.append(i);
            }
            excess = giveWay(widths, *floors, members, excess);
        }
    }
    return widths;
}
