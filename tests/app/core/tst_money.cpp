#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(Currency)

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void formatting_data();
    void formatting();
    void typedUnits_data();
    void typedUnits();
    void typedAmounts_data();
    void typedAmounts();
    void shownAmountsReadBack_data();
    void shownAmountsReadBack();
    void refusalsSayHowToType_data();
    void refusalsSayHowToType();
    void nameBasedIdsAreStable();
    void randomIdsAreLowerCaseUuids();
    void timestampsRoundTripInUtc();
    void storedDatesReadAlikeFromTextAndBytes_data();
    void storedDatesReadAlikeFromTextAndBytes();
};

void TestMoney::formatting_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("plain");

    QTest::newRow("grouped dollars") << qint64(123456) << Currency::USD << "$1,234.56"
                                     << "1,234.56";
    QTest::newRow("minus before euro symbol") << qint64(-5) << Currency::EUR << "-€0.05"
                                              << "-0.05";
    QTest::newRow("zero pounds") << qint64(0) << Currency::GBP << "£0.00"
                                 << "0.00";
    QTest::newRow("yen has no minor unit") << qint64(1500) << Currency::JPY << "¥1,500"
                                           << "1,500";
    QTest::newRow("one negative cent") << qint64(-1) << Currency::USD << "-$0.01"
                                       << "-0.01";
    QTest::newRow("one dollar") << qint64(100) << Currency::USD << "$1.00"
                                << "1.00";
    QTest::newRow("canadian dollar sign") << qint64(-123456) << Currency::CAD << "-$1,234.56"
                                          << "-1,234.56";
    QTest::newRow("millions") << qint64(123456789012) << Currency::AUD << "$1,234,567,890.12"
                              << "1,234,567,890.12";
    // Balances that came from elsewhere (a sync server, a backup) may hold any 64-bit value.
    QTest::newRow("most negative 64-bit dollars")
        << std::numeric_limits<qint64>::min() << Currency::USD << "-$92,233,720,368,547,758.08"
        << "-92,233,720,368,547,758.08";
    QTest::newRow("most negative 64-bit yen")
        << std::numeric_limits<qint64>::min() << Currency::JPY << "-¥9,223,372,036,854,775,808"
        << "-9,223,372,036,854,775,808";
    QTest::newRow("most positive 64-bit euros")
        << std::numeric_limits<qint64>::max() << Currency::EUR << "€92,233,720,368,547,758.07"
        << "92,233,720,368,547,758.07";
}

void TestMoney::formatting()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, money);
    QFETCH(QString, plain);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), plain);
}

// What the forms' amount boxes hold (whole units) against what is stored (minor units).
void TestMoney::typedUnits_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("stored");

    QTest::newRow("dollars and cents") << 12.5 << Currency::USD << qint64(1250);
    QTest::newRow("cents never truncated") << 0.29 << Currency::EUR << qint64(29);
    QTest::newRow("yen are whole") << 1500.0 << Currency::JPY << qint64(1500);
    QTest::newRow("negative balance") << -1234.56 << Currency::GBP << qint64(-123456);
}

void TestMoney::typedUnits()
{
    QFETCH(double, typed);
    QFETCH(Currency, currency);
    QFETCH(qint64, stored);
    QCOMPARE(toMinorUnits(typed, currency), stored);
    QCOMPARE(toMajorUnits(stored, currency), typed);
    QCOMPARE(decimalPlaces(currency), currency == Currency::JPY ? 0 : 2);
    // The forms' ceiling is the same figure in every currency: 99,999,999 and the cents.
    QCOMPARE(formatAmount(largestEnteredAmount(currency), currency),
             currency == Currency::JPY ? QStringLiteral("99,999,999")
                                       : QStringLiteral("99,999,999.99"));
}

Q_DECLARE_METATYPE(TypedAmount::Reading)

