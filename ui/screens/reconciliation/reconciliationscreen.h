#pragma once

#include "ui/commands/commandset.h"

#include "app/core/currency.h"
#include "data/reconciliation.h"
#include "data/transaction.h"

#include <QWidget>

#include <optional>

class AppState;
class DateField;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class SmartAmountField;

// Matches one account's register against a bank statement: the user enters the statement date
// and balance, ticks the transactions the statement shows, and finishes once the ticked ones
// bring the account to the statement balance. Ticks live in memory until Finish, which stores
// them and the reconciliation together.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    // The table's columns.
    enum Column
    {
        TickColumn,
        DateColumn,
        PayeeColumn,
        AmountColumn,
        ClearedColumn,
        ColumnCount,
    };

    explicit ReconciliationScreen(AppState* appState, QWidget* parent = nullptr);

    // Loads the account: its reconciled balance, a statement date and its open transactions.
    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }

    // A month after the latest statement, or after the latest reconciled transaction when that
    // is later than the statement; none when there is neither.
    static std::optional<QDate> defaultStatementDate(const std::optional<Reconciliation>& latest,
                                                     const QDate& latestReconciledDate);

    QTableWidget* table() const { return m_table; }

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class CommandId
    {
        Separator,
        Add,
        Edit,
        Delete,
    };

    // How a figure of the statement panel is drawn.
    enum class Figure
    {
        Plain,
        Muted,  // the figures the user gave or had before
        Result, // the difference, bold and coloured by whether it is zero
    };

    void defineCommands();
    QWidget* buildStatementPanel();
    QWidget* buildTransactionPanel();
    QLabel* addFigure(QGridLayout* grid, int row, const QString& caption, Figure figure);
    void loadPreviousBalance();
    void reloadTable();
    void fillRow(int row);
    void invertTick(int row);
    qint64 statementBalance() const;
    int currentRow() const;

    AppState* m_appState;
    QString m_accountId;
    bool m_accountFound = false;
    Currency m_currency = Currency::USD;
    qint64 m_previousBalance = 0;
    QList<Transaction> m_rows;
    QList<bool> m_ticks;
    CommandSet<CommandId> m_commands{this};

    DateField* m_statementDate = nullptr;
    SmartAmountField* m_statementBalance = nullptr;
    QLabel* m_previousLabel = nullptr;
    QLabel* m_depositsLabel = nullptr;
    QLabel* m_withdrawalsLabel = nullptr;
    QLabel* m_clearedLabel = nullptr;
    QLabel* m_statementLabel = nullptr;
    QLabel* m_differenceLabel = nullptr;
    QPushButton* m_finishButton = nullptr;
    QTableWidget* m_table = nullptr;
};
