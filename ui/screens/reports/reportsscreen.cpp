#include "ui/screens/reports/reportsscreen.h"

#include "ui/screens/reports/reportbuilder.h"
#include "ui/screens/reports/reportchartview.h"
#include "ui/screens/reports/reportcolumns.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/iconfont.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/theme/thememanager.h"
#include "ui/widgets/formfields.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/enumerations.h"
#include "data/transactionrepository.h"
#include "services/reports/reportservice.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString showChartKey = QStringLiteral("reports/showChart");
// The account filter's items carry their account's currency.
constexpr int currencyRole = Qt::UserRole + 1;
// The icon font's "bar_chart", "file_download" and "image" glyphs: the buttons are icons, so
// that the filter row keeps to the window's width in every language.
constexpr QChar chartGlyph(0xE26B);
constexpr QChar downloadGlyph(0xE2C4);
constexpr QChar imageGlyph(0xE3F4);

// A period preset's name in the interface language.
QString presetName(const QString& label)
{
    return QCoreApplication::translate("ReportService", label.toUtf8().constData());
}

QDateEdit* filterDateEdit(QWidget* parent)
{
    auto* edit = new QDateEdit(QDate::currentDate(), parent);
    setUpDateEdit(edit);
    return edit;
}

QLabel* mutedLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
    return label;
}

QTableWidget* reportTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setShowGrid(false);
    table->setWordWrap(false);
    // Fitting the columns to their contents reads this many rows, not a whole long list.
    table->horizontalHeader()->setResizeContentsPrecision(200);
    return table;
}

} // namespace

ReportsScreen::ReportsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    const QScopedValueRollback<bool> quiet(m_suppressed, true);

    auto* title = new QLabel(tr("Reports"), this);
    title->setProperty(FontRoles::weightProperty, 600);
    applyFontRole(title, FontRoles::Title);

    m_tabs = new QTabWidget(this);
    for (int i = 0; i < reportKindCount; ++i) {
        const auto kind = ReportKind(i);
        m_tabs->addTab(buildPage(kind), ReportCatalog::describe(kind).tabTitle);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(buildFilterRow());
    layout->addSpacing(8);
    layout->addWidget(m_tabs, 1);

    const bool chartsShown = QSettings().value(showChartKey, true).toBool();
    m_showChart->setChecked(chartsShown);
    showCharts(chartsShown);
    connect(m_showChart, &QToolButton::toggled, this, [this](bool shown) {
        showCharts(shown);
        QSettings().setValue(showChartKey, shown);
    });
    rebuildAccounts();
    m_period->setCurrentIndex(0);
    onDatePresetChanged(0);
    onComparisonChanged(0);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (!m_suppressed)
            computeCurrentTab();
    });
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &ReportsScreen::onDataChanged);
    connect(m_appState->categoryRepository(), &CategoryRepository::categoriesChanged, this,
            &ReportsScreen::onDataChanged);
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &ReportsScreen::onDataChanged);
    connect(m_appState->themeManager(), &ThemeManager::themeChanged, this, [this] {
        paintChartButtons();
        for (const Page& page : std::as_const(m_pages))
            page.chart->restyle();
    });
    // Totals rows carry a bold copy of the font: the table in view is filled again at the new
    // size (the charts follow through themeChanged, which a new scale also brings).
    connect(m_appState->themeManager(), &ThemeManager::fontScaleChanged, this, [this] {
        if (isVisible())
            runReport();
    });
}

