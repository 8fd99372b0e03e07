#include "ui/transactions/transactiondetailsdialog.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "services/ledger/transactionservice.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/transactions/transactiondeleter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* selectableLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFrame* horizontalRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

// Secondary lines (memos, timestamps) in the small font and the muted colour.
QLabel* noteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    applyFontRole(label, FontRoles::Small);
    Styles::setMuted(label);
    return label;
}

void setWeight(QWidget* widget, QFont::Weight weight)
{
    widget->setProperty(FontRoles::weightProperty, int(weight));
    QFont font = widget->font();
    font.setWeight(weight);
    widget->setFont(font);
}

void setItalic(QWidget* widget)
{
    widget->setProperty(FontRoles::italicProperty, true);
    QFont font = widget->font();
    font.setItalic(true);
    widget->setFont(font);
}

QString longTimestamp(const QDateTime& timestamp)
{
    if (!timestamp.isValid())
        return QStringLiteral("—");
    return QLocale().toString(timestamp.toLocalTime(), QLocale::LongFormat);
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState* appState,
                                                   const Transaction& transaction, QWidget* parent)
    : QDialog(parent), m_appState(appState), m_transaction(transaction),
      m_currency(appState->accountRepository()->currencyOf(transaction.accountId))
{
    setWindowTitle(tr("Transaction Details"));
    setMinimumSize(480, 420);

    auto* layout = new QVBoxLayout(this);
    addFields(layout);
    if (m_transaction.isSplit)
        addSplitLines(layout);
    addTimestamps(layout);
    layout->addStretch();
    addButtons(layout);
}

void TransactionDetailsDialog::addFields(QVBoxLayout* layout)
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);

    form->addRow(
        tr("Date:"),
        selectableLabel(QLocale().toString(m_transaction.date, QLocale::LongFormat), this));
    form->addRow(tr("Payee:"), selectableLabel(m_transaction.payee, this));

    const bool negative = m_transaction.amount < 0;
    const QString amountText =
        negative ? tr("- %1").arg(formatMoney(qAbs(m_transaction.amount), m_currency))
                 : formatMoney(m_transaction.amount, m_currency);
    auto* amount = selectableLabel(amountText, this);
    const ThemeColor colour = negative ? ThemeColors::negative() : ThemeColors::positive();
    amount->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(colour.name()));
    form->addRow(tr("Amount:"), amount);

    QLabel* category = nullptr;
    if (m_transaction.isSplit) {
        category = selectableLabel(tr("—Split—"), this);
        setItalic(category);
    } else {
        category = selectableLabel(categoryPath(m_transaction.categoryId), this);
    }
    form->addRow(tr("Category:"), category);

    auto* memo = selectableLabel(m_transaction.memo, this);
    memo->setWordWrap(true);
    form->addRow(tr("Memo:"), memo);
    form->addRow(tr("Check #:"), selectableLabel(m_transaction.checkNumber, this));

    if (!m_transaction.transferDestAccountId.isEmpty()) {
        const std::optional<Account> destination =
            m_appState->accountRepository()->byId(m_transaction.transferDestAccountId);
        form->addRow(tr("Transfer to:"),
                     selectableLabel(destination ? destination->name : QString(), this));
    }

    m_status = selectableLabel(QString(), this);
    form->addRow(tr("Status:"), m_status);

    layout->addLayout(form);
}

