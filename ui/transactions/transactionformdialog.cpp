#include "ui/transactions/transactionformdialog.h"

#include "app/appstate.h"
#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/transactions/splitlineswidget.h"
#include "ui/widgets/categorycombobox.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/dateshortcuts.h"
#include "ui/widgets/formfields.h"
#include "ui/widgets/registerdate.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QDate TransactionFormDialog::s_lastDate;

TransactionFormDialog::TransactionFormDialog(AppState* appState, const QString& accountId,
                                             QWidget* parent)
    : QDialog(parent), m_appState(appState), m_accountId(accountId),
      m_currency(appState->accountRepository()->currencyOf(accountId))
{
    // Chosen once, so that transaction() names the same row however often it is asked.
    m_transaction.id = newId();
    setWindowTitle(tr("New Transaction"));
    buildForm();
    m_date->setDate(s_lastDate.isValid() ? s_lastDate : QDate::currentDate());
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& transaction,
                                             QWidget* parent)
    : QDialog(parent), m_appState(appState), m_accountId(transaction.accountId),
      m_currency(appState->accountRepository()->currencyOf(transaction.accountId)),
      m_transaction(transaction), m_editing(true)
{
    setWindowTitle(tr("Edit Transaction"));
    buildForm();
    fillFrom(transaction);
    if (transaction.isSplit) {
        const QList<SplitLine> stored =
            m_appState->splitLineRepository()->listForTransaction(transaction.id);
        if (!stored.isEmpty()) {
            m_lines->setLines(stored);
            setSplitMode(true);
        }
    }
}

void TransactionFormDialog::buildForm()
{
    setMinimumWidth(480);

    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    QHBoxLayout* typeRow = newChoiceRow(this, {m_payment, m_deposit});

    m_date = new DateField(this);

    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    auto* payees = new QCompleter(m_appState->transactionRepository()->distinctPayees(), this);
    attachPayeeCompleter(m_payee, payees);
    connect(payees, qOverload<const QString&>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);

    m_amount = new SmartAmountField(this);
    m_amount->setCurrency(m_currency);

    m_category =
        new CategoryComboBox(CategoryComboBox::choices(m_appState->categoryRepository(),
                                                       CategoryComboBox::Naming::ParentPath),
                             this);
    m_split = new QPushButton(tr("Split..."), this);
    m_split->setToolTip(
        tr("Split this transaction across multiple categories with their own amounts and memos."));
    m_single = new QPushButton(tr("Use single category"), this);
    m_single->setToolTip(tr("Drop the split and return to a single-category transaction."));
    connect(m_split, &QPushButton::clicked, this, &TransactionFormDialog::startSplit);
    connect(m_single, &QPushButton::clicked, this, [this] { setSplitMode(false); });
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_split);
    categoryRow->addWidget(m_single);

    m_lines = new SplitLinesWidget(m_appState, this);
    m_lines->setCurrency(m_currency);
    connect(m_lines, &SplitLinesWidget::changed, this, [this] {
        if (m_splitMode)
            setAmount(m_lines->total());
    });

    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));
    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_cleared = new QCheckBox(tr("Cleared"), this);

    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form->addRow(tr("Type:"), typeRow);
    m_form->addRow(tr("Date:"), m_date);
    m_form->addRow(tr("Payee:"), m_payee);
    m_form->addRow(tr("Amount:"), m_amount);
    m_form->addRow(tr("Category:"), categoryRow);
    m_form->addRow(QString(), m_lines);
    m_form->addRow(tr("Memo:"), m_memo);
    m_form->addRow(tr("Check #:"), m_checkNumber);
    m_form->addRow(QString(), m_cleared);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addSpacing(12);
    layout->addWidget(buttons);

    updateMode();
    m_payee->setFocus();
}

