#include "services/import/csv/csvreader.h"

#include "services/import/qif/qifparser.h"

#include <QRegularExpression>

namespace {

// True when the format's year is a "yy" run (outside quoted literal text).
bool hasTwoDigitYear(const QString& format)
{
    bool quoted = false;
    qsizetype run = 0;
    for (qsizetype i = 0; i <= format.size(); ++i) {
        const QChar c = i < format.size() ? format.at(i) : QChar();
        if (!quoted && c == QLatin1Char('y')) {
            ++run;
            continue;
        }
        if (run == 2)
            return true;
        run = 0;
        if (c == QLatin1Char('\''))
            quoted = !quoted;
    }
    return false;
}

// A currency written beside an amount: a symbol, possibly with the letters of its country
// ("US$", "C$"), an ISO code ("EUR"), or a local abbreviation ("kr", "zł").
const QString currencyPattern = QStringLiteral(
    "(?:[A-Za-z]{0,3}\\p{Sc}|\\p{Sc}[A-Za-z]{0,3}|[A-Z]{3}|kr\\.?|zł|Kč|Ft|Fr\\.?|lei|Rs\\.?)");

QString withoutCurrency(QString value)
{
    static const QRegularExpression leading(QStringLiteral("^") + currencyPattern);
    static const QRegularExpression trailing(currencyPattern + QStringLiteral("$"));
    value.remove(leading);
    value = value.trimmed();
    value.remove(trailing);
    return value.trimmed();
}

} // namespace

const QString CsvReader::isoDateFormat = QStringLiteral("ISO 8601");

const QStringList& CsvReader::detectedDateFormats()
{
    static const QStringList formats{
        QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),   QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),  QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"), QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
        QStringLiteral("dd.MM.yyyy"), QStringLiteral("d.M.yyyy"),     QStringLiteral("yyyy.MM.dd"),
        QStringLiteral("dd/MM/yy"),   QStringLiteral("d MMM yyyy"),   isoDateFormat,
    };
    return formats;
}

QList<QStringList> CsvReader::parse(const QString& text, QChar delimiter)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool pending = false; // a field has begun since the last row ended

    const auto endField = [&] {
        row.append(field.trimmed());
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (!(row.size() == 1 && row.first().isEmpty()))
            rows.append(row);
        row.clear();
        pending = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            pending = true;
        } else if (c == delimiter) {
            endField();
            pending = true;
        } else if (c == QLatin1Char('\n')) {
            endRow();
        } else if (c == QLatin1Char('\r')) {
            // Old Mac exports end their lines with a carriage return alone.
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            field.append(c);
            pending = true;
        }
    }
    if (pending || !row.isEmpty() || !field.isEmpty())
        endRow();
    return rows;
}

QDate CsvReader::dateInFormat(const QString& text, const QString& format)
{
    if (format == isoDateFormat)
        return QDate::fromString(text, Qt::ISODate);
    QDate date = QDate::fromString(text, format);
    // QDate reads "yy" as 19yy; a bank export of 2024 means 2024.
    if (date.isValid() && hasTwoDigitYear(format) && date.year() >= 1900 && date.year() < 1970)
        date = date.addYears(100);
    return date;
}

QDate CsvReader::detectDate(const QString& text)
{
    for (const QString& format : detectedDateFormats()) {
        const QDate date = dateInFormat(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QDate CsvReader::readDate(const QString& text, const QString& format)
{
    if (!format.isEmpty()) {
        const QDate date = dateInFormat(text, format);
        if (date.isValid())
            return date;
    }
    return detectDate(text);
}

std::optional<qint64> CsvReader::readAmount(const QString& text)
{
    // The sign and the parentheses of a negative amount stay around the number.
    QString value = text.trimmed();
    const bool parenthesised =
        value.startsWith(QLatin1Char('(')) && value.endsWith(QLatin1Char(')'));
    if (parenthesised)
        value = value.mid(1, value.size() - 2).trimmed();
    QString sign;
    if (value.startsWith(QLatin1Char('-')) || value.startsWith(QLatin1Char('+'))) {
        sign = value.left(1);
        value = value.mid(1).trimmed();
    }
    value = sign + withoutCurrency(value);
    return QifParser::parseAmount(parenthesised ? QLatin1Char('(') + value + QLatin1Char(')')
                                                : value);
}
