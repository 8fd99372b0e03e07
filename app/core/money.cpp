#include "app/core/money.h"

#include <QLocale>

#include <cmath>

namespace {

qint64 minorUnitsPerUnit(Currency currency)
{
    return currency == Currency::JPY ? 1 : 100;
}

QString formatBody(qint64 magnitude, Currency currency)
{
    const QLocale english(QLocale::English);
    if (currency == Currency::JPY)
        return english.toString(magnitude);
    return QStringLiteral("%1.%2")
        .arg(english.toString(magnitude / 100))
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR:
        return QStringLiteral("€");
    case Currency::GBP:
        return QStringLiteral("£");
    case Currency::JPY:
        return QStringLiteral("¥");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD:
        break;
    }
    return QStringLiteral("$");
}

QString formatMoney(qint64 amount, Currency currency)
{
    const QString body = formatBody(amount < 0 ? -amount : amount, currency);
    const QString symbol = currencySymbol(currency);
    return amount < 0 ? QStringLiteral("-%1%2").arg(symbol, body)
                      : QStringLiteral("%1%2").arg(symbol, body);
}

QString formatAmount(qint64 amount, Currency currency)
{
    const QString body = formatBody(amount < 0 ? -amount : amount, currency);
    return amount < 0 ? QStringLiteral("-%1").arg(body) : body;
}

qint64 parseMoney(const QString& text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency), Qt::CaseSensitive);
    cleaned.remove(QLatin1Char(','));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return 0;

    const bool negative = cleaned.startsWith(QLatin1Char('-'));
    if (negative)
        cleaned.remove(0, 1);

    bool ok = false;
    qint64 value = 0;
    if (currency == Currency::JPY) {
        value = cleaned.toLongLong(&ok, 10);
    } else {
        const double units = cleaned.toDouble(&ok);
        if (ok)
            value = static_cast<qint64>(std::round(units * 100.0));
    }
    if (!ok)
        return 0;
    return negative ? -value : value;
}

int decimalPlaces(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}

qint64 toMinorUnits(double value, Currency currency)
{
    return std::llround(value * double(minorUnitsPerUnit(currency)));
}

double toMajorUnits(qint64 amount, Currency currency)
{
    return double(amount) / double(minorUnitsPerUnit(currency));
}

qint64 largestEnteredAmount(Currency currency)
{
    return 100'000'000 * minorUnitsPerUnit(currency) - 1;
}
