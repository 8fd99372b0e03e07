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

int CsvDetector::tableStart(const QList<QStringList>& rows)
{
    const QList<QStringList> sample = rows.mid(0, sampledLines);
    const int fields = modeOf(sample).fields;
    for (int i = 0; i < sample.size(); ++i) {
        if (rows.at(i).size() == fields)
            return i;
    }
    return 0;
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
    options.skippedRows = tableStart(CsvReader::parse(firstLines(text), options.delimiter));
    options.dateFormat.clear();
    return options;
}
