#pragma once

#include "app/core/currency.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QDialog>

class AppState;
class CategoryComboBox;
class DateField;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SmartAmountField;
class SplitLinesWidget;

// Enters a new transaction or edits one in a form, optionally split across categories, with the
// amounts in the account's currency. It writes nothing: the caller stores transaction() and
// replaces the stored split lines by splitLines().
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new transaction in this account.
    TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent = nullptr);
    // An existing transaction; a split one opens with its stored lines.
    TransactionFormDialog(AppState* appState, const Transaction& transaction,
                          QWidget* parent = nullptr);

    // Takes over what was typed in the register: every field the seed carries.
    void setSeed(const Transaction& seed);

    // The transaction as entered. Its date also becomes the date the next new-transaction
    // dialog opens on.
    Transaction transaction() const;
    // The lines of a split transaction with the transaction's sign, without transaction id;
    // empty when the transaction is not split.
    QList<SplitLine> splitLines() const;

    // Refused while the date is no date, and in split mode while a line with an amount has no
    // category.
    void accept() override;

public slots:
    // Fills amount, type, memo and category from the payee's latest transaction here.
    void onPayeeSelected(const QString& payee);

private:
    void buildForm();
    void fillFrom(const Transaction& transaction);
    void setAmount(qint64 amount);
    qint64 typedAmount() const;
    void startSplit();
    void setSplitMode(bool on);
    void updateMode();
    bool isPayment() const;

    // Shared by every dialog of the process, so a run of new transactions keeps its date.
    static QDate s_lastDate;

    AppState* m_appState = nullptr;
    QString m_accountId;
    Currency m_currency;
    Transaction m_transaction;
    bool m_editing = false;
    bool m_splitMode = false;

    QFormLayout* m_form = nullptr;
    QRadioButton* m_payment = nullptr;
    QRadioButton* m_deposit = nullptr;
    DateField* m_date = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    CategoryComboBox* m_category = nullptr;
    QPushButton* m_split = nullptr;
    QPushButton* m_single = nullptr;
    SplitLinesWidget* m_lines = nullptr;
    QLineEdit* m_memo = nullptr;
    QLineEdit* m_checkNumber = nullptr;
    QCheckBox* m_cleared = nullptr;
};
