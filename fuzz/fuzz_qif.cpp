#include "fuzz/fuzzapplication.h"
#include "services/import/qif/qifparser.h"

#include <QString>

// The QIF parser over any bytes, with each date order, and its amount and date readers on
// every line.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int dateOrder : {0, 1, 2})
        QifParser::parse(text, dateOrder);
    QifParser::detectDateOrder(text);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(0, 64)) {
        QifParser::parseAmount(line);
        QifParser::parseDate(line, 1);
        QifParser::parseDate(line, 2);
    }
    return 0;
}
