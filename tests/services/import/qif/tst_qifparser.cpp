#include "services/import/importservice.h"

#include <QTest>

// Reading QIF text: amounts, dates and their order, every section kind and field letter, and
// the decoding of the file's bytes.
class TestQifParser : public QObject
{
    Q_OBJECT

private:
    static QString summary(const QifTransaction& t)
    {
        QStringList splits;
        for (const QifSplit& s : t.splits)
            splits << QStringLiteral("%1/%2/%3/%4")
                          .arg(s.categoryName, s.transferAccount, s.memo)
                          .arg(s.amount);
        return QStringList{t.date.toString(Qt::ISODate),
                           t.accountName,
                           t.payee,
                           QString::number(t.amount),
                           t.categoryName,
                           t.transferAccount,
                           t.memo,
                           t.checkNumber,
                           t.security,
                           QString(t.reconciled ? "R"
                                   : t.cleared  ? "C"
                                                : "-"),
                           splits.join(QLatin1Char(';'))}
            .join(QLatin1Char('|'));
    }

private slots:
    void amounts_data();
    void amounts();
    void dates_data();
    void dates();
    void dateOrderFollowsTheFile();
    void everySectionAndLetter();
    void recordsWithoutHeader_data();
    void recordsWithoutHeader();
    void transactionsInAnAccountList_data();
    void transactionsInAnAccountList();
    void fieldsKeepToOneLine();
    void decoding_data();
    void decoding();
};

void TestQifParser::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("comma thousands") << "1,234.56" << true << qint64(123456);
    QTest::newRow("dot thousands, comma decimal") << "1.234,56" << true << qint64(123456);
    QTest::newRow("plain") << "1234.56" << true << qint64(123456);
    QTest::newRow("parentheses are negative") << "(12.50)" << true << qint64(-1250);
    QTest::newRow("minus inside parentheses cancels") << "(-12.50)" << true << qint64(1250);
    QTest::newRow("one group of three is thousands") << "1,234" << true << qint64(123400);
    QTest::newRow("two digits after a comma are cents") << "12,34" << true << qint64(1234);
    QTest::newRow("four digits before a thousands separator") << "1234.567" << false << qint64(0);
    QTest::newRow("repeated separator with a short group") << "1,23,456" << false << qint64(0);
    QTest::newRow("dollar before the sign") << "$-5" << true << qint64(-500);
    QTest::newRow("euro with blank thousands") << "€ 1 000,00" << true << qint64(100000);
    QTest::newRow("leading plus") << "+7" << true << qint64(700);
    QTest::newRow("half a cent rounds away from zero") << "-1,005.005" << true << qint64(-100501);
    QTest::newRow("below half a cent rounds down") << "1,000.0049" << true << qint64(100000);
    QTest::newRow("fraction only") << ".5" << true << qint64(50);
    QTest::newRow("millions") << "12,345,678.90" << true << qint64(1234567890);
    QTest::newRow("empty") << "  " << false << qint64(0);
    QTest::newRow("symbol only") << "$" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
    QTest::newRow("point only") << "." << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("unbalanced parenthesis") << "(5" << false << qint64(0);
    QTest::newRow("far too many digits") << "12345678901234567890" << false << qint64(0);
    QTest::newRow("largest amount a field takes")
        << "-99,999,999.99" << true << qint64(-9'999'999'999);
    QTest::newRow("beyond what a field takes") << "100,000,000.00" << false << qint64(0);
}

void TestQifParser::amounts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, cents);
    const std::optional<qint64> amount = ImportService::parseQifAmount(text);
    QCOMPARE(amount.has_value(), valid);
    if (valid)
        QCOMPARE(*amount, cents);
}

