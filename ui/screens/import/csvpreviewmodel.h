#pragma once

#include "services/import/csv/csvimportoptions.h"
#include "services/import/csv/csvrowreader.h"

#include "app/core/currency.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <optional>

// The rows of a CSV file as the import will read them: first the date, payee and amount each
// row becomes, then the file's own columns ("Col 0", "Col 1", ...). Rows above the table are
// greyed, the header row is bold, and a cell that will not read is marked with the reason in
// its tool tip. Rows are read when they are shown, so a file of any length previews at once.
class CsvPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The reading columns before the file's own.
    enum ReadingColumn
    {
        DateColumn,
        PayeeColumn,
        AmountColumn,
        ReadingColumns,
    };

    explicit CsvPreviewModel(QObject* parent = nullptr);

    void setRows(const QList<QStringList>& rows);
    void setOptions(const CsvImportOptions& options, Currency currency);
    const QList<QStringList>& rows() const { return m_rows; }
    int fileColumns() const { return m_fileColumns; }
    // The date format the rows are read with (detected when the options leave it empty).
    QString dateFormat() const { return m_reader->dateFormat(); }

    // Over every row below the header: how many will import and how many will not read.
    struct Counts
    {
        int readable = 0;
        int unreadable = 0;
    };
    Counts counts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    enum class RowKind
    {
        Skipped,
        Header,
        Data,
    };

    RowKind kindOf(int row) const;
    const CsvRowReading& readingOf(int row) const;
    QVariant readingData(int row, int column, int role) const;
    QVariant fileData(int row, int column, int role) const;
    void rebuildReader();

    QList<QStringList> m_rows;
    int m_fileColumns = 0;
    CsvImportOptions m_options;
    Currency m_currency = Currency::USD;
    std::optional<CsvRowReader> m_reader;
    mutable QHash<int, CsvRowReading> m_readings; // the rows read so far
};
