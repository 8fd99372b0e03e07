#pragma once

#include <QList>

// Fits a table's columns into the width it has, so that no column hides behind a horizontal
// scroll bar. Columns give way in rounds, each down to the least width that still shows its
// content: the first round first (the register's Payee and Memo), the next only when that is
// not enough. Columns the user has sized, and hidden ones, keep their width.
class ColumnFitter
{
public:
    struct Column
    {
        // The width it takes when there is room.
        int preferred = 0;
        // The narrowest it still shows its content at.
        int least = 0;
        // Columns of a lower round give way before those of a higher one.
        int round = 0;
        // Sized by the user, or hidden: its width is kept.
        bool fixed = false;
    };

    // The width of each column. All preferred widths when they fit; otherwise the rounds
    // give way in turn, the columns of one round each in proportion to what it can give. When
    // not even the least widths fit, the rounds give way again in the same order, this time
    // down to `narrowest`, so that the last round keeps its content whole the longest.
    static QList<int> fit(const QList<Column>& columns, int room, int narrowest);
};
