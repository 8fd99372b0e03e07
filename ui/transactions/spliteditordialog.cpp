#include "ui/transactions/spliteditordialog.h"

#include "app/core/money.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/transactions/splitlineswidget.h"
#include "ui/widgets/smartamountfield.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

SplitEditorDialog::SplitEditorDialog(AppState* appState, qint64 amount, Currency currency,
                                     const QList<SplitLine>& lines, QWidget* parent)
    : QDialog(parent), m_appState(appState), m_amount(amount), m_currency(currency)
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    auto* total = new QLabel(tr("Total: %1").arg(formatMoney(qAbs(amount), currency)), this);
    m_remaining = new QLabel(this);
    QFont bold = m_remaining->font();
    bold.setWeight(QFont::Bold);
    m_remaining->setFont(bold);
    auto* top = new QHBoxLayout;
    top->addWidget(total);
    top->addStretch();
    top->addWidget(m_remaining);

    m_lines = new SplitLinesWidget(appState, this);
    m_lines->setCurrency(currency);
    connect(m_lines, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);
    m_lines->setLines(lines);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_lines, 1);
    layout->addWidget(buttons);
}

void SplitEditorDialog::accept()
{
    if (!SmartAmountField::confirmAmountsIn(this) || !m_lines->checkCategories())
        return;
    // Lines that do not add up would be stored under the transaction as they are. Lines that
    // are all empty drop the split instead.
    const qint64 total = m_lines->total();
    if (total != 0 && total != qAbs(m_amount)) {
        QMessageBox::warning(
            this, tr("Split Transaction"),
            tr("The split lines add up to %1 but the transaction is %2. Change "
               "them until nothing remains.")
                .arg(formatMoney(total, m_currency), formatMoney(qAbs(m_amount), m_currency)));
        return;
    }
    QDialog::accept();
}

QList<SplitLine> SplitEditorDialog::lines() const
{
    return m_lines->lines(m_amount < 0 ? -1 : 1);
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 remaining = qAbs(m_amount) - m_lines->total();
    m_remaining->setText(tr("Remaining: %1").arg(formatMoney(remaining, m_currency)));
    if (remaining == 0)
        m_remaining->setStyleSheet(Styles::textColor(ThemeColors::splitBalanced()));
    else if (remaining < 0)
        m_remaining->setStyleSheet(Styles::textColor(ThemeColors::splitOverAssigned()));
    else
        m_remaining->setStyleSheet(QString());
}
