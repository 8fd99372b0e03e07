#include "ui/widgets/registerdate.h"

namespace {

const QString registerFormat = QStringLiteral("M/d/yyyy");

} // namespace

QString RegisterDate::toText(const QDate& date)
{
    return date.toString(registerFormat);
}

// QDate::fromString reads a two-digit "yy" year as 19yy, which is the rule the register wants.
QDate RegisterDate::fromText(const QString& text)
{
    return QDate::fromString(text, registerFormat);
}

QDate RegisterDate::fromTypedText(const QString& text)
{
    static const QString formats[] = {registerFormat, QStringLiteral("MM/dd/yyyy"),
                                      QStringLiteral("M/d/yy"), QStringLiteral("MM/dd/yy")};
    for (const QString& format : formats) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return {};
}