void TransactionFormDialog::fillFrom(const Transaction& transaction)
{
    m_date->setDate(transaction.date);
    m_payee->setText(transaction.payee);
    setAmount(transaction.amount);
    (transaction.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_memo->setText(transaction.memo);
    m_memo->setCursorPosition(0); // a long memo shows its beginning
    m_checkNumber->setText(transaction.checkNumber);
    m_cleared->setChecked(transaction.cleared);
    m_category->selectCategoryId(transaction.categoryId);
}

void TransactionFormDialog::setSeed(const Transaction& seed)
{
    if (seed.date.isValid())
        m_date->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payee->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumber->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memo->setText(seed.memo);
    if (seed.amount != 0) {
        setAmount(seed.amount);
        (seed.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    }
    if (!seed.categoryId.isEmpty())
        m_category->selectCategoryId(seed.categoryId);
}

void TransactionFormDialog::onPayeeSelected(const QString& payee)
{
    const std::optional<Transaction> last =
        m_appState->transactionRepository()->lastForPayee(payee, m_accountId);
    if (!last)
        return;
    (last->amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_memo->setText(last->memo);
    // While split, amount and category belong to the lines; the amount shown must stay
    // their total, which is what is stored.
    if (m_splitMode)
        return;
    setAmount(last->amount);
    if (!last->categoryId.isEmpty())
        m_category->selectCategoryId(last->categoryId);
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_transaction;
    if (!m_editing) {
        result.accountId = m_accountId;
        result.createdAt = nowUtc();
    }
    result.date = parseDateText(m_date);
    result.payee = m_payee->text().trimmed();
    const qint64 amount = m_splitMode ? m_lines->total() : typedAmount();
    result.amount = isPayment() ? -amount : amount;
    result.isSplit = m_splitMode;
    result.categoryId = m_splitMode ? QString() : m_category->shownCategoryId();
    result.memo = m_memo->text().trimmed();
    result.checkNumber = m_checkNumber->text().trimmed();
    result.cleared = m_cleared->isChecked();
    result.updatedAt = nowUtc();
    result.syncStatus = SyncStatus::Pending;
    s_lastDate = result.date;
    return result;
}

void TransactionFormDialog::accept()
{
    // A date that does not exist would be stored as the date shown before it.
    if (!RegisterDate::fromTypedText(m_date->text().trimmed()).isValid()) {
        QMessageBox::warning(this, windowTitle(), tr("Enter a valid date"));
        m_date->setFocus();
        return;
    }
    if (!SmartAmountField::confirmAmountsIn(this))
        return;
    if (m_splitMode && !m_lines->checkCategories())
        return;
    QDialog::accept();
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    return m_lines->lines(isPayment() ? -1 : 1);
}

void TransactionFormDialog::setAmount(qint64 amount)
{
    m_amount->setValue(toMajorUnits(qAbs(amount), m_currency));
}

qint64 TransactionFormDialog::typedAmount() const
{
    return toMinorUnits(m_amount->value(), m_currency);
}

void TransactionFormDialog::startSplit()
{
    const qint64 amount = typedAmount();
    if (amount > 0) {
        SplitLine first;
        first.categoryId = m_category->shownCategoryId();
        first.amount = amount;
        m_lines->setLines({first});
    } else {
        m_lines->setLines({});
    }
    setSplitMode(true);
}

void TransactionFormDialog::setSplitMode(bool on)
{
    m_splitMode = on;
    updateMode();
}

void TransactionFormDialog::updateMode()
{
    m_category->setEnabled(!m_splitMode);
    m_category->setEditText(m_splitMode ? tr("—Split—")
                                        : m_category->itemText(m_category->currentIndex()));
    m_split->setVisible(!m_splitMode);
    m_single->setVisible(m_splitMode);
    m_form->setRowVisible(m_lines, m_splitMode);
    m_amount->setEnabled(!m_splitMode);
    if (m_splitMode) {
        setAmount(m_lines->total());
        resize(qMax(width(), 640), qMax(height(), 540));
    }
}

bool TransactionFormDialog::isPayment() const
{
    return m_payment->isChecked();
}