void TestQifParser::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("date");

    QTest::newRow("short year") << "1/2/24" << 1 << QDate(2024, 1, 2);
    QTest::newRow("apostrophe before the year") << "1/2'24" << 1 << QDate(2024, 1, 2);
    QTest::newRow("blanks inside") << " 1/ 2/24" << 1 << QDate(2024, 1, 2);
    QTest::newRow("1999") << "12/31/99" << 1 << QDate(1999, 12, 31);
    QTest::newRow("69 is 2069") << "1.2.69" << 1 << QDate(2069, 1, 2);
    QTest::newRow("70 is 1970") << "1-2-70" << 1 << QDate(1970, 1, 2);
    QTest::newRow("single-digit year") << "6/15/5" << 1 << QDate(2005, 6, 15);
    QTest::newRow("ISO") << "2024-03-05" << 1 << QDate(2024, 3, 5);
    QTest::newRow("ISO whatever the order") << "2024-03-05" << 2 << QDate(2024, 3, 5);
    QTest::newRow("day-first order") << "05/03/2024" << 2 << QDate(2024, 3, 5);
    QTest::newRow("month-first order") << "05/03/2024" << 1 << QDate(2024, 5, 3);
    QTest::newRow("undecided order reads a day above 12")
        << "25/12/2023" << 0 << QDate(2023, 12, 25);
    QTest::newRow("month 25 does not exist") << "25/12/2023" << 1 << QDate();
    QTest::newRow("impossible day") << "02/30/2024" << 1 << QDate();
    QTest::newRow("two parts") << "1/2" << 1 << QDate();
    QTest::newRow("not numbers") << "Jan/2/2024" << 1 << QDate();
    QTest::newRow("empty") << "" << 1 << QDate();
}

void TestQifParser::dates()
{
    QFETCH(QString, text);
    QFETCH(int, order);
    QFETCH(QDate, date);
    QCOMPARE(ImportService::parseQifDate(text, order), date);
}

void TestQifParser::dateOrderFollowsTheFile()
{
    // One date that can only be day-first makes every date of the file day-first.
    const QifParseResult dayFirst =
        ImportService::parseQif("!Type:Bank\nD03/04/2023\nT1\n^\nD25/12/2023\nT2\n^\n");
    QCOMPARE(dayFirst.dateOrder, 2);
    QCOMPARE(dayFirst.transactions.at(0).date, QDate(2023, 4, 3));
    QCOMPARE(dayFirst.transactions.at(1).date, QDate(2023, 12, 25));

    const QifParseResult monthFirst =
        ImportService::parseQif("!Type:Bank\nD03/04/2023\nT1\n^\nD2023-12-25\nT2\n^\n");
    QCOMPARE(monthFirst.dateOrder, 1);
    QCOMPARE(monthFirst.transactions.at(0).date, QDate(2023, 3, 4));

    // A given order is used as it is.
    QCOMPARE(ImportService::parseQif("D25/12/2023\nT1\n^\n", 1).transactions.size(), 0);
}