// Typed amounts are read strictly, in the interface language: text that is no amount, text
// that could mean two amounts and amounts no field takes are told apart from a zero.
void TestMoney::typedAmounts_data()
{
    using Reading = TypedAmount::Reading;
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<qint64>("amount");

    const auto row = [](const char* name, const char* language, const QString& text,
                        Currency currency, Reading reading, qint64 amount = 0) {
        QTest::newRow(name) << QString::fromLatin1(language) << text << currency << reading
                            << amount;
    };
    const Currency usd = Currency::USD;
    const Currency eur = Currency::EUR;
    const Currency jpy = Currency::JPY;
    const qint64 largest = 9'999'999'999;

    // English, as typed and as the register shows amounts.
    row("en plain", "en", "12.50", usd, Reading::Amount, 1250);
    row("en grouped with symbol", "en", " $1,234.56 ", usd, Reading::Amount, 123456);
    row("en zero", "en", "0", usd, Reading::Amount, 0);
    row("en signed", "en", "-5", eur, Reading::Amount, -500);
    row("en leading plus", "en", "+7.25", usd, Reading::Amount, 725);
    row("en no whole part", "en", ".5", usd, Reading::Amount, 50);
    row("en point without cents", "en", "12.", usd, Reading::Amount, 1200);
    row("en trailing zeros", "en", "12.50000", usd, Reading::Amount, 1250);
    row("en comma groups", "en", "1,234", usd, Reading::Amount, 123400);
    row("en millions", "en", "1,234,567.89", usd, Reading::Amount, 123456789);
    row("en comma before cents is decimal", "en", "12,50", usd, Reading::Amount, 1250);
    row("en comma before one digit", "en", "12,5", usd, Reading::Amount, 1250);
    row("en points grouping millions", "en", "1.234.567", usd, Reading::Amount, 123456700);
    row("en minus before euro symbol", "en", "-€0.05", eur, Reading::Amount, -5);
    row("en minus after euro symbol", "en", "€-5", eur, Reading::Amount, -500);
    row("en euro symbol after", "en", "5 €", eur, Reading::Amount, 500);
    row("en largest", "en", "99,999,999.99", usd, Reading::Amount, largest);
    row("en largest payment", "en", "-99999999.99", usd, Reading::Amount, -largest);
    row("en point before three digits", "en", "1.234", usd, Reading::Ambiguous);
    row("en cents or thousands", "en", "12.345", usd, Reading::Ambiguous);
    row("en three decimals", "en", "0.125", usd, Reading::TooManyDecimals);
    row("en decimals past the largest", "en", "99999999.999", usd, Reading::TooManyDecimals);
    row("en German form", "en", "1.234,56", usd, Reading::NotAnAmount);
    row("en groups not of three", "en", "1,23,456", usd, Reading::NotAnAmount);
    row("en letters and digits", "en", "abc12x.5", usd, Reading::NotAnAmount);
    row("en letters", "en", "abc", usd, Reading::NotAnAmount);
    row("en two points", "en", "1.2.3", usd, Reading::NotAnAmount);
    row("en point alone", "en", ".", usd, Reading::NotAnAmount);
    row("en empty", "en", "", usd, Reading::NotAnAmount);
    row("en sign alone", "en", "-", usd, Reading::NotAnAmount);
    row("en exponent", "en", "1e5", usd, Reading::NotAnAmount);
    row("en foreign symbol", "en", "€5", usd, Reading::NotAnAmount);
    row("en symbol inside", "en", "1$2", usd, Reading::NotAnAmount);
    row("en one cent too many", "en", "100,000,000.00", usd, Reading::TooLarge);
    row("en beyond any integer", "en", "99999999999999999999999.99", usd, Reading::TooLarge);

    // German (Spanish alike): its own form and the register's.
    row("de decimal comma", "de", "12,50", usd, Reading::Amount, 1250);
    row("de grouped", "de", "1.234,56", usd, Reading::Amount, 123456);
    row("de one decimal", "de", "1.234,5", usd, Reading::Amount, 123450);
    row("de cents only", "de", "0,05", usd, Reading::Amount, 5);
    row("de negative", "de", "-12,50", usd, Reading::Amount, -1250);
    row("de euro before", "de", "€12,50", eur, Reading::Amount, 1250);
    row("de euro after", "de", "12,50 €", eur, Reading::Amount, 1250);
    row("de points grouping millions", "de", "1.234.567", usd, Reading::Amount, 123456700);
    row("de as the register shows", "de", "1,234.56", usd, Reading::Amount, 123456);
    row("de cents as the register shows", "de", "12.50", usd, Reading::Amount, 1250);
    row("de commas grouping millions", "de", "1,234,567", usd, Reading::Amount, 123456700);
    row("de comma before three digits", "de", "1,234", usd, Reading::Ambiguous);
    row("de point before three digits", "de", "1.234", usd, Reading::Ambiguous);
    row("de three decimals", "de", "1.234,567", usd, Reading::TooManyDecimals);
    row("de space is no German grouping", "de", "1 234,56", usd, Reading::NotAnAmount);
    row("de too large", "de", "100.000.000,00", usd, Reading::TooLarge);
    row("es grouped", "es", "1.234,56", eur, Reading::Amount, 123456);
    row("es decimal comma", "es", "12,50", eur, Reading::Amount, 1250);

    // French groups by a space of any width.
    row("fr narrow no-break space", "fr", QStringLiteral("1\u202F234,56"), eur, Reading::Amount,
        123456);
    row("fr no-break space", "fr", QStringLiteral("1\u00A0234,56"), eur, Reading::Amount, 123456);
    row("fr plain space", "fr", "1 234 567,89", eur, Reading::Amount, 123456789);
    row("fr decimal comma", "fr", "12,50", eur, Reading::Amount, 1250);
    row("fr as the register shows", "fr", "1,234.56", eur, Reading::Amount, 123456);
    row("fr comma before three digits", "fr", "1,234", eur, Reading::Ambiguous);
    row("fr spaces not of three", "fr", "12 34,56", eur, Reading::NotAnAmount);

    row("ja grouped", "ja", "1,234.56", usd, Reading::Amount, 123456);
    row("ja comma before cents", "ja", "12,50", usd, Reading::Amount, 1250);
    row("ja point before three digits", "ja", "1.234", usd, Reading::Ambiguous);
    row("de_CH apostrophe", "de_CH", "1'234.56", usd, Reading::Amount, 123456);
    row("de_CH typographic apostrophe", "de_CH", QStringLiteral("1\u2019234.56"), usd,
        Reading::Amount, 123456);

    // Yen have no decimals: their marks only group.
    row("yen as shown", "en", "¥1,500", jpy, Reading::Amount, 1500);
    row("yen grouped by a point", "en", "1.500", jpy, Reading::Amount, 1500);
    row("yen in German", "de", "1.500", jpy, Reading::Amount, 1500);
    row("yen grouped by a comma in German", "de", "1,500", jpy, Reading::Amount, 1500);
    row("yen in French", "fr", "1 500", jpy, Reading::Amount, 1500);
    row("yen with cents", "en", "12.5", jpy, Reading::TooManyDecimals);
    row("yen with a decimal comma", "de", "12,50", jpy, Reading::TooManyDecimals);
    row("yen with symbol and cents", "en", "¥12.5", jpy, Reading::TooManyDecimals);
    row("yen letters", "en", "abc", jpy, Reading::NotAnAmount);
    row("yen groups not of three", "en", "1,50,0", jpy, Reading::NotAnAmount);
    row("too many yen", "en", "100000000", jpy, Reading::TooLarge);
}

