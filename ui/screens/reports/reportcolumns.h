#pragma once

#include <QList>
#include <QObject>

class QTableWidget;

// The widths of a report table's columns: fitted to the rows shown until the user drags one.
// Where the fitted columns are wider than the view, the text columns give up width (down to
// their headers') so that the figures of the last, stretching column stay in sight; their texts
// are elided then. The fit follows the view's width as the window is resized.
class ReportColumns : public QObject
{
    Q_OBJECT

public:
    // Owned by `table`.
    explicit ReportColumns(QTableWidget* table);

    // Fits the columns to the rows just filled in; the `figureColumns` never give up width.
    // Nothing changes once the user has sized a column, or without rows.
    void fit(const QList<int>& figureColumns);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the fitted widths, the text columns narrowed by what the view lacks.
    void apply();

    QTableWidget* m_table;
    QList<int> m_fitted; // every column's fitted width, the last one's included
    QList<int> m_figureColumns;
    bool m_sizedByUser = false;
    bool m_applying = false;
};
