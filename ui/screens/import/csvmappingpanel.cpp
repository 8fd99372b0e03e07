#include "ui/screens/import/csvmappingpanel.h"

#include "ui/screens/import/csvpreviewmodel.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include "services/import/csv/csvdetector.h"
#include "services/import/csv/csvreader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int minimumComboWidth = 160;
constexpr int minimumPreviewHeight = 220;
constexpr int headerTextLength = 20;

void selectData(QComboBox* combo, const QVariant& data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

CsvMappingPanel::CsvMappingPanel(QWidget* parent) : QWidget(parent)
{
    buildForm();
}

QComboBox* CsvMappingPanel::addColumnCombo(const char* objectName)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(objectName));
    combo->setMinimumWidth(minimumComboWidth);
    connect(combo, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::refreshPreview);
    return combo;
}

void CsvMappingPanel::buildForm()
{
    m_dateColumn = addColumnCombo("dateColumn");
    m_payeeColumn = addColumnCombo("payeeColumn");
    m_amountColumn = addColumnCombo("amountColumn");
    m_withdrawalColumn = addColumnCombo("withdrawalColumn");
    m_depositColumn = addColumnCombo("depositColumn");
    m_memoColumn = addColumnCombo("memoColumn");
    m_categoryColumn = addColumnCombo("categoryColumn");

    m_amountMode = new QComboBox(this);
    m_amountMode->setObjectName(QStringLiteral("amountMode"));
    m_amountMode->addItem(tr("One signed column"), int(AmountMode::SignedColumn));
    m_amountMode->addItem(tr("Withdrawal and deposit columns"), int(AmountMode::TwoColumns));
    connect(m_amountMode, &QComboBox::currentIndexChanged, this, [this] {
        showAmountMode();
        refreshPreview();
    });

    m_dateFormat = new QComboBox(this);
    m_dateFormat->setObjectName(QStringLiteral("dateFormat"));
    m_dateFormat->addItem(tr("Auto-detect"), QString());
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd",
                               "yyyyMMdd", "MM/dd/yy"})
        m_dateFormat->addItem(QLatin1String(format), QLatin1String(format));
    m_dateFormat->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy", "yyyy.MM.dd", "dd/MM/yy"})
        m_dateFormat->addItem(QLatin1String(format), QLatin1String(format));
    m_dateFormat->addItem(tr("D Mon YYYY (14 May 2026)"), QStringLiteral("d MMM yyyy"));
    m_dateFormat->addItem(tr("ISO 8601 (2026-05-14T09:30)"), CsvReader::isoDateFormat);
    connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::refreshPreview);

    m_delimiter = new QComboBox(this);
    m_delimiter->setObjectName(QStringLiteral("delimiter"));
    m_delimiter->addItem(tr("Comma (,)"), QStringLiteral(","));
    m_delimiter->addItem(tr("Semicolon (;)"), QStringLiteral(";"));
    m_delimiter->addItem(tr("Tab"), QStringLiteral("\t"));
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::reparse);

    m_headerRow = new QSpinBox(this);
    m_headerRow->setObjectName(QStringLiteral("headerRow"));
    m_headerRow->setRange(1, 1);
    m_headerRow->setToolTip(tr("Rows above this one (an account name, a balance) are not "
                               "imported"));
    connect(m_headerRow, &QSpinBox::valueChanged, this, [this] {
        rebuildColumns();
        refreshPreview();
    });

    m_hasHeader = new QCheckBox(tr("First row is header"), this);
    m_hasHeader->setChecked(true);
    connect(m_hasHeader, &QCheckBox::toggled, this, [this] {
        showHeaderChoice();
        refreshPreview();
    });

    m_columnsForm = new QFormLayout;
    m_columnsForm->addRow(tr("Date column:"), m_dateColumn);
    m_columnsForm->addRow(tr("Payee column:"), m_payeeColumn);
    m_columnsForm->addRow(tr("Amount column:"), m_amountColumn);
    m_columnsForm->addRow(tr("Withdrawal column:"), m_withdrawalColumn);
    m_columnsForm->addRow(tr("Deposit column:"), m_depositColumn);
    m_columnsForm->addRow(tr("Memo column:"), m_memoColumn);
    m_columnsForm->addRow(tr("Category column:"), m_categoryColumn);

    m_headerRowLabel = new QLabel(this);
    showHeaderChoice();
    m_fileForm = new QFormLayout;
    m_fileForm->addRow(tr("Separator:"), m_delimiter);
    m_fileForm->addRow(m_headerRowLabel, m_headerRow);
    m_fileForm->addRow(QString(), m_hasHeader);
    m_fileForm->addRow(tr("Date format:"), m_dateFormat);
    m_fileForm->addRow(tr("Amounts:"), m_amountMode);

    auto* forms = new QHBoxLayout;
    forms->addLayout(m_columnsForm);
    forms->addSpacing(16);
    forms->addLayout(m_fileForm);
    forms->addStretch(1);

    m_model = new CsvPreviewModel(this);
    m_preview = new QTableView(this);
    m_preview->setObjectName(QStringLiteral("csvPreview"));
    m_preview->setModel(m_model);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setMinimumHeight(minimumPreviewHeight);
    m_preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_preview->verticalHeader()->setDefaultSectionSize(
        m_preview->verticalHeader()->minimumSectionSize());

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("csvSummary"));
    m_summary->setWordWrap(true);
    m_summary->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
    applyFontRole(m_summary, FontRoles::Body);

    auto* title = new QLabel(tr("CSV Column Mapping:"), this);
    title->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(title, FontRoles::Body);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addLayout(forms);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_summary);
    showAmountMode();
}

