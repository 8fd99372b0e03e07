#pragma once

#include "app/core/currency.h"
#include "data/splitline.h"
#include "ui/widgets/categorycombobox.h"

#include <QWidget>

class AppState;
class SmartAmountField;
class QTableWidget;

// The table of split lines shared by the transaction form and the split editor: a category,
// a positive amount and a memo per row. Amounts are entered without sign; lines() gives them
// the transaction's sign.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SplitLinesWidget(AppState* appState, QWidget* parent = nullptr);

    // The currency the amounts are typed in (whole yen, or two decimals); dollars until set.
    void setCurrency(Currency currency);
    // Replaces every row; an empty list gives two empty rows to type into.
    void setLines(const QList<SplitLine>& lines);
    // The rows with a non-zero amount as new lines, negative when sign < 0. The caller fills
    // in the transaction id.
    QList<SplitLine> lines(int sign) const;
    // The sum of the rows' amounts in minor units.
    qint64 total() const;
    // Split lines are stored only with a category, so a row with an amount but none would be
    // lost on saving. For such a row: a warning, the focus on its category, and false.
    bool checkCategories();

signals:
    void changed();

private:
    enum Column
    {
        CategoryColumn = 0,
        AmountColumn = 1,
        MemoColumn = 2,
    };

    void addRow(const SplitLine& line = {});
    void removeCurrentRow();
    void followFocus(QWidget* focused);
    CategoryComboBox* categoryAt(int row) const;
    SmartAmountField* amountAt(int row) const;
    qint64 amountInRow(int row) const;

    AppState* m_appState = nullptr;
    Currency m_currency = Currency::USD;
    CategoryComboBox::Choices m_categories;
    QTableWidget* m_table = nullptr;
};
