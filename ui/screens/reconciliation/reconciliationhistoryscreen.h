#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The stored reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState* appState, QWidget* parent = nullptr);

    // Shows this account's reconciliations, read afresh.
    void setAccount(const QString& accountId);

    QTableWidget* table() const { return m_table; }

private:
    AppState* m_appState;
    QString m_accountId;
    QLabel* m_title = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_emptyLabel = nullptr;
};