QWidget* ReportsScreen::buildFilterRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    m_account = new QComboBox(row);
    m_account->setMinimumWidth(140);
    // Its items name a currency each, so that it needs no label in a row that has to fit the
    // window's first width in every language. Hidden, it leaves the row as a book in one
    // currency has it.
    m_currencyChoice = new QWidget(row);
    m_currency = new QComboBox(m_currencyChoice);
    m_currency->setToolTip(tr("Currency"));
    m_currency->setAccessibleName(tr("Currency"));
    auto* currencyLayout = new QHBoxLayout(m_currencyChoice);
    currencyLayout->setContentsMargins(0, 0, 4, 0);
    currencyLayout->addWidget(m_currency);
    m_period = new QComboBox(row);
    m_period->setMinimumWidth(130);
    for (const ReportPeriod& preset : ReportService::periodPresets())
        m_period->addItem(presetName(preset.label));
    m_rangeLabel = mutedLabel(row);
    m_start = filterDateEdit(row);
    m_end = filterDateEdit(row);

    m_showChart = new QToolButton(row);
    m_showChart->setCheckable(true);
    m_showChart->setText(tr("Show Chart"));
    m_showChart->setToolTip(tr("Show Chart"));
    m_exportCsv = new QToolButton(row);
    m_exportCsv->setText(tr("Export CSV"));
    m_exportCsv->setToolTip(tr("Export CSV"));
    m_exportChart = new QToolButton(row);
    m_exportChart->setText(tr("Export Chart"));
    m_exportChart->setToolTip(tr("Export Chart"));
    paintChartButtons();

    auto* accountLabel = new QLabel(tr("Account:"), row);
    accountLabel->setBuddy(m_account);
    auto* periodLabel = new QLabel(tr("Period:"), row);
    periodLabel->setBuddy(m_period);
    layout->addWidget(accountLabel);
    layout->addWidget(m_account);
    layout->addSpacing(12);
    layout->addWidget(m_currencyChoice);
    layout->addWidget(periodLabel);
    layout->addWidget(m_period);
    layout->addWidget(m_rangeLabel);
    layout->addWidget(m_start);
    layout->addWidget(m_end);
    layout->addStretch();
    layout->addWidget(m_showChart);
    layout->addWidget(m_exportCsv);
    layout->addWidget(m_exportChart);

    connect(m_account, &QComboBox::currentIndexChanged, this, &ReportsScreen::onAccountChanged);
    connect(m_currency, &QComboBox::currentIndexChanged, this, &ReportsScreen::onCurrencyChanged);
    connect(m_period, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_start, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_end, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportCsv, &QToolButton::clicked, this, &ReportsScreen::exportCurrentTab);
    connect(m_exportChart, &QToolButton::clicked, this, &ReportsScreen::exportCurrentChart);
    return row;
}

QWidget* ReportsScreen::buildPage(ReportKind kind)
{
    Page page;
    page.table = reportTable(ReportCatalog::describe(kind).headers, this);
    page.chart = new ReportChartView(this);
    page.columns = new ReportColumns(page.table);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(page.chart);
    split->addWidget(page.table);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    m_pages.append(page);
    if (kind != ReportKind::YearOverYear)
        return split;

    auto* container = new QWidget(this);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(buildComparisonRow());
    layout->addWidget(split, 1);
    return container;
}

QWidget* ReportsScreen::buildComparisonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    m_comparison = new QComboBox(row);
    for (const PeriodComparison& preset : ReportService::comparisonPresets())
        m_comparison->addItem(presetName(preset.label));
    m_comparisonSummary = mutedLabel(row);

    m_customComparison = new QWidget(row);
    auto* custom = new QHBoxLayout(m_customComparison);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->setSpacing(8);
    for (int i = 0; i < 4; ++i) {
        m_comparisonDates << filterDateEdit(m_customComparison);
        connect(m_comparisonDates.last(), &QDateEdit::dateChanged, this,
                &ReportsScreen::onFilterChanged);
    }
    custom->addWidget(new QLabel(tr("P1:"), m_customComparison));
    custom->addWidget(m_comparisonDates.at(0));
    custom->addWidget(new QLabel(QStringLiteral("–"), m_customComparison));
    custom->addWidget(m_comparisonDates.at(1));
    custom->addSpacing(12);
    custom->addWidget(new QLabel(tr("P2:"), m_customComparison));
    custom->addWidget(m_comparisonDates.at(2));
    custom->addWidget(new QLabel(QStringLiteral("–"), m_customComparison));
    custom->addWidget(m_comparisonDates.at(3));
    m_customComparison->hide();

    // Until a comparison is chosen: all of last year against this year so far.
    const QDate today = QDate::currentDate();
    m_comparisonDates.at(0)->setDate(QDate(today.year() - 1, 1, 1));
    m_comparisonDates.at(1)->setDate(QDate(today.year() - 1, 12, 31));
    m_comparisonDates.at(2)->setDate(QDate(today.year(), 1, 1));
    m_comparisonDates.at(3)->setDate(today);

    auto* compareLabel = new QLabel(tr("Compare:"), row);
    compareLabel->setBuddy(m_comparison);
    layout->addWidget(compareLabel);
    layout->addWidget(m_comparison);
    layout->addSpacing(12);
    layout->addWidget(m_comparisonSummary);
    layout->addWidget(m_customComparison);
    layout->addStretch();

    connect(m_comparison, &QComboBox::currentIndexChanged, this,
            &ReportsScreen::onComparisonChanged);
    return row;
}

