#include "services/import/csv/csvrowreader.h"

#include "app/core/money.h"
#include "app/core/singleline.h"
#include "services/import/csv/csvdetector.h"
#include "services/import/csv/csvreader.h"
#include "services/import/importedamount.h"

namespace {

bool hasColumn(const QStringList& row, int column)
{
    return column >= 0 && column < row.size();
}

// Fields are single lines: a line break pasted into a bank's payee or memo becomes a space.
QString fieldAt(const QStringList& row, int column)
{
    return hasColumn(row, column) ? singleLine(row.at(column)) : QString();
}

// An amount beyond what can be typed is no amount either.
std::optional<qint64> readAmountInRange(const QString& text)
{
    const std::optional<qint64> cents = CsvReader::readAmount(text);
    if (!cents || !isWithinEnteredRange(*cents, Currency::USD))
        return std::nullopt;
    return cents;
}

} // namespace

CsvRowReader::CsvRowReader(const CsvImportOptions& options, const QList<QStringList>& rows,
                           Currency currency)
    : m_options(options), m_currency(currency), m_dateFormat(options.dateFormat)
{
    if (m_dateFormat.isEmpty()) {
        QStringList dates;
        for (qsizetype i = options.firstDataRow(); i < rows.size(); ++i)
            dates.append(fieldAt(rows.at(i), options.dateColumn));
        m_dateFormat = CsvDetector::dateFormat(dates);
    }
}

CsvRowReading CsvRowReader::read(const QStringList& row) const
{
    CsvRowReading reading;
    const bool twoColumns = m_options.hasTwoAmountColumns();
    reading.complete = hasColumn(row, m_options.dateColumn) &&
                       hasColumn(row, m_options.payeeColumn) &&
                       (twoColumns || hasColumn(row, m_options.amountColumn));
    if (!reading.complete)
        return reading;

    reading.date = CsvReader::readDate(row.at(m_options.dateColumn), m_dateFormat);
    if (!reading.date.isValid())
        reading.unreadableColumns.append(m_options.dateColumn);
    reading.payee = fieldAt(row, m_options.payeeColumn);
    reading.amount =
        twoColumns ? readTwoColumnAmount(row, reading) : readSignedAmount(row, reading);
    reading.memo = fieldAt(row, m_options.memoColumn);
    reading.category = fieldAt(row, m_options.categoryColumn);
    return reading;
}

std::optional<qint64> CsvRowReader::readSignedAmount(const QStringList& row,
                                                     CsvRowReading& reading) const
{
    // Amounts are read like QIF amounts, so "(12.00)" and "12,50" keep their value; a field
    // that is no amount at all makes the row unparseable instead of a zero.
    const std::optional<qint64> cents = readAmountInRange(row.at(m_options.amountColumn));
    if (!cents) {
        reading.unreadableColumns.append(m_options.amountColumn);
        return std::nullopt;
    }
    return importedAmount(*cents, m_currency);
}

std::optional<qint64> CsvRowReader::readTwoColumnAmount(const QStringList& row,
                                                        CsvRowReading& reading) const
{
    // Both columns hold sizes of money; a bank that writes its withdrawals as negative numbers
    // means the same money out. An empty cell (or a column the row does not reach) is 0.
    const std::pair<int, int> columns[] = {{m_options.withdrawalColumn, -1},
                                           {m_options.depositColumn, 1}};
    qint64 cents = 0;
    bool anyAmount = false;
    bool unreadable = false;
    for (const auto& [column, direction] : columns) {
        const QString text = fieldAt(row, column);
        if (text.isEmpty())
            continue;
        const std::optional<qint64> size = readAmountInRange(text);
        if (!size) {
            reading.unreadableColumns.append(column);
            unreadable = true;
            continue;
        }
        cents += direction * qAbs(*size);
        anyAmount = true;
    }
    if (unreadable)
        return std::nullopt;
    if (!anyAmount) {
        for (const auto& [column, direction] : columns) {
            if (column >= 0)
                reading.unreadableColumns.append(column);
        }
        return std::nullopt;
    }
    return importedAmount(cents, m_currency);
}
