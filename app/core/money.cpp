#include "app/core/money.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <optional>

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

namespace {

// How a number is written: the mark before its decimals (none: whole units only) and the marks
// that may group its thousands.
struct NumberStyle
{
    QChar decimalMark;
    QString groupMarks;
};

// A number read in one style: its whole digits without leading zeros and its decimal digits
// without trailing ones, so that two readings of one amount compare equal.
struct ReadNumber
{
    QString whole;
    QString fraction;

    bool operator==(const ReadNumber&) const = default;
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView digits)
{
    return std::all_of(digits.begin(), digits.end(), isDigit);
}

// Thousands grouped as written: a first group of one to three digits, not starting with a zero,
// then groups of three.
bool isGroupedInThrees(const QList<QStringView>& groups)
{
    const QStringView first = groups.first();
    if (first.isEmpty() || first.size() > 3 || first.startsWith(QLatin1Char('0')))
        return false;
    return std::all_of(groups.begin() + 1, groups.end(),
                       [](QStringView group) { return group.size() == 3; });
}

std::optional<ReadNumber> readAs(QStringView number, const NumberStyle& style)
{
    QStringView whole = number;
    QStringView fraction;
    bool hasDecimalMark = false;
    if (!style.decimalMark.isNull()) {
        const qsizetype mark = number.indexOf(style.decimalMark);
        if (mark >= 0) {
            if (number.indexOf(style.decimalMark, mark + 1) >= 0)
                return std::nullopt;
            hasDecimalMark = true;
            whole = number.left(mark);
            fraction = number.sliced(mark + 1);
        }
    }
    if (!allDigits(fraction) || (whole.isEmpty() && fraction.isEmpty()) ||
        (whole.isEmpty() && !hasDecimalMark))
        return std::nullopt;

    QString wholeDigits;
    QList<QStringView> groups;
    qsizetype groupStart = 0;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (style.groupMarks.contains(whole.at(i))) {
            groups.append(whole.sliced(groupStart, i - groupStart));
            groupStart = i + 1;
        } else if (!isDigit(whole.at(i))) {
            return std::nullopt;
        }
    }
    groups.append(whole.sliced(groupStart));
    if (groups.size() > 1 && !isGroupedInThrees(groups))
        return std::nullopt;
    for (const QStringView group : groups)
        wholeDigits.append(group);

    ReadNumber read{wholeDigits, fraction.toString()};
    while (read.whole.startsWith(QLatin1Char('0')))
        read.whole.remove(0, 1);
    while (read.fraction.endsWith(QLatin1Char('0')))
        read.fraction.chop(1);
    return read;
}

// Marks that stand for one another in grouping: a French number is grouped by a plain, a
// no-break or a narrow no-break space, whichever the keyboard gives; Swiss German by either
// apostrophe.
QString groupMarksLike(const QString& separator)
{
    static const QString spaces = QStringLiteral(" \u00A0\u202F\u2009");
    static const QString apostrophes = QStringLiteral("'\u2019");
    if (separator.size() != 1)
        return separator;
    if (spaces.contains(separator))
        return spaces;
    if (apostrophes.contains(separator))
        return apostrophes;
    return separator;
}

QChar decimalMarkOf(const QLocale& language)
{
    const QString mark = language.decimalPoint();
    return mark.size() == 1 ? mark.at(0) : QLatin1Char('.');
}

// The marks of the number: everything that is not a digit.
QString marksIn(QStringView number)
{
    QString marks;
    for (const QChar c : number) {
        if (!isDigit(c))
            marks.append(c);
    }
    return marks;
}

// The ways the number may be read, as the header of readTypedAmount lists them.
QList<NumberStyle> stylesFor(QStringView number, Currency currency, const QLocale& language)
{
    const NumberStyle shown{QLatin1Char('.'), QStringLiteral(",")};
    const NumberStyle own{decimalMarkOf(language), groupMarksLike(language.groupSeparator())};
    const QString commonMarks = QStringLiteral(".,") + own.groupMarks;

    // One mark throughout, grouping only.
    const QString marks = marksIn(number);
    std::optional<NumberStyle> groupingOnly;
    if (!marks.isEmpty() && commonMarks.contains(marks.front())) {
        const QString alike =
            own.groupMarks.contains(marks.front()) ? own.groupMarks : QString(marks.front());
        if (std::all_of(marks.begin(), marks.end(), [&](QChar c) { return alike.contains(c); }))
            groupingOnly = NumberStyle{QChar(), alike};
    }
    if (currency == Currency::JPY)
        return {groupingOnly.value_or(NumberStyle{})};

    QList<NumberStyle> styles{shown, own};
    // One mark followed by at most two digits.
    const qsizetype mark = marks.size() == 1 ? number.indexOf(marks.front()) : -1;
    if (mark >= 0 && number.size() - mark - 1 <= 2 &&
        (marks.front() == QLatin1Char('.') || marks.front() == QLatin1Char(',') ||
         marks.front() == own.decimalMark))
        styles.append(NumberStyle{marks.front(), QString()});
    if (groupingOnly)
        styles.append(*groupingOnly);
    return styles;
}

