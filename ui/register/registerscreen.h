#pragma once

#include "ui/commands/commandset.h"
#include "ui/register/registernavigator.h"

#include "data/transaction.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class AppState;
class AfterFirstPaint;
class BalanceLabel;
class QLabel;
class QModelIndex;
class QPushButton;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// One account's register as a page of the main window. Transactions are typed straight into
// the table with the keyboard; the screen decides which row is being edited, validates and
// commits it (a transfer becomes two linked transactions), deletes rows, opens the transaction
// dialogs, and keeps the column layout and sort in the settings.
class RegisterScreen : public QWidget, public RegisterNavigator
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState* appState, QWidget* parent = nullptr);

    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }
    // Before the register shows another account: a row being typed is saved into this
    // account, dropped, or kept as the user answers. False when the user keeps it (or it
    // could not be saved), and the register must stay where it is.
    bool settleTypedRow();
    // Reads the account's rows again; does nothing while a cell editor is open.
    void reload();
    void beginNewTransaction();
    // Makes the transaction's row the current one and scrolls it into the middle of the view;
    // false when this register does not show it.
    bool selectTransaction(const QString& transactionId);

    // Navigation between the fields of the row being typed (Tab and Shift+Tab).
    void tabForward() override;
    void tabBackward() override;
    bool focusNextPrevInEditor(bool next) override;

    RegisterTableView* view() const { return m_view; }
    RegisterModel* model() const { return m_model; }

    // The register's keys as the Keyboard Shortcuts box lists them.
    ShortcutSection shortcutSection() const;

signals:
    void newTransactionRequested(const QString& accountId);
    void editTransactionRequested(const QString& transactionId);
    void reconcileRequested(const QString& accountId);
    void errorMessage(const QString& text);

public slots:
    void onContextMenu(const QPoint& position);
    // Saves the row being typed; false, with the reason shown and the row kept, when it is
    // refused.
    bool commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void presentNewTransactionDialog(const Transaction* seed);
    void editNewRowInDialog();
    void showHeaderContextMenu(const QPoint& position);
    void resetColumnLayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The register's commands: its keys and the entries of its context menu.
    enum class CommandId
    {
        Separator,
        Save,
        ShowDetails,
        EditInDialog,
        Delete,
        InsertNew,
        NewTransaction,
        Memorize,
        CopyAbove,
        SplitTransaction,
        EditSplits,
        MarkCleared,
        MarkUncleared,
        ContextMenu,
    };

    // What the typed row says, read and checked before anything is written.
    struct TypedRow
    {
        QString payee;
        qint64 amount = 0;
        QDate date;
        QString categoryId;
        QString checkNumber;
        QString memo;
        bool cleared = false;
        bool reconciled = false;

        // Written over a new or an existing transaction alike.
        void writeTo(Transaction& transaction) const;
    };

    void defineCommands();
    void buildLayout();
    void applyThemeColours();
    void setUpTable();
    bool handleKey(QKeyEvent* event);
    bool runCommand(CommandId command, int row);
    int currentRow() const;

    std::optional<TypedRow> readTypedRow();
    enum class AmountNeed
    {
        Required, // saving a row
        Optional, // taking a half-typed row to the dialog
    };
    std::optional<qint64> typedAmount(int bufferRow, AmountNeed need);
    std::optional<QString> resolveCategory(const QString& text, const QString& categoryId) const;
    bool confirmEarlyDate(const QDate& date);
    // Shows why the row was not saved and opens the cell to put right.
    void refuseAt(int bufferRow, int column, const QString& reason);

    void flushEditor();
    QWidget* openEditor() const;
    void closeOpenEditor();
    void focusEntryRow();
    void moveToColumn(int column, bool openEditor);
    void tabToColumn(int column, bool backward);
    void focusTwoLineMemo();
    int nextVisibleColumn(int column) const;
    int previousVisibleColumn(int column) const;
    bool isSplitInlineCell(const QModelIndex& index) const;

    void deleteOrClearRow(int row);
    void deleteRow(int row);
    void editInDialog(int row);
    void showDetails(int row);
    void editSplits(int row);
    void toggleCleared(int row);
    void memorize(int row);
    void showContextMenuForCurrentCell();

    // Reads the account's rows into the register, with its title and summary; nothing while
    // there is no account or a cell editor is open.
    void readRows();
    void applyColumnLayout();
    void fitColumns();
    int leastColumnWidth(int column) const;
    void setTwoLineMode(bool on);
    void showMessage(const QString& text, int milliseconds);
    void fillFromLastPayee(const QString& payee);
    void updateSummary();

    bool m_restoringLayout = false;
    // While the rows are replaced and the view finds its place: the columns are fitted after.
    bool m_holdingFit = false;
    AppState* m_appState;
    QString m_accountId;
    QLabel* m_titleLabel = nullptr;
    BalanceLabel* m_clearedLabel = nullptr;
    BalanceLabel* m_unclearedLabel = nullptr;
    BalanceLabel* m_balanceLabel = nullptr;
    QLabel* m_subtitleLabel = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
    QPushButton* m_reconcileButton = nullptr;
    RegisterTableView* m_view = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    // Reads the rest of a long register's outline once its end has been painted.
    QPointer<AfterFirstPaint> m_wholeOutlineWait;
    int m_messageSerial = 0;
    CommandSet<CommandId> m_commands{this};
};
