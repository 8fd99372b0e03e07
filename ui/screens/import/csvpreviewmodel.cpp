#include "ui/screens/import/csvpreviewmodel.h"

#include "ui/theme/themecolors.h"

#include "app/core/money.h"

#include <QFont>

namespace {

const QString unreadableMark = QStringLiteral("\u2014");

} // namespace

CsvPreviewModel::CsvPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void CsvPreviewModel::setRows(const QList<QStringList>& rows)
{
    beginResetModel();
    m_rows = rows;
    m_fileColumns = 0;
    for (const QStringList& row : std::as_const(m_rows))
        m_fileColumns = qMax(m_fileColumns, int(row.size()));
    rebuildReader();
    endResetModel();
}

void CsvPreviewModel::setOptions(const CsvImportOptions& options, Currency currency)
{
    beginResetModel();
    m_options = options;
    m_currency = currency;
    rebuildReader();
    endResetModel();
}

void CsvPreviewModel::rebuildReader()
{
    m_readings.clear();
    m_reader.emplace(m_options, m_rows, m_currency);
}

CsvPreviewModel::Counts CsvPreviewModel::counts() const
{
    Counts counts;
    for (int row = m_options.firstDataRow(); row < m_rows.size(); ++row) {
        if (m_reader->read(m_rows.at(row)).isImportable())
            ++counts.readable;
        else
            ++counts.unreadable;
    }
    return counts;
}

int CsvPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CsvPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_rows.isEmpty() ? 0 : ReadingColumns + m_fileColumns;
}

CsvPreviewModel::RowKind CsvPreviewModel::kindOf(int row) const
{
    const int tableStart = qMax(0, m_options.skippedRows);
    if (row < tableStart)
        return RowKind::Skipped;
    if (row == tableStart && m_options.hasHeader)
        return RowKind::Header;
    return RowKind::Data;
}

const CsvRowReading& CsvPreviewModel::readingOf(int row) const
{
    auto found = m_readings.constFind(row);
    if (found == m_readings.constEnd())
        found = m_readings.insert(row, m_reader->read(m_rows.at(row)));
    return found.value();
}

QVariant CsvPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const int row = index.row();
    const RowKind kind = kindOf(row);
    if (role == Qt::ForegroundRole && kind == RowKind::Skipped)
        return ThemeColors::mutedText().color();
    if (role == Qt::FontRole && kind == RowKind::Header) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ToolTipRole && kind == RowKind::Skipped)
        return tr("Above the table: not imported");
    if (role == Qt::ToolTipRole && kind == RowKind::Header)
        return tr("Header row: not imported");
    if (index.column() < ReadingColumns)
        return kind == RowKind::Data ? readingData(row, index.column(), role) : QVariant();
    return fileData(row, index.column() - ReadingColumns, role);
}

QVariant CsvPreviewModel::readingData(int row, int column, int role) const
{
    const CsvRowReading& reading = readingOf(row);
    bool readable = reading.complete;
    QString text;
    QString problem = tr("This row does not reach every chosen column");
    switch (column) {
    case DateColumn:
        readable = readable && reading.date.isValid();
        text = reading.date.toString(Qt::ISODate);
        if (reading.complete)
            problem = tr("The date does not read with the chosen date format");
        break;
    case PayeeColumn:
        text = reading.payee;
        break;
    case AmountColumn:
        readable = readable && reading.amount.has_value();
        text = reading.amount ? formatMoney(*reading.amount, m_currency) : QString();
        if (reading.complete)
            problem = tr("The amount does not read as an amount");
        break;
    default:
        return {};
    }

    switch (role) {
    case Qt::DisplayRole:
        return readable ? text : unreadableMark;
    case Qt::BackgroundRole:
        return readable ? QVariant() : ThemeColors::unreadableCell(ThemeColors::isDark()).color();
    case Qt::ToolTipRole:
        return readable ? QVariant() : problem;
    case Qt::ForegroundRole:
        if (column == AmountColumn && readable && *reading.amount < 0)
            return ThemeColors::negative().color();
        return {};
    case Qt::TextAlignmentRole:
        if (column == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant CsvPreviewModel::fileData(int row, int column, int role) const
{
    const QStringList& fields = m_rows.at(row);
    if (column >= fields.size())
        return {};
    if (role == Qt::DisplayRole)
        return fields.at(column);
    if (kindOf(row) != RowKind::Data || !readingOf(row).unreadableColumns.contains(column))
        return {};
    if (role == Qt::BackgroundRole)
        return ThemeColors::unreadableCell(ThemeColors::isDark()).color();
    if (role == Qt::ToolTipRole)
        return tr("This cell will not be read");
    return {};
}

QVariant CsvPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < ReadingColumns) {
        if (role == Qt::ToolTipRole)
            return tr("How the import reads this row");
        if (role != Qt::DisplayRole)
            return {};
        static const char* const titles[] = {QT_TR_NOOP("Date"), QT_TR_NOOP("Payee"),
                                             QT_TR_NOOP("Amount")};
        return tr(titles[section]);
    }
    return role == Qt::DisplayRole ? QVariant(tr("Col %1").arg(section - ReadingColumns))
                                   : QVariant();
}
