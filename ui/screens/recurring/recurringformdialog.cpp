#include "ui/screens/recurring/recurringformdialog.h"

#include "app/appstate.h"
#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/enumerations.h"
#include "data/transactionrepository.h"
#include "services/recurring/recurringservice.h"
#include "ui/widgets/categorycombobox.h"
#include "ui/widgets/formfields.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDebug>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

RecurringFormDialog::RecurringFormDialog(AppState* appState, QWidget* parent)
    : QDialog(parent), m_appState(appState)
{
    setWindowTitle(tr("New Recurring Transaction"));
    m_original.startDate = m_original.nextDueDate = QDate::currentDate();
    buildForm();
}

RecurringFormDialog::RecurringFormDialog(AppState* appState, const RecurringTransaction& recurring,
                                         QWidget* parent)
    : QDialog(parent), m_appState(appState), m_original(recurring), m_editMode(true)
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    buildForm();
    fillFrom(recurring);
    // A stored row stays in its account: an edit never moves it.
    m_account->setEnabled(false);
}

RecurringFormDialog* RecurringFormDialog::createFromSeed(AppState* appState,
                                                         const RecurringTransaction& seed,
                                                         QWidget* parent)
{
    auto* dialog = new RecurringFormDialog(appState, seed, parent);
    dialog->m_editMode = false;
    dialog->m_createFromSeed = true;
    dialog->setWindowTitle(tr("Memorize Transaction"));
    dialog->m_account->setEnabled(true);
    return dialog;
}

void RecurringFormDialog::buildForm()
{
    setMinimumWidth(480);

    m_account = new QComboBox(this);

    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    QHBoxLayout* typeRow = newChoiceRow(this, {m_payment, m_deposit});

    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    m_payees = new QStringListModel(this);
    auto* payees = new QCompleter(m_payees, this);
    attachPayeeCompleter(m_payee, payees);

    m_amount = new SmartAmountField(this);
    m_amount->setCurrency(Currency::USD);

    m_category =
        new CategoryComboBox(CategoryComboBox::choices(m_appState->categoryRepository(),
                                                       CategoryComboBox::Naming::ParentPath),
                             this);

    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));

    m_frequency = new QComboBox(this);
    for (const Frequency frequency :
         {Frequency::Daily, Frequency::Weekly, Frequency::Biweekly, Frequency::Monthly,
          Frequency::Quarterly, Frequency::SemiAnnual, Frequency::Annual})
        m_frequency->addItem(Enumerations::displayName(frequency),
                             Enumerations::storageString(frequency));
    m_frequency->setCurrentIndex(
        m_frequency->findData(Enumerations::storageString(Frequency::Monthly)));

    m_startDate = newFormDateEdit(QDate::currentDate(), this);

    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_endDate = newFormDateEdit(QDate::currentDate(), this);
    m_endDate->setEnabled(false);
    connect(m_hasEndDate, &QCheckBox::toggled, m_endDate, &QWidget::setEnabled);
    auto* endRow = new QHBoxLayout;
    endRow->addWidget(m_hasEndDate);
    endRow->addWidget(m_endDate, 1);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_leadDays = new QSpinBox(this);
    m_leadDays->setRange(0, RecurringService::leadDayCeiling);
    m_leadDays->setSuffix(tr(" days"));
    m_leadDays->setEnabled(false);
    connect(m_autoPost, &QCheckBox::toggled, m_leadDays, &QWidget::setEnabled);

    m_active = new QCheckBox(tr("Active"), this);
    m_active->setChecked(true);

    // Filled last: the first account selects itself and sets the amount's currency and the
    // payee list up.
    connect(m_account, &QComboBox::currentIndexChanged, this,
            &RecurringFormDialog::onAccountChanged);
    for (const Account& account : m_appState->accountRepository()->listAll())
        m_account->addItem(account.name, account.id);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Account:"), m_account);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_startDate);
    form->addRow(tr("End Date:"), endRow);
    form->addRow(QString(), m_autoPost);
    form->addRow(tr("Enter in advance:"), m_leadDays);
    form->addRow(QString(), m_active);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    m_payee->setFocus();
}

