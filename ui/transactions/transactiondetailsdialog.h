#pragma once

#include "app/core/currency.h"
#include "data/transaction.h"

#include <QDialog>

class AppState;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// One transaction read-only, with its split lines. Clearing and deleting happen here
// directly; for editing the dialog closes with editRequested() set and the caller opens the
// form.
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    TransactionDetailsDialog(AppState* appState, const Transaction& transaction,
                             QWidget* parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool deleted() const { return m_deleted; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addFields(QVBoxLayout* layout);
    void addSplitLines(QVBoxLayout* layout);
    void addTimestamps(QVBoxLayout* layout);
    void addButtons(QVBoxLayout* layout);
    void toggleCleared();
    void deleteTransaction();
    void updateClearedTexts();
    QString categoryPath(const QString& categoryId) const;

    AppState* m_appState = nullptr;
    Transaction m_transaction;
    Currency m_currency;
    bool m_editRequested = false;
    bool m_deleted = false;
    QLabel* m_status = nullptr;
    QPushButton* m_clearButton = nullptr;
};
