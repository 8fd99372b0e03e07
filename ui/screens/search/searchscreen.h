#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;
class QTimer;
class SearchResultsModel;

// Finds transactions in every account by payee, memo or check number, narrowed by account,
// category, a date range and the cleared flag. Results read like a register, oldest first, each
// with its account.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    // How long typing must pause before the search runs.
    static constexpr int typingPauseMs = 300;

    explicit SearchScreen(AppState* appState, QWidget* parent = nullptr);

    // Rebuilds the account and category choices (back to "All Accounts" and "All
    // Categories"); results already shown are searched again so they match the data.
    void refreshFilters();
    // Focuses the search field with its text selected.
    void focusSearch();

    QLineEdit* searchField() const { return m_search; }
    QComboBox* accountFilter() const { return m_account; }
    QComboBox* categoryFilter() const { return m_category; }
    QCheckBox* dateRangeCheck() const { return m_dateRange; }
    QDateEdit* fromDateEdit() const { return m_from; }
    QDateEdit* toDateEdit() const { return m_to; }
    QCheckBox* clearedOnlyCheck() const { return m_clearedOnly; }
    QTableView* resultsView() const { return m_view; }
    SearchResultsModel* results() const { return m_results; }

signals:
    // A result was double-clicked.
    void editTransactionRequested(const QString& transactionId);

public slots:
    void performSearch();

private:
    QWidget* buildFilterRow();
    void openResult(const QModelIndex& index);

    AppState* m_appState;
    QLineEdit* m_search = nullptr;
    QTimer* m_typingPause = nullptr;
    QComboBox* m_account = nullptr;
    QComboBox* m_category = nullptr;
    QCheckBox* m_dateRange = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QCheckBox* m_clearedOnly = nullptr;
    SearchResultsModel* m_results = nullptr;
    QTableView* m_view = nullptr;
    bool m_hasSearched = false;
};
