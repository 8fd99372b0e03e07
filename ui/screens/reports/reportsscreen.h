#pragma once

#include "ui/screens/reports/reportkind.h"

#include <QList>
#include <QWidget>

class AppState;
class QComboBox;
class QDateEdit;
class QLabel;
class QToolButton;
class QTabWidget;
class QTableWidget;
class ReportChartView;
class ReportColumns;
struct ReportOutput;

// The eight reports as tabs over one account filter and one period, each tab a chart above a
// table; the table exports as CSV and the chart as PNG. A change of filters or data computes
// the tab in view; the others are computed when they come into view.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReportsScreen(AppState* appState, QWidget* parent = nullptr);

    // Rebuilds the account filter (back to "All Accounts") and runs the reports; the main
    // window calls it every time it shows the screen.
    void refresh();

    QTabWidget* tabs() const { return m_tabs; }
    QTableWidget* table(ReportKind kind) const;
    ReportChartView* chartView(ReportKind kind) const;
    QComboBox* accountFilter() const { return m_account; }
    // Shown only while the book's accounts hold more than one currency.
    QComboBox* currencyFilter() const { return m_currency; }
    QComboBox* periodFilter() const { return m_period; }
    QLabel* rangeLabel() const { return m_rangeLabel; }
    QDateEdit* startEdit() const { return m_start; }
    QDateEdit* endEdit() const { return m_end; }
    QComboBox* comparisonChoice() const { return m_comparison; }
    QLabel* comparisonSummary() const { return m_comparisonSummary; }
    // The four dates of the two compared periods: start and end of period 1, then of period 2.
    QList<QDateEdit*> comparisonEdits() const { return m_comparisonDates; }
    QToolButton* chartToggle() const { return m_showChart; }

public slots:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    // Marks every report out of date and computes the one in view.
    void runReport();
    void exportCurrentTab();
    void exportCurrentChart();

private:
    struct Page
    {
        QTableWidget* table = nullptr;
        ReportChartView* chart = nullptr;
        ReportColumns* columns = nullptr;
        bool stale = true;
    };

    QWidget* buildFilterRow();
    QWidget* buildPage(ReportKind kind);
    QWidget* buildComparisonRow();
    // Lists the accounts and their currencies again: every account, and the currency chosen
    // before while an account still holds it.
    void rebuildAccounts();
    // An account chosen brings its currency; a currency chosen keeps only an account in it.
    void onAccountChanged();
    void onCurrencyChanged();
    void onComparisonChanged(int index);
    void onDataChanged();
    void showCharts(bool shown);
    // The chart buttons' glyphs in the theme's text colour.
    void paintChartButtons();
    // Computes the report in view when a change since its last run has made it out of date.
    void computeCurrentTab();
    void fill(Page& page, const ReportOutput& output);
    ReportFilters filters() const;
    ReportKind currentKind() const;
    // Writes through a temporary file, so a failed export leaves any file there untouched.
    bool writeExport(const QString& path, const QByteArray& content, const QString& caption);
    // The path the user chooses for `fileName`; empty when cancelled.
    QString askForPath(const QString& caption, const QString& fileName, const QString& filter);

    AppState* m_appState;
    QComboBox* m_account = nullptr;
    QWidget* m_currencyChoice = nullptr; // the currency's label and combo
    QComboBox* m_currency = nullptr;
    QComboBox* m_period = nullptr;
    QLabel* m_rangeLabel = nullptr;
    QDateEdit* m_start = nullptr;
    QDateEdit* m_end = nullptr;
    QToolButton* m_showChart = nullptr;
    QToolButton* m_exportCsv = nullptr;
    QToolButton* m_exportChart = nullptr;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_comparison = nullptr;
    QLabel* m_comparisonSummary = nullptr;
    QWidget* m_customComparison = nullptr;
    QList<QDateEdit*> m_comparisonDates;
    QList<Page> m_pages;
    // Set around every change of the filter widgets made by the screen itself.
    bool m_suppressed = false;
};