void TestMoney::typedAmounts()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(TypedAmount::Reading, reading);
    QFETCH(qint64, amount);
    const TypedAmount typed = readTypedAmount(text, currency, QLocale(language));
    QCOMPARE(typed.reading, reading);
    QCOMPARE(typed.amount, amount);
    QCOMPARE(typedAmountRefusal(text, currency, QLocale(language)).isEmpty(),
             reading == TypedAmount::Reading::Amount);
}

// Whatever an amount shows, in the register or in a form of any language, reads back as that
// amount: editing a shown amount never changes it.
void TestMoney::shownAmountsReadBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Currency>("currency");
    for (const char* language : {"en", "de", "es", "fr", "ja", "de_CH"}) {
        for (const Currency currency : {Currency::USD, Currency::EUR, Currency::JPY}) {
            QTest::addRow("%s %d", language, int(currency))
                << QString::fromLatin1(language) << currency;
        }
    }
}

void TestMoney::shownAmountsReadBack()
{
    QFETCH(QString, language);
    QFETCH(Currency, currency);
    // The forms show amounts without grouping, as spin boxes do.
    QLocale locale(language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const qint64 amount : {qint64(0), qint64(5), qint64(1250), qint64(-100000), qint64(123456),
                                qint64(100000000), qint64(9'999'999'999)}) {
        if (!isWithinEnteredRange(amount, currency))
            continue;
        const QString shown = formatAmount(amount, currency);
        const TypedAmount fromRegister = readTypedAmount(shown, currency, locale);
        QVERIFY2(fromRegister.isAmount() && fromRegister.amount == amount, qPrintable(shown));

        const QString form = currency == Currency::JPY
                                 ? locale.toString(amount)
                                 : locale.toString(toMajorUnits(amount, currency), 'f', 2);
        const TypedAmount fromForm = readTypedAmount(form, currency, locale);
        QVERIFY2(fromForm.isAmount() && fromForm.amount == amount, qPrintable(form));
    }
}

void TestMoney::refusalsSayHowToType_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("ambiguous in German")
        << "de"
        << "1,234" << Currency::EUR
        << "\"1,234\" could be read two ways: type thousands without a separator and decimals "
           "after \",\", as in 1234,50";
    QTest::newRow("ambiguous in English")
        << "en"
        << " 1.234 " << Currency::USD
        << "\"1.234\" could be read two ways: type thousands without a separator and decimals "
           "after \".\", as in 1234.50";
    QTest::newRow("three decimals in French")
        << "fr"
        << "0,125" << Currency::EUR << "Enter at most two decimals, as in 12,50";
    QTest::newRow("yen with decimals")
        << "ja"
        << "12.5" << Currency::JPY << "Enter whole yen, without decimals";
    QTest::newRow("letters") << "de"
                             << "abc" << Currency::EUR << "Enter a valid amount";
    QTest::newRow("too large") << "de"
                               << "100.000.000" << Currency::EUR
                               << "Enter an amount up to 99,999,999.99";
}

void TestMoney::refusalsSayHowToType()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(QString, refusal);
    QCOMPARE(typedAmountRefusal(text, currency, QLocale(language)), refusal);
}

