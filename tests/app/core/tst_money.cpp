#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"

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
    void parsing_data();
    void parsing();
    void typedUnits_data();
    void typedUnits();
    void typedAmounts_data();
    void typedAmounts();
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

void TestMoney::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("formatted dollars") << "$1,234.56" << Currency::USD << qint64(123456);
    QTest::newRow("halves away from zero, sign first")
        << "-12.345" << Currency::USD << qint64(-1235);
    QTest::newRow("half cent up") << "0.005" << Currency::USD << qint64(1);
    QTest::newRow("letters") << "abc" << Currency::USD << qint64(0);
    QTest::newRow("formatted yen") << "¥1,500" << Currency::JPY << qint64(1500);
    QTest::newRow("yen must be whole") << "12.5" << Currency::JPY << qint64(0);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("blanks") << "   " << Currency::USD << qint64(0);
    QTest::newRow("foreign symbol stays") << "€5" << Currency::USD << qint64(0);
    QTest::newRow("every comma removed") << "1,2,3" << Currency::USD << qint64(12300);
    QTest::newRow("leading plus") << "+7.25" << Currency::USD << qint64(725);
    QTest::newRow("negative euro with symbol") << "-€0.05" << Currency::EUR << qint64(-5);
    QTest::newRow("surrounding blanks") << "  42.10 " << Currency::GBP << qint64(4210);
    QTest::newRow("too many digits for any amount")
        << "99999999999999999999999.99" << Currency::USD << qint64(0);
}

void TestMoney::parsing()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, amount);
    QCOMPARE(parseMoney(text, currency), amount);
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

// Typed amounts are read strictly: text that is no amount and amounts no field takes are told
// apart from a zero.
void TestMoney::typedAmounts_data()
{
    using Reading = TypedAmount::Reading;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("plain") << "12.50" << Currency::USD << Reading::Amount << qint64(1250);
    QTest::newRow("grouped with symbol")
        << " $1,234.56 " << Currency::USD << Reading::Amount << qint64(123456);
    QTest::newRow("zero") << "0" << Currency::USD << Reading::Amount << qint64(0);
    QTest::newRow("signed") << "-5" << Currency::EUR << Reading::Amount << qint64(-500);
    QTest::newRow("cents rounded") << "12.345" << Currency::USD << Reading::Amount << qint64(1235);
    QTest::newRow("no whole part") << ".5" << Currency::USD << Reading::Amount << qint64(50);
    QTest::newRow("largest") << "99,999,999.99" << Currency::USD << Reading::Amount
                             << qint64(9'999'999'999);
    QTest::newRow("largest payment")
        << "-99999999.99" << Currency::USD << Reading::Amount << qint64(-9'999'999'999);
    QTest::newRow("whole yen") << "¥1,500" << Currency::JPY << Reading::Amount << qint64(1500);
    QTest::newRow("letters and digits")
        << "abc12x.5" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("letters") << "abc" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("two points") << "1.2.3" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("point alone") << "." << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("empty") << "" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("exponent") << "1e5" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("yen with cents") << "12.5" << Currency::JPY << Reading::NotAnAmount << qint64(0);
    QTest::newRow("foreign symbol") << "€5" << Currency::USD << Reading::NotAnAmount << qint64(0);
    QTest::newRow("one cent too many")
        << "100,000,000.00" << Currency::USD << Reading::TooLarge << qint64(0);
    QTest::newRow("rounds up past the largest")
        << "99999999.999" << Currency::USD << Reading::TooLarge << qint64(0);
    QTest::newRow("beyond any integer")
        << "99999999999999999999999.99" << Currency::USD << Reading::TooLarge << qint64(0);
    QTest::newRow("too many yen") << "100000000" << Currency::JPY << Reading::TooLarge << qint64(0);
}

void TestMoney::typedAmounts()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(TypedAmount::Reading, reading);
    QFETCH(qint64, amount);
    const TypedAmount typed = readTypedAmount(text, currency);
    QCOMPARE(typed.reading, reading);
    QCOMPARE(typed.amount, amount);
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
