#pragma once

#include "data/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class SmartAmountField;

// Creates or edits an account. It writes nothing: the caller stores account() and turns a new
// account's starting balance into an opening transaction dated openingDate(). The starting
// balance is typed in the currency chosen in the form. OK waits for a name.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    AccountFormDialog(const Account& account, QWidget* parent = nullptr);

    // For an account that holds its opening balance as a transaction: the form shows that
    // transaction's amount and date as the starting balance and its date.
    void setOpeningBalance(qint64 amount, const QDate& date);

    Account account() const;
    QDate openingDate() const;

    // Refused while the name is empty or the starting balance is no amount.
    void accept() override;

private:
    void buildForm();
    void fill(const Account& account);
    Currency chosenCurrency() const;

    Account m_account;
    bool m_editing = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    SmartAmountField* m_startingBalance = nullptr;
    QDateEdit* m_asOf = nullptr;
    QLineEdit* m_institution = nullptr;
    QLineEdit* m_accountNumber = nullptr;
    QPushButton* m_ok = nullptr;
};
