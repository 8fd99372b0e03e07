#pragma once

#include "data/recurringtransaction.h"

#include <QDialog>

class AppState;
class CategoryComboBox;
class QCheckBox;
class QComboBox;
class QDateEdit;
class SmartAmountField;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStringListModel;

// Creates or edits one recurring transaction, or memorizes a register transaction as a new
// one. It writes nothing: the caller stores recurring().
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new recurring transaction.
    explicit RecurringFormDialog(AppState* appState, QWidget* parent = nullptr);
    // An existing one.
    RecurringFormDialog(AppState* appState, const RecurringTransaction& recurring,
                        QWidget* parent = nullptr);
    // "Memorize Transaction": filled from the seed like an edit, but stored as a new row with
    // its own id, starting on the date the form shows. The caller owns the dialog.
    static RecurringFormDialog* createFromSeed(AppState* appState, const RecurringTransaction& seed,
                                               QWidget* parent = nullptr);

    bool isEditMode() const { return m_editMode; }
    bool isCreateFromSeed() const { return m_createFromSeed; }

    // The record to store, built from the original and what the form shows.
    RecurringTransaction recurring() const;

public slots:
    void accept() override;

private:
    void buildForm();
    void fillFrom(const RecurringTransaction& recurring);
    void onAccountChanged();

    AppState* m_appState;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_createFromSeed = false;

    QComboBox* m_account = nullptr;
    QRadioButton* m_payment = nullptr;
    QRadioButton* m_deposit = nullptr;
    QLineEdit* m_payee = nullptr;
    QStringListModel* m_payees = nullptr;
    SmartAmountField* m_amount = nullptr;
    CategoryComboBox* m_category = nullptr;
    QLineEdit* m_memo = nullptr;
    QComboBox* m_frequency = nullptr;
    QDateEdit* m_startDate = nullptr;
    QCheckBox* m_hasEndDate = nullptr;
    QDateEdit* m_endDate = nullptr;
    QCheckBox* m_autoPost = nullptr;
    QSpinBox* m_leadDays = nullptr;
    QCheckBox* m_active = nullptr;
};
