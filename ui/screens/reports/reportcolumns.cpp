#include "ui/screens/reports/reportcolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTableWidget>

#include <algorithm>

ReportColumns::ReportColumns(QTableWidget* table) : QObject(table), m_table(table)
{
    // The last column stretches with the window; the others keep a width once dragged.
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!m_applying && column != m_table->columnCount() - 1)
            m_sizedByUser = true;
    });
    table->viewport()->installEventFilter(this);
}

void ReportColumns::fit(const QList<int>& figureColumns)
{
    if (m_sizedByUser || m_table->rowCount() == 0)
        return;
    QHeaderView* header = m_table->horizontalHeader();
    m_figureColumns = figureColumns;
    m_fitted.clear();
    // Public as the item view's; the table's own reads the same rows.
    const QAbstractItemView* view = m_table;
    // Right-aligned sums side by side keep a gap between them.
    const int gap = 2 * m_table->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_fitted << std::max(view->sizeHintForColumn(column) +
                                 (figureColumns.contains(column) ? gap : 0),
                             header->sectionSizeHint(column));
    // The stretching last column never gets narrower than the header's default width.
    m_fitted.last() = std::max(m_fitted.last(), header->defaultSectionSize());
    apply();
}

bool ReportColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && !m_sizedByUser && !m_fitted.isEmpty())
        apply();
    return QObject::eventFilter(watched, event);
}

void ReportColumns::apply()
{
    const QScopedValueRollback<bool> applying(m_applying, true);
    QHeaderView* header = m_table->horizontalHeader();
    const int last = int(m_fitted.size()) - 1;
    // The width column `column` keeps when no text column may be wider than `cap`.
    const auto capped = [this, header, last](int column, int cap) {
        const int fitted = m_fitted.at(column);
        if (column == last || m_figureColumns.contains(column))
            return fitted;
        return std::min(fitted, std::max(cap, header->sectionSizeHint(column)));
    };
    const auto total = [&capped, last](int cap) {
        int sum = 0;
        for (int column = 0; column <= last; ++column)
            sum += capped(column, cap);
        return sum;
    };
    // The widest text columns give up width first, down to one common width: short ones such
    // as dates stay whole. The widest cap that lets everything fit, else the narrowest.
    const int room = m_table->viewport()->width();
    int low = 0;
    int high = *std::max_element(m_fitted.cbegin(), m_fitted.cend());
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (total(middle) <= room)
            low = middle;
        else
            high = middle - 1;
    }
    for (int column = 0; column < last; ++column)
        header->resizeSection(column, capped(column, low));
}
