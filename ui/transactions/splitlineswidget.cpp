#include "ui/transactions/splitlineswidget.h"

#include "app/appstate.h"
#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "ui/widgets/smartamountfield.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SplitLinesWidget::SplitLinesWidget(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState),
      m_categories(CategoryComboBox::choices(appState->categoryRepository(),
                                             CategoryComboBox::Naming::PlainName))
{
    m_table = new QTableWidget(0, 3, this);
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(180);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();

    // Rows hold a combo box and a spin box, so they are as tall as those are.
    SmartAmountField prototype;
    prototype.setCurrency(m_currency);
    CategoryComboBox comboPrototype(m_categories);
    m_table->verticalHeader()->setDefaultSectionSize(
        qMax(prototype.sizeHint().height(), comboPrototype.sizeHint().height()) + 2);

    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    m_table->setColumnWidth(AmountColumn, prototype.sizeHint().width() + 8);

    connect(m_table, &QTableWidget::itemChanged, this, &SplitLinesWidget::changed);
    // Clicking into a row's combo or spin box does not move the table's current cell by
    // itself, and "- Remove" must remove the row the user is working in.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });

    auto* add = new QPushButton(tr("+ Add Line"), this);
    auto* remove = new QPushButton(tr("- Remove"), this);
    connect(add, &QPushButton::clicked, this, [this] {
        addRow();
        emit changed();
    });
    connect(remove, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentRow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}

void SplitLinesWidget::setCurrency(Currency currency)
{
    m_currency = currency;
    for (int row = 0; row < m_table->rowCount(); ++row)
        amountAt(row)->setCurrency(currency);
}

void SplitLinesWidget::setLines(const QList<SplitLine>& lines)
{
    m_table->setRowCount(0);
    for (const SplitLine& line : lines)
        addRow(line);
    if (lines.isEmpty()) {
        addRow();
        addRow();
    }
    emit changed();
}

QList<SplitLine> SplitLinesWidget::lines(int sign) const
{
    QList<SplitLine> result;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 amount = amountInRow(row);
        if (amount == 0)
            continue;
        SplitLine line;
        line.id = newId();
        line.categoryId = categoryAt(row)->shownCategoryId();
        line.amount = sign < 0 ? -amount : amount;
        if (const QTableWidgetItem* memo = m_table->item(row, MemoColumn))
            line.memo = memo->text();
        line.createdAt = line.updatedAt = nowUtc();
        result.append(line);
    }
    return result;
}

qint64 SplitLinesWidget::total() const
{
    qint64 sum = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        sum += amountInRow(row);
    return sum;
}

bool SplitLinesWidget::checkCategories()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (amountInRow(row) == 0 || !categoryAt(row)->shownCategoryId().isEmpty())
            continue;
        QMessageBox::warning(window(), tr("Split Transaction"),
                             tr("Choose a category for each split line that has an amount."));
        m_table->setCurrentCell(row, CategoryColumn);
        categoryAt(row)->setFocus();
        return false;
    }
    return true;
}

void SplitLinesWidget::addRow(const SplitLine& line)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto* category = new CategoryComboBox(m_categories);
    category->selectCategoryId(line.categoryId);
    m_table->setCellWidget(row, CategoryColumn, category);

    auto* amount = new SmartAmountField;
    amount->setCurrency(m_currency);
    amount->setValue(toMajorUnits(qAbs(line.amount), m_currency));
    connect(amount, &QDoubleSpinBox::valueChanged, this, &SplitLinesWidget::changed);
    m_table->setCellWidget(row, AmountColumn, amount);

    // Set before the signals reach anyone: a new row is announced once, by the caller.
    const QSignalBlocker blocker(m_table);
    m_table->setItem(row, MemoColumn, new QTableWidgetItem(line.memo));
}

void SplitLinesWidget::removeCurrentRow()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    emit changed();
}

void SplitLinesWidget::followFocus(QWidget* focused)
{
    if (!focused || !m_table->viewport()->isAncestorOf(focused))
        return;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (const int column : {CategoryColumn, AmountColumn}) {
            QWidget* cell = m_table->cellWidget(row, column);
            if (cell && (cell == focused || cell->isAncestorOf(focused))) {
                m_table->setCurrentCell(row, column);
                return;
            }
        }
    }
}

CategoryComboBox* SplitLinesWidget::categoryAt(int row) const
{
    return static_cast<CategoryComboBox*>(m_table->cellWidget(row, CategoryColumn));
}

SmartAmountField* SplitLinesWidget::amountAt(int row) const
{
    return static_cast<SmartAmountField*>(m_table->cellWidget(row, AmountColumn));
}

qint64 SplitLinesWidget::amountInRow(int row) const
{
    return toMinorUnits(amountAt(row)->value(), m_currency);
}