QTableWidget* ReportsScreen::table(ReportKind kind) const
{
    return m_pages.at(int(kind)).table;
}

ReportChartView* ReportsScreen::chartView(ReportKind kind) const
{
    return m_pages.at(int(kind)).chart;
}

void ReportsScreen::refresh()
{
    rebuildAccounts();
    runReport();
}

void ReportsScreen::rebuildAccounts()
{
    const QScopedValueRollback<bool> quiet(m_suppressed, true);
    const QVariant chosenCurrency = m_currency->currentData();
    m_account->clear();
    m_currency->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account& account : m_appState->accountRepository()->listAll()) {
        const int currency = int(account.currency);
        m_account->addItem(account.name, account.id);
        m_account->setItemData(m_account->count() - 1, currency, currencyRole);
        // By its code (the stored form), which is short and tells "$" currencies apart.
        if (m_currency->findData(currency) < 0)
            m_currency->addItem(Enumerations::storageString(account.currency), currency);
    }
    m_currency->setCurrentIndex(std::max(0, m_currency->findData(chosenCurrency)));
    m_currencyChoice->setVisible(m_currency->count() > 1);
}

void ReportsScreen::onAccountChanged()
{
    const QVariant currency = m_account->currentData(currencyRole);
    if (currency.isValid()) {
        const QScopedValueRollback<bool> quiet(m_suppressed, true);
        m_currency->setCurrentIndex(m_currency->findData(currency));
    }
    onFilterChanged();
}

void ReportsScreen::onCurrencyChanged()
{
    const QVariant accountCurrency = m_account->currentData(currencyRole);
    if (accountCurrency.isValid() && accountCurrency != m_currency->currentData()) {
        const QScopedValueRollback<bool> quiet(m_suppressed, true);
        m_account->setCurrentIndex(0);
    }
    onFilterChanged();
}

void ReportsScreen::onDataChanged()
{
    // A hidden screen is brought up to date by refresh() when it is shown again.
    if (!isVisible())
        return;
    refresh();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const QList<ReportPeriod> presets = ReportService::periodPresets();
    if (index < 0 || index >= presets.size())
        return;
    const ReportPeriod& preset = presets.at(index);
    const bool custom = !preset.start.isValid();
    m_start->setVisible(custom);
    m_end->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (!custom) {
        const QScopedValueRollback<bool> quiet(m_suppressed, true);
        m_start->setDate(preset.start);
        m_end->setDate(preset.end);
        m_rangeLabel->setText(QStringLiteral("%1 – %2").arg(ReportBuilder::shortDate(preset.start),
                                                            ReportBuilder::shortDate(preset.end)));
    }
    onFilterChanged();
}

void ReportsScreen::onComparisonChanged(int index)
{
    const QList<PeriodComparison> presets = ReportService::comparisonPresets();
    if (index < 0 || index >= presets.size())
        return;
    const PeriodComparison& preset = presets.at(index);
    const bool custom = !preset.period1Start.isValid();
    if (!custom) {
        const QScopedValueRollback<bool> quiet(m_suppressed, true);
        m_comparisonDates.at(0)->setDate(preset.period1Start);
        m_comparisonDates.at(1)->setDate(preset.period1End);
        m_comparisonDates.at(2)->setDate(preset.period2Start);
        m_comparisonDates.at(3)->setDate(preset.period2End);
    }
    m_customComparison->setVisible(custom);
    m_comparisonSummary->setVisible(!custom);
    const ReportFilters chosen = filters();
    m_comparisonSummary->setText(
        QStringLiteral("%1    %2")
            .arg(ReportBuilder::firstPeriod(chosen), ReportBuilder::secondPeriod(chosen)));
    onFilterChanged();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_suppressed)
        runReport();
}