void CsvMappingPanel::showAmountMode()
{
    const bool twoColumns = m_amountMode->currentData().toInt() == int(AmountMode::TwoColumns);
    m_columnsForm->setRowVisible(m_amountColumn, !twoColumns);
    m_columnsForm->setRowVisible(m_withdrawalColumn, twoColumns);
    m_columnsForm->setRowVisible(m_depositColumn, twoColumns);
}

void CsvMappingPanel::showHeaderChoice()
{
    m_headerRowLabel->setText(m_hasHeader->isChecked() ? tr("Header row:") : tr("First data row:"));
}

void CsvMappingPanel::load(const QString& text)
{
    m_text = text;
    const CsvImportOptions detected = CsvDetector::suggestedOptions(text);
    {
        const QSignalBlocker blockDelimiter(m_delimiter);
        const QSignalBlocker blockHeaderRow(m_headerRow);
        const QSignalBlocker blockHasHeader(m_hasHeader);
        selectData(m_delimiter, QString(detected.delimiter));
        m_headerRow->setMaximum(qMax(m_headerRow->maximum(), detected.skippedRows + 1));
        m_headerRow->setValue(detected.skippedRows + 1);
        m_hasHeader->setChecked(detected.hasHeader);
    }
    showHeaderChoice();
    reparse();
}

void CsvMappingPanel::clear()
{
    m_text.clear();
    m_rememberedFieldCount = -1;
    {
        const QSignalBlocker blocks[] = {
            QSignalBlocker(m_dateColumn),     QSignalBlocker(m_payeeColumn),
            QSignalBlocker(m_amountColumn),   QSignalBlocker(m_withdrawalColumn),
            QSignalBlocker(m_depositColumn),  QSignalBlocker(m_memoColumn),
            QSignalBlocker(m_categoryColumn), QSignalBlocker(m_amountMode),
            QSignalBlocker(m_dateFormat),     QSignalBlocker(m_delimiter),
            QSignalBlocker(m_headerRow),      QSignalBlocker(m_hasHeader)};
        // No column is chosen before there is a file to choose from.
        for (QComboBox* combo : {m_dateColumn, m_payeeColumn, m_amountColumn, m_withdrawalColumn,
                                 m_depositColumn, m_memoColumn, m_categoryColumn})
            combo->clear();
        for (QComboBox* combo : {m_amountMode, m_dateFormat, m_delimiter})
            combo->setCurrentIndex(0);
        m_headerRow->setRange(1, 1);
        m_hasHeader->setChecked(true);
    }
    showHeaderChoice();
    showAmountMode();
    m_model->setRows({});
    m_summary->clear();
}

