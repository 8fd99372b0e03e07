#include "services/import/csv/csvdetector.h"

#include "services/import/csv/csvreader.h"

#include <QHash>

#include <algorithm>

namespace {

// Enough lines to see past a preamble and into the table.
constexpr int sampledLines = 40;
// Enough dates to meet a day above 12 in any month.
constexpr int sampledDates = 500;

// The start of the text up to its sampledLines-th line end.
QString firstLines(const QString& text)
{
    int lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r')) {
            if (++lines == sampledLines)
                return text.left(i);
        }
    }
    return text;
}

struct FieldCountMode
{
    int fields = 0; // the field count most rows have; the larger one on a tie
    int rows = 0;   // how many rows have it
};

FieldCountMode modeOf(const QList<QStringList>& rows)
{
    QHash<int, int> rowsByCount;
    for (const QStringList& row : rows)
        ++rowsByCount[int(row.size())];
    FieldCountMode mode;
    for (auto it = rowsByCount.cbegin(); it != rowsByCount.cend(); ++it) {
        if (it.value() > mode.rows || (it.value() == mode.rows && it.key() > mode.fields))
            mode = {it.key(), it.value()};
    }
    return mode;
}

// The columns that make a row a transaction: a date, and an amount in another column.
struct TransactionColumns
{
    int date = -1;
    QList<int> amounts;

    bool isTransaction() const { return date >= 0 && !amounts.isEmpty(); }
};

TransactionColumns transactionColumns(const QStringList& row)
{
    TransactionColumns columns;
    for (int column = 0; column < row.size() && columns.date < 0; ++column) {
        if (!row.at(column).isEmpty() && CsvReader::detectDate(row.at(column)).isValid())
            columns.date = column;
    }
    for (int column = 0; column < row.size() && columns.date >= 0; ++column) {
        if (column != columns.date && !row.at(column).isEmpty() &&
            CsvReader::readAmount(row.at(column)))
            columns.amounts.append(column);
    }
    return columns;
}

bool isBlank(const QStringList& row)
{
    return std::all_of(row.cbegin(), row.cend(),
                       [](const QString& field) { return field.isEmpty(); });
}

// A header names the date column and an amount column of the transaction below it, and holds
// no date or amount itself (a line such as "Balance;1.234,00" is about the account).
bool namesColumnsOf(const QStringList& row, const TransactionColumns& below)
{
    const auto named = [&row](int column) {
        return column < row.size() && !row.at(column).isEmpty();
    };
    const bool holdsValues = std::any_of(row.cbegin(), row.cend(), [](const QString& field) {
        return !field.isEmpty() &&
               (CsvReader::detectDate(field).isValid() || CsvReader::readAmount(field));
    });
    return !holdsValues && named(below.date) &&
           std::any_of(below.amounts.cbegin(), below.amounts.cend(), named);
}

// The first row with the field count most rows have.
int firstRowOfTheCommonWidth(const QList<QStringList>& sample)
{
    const int fields = modeOf(sample).fields;
    for (int i = 0; i < sample.size(); ++i) {
        if (sample.at(i).size() == fields)
            return i;
    }
    return 0;
}

} // namespace

QChar CsvDetector::delimiter(const QString& text)
{
    const QString sample = firstLines(text);
    QChar best = QLatin1Char(',');
    int bestScore = 0;
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        const FieldCountMode mode = modeOf(CsvReader::parse(sample, candidate));
        // A comma inside "12,50" splits a semicolon file's rows in two; the true separator
        // splits as many rows or more, into more fields.
        const int score = mode.fields > 1 ? mode.rows * (mode.fields - 1) : 0;
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

CsvDetector::TableStart CsvDetector::tableStart(const QList<QStringList>& rows)
{
    const QList<QStringList> sample = rows.mid(0, sampledLines);
    int firstTransaction = -1;
    int runStart = -1; // the first of the transactions right above the row looked at
    int previous = -1; // the last non-blank row above it
    for (int i = 0; i < sample.size(); ++i) {
        if (isBlank(sample.at(i)))
            continue;
        const TransactionColumns columns = transactionColumns(sample.at(i));
        if (!columns.isTransaction()) {
            runStart = -1;
        } else if (runStart >= 0) {
            // Two transactions in a row: the table has begun, without a header.
            return {runStart, false};
        } else if (previous >= 0 && namesColumnsOf(sample.at(previous), columns)) {
            return {previous, true};
        } else {
            // Perhaps a line about the account that holds a date and a balance.
            runStart = i;
            if (firstTransaction < 0)
                firstTransaction = i;
        }
        previous = i;
    }
    if (firstTransaction >= 0)
        return {firstTransaction, false};
    return {firstRowOfTheCommonWidth(sample), true};
}

QString CsvDetector::dateFormat(const QStringList& samples)
{
    QStringList dates;
    for (const QString& sample : samples) {
        if (!sample.isEmpty())
            dates.append(sample);
        if (dates.size() == sampledDates)
            break;
    }
    const auto reader = [](const QString& format) {
        return [&format](const QString& date) {
            return CsvReader::dateInFormat(date, format).isValid();
        };
    };
    const auto readsAll = [&dates, &reader](const QString& format) {
        return std::all_of(dates.cbegin(), dates.cend(), reader(format));
    };
    const QStringList& formats = CsvReader::detectedDateFormats();
    // Most formats fail on the first date, so looking for one that reads all is quick.
    if (!dates.isEmpty()) {
        const auto all = std::find_if(formats.cbegin(), formats.cend(), readsAll);
        if (all != formats.cend())
            return *all;
    }

    QString best;
    qsizetype bestCount = 0;
    for (const QString& format : formats) {
        const qsizetype count = std::count_if(dates.cbegin(), dates.cend(), reader(format));
        if (count > bestCount) {
            best = format;
            bestCount = count;
        }
    }
    return best;
}

CsvImportOptions CsvDetector::suggestedOptions(const QString& text)
{
    CsvImportOptions options;
    options.delimiter = delimiter(text);
    const TableStart start = tableStart(CsvReader::parse(firstLines(text), options.delimiter));
    options.skippedRows = start.row;
    options.hasHeader = start.hasHeader;
    options.dateFormat.clear();
    return options;
}