void TransactionDetailsDialog::addSplitLines(QVBoxLayout* layout)
{
    layout->addSpacing(12);
    auto* heading = new QLabel(tr("Split lines"), this);
    heading->setProperty(FontRoles::weightProperty, int(QFont::DemiBold));
    applyFontRole(heading, FontRoles::Subheading);
    layout->addWidget(heading);

    const QList<SplitLine> lines =
        m_appState->splitLineRepository()->listForTransaction(m_transaction.id);
    if (lines.isEmpty()) {
        auto* none = new QLabel(tr("(no split lines on record)"), this);
        setItalic(none);
        layout->addWidget(none);
        return;
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    auto addAmount = [this, grid](qint64 cents, int row) {
        auto* amount = selectableLabel(formatMoney(qAbs(cents), m_currency), this);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        applyFontRole(amount, FontRoles::Monospace);
        grid->addWidget(amount, row, 1);
        return amount;
    };

    int row = 0;
    qint64 total = 0;
    for (const SplitLine& line : lines) {
        const QString path = categoryPath(line.categoryId);
        grid->addWidget(selectableLabel(path.isEmpty() ? tr("(uncategorized)") : path, this), row,
                        0);
        addAmount(line.amount, row);
        ++row;
        if (!line.memo.isEmpty()) {
            QLabel* memo = noteLabel(line.memo, this);
            memo->setWordWrap(true);
            memo->setContentsMargins(16, 0, 0, 4);
            memo->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(memo, row++, 0, 1, 2);
        }
        total += line.amount;
    }
    // Taller than the line itself, so the rule does not touch the rows above and below.
    QFrame* rule = horizontalRule(this);
    rule->setMinimumHeight(9);
    grid->addWidget(rule, row++, 0, 1, 2);
    auto* totalLabel = new QLabel(tr("Total"), this);
    setWeight(totalLabel, QFont::DemiBold);
    grid->addWidget(totalLabel, row, 0);
    setWeight(addAmount(total, row), QFont::DemiBold);
    layout->addLayout(grid);
}

void TransactionDetailsDialog::addTimestamps(QVBoxLayout* layout)
{
    layout->addSpacing(12);
    layout->addWidget(horizontalRule(this));
    layout->addSpacing(8);
    layout->addWidget(
        noteLabel(tr("Entered: %1").arg(longTimestamp(m_transaction.createdAt)), this));
    layout->addWidget(
        noteLabel(tr("Last modified: %1").arg(longTimestamp(m_transaction.updatedAt)), this));
}

void TransactionDetailsDialog::addButtons(QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Focused as well: a focused push button becomes the default, and Enter should close
    // rather than open the editor.
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setDefault(true);
    close->setFocus();

    QPushButton* edit = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    connect(edit, &QPushButton::clicked, this, [this] {
        m_editRequested = true;
        accept();
    });

    // A reconciled transaction is settled with the bank; its cleared flag stays as it is.
    if (!m_transaction.reconciled) {
        m_clearButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
        connect(m_clearButton, &QPushButton::clicked, this,
                &TransactionDetailsDialog::toggleCleared);
    }

    QPushButton* remove = buttons->addButton(tr("Delete..."), QDialogButtonBox::ActionRole);
    connect(remove, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);

    layout->addWidget(buttons);
    updateClearedTexts();
}

void TransactionDetailsDialog::toggleCleared()
{
    // The texts show what is stored: a failed write changes nothing here.
    if (!m_appState->transactionService()->setCleared(m_transaction, !m_transaction.cleared))
        return;
    m_transaction.cleared = !m_transaction.cleared;
    updateClearedTexts();
}

void TransactionDetailsDialog::deleteTransaction()
{
    if (!TransactionDeleter::confirmAndDelete(this, m_appState, m_transaction))
        return;
    m_deleted = true;
    accept();
}

void TransactionDetailsDialog::updateClearedTexts()
{
    if (m_transaction.reconciled)
        m_status->setText(tr("Reconciled"));
    else
        m_status->setText(m_transaction.cleared ? tr("Cleared") : tr("Uncleared"));
    if (m_clearButton)
        m_clearButton->setText(m_transaction.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
}

QString TransactionDetailsDialog::categoryPath(const QString& categoryId) const
{
    if (categoryId.isEmpty())
        return {};
    return m_appState->categoryRepository()->fullPath(categoryId);
}

void TransactionDetailsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    layout()->activate();
    adjustSize();
}
