#include "ui/screens/accountformdialog.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "data/enumerations.h"
#include "ui/widgets/formfields.h"
#include "ui/widgets/smartamountfield.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

AccountFormDialog::AccountFormDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    buildForm();
}

AccountFormDialog::AccountFormDialog(const Account& account, QWidget* parent)
    : QDialog(parent), m_account(account), m_editing(true)
{
    setWindowTitle(tr("Edit Account"));
    buildForm();
    fill(account);
}

void AccountFormDialog::buildForm()
{
    setMinimumWidth(400);

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Account name"));

    m_type = new QComboBox(this);
    for (const AccountType type :
         {AccountType::Checking, AccountType::Savings, AccountType::CreditCard, AccountType::Cash,
          AccountType::Investment, AccountType::Other})
        m_type->addItem(Enumerations::displayName(type), Enumerations::storageString(type));

    m_currency = new QComboBox(this);
    for (const Currency currency :
         {Currency::USD, Currency::EUR, Currency::GBP, Currency::CAD, Currency::AUD, Currency::JPY})
        m_currency->addItem(Enumerations::displayName(currency),
                            Enumerations::storageString(currency));

    m_startingBalance = new SmartAmountField(this);
    m_startingBalance->setCurrency(chosenCurrency(), true);
    m_startingBalance->setValue(0);
    connect(m_currency, &QComboBox::currentIndexChanged, this,
            [this] { m_startingBalance->setCurrency(chosenCurrency(), true); });

    m_asOf = newFormDateEdit(QDate::currentDate(), this);

    m_institution = new QLineEdit(this);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));

    m_accountNumber = new QLineEdit(this);
    m_accountNumber->setMaxLength(4);
    m_accountNumber->setPlaceholderText(tr("Last 4 digits (optional)"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Type:"), m_type);
    form->addRow(tr("&Currency:"), m_currency);
    form->addRow(tr("Starting &Balance:"), m_startingBalance);
    form->addRow(tr("&As of:"), m_asOf);
    form->addRow(tr("&Institution:"), m_institution);
    form->addRow(tr("Account &Number:"), m_accountNumber);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    // An account needs a name: without one OK stays off, so Enter does not close the form.
    const auto followName = [this] { m_ok->setEnabled(!m_name->text().trimmed().isEmpty()); };
    connect(m_name, &QLineEdit::textChanged, this, followName);
    followName();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_name->setFocus();
}

void AccountFormDialog::setOpeningBalance(qint64 amount, const QDate& date)
{
    m_startingBalance->setValue(toMajorUnits(amount, chosenCurrency()));
    m_asOf->setDate(date);
}

void AccountFormDialog::accept()
{
    if (m_name->text().trimmed().isEmpty() || !m_startingBalance->confirmAmount())
        return;
    QDialog::accept();
}

void AccountFormDialog::fill(const Account& account)
{
    m_name->setText(account.name);
    m_type->setCurrentIndex(m_type->findData(Enumerations::storageString(account.accountType)));
    m_currency->setCurrentIndex(
        m_currency->findData(Enumerations::storageString(account.currency)));
    m_startingBalance->setValue(toMajorUnits(account.startingBalance, account.currency));
    m_institution->setText(account.institution);
    m_accountNumber->setText(account.accountNumberLast4);
}

Account AccountFormDialog::account() const
{
    Account account = m_account;
    if (!m_editing) {
        account.id = newId();
        account.createdAt = nowUtc();
    }
    account.name = m_name->text().trimmed();
    account.accountType = Enumerations::accountTypeFromStorage(m_type->currentData().toString());
    account.currency = chosenCurrency();
    account.startingBalance = toMinorUnits(m_startingBalance->value(), account.currency);
    account.institution = m_institution->text().trimmed();
    account.accountNumberLast4 = m_accountNumber->text().trimmed();
    account.updatedAt = nowUtc();
    account.syncStatus = SyncStatus::Pending;
    return account;
}

Currency AccountFormDialog::chosenCurrency() const
{
    return Enumerations::currencyFromStorage(m_currency->currentData().toString());
}

QDate AccountFormDialog::openingDate() const
{
    return m_asOf->date();
}