void TestQifParser::everySectionAndLetter()
{
    const QString text = QString::fromUtf8(
        "\xEF\xBB\xBF!Option:AutoSwitch\r\n"
        "!Account\r\nNChecking\r\nTBank\r\n^\r\nNVisa\r\nTCCard\r\n^\r\n"
        "!Clear:AutoSwitch\r\n"
        "!Type:Cat\nNGroceries\nDFood and household\nE\n^\nNSalary\nI\n^\nNHome:Rent\n^\n"
        "!Type:Class\nNBusiness\n^\n"
        "!Account\nNChecking\nTBank\n^\n"
        "!type:bank\n"
        "D01/05/2024\nT-1,234.56\nU-1,234.56\nPLandlord\nMJanuary rent\nLHome:Rent/Business\n"
        "N1001\nCX\nAStreet 1\n^\n"
        "D01/06/2024\nT-100.00\nPTo savings\nL [Savings] \nCR\n^\n"
        "   \n"
        "D01/07/2024\nT2,500.00\nPEmployer\nSSalary\n$3,000.00\nESplit memo\nS[Savings]\n"
        "$-500.00\nEPut aside\n^\n"
        "D01/08/2024\nPNo amount\n^\n"
        "!Account\nNVisa\nTCCard\n^\n!Type:CCard\nD01/09/2024\n$-45.00\nPCafé\nC*\n^\n"
        "!Type:Security\nNAcme Corp\nSACME\n^\n"
        "!Account\nNBrokerage\nTInvst\n^\n!Type:Invst\nD01/10/2024\nNBuy\nYAcme Corp\n"
        "T-1,000.00\n^\n"
        "!Account\nNchecking\n^\n!Type:Oth L\nD01/11/2024\nT1\n");

    const QifParseResult result = ImportService::parseQif(text);
    QStringList transactions;
    for (const QifTransaction& t : result.transactions)
        transactions << summary(t);
    QCOMPARE(transactions,
             (QStringList{
                 "2024-01-05|Checking|Landlord|-123456|Home:Rent||January rent|1001||C|",
                 "2024-01-06|Checking|To savings|-10000||Savings||||R|",
                 "2024-01-07|Checking|Employer|250000||||||-|Salary//Split memo/300000;"
                 "/Savings/Put aside/-50000",
                 "2024-01-09|Visa|Café|-4500||||||C|",
                 "2024-01-10|Brokerage||-100000||||Buy|Acme Corp|-|",
                 "2024-01-11|checking||100||||||-|",
             }));

    QStringList accounts;
    for (const QifAccount& account : result.accounts)
        accounts << QStringLiteral("%1 %2").arg(account.name).arg(account.typeIndex);
    // Each name once, whatever its case; the type of the section it was first met in.
    QCOMPARE(accounts, (QStringList{"Checking 0", "Visa 1", "Brokerage 2"}));

    QStringList categories;
    for (const QifCategoryDefinition& c : result.categories)
        categories << QStringLiteral("%1|%2|%3")
                          .arg(c.name, c.description, c.isIncome ? "income" : "expense");
    QCOMPARE(categories, (QStringList{"Groceries|Food and household|expense", "Salary||income",
                                      "Home:Rent||expense"}));

    QCOMPARE(result.unparseable, 1); // the record without an amount
    QCOMPARE(result.metadata, 2);    // the class and the security
}

void TestQifParser::recordsWithoutHeader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("transactions");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<int>("metadata");

    QTest::newRow("no header at all") << "D1/2/24\nT5\n^\nD1/3/24\nT6" << 2 << 0 << 0;
    QTest::newRow("unknown header reads as no header") << "!Foo\nD1/2/24\nT5\n^\n" << 1 << 0 << 0;
    QTest::newRow("date that does not parse") << "!Type:Bank\nD99/99/99\nT5\n^\n" << 0 << 1 << 0;
    QTest::newRow("amount that does not parse") << "!Type:Bank\nD1/2/24\nTabc\n^\n" << 0 << 1 << 0;
    QTest::newRow("amount beyond what a field takes")
        << "!Type:Bank\nD1/2/24\nT-999999999999.00\n^\n"
        << 0 << 1 << 0;
    QTest::newRow("memorized list is metadata") << "!Type:Memorized\nKC\nPRent\nT-5\n^\nPGym\n^\n"
                                                << 0 << 0 << 2;
    QTest::newRow("empty records count nothing") << "!Type:Bank\n^\n^\n\n" << 0 << 0 << 0;
}

void TestQifParser::recordsWithoutHeader()
{
    QFETCH(QString, text);
    QFETCH(int, transactions);
    QFETCH(int, unparseable);
    QFETCH(int, metadata);
    const QifParseResult result = ImportService::parseQif(text);
    QCOMPARE(result.transactions.size(), transactions);
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(result.metadata, metadata);
    QVERIFY(result.accounts.isEmpty());
}

