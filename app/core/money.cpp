#include "app/core/money.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

qint64 minorUnitsPerUnit(Currency currency)
{
    return currency == Currency::JPY ? 1 : 100;
}

// The amount without its sign, worked out in unsigned arithmetic: the most negative 64-bit
// amount has no positive counterpart of its own type.
quint64 magnitudeOf(qint64 amount)
{
    return amount < 0 ? 0 - quint64(amount) : quint64(amount);
}

QString formatBody(quint64 magnitude, Currency currency)
{
    const QLocale english(QLocale::English);
    if (currency == Currency::JPY)
        return english.toString(magnitude);
    return QStringLiteral("%1.%2")
        .arg(english.toString(magnitude / 100))
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

// Beyond 2^53 minor units a double no longer holds every amount exactly.
constexpr double largestExactMinorUnits = 9007199254740992.0;

bool allDigits(QStringView digits)
{
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
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
    const QString body = formatBody(magnitudeOf(amount), currency);
    const QString symbol = currencySymbol(currency);
    return amount < 0 ? QStringLiteral("-%1%2").arg(symbol, body)
                      : QStringLiteral("%1%2").arg(symbol, body);
}

QString formatAmount(qint64 amount, Currency currency)
{
    const QString body = formatBody(magnitudeOf(amount), currency);
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
        const double minor = cleaned.toDouble(&ok) * 100.0;
        ok = ok && std::isfinite(minor) && std::fabs(minor) < largestExactMinorUnits;
        if (ok)
            value = static_cast<qint64>(std::round(minor));
    }
    if (!ok)
        return 0;
    return negative ? -value : value;
}

TypedAmount readTypedAmount(const QString& text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency), Qt::CaseSensitive);
    cleaned.remove(QLatin1Char(','));
    cleaned = cleaned.trimmed();
    const bool negative = cleaned.startsWith(QLatin1Char('-'));
    if (negative || cleaned.startsWith(QLatin1Char('+')))
        cleaned.remove(0, 1);

    const qsizetype point = cleaned.indexOf(QLatin1Char('.'));
    const QStringView whole = QStringView(cleaned).left(point < 0 ? cleaned.size() : point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(cleaned).sliced(point + 1);
    const bool wholeUnitsOnly = decimalPlaces(currency) == 0;
    if ((whole.isEmpty() && fraction.isEmpty()) || !allDigits(whole) || !allDigits(fraction) ||
        (wholeUnitsOnly && point >= 0))
        return {};

    // Worked out on the digits, so that no binary fraction creeps in and no length of typed
    // digits can overflow.
    QStringView significant = whole;
    while (significant.size() > 1 && significant.startsWith(QLatin1Char('0')))
        significant = significant.sliced(1);
    const qint64 largest = largestEnteredAmount(currency);
    if (significant.size() > 12)
        return {TypedAmount::Reading::TooLarge, 0};
    qint64 amount = significant.isEmpty() ? 0 : significant.toLongLong();
    if (!wholeUnitsOnly) {
        const QString cents = fraction.toString() + QStringLiteral("000");
        amount = amount * 100 + cents.left(2).toInt() + (cents.at(2) >= QLatin1Char('5') ? 1 : 0);
    }
    if (amount > largest)
        return {TypedAmount::Reading::TooLarge, 0};
    return {TypedAmount::Reading::Amount, negative ? -amount : amount};
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

bool isWithinEnteredRange(qint64 amount, Currency currency)
{
    const qint64 largest = largestEnteredAmount(currency);
    return amount >= -largest && amount <= largest;
}
