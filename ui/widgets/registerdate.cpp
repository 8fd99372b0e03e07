#include "ui/widgets/registerdate.h"

#include <QRegularExpression>

namespace {

const QString registerFormat = QStringLiteral("M/d/yyyy");
// Two-digit years below this one are of this century, as QIF files read them.
constexpr int centuryPivot = 70;

} // namespace

QString RegisterDate::toText(const QDate& date)
{
    return date.toString(registerFormat);
}

QDate RegisterDate::fromText(const QString& text)
{
    return QDate::fromString(text, registerFormat);
}

QDate RegisterDate::fromTypedText(const QString& text)
{
    for (const QString& format : {registerFormat, QStringLiteral("MM/dd/yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    // Read by hand: QDate's "yy" is 1900-1999, where 2/29/00 does not exist.
    static const QRegularExpression twoDigitYear(
        QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    const QRegularExpressionMatch match = twoDigitYear.match(text);
    if (!match.hasMatch())
        return {};
    const int year = match.captured(3).toInt();
    return QDate(year < centuryPivot ? 2000 + year : 1900 + year, match.captured(1).toInt(),
                 match.captured(2).toInt());
}