void TestQifParser::transactionsInAnAccountList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("transactions"); // date|account|payee|amount|check number
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<int>("unparseable");

    QTest::newRow("records right after the account are its transactions")
        << "!Account\nNVisa\nTCCard\n^\nD01/09/2024\nT-45.00\nPCafe\nN1001\n^\n"
           "D01/10/2024\nU-5.00\nPBus\n^\n"
        << QStringList{"2024-01-09|Visa|Cafe|-4500|1001", "2024-01-10|Visa|Bus|-500|"}
        << QStringList{"Visa 1"} << 0;
    QTest::newRow("each account followed by its own records")
        << "!Account\nNChecking\nTBank\n^\nD1/2/24\nT-5\nPShop\n^\n"
           "!Account\nNCash box\nTCash\n^\nD1/3/24\nT-1\nPBus\n^\n"
        << QStringList{"2024-01-02|Checking|Shop|-500|", "2024-01-03|Cash box|Bus|-100|"}
        << QStringList{"Checking 0", "Cash box 3"} << 0;
    QTest::newRow("a record with only a date or only an amount is broken")
        << "!Account\nNChecking\nTBank\n^\nD1/2/24\nPNo amount\n^\nT-5\nPNo date\n^\n"
        << QStringList{} << QStringList{} << 2;
    QTest::newRow("an account with its statement balance stays an account")
        << "!Account\nNSavings\nTBank\nDRainy day fund\n/12/31/2023\n$1,000.00\n^\n"
           "!Type:Bank\nD1/2/24\nT5\nPInterest\n^\n"
        << QStringList{"2024-01-02|Savings|Interest|500|"} << QStringList{"Savings 0"} << 0;
    QTest::newRow("a type line after the account still sets the type")
        << "!Account\nNVisa\nTCCard\n^\n!Type:Bank\nD1/2/24\nT5\nPRefund\n^\n"
        << QStringList{"2024-01-02|Visa|Refund|500|"} << QStringList{"Visa 0"} << 0;
}

void TestQifParser::transactionsInAnAccountList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, transactions);
    QFETCH(QStringList, accounts);
    QFETCH(int, unparseable);

    const QifParseResult result = ImportService::parseQif(text);
    QStringList read;
    for (const QifTransaction& t : result.transactions)
        read << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(t.date.toString(Qt::ISODate), t.accountName, t.payee)
                    .arg(t.amount)
                    .arg(t.checkNumber);
    QCOMPARE(read, transactions);
    QStringList met;
    for (const QifAccount& account : result.accounts)
        met << QStringLiteral("%1 %2").arg(account.name).arg(account.typeIndex);
    QCOMPARE(met, accounts);
    QCOMPARE(result.unparseable, unparseable);
}

// A line holds one field; a tab or other control character inside it is stored as a space.
void TestQifParser::fieldsKeepToOneLine()
{
    const QifParseResult result =
        ImportService::parseQif(QStringLiteral("D1/2/24\nT-5\nPCorner\tMarket\nMmilk\x01"
                                               "eggs\n^\n"));
    QCOMPARE(result.transactions.size(), 1);
    QCOMPARE(result.transactions.first().payee, QStringLiteral("Corner Market"));
    QCOMPARE(result.transactions.first().memo, QStringLiteral("milk eggs"));
}

void TestQifParser::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBFPCaf\xC3\xA9") << QString::fromUtf8("PCafé");
    QTest::newRow("UTF-8 without mark")
        << QByteArray("PCaf\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("PCafé €");
    QTest::newRow("UTF-16 little-endian")
        << QByteArray("\xFF\xFEP\0\xE9\0", 6) << QString::fromUtf8("Pé");
    QTest::newRow("UTF-16 big-endian")
        << QByteArray("\xFE\xFF\0P\0\xE9", 6) << QString::fromUtf8("Pé");
    QTest::newRow("code page 1252")
        << QByteArray("Caf\xE9 \x80 \x93x\x94") << QString::fromUtf8("Café € “x”");
    QTest::newRow("1252 leaves undefined bytes as Latin-1")
        << QByteArray("\x81\x8D") << QString(QChar(0x81)) + QChar(0x8D);
    QTest::newRow("overlong form is not UTF-8")
        << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯");
    QTest::newRow("surrogate is not UTF-8")
        << QByteArray("\xED\xA0\x80") << QString::fromUtf8("í\xC2\xA0€");
    QTest::newRow("beyond U+10FFFF is not UTF-8")
        << QByteArray("\xF4\x90\x80\x80") << QString::fromUtf8("ô\xC2\x90€€");
    QTest::newRow("cut sequence is not UTF-8")
        << QByteArray("Caf\xC3") << QString::fromUtf8("CafÃ");
    QTest::newRow("four-byte UTF-8")
        << QByteArray("\xF0\x9F\x92\xB6") << QString::fromUtf8("\xF0\x9F\x92\xB6");
}

void TestQifParser::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ImportService::decodeImportText(bytes), text);
}

QTEST_GUILESS_MAIN(TestQifParser)
#include "tst_qifparser.moc"