void TestMoney::nameBasedIdsAreStable()
{
    const QString id = nameBasedId(dnsNamespace(), QStringLiteral("expense::Charitable Donations"));
    QCOMPARE(id, QStringLiteral("7f07774b-f677-5f76-9b37-c190c8a585bd"));
    QCOMPARE(nameBasedId(dnsNamespace(), QStringLiteral("expense::Charitable Donations")), id);
    QVERIFY(nameBasedId(recurringNamespace(), QStringLiteral("expense::Charitable Donations")) !=
            id);
}

void TestMoney::randomIdsAreLowerCaseUuids()
{
    static const QRegularExpression shape(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    const QString first = newId();
    QCOMPARE(first.size(), 36);
    QVERIFY2(shape.match(first).hasMatch(), qPrintable(first));
    QVERIFY(newId() != first);
}

void TestMoney::timestampsRoundTripInUtc()
{
    const QDateTime written(QDate(2024, 3, 5), QTime(9, 5, 7), Qt::UTC);
    const QString text = toIsoTimestamp(written);
    QCOMPARE(text, QStringLiteral("2024-03-05T09:05:07Z"));
    const QDateTime read = fromIsoTimestamp(text);
    QCOMPARE(read, written);
    QCOMPARE(read.timeSpec(), Qt::UTC);

    const QDateTime withOffset = fromIsoTimestamp(QStringLiteral("2024-03-05T11:05:07+02:00"));
    QCOMPARE(withOffset.toUTC(), written);
    QCOMPARE(withOffset.offsetFromUtc(), 7200);

    QCOMPARE(toIsoDate(QDate(2024, 2, 29)), QStringLiteral("2024-02-29"));
    QCOMPARE(fromIsoDate(QStringLiteral("2024-02-29")), QDate(2024, 2, 29));
    QVERIFY(!fromIsoDate(QStringLiteral("2023-02-29")).isValid());
    QVERIFY(toIsoTimestamp(nowUtc()).endsWith(QLatin1Char('Z')));

    // Texts that look like the stored form but are not dates stay invalid.
    for (const char* broken : {"abcd-01-01", "2024-13-01", "2024-00-10", "-001-01-01", ""})
        QVERIFY2(!fromIsoDate(QString::fromLatin1(broken)).isValid(), broken);
    for (const char* broken :
         {"2024-02-30T10:00:00Z", "2024-02-10T25:00:00Z", "2024-02-10T1x:00:00Z", "garbage"})
        QVERIFY2(!fromIsoTimestamp(QString::fromLatin1(broken)).isValid(), broken);
    QCOMPARE(fromIsoTimestamp(QStringLiteral("2024-02-10T10:00:00.250Z")).time(),
             QTime(10, 0, 0, 250));
}

void TestMoney::storedDatesReadAlikeFromTextAndBytes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("date");
    QTest::newRow("as written") << "2024-03-05" << QDate(2024, 3, 5);
    QTest::newRow("leap day") << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("no such day") << "2023-02-29" << QDate();
    QTest::newRow("month thirteen") << "2024-13-01" << QDate();
    QTest::newRow("letters in the day") << "2024-03-0x" << QDate();
    QTest::newRow("with a time") << "2024-03-05T10:00:00" << QDate(2024, 3, 5);
    QTest::newRow("short") << "2024-3-5" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestMoney::storedDatesReadAlikeFromTextAndBytes()
{
    QFETCH(QString, stored);
    QFETCH(QDate, date);
    QCOMPARE(fromIsoDate(stored), date);
    const QByteArray bytes = stored.toUtf8();
    QCOMPARE(fromIsoDate(QByteArrayView(bytes)), date);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
