#include "services/import/csv/csvreader.h"

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

} // namespace

QList<QStringList> CsvReader::parse(const QString& text)
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
        } else if (c == QLatin1Char(',')) {
            endField();
            pending = true;
        } else if (c == QLatin1Char('\n')) {
            endRow();
        } else if (c != QLatin1Char('\r')) {
            field.append(c);
            pending = true;
        }
    }
    if (pending || !row.isEmpty() || !field.isEmpty())
        endRow();
    return rows;
}

QDate CsvReader::fromFormat(const QString& text, const QString& format)
{
    QDate date = QDate::fromString(text, format);
    // QDate reads "yy" as 19yy; a bank export of 2024 means 2024.
    if (date.isValid() && hasTwoDigitYear(format) && date.year() >= 1900 && date.year() < 1970)
        date = date.addYears(100);
    return date;
}

QDate CsvReader::detectDate(const QString& text)
{
    static const QStringList formats{
        QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),   QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),  QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"), QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    for (const QString& format : formats) {
        const QDate date = fromFormat(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QDate CsvReader::readDate(const QString& text, const QString& format)
{
    if (!format.isEmpty()) {
        const QDate date = fromFormat(text, format);
        if (date.isValid())
            return date;
    }
    return detectDate(text);
}