void ReportsScreen::runReport()
{
    if (m_suppressed)
        return;
    for (Page& page : m_pages)
        page.stale = true;
    computeCurrentTab();
}

void ReportsScreen::computeCurrentTab()
{
    const int index = m_tabs->currentIndex();
    if (index < 0 || !m_pages[index].stale)
        return;
    fill(m_pages[index],
         ReportBuilder::build(currentKind(), *m_appState->reportService(), filters()));
    m_pages[index].stale = false;
}

ReportKind ReportsScreen::currentKind() const
{
    return ReportKind(m_tabs->currentIndex());
}

ReportFilters ReportsScreen::filters() const
{
    ReportFilters filters;
    // A book without accounts has no currency of its own: its empty reports are in dollars.
    filters.currency = Currency(m_currency->currentData().toInt());
    filters.severalCurrencies = m_currency->count() > 1;
    filters.accountId = m_account->currentData().toString();
    filters.start = m_start->date();
    filters.end = m_end->date();
    filters.period1Start = m_comparisonDates.at(0)->date();
    filters.period1End = m_comparisonDates.at(1)->date();
    filters.period2Start = m_comparisonDates.at(2)->date();
    filters.period2End = m_comparisonDates.at(3)->date();
    return filters;
}

void ReportsScreen::fill(Page& page, const ReportOutput& output)
{
    QTableWidget* table = page.table;
    const ReportTable& content = output.table;
    table->setUpdatesEnabled(false);
    table->setRowCount(0);
    table->setRowCount(int(content.rows.size()));
    QFont bold = table->font();
    bold.setBold(true);
    for (int row = 0; row < content.rows.size(); ++row) {
        const QStringList& cells = content.rows.at(row);
        const bool totals = row >= content.rows.size() - content.totalRows;
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (content.figureColumns.contains(column))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else // a narrowed column elides its texts
                item->setToolTip(cells.at(column));
            if (totals)
                item->setFont(bold);
            table->setItem(row, column, item);
        }
    }
    page.columns->fit(content.figureColumns);
    table->setUpdatesEnabled(true);
    page.chart->setData(output.chart);
}

void ReportsScreen::showCharts(bool shown)
{
    for (const Page& page : std::as_const(m_pages))
        page.chart->setVisible(shown);
    m_exportChart->setEnabled(shown);
}

void ReportsScreen::paintChartButtons()
{
    const QColor ink = QApplication::palette().color(QPalette::ButtonText);
    m_showChart->setIcon(glyphIcon(chartGlyph, 18, ink));
    m_exportCsv->setIcon(glyphIcon(downloadGlyph, 18, ink));
    m_exportChart->setIcon(glyphIcon(imageGlyph, 18, ink));
}

QString ReportsScreen::askForPath(const QString& caption, const QString& fileName,
                                  const QString& filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(this, caption, QDir(folder).filePath(fileName), filter);
}

bool ReportsScreen::writeExport(const QString& path, const QByteArray& content,
                                const QString& caption)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    QMessageBox::warning(this, caption,
                         tr("The file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

void ReportsScreen::exportCurrentTab()
{
    const QTableWidget* table = m_pages.at(m_tabs->currentIndex()).table;
    if (table->rowCount() == 0)
        return;
    const QString path = askForPath(
        tr("Export CSV"), ReportCatalog::describe(currentKind()).fileStem + QStringLiteral(".csv"),
        tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;

    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QList<QStringList> rows;
    rows.reserve(table->rowCount());
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells << (item ? item->text() : QString());
        }
        rows.append(cells);
    }
    writeExport(path, ReportService::toCsv(headers, rows).toUtf8(), tr("Export CSV"));
}

void ReportsScreen::exportCurrentChart()
{
    const Page& page = m_pages.at(m_tabs->currentIndex());
    if (page.table->rowCount() == 0 || !m_showChart->isChecked())
        return;
    const QString path =
        askForPath(tr("Export Chart"),
                   ReportCatalog::describe(currentKind()).fileStem + QStringLiteral(".png"),
                   tr("PNG Images (*.png)"));
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    page.chart->grab().save(&buffer, "PNG");
    writeExport(path, png, tr("Export Chart"));
}
