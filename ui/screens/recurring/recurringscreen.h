#pragma once

#include "ui/commands/commandset.h"

#include <QWidget>

class AppState;
class QLabel;
class QTableView;
class RecurringModel;

// Every recurring transaction in one table, with the commands that post, skip, enter early,
// edit and delete them. It only dispatches: the recurring engine does the posting.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(AppState* appState, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    RecurringModel* model() const { return m_model; }

signals:
    // Something may have been posted: registers and balances are out of date.
    void transactionsChanged();

public slots:
    void refresh();
    void onContextMenu(const QPoint& position);
    void showNewForm();
    void showEditForm(int row);
    // These act on the table's current row, and do nothing without one.
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();

private:
    // The row commands of the context menu.
    enum class CommandId
    {
        Separator,
        Edit,
        Confirm,
        Skip,
        EnterEarly,
        Delete,
    };

    void defineCommands();
    void buildLayout();
    void confirmAllDue();
    void enterNextSevenDays();
    void fitColumnsOnce();
    int currentRow() const;

    AppState* m_appState;
    QTableView* m_view = nullptr;
    RecurringModel* m_model = nullptr;
    QLabel* m_dueLabel = nullptr;
    bool m_columnsFitted = false;
    CommandSet<CommandId> m_commands{this};
};
