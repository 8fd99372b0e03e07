#pragma once

#include "services/import/csv/csvimportoptions.h"

#include "app/core/currency.h"

#include <QWidget>

class CsvPreviewModel;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QTableView;

// How the columns of a CSV file map to a transaction, with a preview of the rows as they will
// be read. A newly chosen file gets its separator and the start of its table detected; the
// user can override both, and picks the columns, the date format and whether the table has a
// header row.
class CsvMappingPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CsvMappingPanel(QWidget* parent = nullptr);

    // The decoded text of the chosen file. The column choices made for an earlier file stay
    // when this one has as many columns; otherwise they start again from 0, 1 and 2.
    void load(const QString& text);
    // Back to the panel of no file: no columns to choose, the separator, header, date format
    // and amount choices at their defaults.
    void clear();
    // Amounts preview in the currency of the account they go to.
    void setCurrency(Currency currency);
    CsvImportOptions options() const;

    CsvPreviewModel* previewModel() const { return m_model; }

private:
    enum class AmountMode
    {
        SignedColumn,
        TwoColumns,
    };

    void buildForm();
    void reparse();
    void rebuildColumns();
    void refreshPreview();
    void showAmountMode();
    void showHeaderChoice();
    QComboBox* addColumnCombo(const char* objectName);

    QString m_text;
    int m_rememberedFieldCount = -1;
    Currency m_currency = Currency::USD;

    QFormLayout* m_columnsForm = nullptr;
    QFormLayout* m_fileForm = nullptr;
    QComboBox* m_dateColumn = nullptr;
    QComboBox* m_payeeColumn = nullptr;
    QComboBox* m_amountColumn = nullptr;
    QComboBox* m_withdrawalColumn = nullptr;
    QComboBox* m_depositColumn = nullptr;
    QComboBox* m_memoColumn = nullptr;
    QComboBox* m_categoryColumn = nullptr;
    QComboBox* m_amountMode = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QComboBox* m_delimiter = nullptr;
    QSpinBox* m_headerRow = nullptr;
    QLabel* m_headerRowLabel = nullptr;
    QCheckBox* m_hasHeader = nullptr;
    QTableView* m_preview = nullptr;
    CsvPreviewModel* m_model = nullptr;
    QLabel* m_summary = nullptr;
};
