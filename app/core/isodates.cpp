#include "app/core/isodates.h"

namespace {

// Reads `count` ASCII digits at `position`; -1 when any is not a digit.
int digits(const QString& text, int position, int count)
{
    int value = 0;
    for (int i = position; i < position + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool isCanonicalDate(const QString& text)
{
    return text.size() >= 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-');
}

// The register reads tens of thousands of stored values per reload, nearly all in the exact
// form this program writes; those are read directly and everything else goes through Qt.
QDate canonicalDate(const QString& text)
{
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return QDate::fromString(text.left(10), Qt::ISODate);
    return QDate(year, month, day);
}

} // namespace

QString toIsoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate fromIsoDate(const QString& text)
{
    if (text.size() == 10 && isCanonicalDate(text))
        return canonicalDate(text);
    return QDate::fromString(text, Qt::ISODate);
}

QDate fromIsoDate(QByteArrayView text)
{
    const auto number = [&text](int position, int count) {
        int value = 0;
        for (int i = position; i < position + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        const int year = number(0, 4);
        const int month = number(5, 2);
        const int day = number(8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return fromIsoDate(QString::fromUtf8(text));
}

QString toIsoTimestamp(const QDateTime& timestamp)
{
    return timestamp.toString(Qt::ISODate);
}

QDateTime fromIsoTimestamp(const QString& text)
{
    // "yyyy-MM-ddTHH:mm:ssZ"
    if (text.size() == 20 && isCanonicalDate(text) && text.at(10) == QLatin1Char('T') &&
        text.at(13) == QLatin1Char(':') && text.at(16) == QLatin1Char(':') &&
        text.at(19) == QLatin1Char('Z')) {
        const QDate date = canonicalDate(text);
        const QTime time(digits(text, 11, 2), digits(text, 14, 2),
                         digits(text, 17, 2)); // -1: invalid
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

QDateTime nowUtc()
{
    QDateTime now = QDateTime::currentDateTimeUtc();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return now;
}