void CsvMappingPanel::setCurrency(Currency currency)
{
    m_currency = currency;
    refreshPreview();
}

void CsvMappingPanel::reparse()
{
    const QList<QStringList> rows =
        CsvReader::parse(m_text, m_delimiter->currentData().toString().at(0));
    {
        const QSignalBlocker block(m_headerRow);
        m_headerRow->setMaximum(qMax(1, int(rows.size())));
    }
    m_model->setRows(rows);
    rebuildColumns();
    refreshPreview();
}

void CsvMappingPanel::rebuildColumns()
{
    const QList<QStringList>& rows = m_model->rows();
    if (rows.isEmpty())
        return;
    // The column names come from the table's first row, below any lines about the account.
    const QStringList& names = rows.at(qMin(m_headerRow->value(), int(rows.size())) - 1);
    const int count = int(names.size());
    for (QComboBox* combo : {m_dateColumn, m_payeeColumn, m_amountColumn, m_withdrawalColumn,
                             m_depositColumn, m_memoColumn, m_categoryColumn}) {
        const QSignalBlocker block(combo);
        const int kept = combo->currentIndex();
        combo->clear();
        if (combo == m_memoColumn || combo == m_categoryColumn)
            combo->addItem(tr("(none)"), -1);
        for (int column = 0; column < count; ++column)
            combo->addItem(
                tr("Col %1: %2").arg(column).arg(names.at(column).left(headerTextLength)), column);
        combo->setCurrentIndex(kept >= 0 && kept < combo->count() ? kept : 0);
    }
    if (count > 2 && count != m_rememberedFieldCount) {
        for (const auto& [combo, column] :
             {std::pair{m_dateColumn, 0}, std::pair{m_payeeColumn, 1}, std::pair{m_amountColumn, 2},
              std::pair{m_withdrawalColumn, 2}, std::pair{m_depositColumn, qMin(3, count - 1)}}) {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(column);
        }
    }
    m_rememberedFieldCount = count;
}

CsvImportOptions CsvMappingPanel::options() const
{
    CsvImportOptions options;
    options.dateColumn = m_dateColumn->currentData().toInt();
    options.payeeColumn = m_payeeColumn->currentData().toInt();
    options.memoColumn = m_memoColumn->count() > 0 ? m_memoColumn->currentData().toInt() : -1;
    options.categoryColumn =
        m_categoryColumn->count() > 0 ? m_categoryColumn->currentData().toInt() : -1;
    options.hasHeader = m_hasHeader->isChecked();
    options.dateFormat = m_dateFormat->currentData().toString();
    options.delimiter = m_delimiter->currentData().toString().at(0);
    options.skippedRows = m_headerRow->value() - 1;
    if (m_amountMode->currentData().toInt() == int(AmountMode::TwoColumns)) {
        options.amountColumn = -1;
        options.withdrawalColumn = m_withdrawalColumn->currentData().toInt();
        options.depositColumn = m_depositColumn->currentData().toInt();
    } else {
        options.amountColumn = m_amountColumn->currentData().toInt();
    }
    return options;
}

void CsvMappingPanel::refreshPreview()
{
    m_model->setOptions(options(), m_currency);
    if (m_model->rows().isEmpty()) {
        m_summary->clear();
        return;
    }
    const CsvPreviewModel::Counts counts = m_model->counts();
    QStringList parts{tr("%n row(s) to import", nullptr, counts.readable)};
    if (counts.unreadable > 0)
        parts << tr("%n row(s) cannot be read and will be skipped (marked)", nullptr,
                    counts.unreadable);
    if (m_dateFormat->currentData().toString().isEmpty() && !m_model->dateFormat().isEmpty())
        parts << tr("dates read as %1").arg(m_model->dateFormat());
    m_summary->setText(parts.join(QStringLiteral("; ")));
}