void RecurringFormDialog::accept()
{
    if (m_amount->confirmAmount())
        QDialog::accept();
}

// The amount is typed in the account's currency; the payees are everyone's, read afresh.
void RecurringFormDialog::onAccountChanged()
{
    const QString accountId = m_account->currentData().toString();
    if (accountId.isEmpty())
        return;
    m_amount->setCurrency(m_appState->accountRepository()->currencyOf(accountId));
    m_payees->setStringList(m_appState->transactionRepository()->distinctPayees());
}

void RecurringFormDialog::fillFrom(const RecurringTransaction& recurring)
{
    const int account = m_account->findData(recurring.accountId);
    if (account >= 0)
        m_account->setCurrentIndex(account);
    (recurring.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(recurring.payee);
    m_memo->setText(recurring.memo);
    m_amount->setValue(toMajorUnits(
        qAbs(recurring.amount),
        m_appState->accountRepository()->currencyOf(m_account->currentData().toString())));
    if (!recurring.categoryId.isEmpty())
        m_category->selectCategoryId(recurring.categoryId);
    const int frequency = m_frequency->findData(Enumerations::storageString(recurring.frequency));
    if (frequency >= 0)
        m_frequency->setCurrentIndex(frequency);
    m_startDate->setDate(recurring.startDate);
    if (recurring.endDate) {
        m_hasEndDate->setChecked(true);
        m_endDate->setDate(*recurring.endDate);
    }
    m_autoPost->setChecked(recurring.autoPost);
    m_leadDays->setValue(recurring.leadDays);
    m_leadDays->setEnabled(recurring.autoPost);
    m_active->setChecked(recurring.isActive);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_original;
    const QDateTime now = nowUtc();
    if (!m_editMode) {
        result.id = newId();
        result.createdAt = now;
    }

    if (!m_editMode)
        result.accountId = m_account->currentData().toString();
    result.payee = m_payee->text().trimmed();
    const qint64 amount = toMinorUnits(
        m_amount->value(), m_appState->accountRepository()->currencyOf(result.accountId));
    result.amount = m_payment->isChecked() ? -amount : amount;
    result.categoryId = m_category->currentCategoryId();
    result.memo = m_memo->text().trimmed();
    result.frequency = Enumerations::frequencyFromStorage(m_frequency->currentData().toString());

    const QDate shownStart = m_startDate->date();
    qInfo() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
            << "isCreateFromSeed=" << m_createFromSeed << "widget startDate=" << shownStart
            << "original startDate=" << m_original.startDate
            << "original nextDueDate=" << m_original.nextDueDate;

    if (m_hasEndDate->isChecked())
        result.endDate = m_endDate->date();
    else
        result.endDate.reset();

    // An untouched start date keeps the schedule where it is; a new one restarts it there.
    if (!m_editMode || shownStart != m_original.startDate)
        result.startDate = result.nextDueDate = shownStart;
    if (RecurringService::isBrokenDate(result.startDate)) {
        qWarning() << "RecurringFormDialog: rejecting invalid startDate" << result.startDate
                   << "— falling back to today";
        result.startDate = QDate::currentDate();
    }
    if (RecurringService::isBrokenDate(result.nextDueDate)) {
        qWarning() << "RecurringFormDialog: rejecting invalid nextDueDate" << result.nextDueDate
                   << "— falling back to startDate";
        result.nextDueDate = result.startDate;
    }

    result.autoPost = m_autoPost->isChecked();
    result.leadDays = result.autoPost ? m_leadDays->value() : 0;
    result.isActive = m_active->isChecked();

    result.syncStatus = SyncStatus::Pending;
    result.updatedAt = now;
    if (m_editMode)
        result.version = m_original.version + 1;
    return result;
}