// The different amounts the number reads as in the styles.
QList<ReadNumber> readingsOf(QStringView number, const QList<NumberStyle>& styles)
{
    QList<ReadNumber> readings;
    for (const NumberStyle& style : styles) {
        const std::optional<ReadNumber> read = readAs(number, style);
        if (read && !readings.contains(*read))
            readings.append(*read);
    }
    return readings;
}

// The text without its sign and the currency's symbol, which may stand before or after the
// number, the sign before or after the symbol: -$5, $-5, 5 €.
QStringView numberPart(QStringView text, const QString& symbol, const QLocale& language,
                       bool* negative)
{
    const QString minus = language.negativeSign();
    *negative = false;
    bool signSeen = false;
    const auto takeSign = [&](QStringView& rest) {
        rest = rest.trimmed();
        if (signSeen)
            return;
        if (rest.startsWith(QLatin1Char('-')) || (!minus.isEmpty() && rest.startsWith(minus))) {
            *negative = signSeen = true;
            rest = rest.sliced(rest.startsWith(QLatin1Char('-')) ? 1 : minus.size());
        } else if (rest.startsWith(QLatin1Char('+'))) {
            signSeen = true;
            rest = rest.sliced(1);
        }
        rest = rest.trimmed();
    };
    QStringView rest = text;
    takeSign(rest);
    if (rest.startsWith(symbol))
        rest = rest.sliced(symbol.size());
    takeSign(rest);
    if (rest.endsWith(symbol))
        rest.chop(symbol.size());
    return rest.trimmed();
}

// An amount as the language writes it, for the messages: the whole units, its decimal mark, 50.
QString exampleAmount(const QString& whole, const QLocale& language)
{
    return QStringLiteral("%1%2%3").arg(whole, QString(decimalMarkOf(language)),
                                        QStringLiteral("50"));
}

} // namespace

TypedAmount readTypedAmount(const QString& text, Currency currency, const QLocale& language)
{
    using Reading = TypedAmount::Reading;
    bool negative = false;
    const QStringView number = numberPart(text, currencySymbol(currency), language, &negative);
    if (number.isEmpty())
        return {};

    const QList<ReadNumber> readings = readingsOf(number, stylesFor(number, currency, language));
    if (readings.isEmpty()) {
        // Yen written with decimals: say so rather than call it no amount.
        const bool decimalYen =
            currency == Currency::JPY &&
            !readingsOf(number, stylesFor(number, Currency::USD, language)).isEmpty();
        return {decimalYen ? Reading::TooManyDecimals : Reading::NotAnAmount, 0};
    }
    if (readings.size() > 1)
        return {Reading::Ambiguous, 0};

    const ReadNumber& read = readings.first();
    const int places = decimalPlaces(currency);
    if (read.fraction.size() > places)
        return {Reading::TooManyDecimals, 0};
    // Worked out on the digits, so that no binary fraction creeps in and no length of typed
    // digits can overflow.
    if (read.whole.size() > 12)
        return {Reading::TooLarge, 0};
    const qint64 whole = read.whole.isEmpty() ? 0 : read.whole.toLongLong();
    const QString cents = read.fraction.leftJustified(places, QLatin1Char('0'));
    const qint64 fraction = cents.isEmpty() ? 0 : cents.toLongLong();
    const qint64 amount = whole * minorUnitsPerUnit(currency) + fraction;
    if (amount > largestEnteredAmount(currency))
        return {Reading::TooLarge, 0};
    return {Reading::Amount, negative ? -amount : amount};
}

QString typedAmountRefusal(const QString& text, Currency currency, const QLocale& language)
{
    switch (readTypedAmount(text, currency, language).reading) {
    case TypedAmount::Reading::Amount:
        return {};
    case TypedAmount::Reading::NotAnAmount:
        break;
    case TypedAmount::Reading::Ambiguous:
        return QCoreApplication::translate(
                   "TypedAmount",
                   "\"%1\" could be read two ways: type thousands without a separator "
                   "and decimals after \"%2\", as in %3")
            .arg(text.trimmed(), QString(decimalMarkOf(language)),
                 exampleAmount(QStringLiteral("1234"), language));
    case TypedAmount::Reading::TooManyDecimals:
        if (currency == Currency::JPY)
            return QCoreApplication::translate("TypedAmount", "Enter whole yen, without decimals");
        return QCoreApplication::translate("TypedAmount", "Enter at most two decimals, as in %1")
            .arg(exampleAmount(QStringLiteral("12"), language));
    case TypedAmount::Reading::TooLarge:
        return QCoreApplication::translate("TypedAmount", "Enter an amount up to %1")
            .arg(formatAmount(largestEnteredAmount(currency), currency));
    }
    return QCoreApplication::translate("TypedAmount", "Enter a valid amount");
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
