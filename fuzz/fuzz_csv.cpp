#include "fuzz/fuzzapplication.h"
#include "services/import/csv/csvdetector.h"
#include "services/import/csv/csvreader.h"
#include "services/import/csv/csvrowreader.h"

#include <QString>

// A bank export as the import reads it: the options detected from the text, every row read
// with them, and the date and amount readers on every field.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvImportOptions detected = CsvDetector::suggestedOptions(text);
    const QList<QStringList> rows = CsvReader::parse(text, detected.delimiter);

    CsvImportOptions twoColumns = detected;
    twoColumns.withdrawalColumn = 2;
    twoColumns.depositColumn = 3;
    CsvImportOptions detectedDates = detected;
    detectedDates.dateFormat.clear();
    for (const CsvImportOptions& options : {detected, twoColumns, detectedDates}) {
        const CsvRowReader reader(options, rows, Currency::JPY);
        for (qsizetype i = options.firstDataRow(); i < rows.size(); ++i)
            reader.read(rows.at(i));
    }

    int fields = 0;
    for (const QStringList& row : rows) {
        for (const QString& field : row) {
            if (++fields > 24)
                return 0;
            CsvReader::readAmount(field);
            CsvReader::detectDate(field);
            CsvReader::readDate(field, CsvReader::isoDateFormat);
            CsvReader::readDate(field, QStringLiteral("dd.MM.yy"));
        }
    }
    return 0;
}
