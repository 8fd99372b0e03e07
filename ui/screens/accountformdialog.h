#pragma once

#include "data/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;

// Creates or edits an account. It writes nothing: the caller stores account() and turns a new
// account's starting balance into an opening transaction dated openingDate(). The starting
// balance is typed in the currency chosen in the form.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    AccountFormDialog(const Account& account, QWidget* parent = nullptr);

    Account account() const;
    QDate openingDate() const;

private:
    void buildForm();
    void fill(const Account& account);
    Currency chosenCurrency() const;

    Account m_account;
    bool m_editing = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    QDoubleSpinBox* m_startingBalance = nullptr;
    QDateEdit* m_asOf = nullptr;
    QLineEdit* m_institution = nullptr;
    QLineEdit* m_accountNumber = nullptr;
};
