#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/import/csv/csvdetector.h"
#include "services/import/csv/csvreader.h"
#include "services/import/csv/csvrowreader.h"
#include "services/import/importservice.h"
#include "tests/common/testdatabase.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

// Bank exports as banks write them: other separators, lines above the table, day-first and
// dotted dates, money-out and money-in columns, currencies written beside the amounts, and old
// line ends. Each fixture file is imported with the options the import screen would offer.
class TestCsvBankExports : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<ImportService> m_import;
    std::unique_ptr<QTemporaryDir> m_files;

    QString writeFile(const QByteArray& bytes)
    {
        const QString path = m_files->filePath(QStringLiteral("export.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return path;
    }

    QVariant stored(const char* aggregate, const QString& accountId) const
    {
        return m_db->scalar(QStringLiteral("SELECT %1 FROM transactions WHERE account_id = '%2'")
                                .arg(QLatin1String(aggregate), accountId));
    }

    static CsvImportOptions options(int date, int payee, int amount)
    {
        CsvImportOptions options;
        options.dateColumn = date;
        options.payeeColumn = payee;
        options.amountColumn = amount;
        return options;
    }

private slots:
    void init();
    void cleanup();

    void separators_data();
    void separators();
    void delimiterDetection_data();
    void delimiterDetection();
    void tableStart_data();
    void tableStart();
    void tableLayouts_data();
    void tableLayouts();
    void dateFormatOfTheWholeColumn_data();
    void dateFormatOfTheWholeColumn();
    void datesBanksWrite_data();
    void datesBanksWrite();
    void amountText_data();
    void amountText();
    void withdrawalAndDepositColumns_data();
    void withdrawalAndDepositColumns();
    void fixtureFiles_data();
    void fixtureFiles();
    void amountsInTheAccountCurrency_data();
    void amountsInTheAccountCurrency();
};

void TestCsvBankExports::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_splitLines = std::make_unique<SplitLineRepository>(m_db->database());
    m_import = std::make_unique<ImportService>(m_accounts.get(), m_transactions.get(),
                                               m_categories.get(), m_splitLines.get());
    m_files = std::make_unique<QTemporaryDir>();
    m_db->exec("INSERT INTO accounts (id, name, currency, created_at, updated_at) VALUES "
               "('chk', 'Checking', 'USD', 'x', 'x'), ('yen', 'Tokyo', 'JPY', 'x', 'x')");
}

void TestCsvBankExports::cleanup()
{
    m_import.reset();
    m_splitLines.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    m_files.reset();
}

void TestCsvBankExports::separators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QList<QStringList>>("expected");

    QTest::newRow("semicolon keeps decimal commas")
        << "a;-12,50;\"x;y\"\n"
        << QChar(';') << QList<QStringList>{{"a", "-12,50", "x;y"}};
    QTest::newRow("tab") << "a\tb c\t\n" << QChar('\t') << QList<QStringList>{{"a", "b c", ""}};
    QTest::newRow("commas are text in a semicolon file")
        << "a,b;c\n"
        << QChar(';') << QList<QStringList>{{"a,b", "c"}};
    QTest::newRow("carriage returns alone end rows")
        << "1,2\r3,4\r\r5\r" << QChar(',') << QList<QStringList>{{"1", "2"}, {"3", "4"}, {"5"}};
    QTest::newRow("mixed line ends") << "1\r\n2\r3\n"
                                     << QChar(',') << QList<QStringList>{{"1"}, {"2"}, {"3"}};
    QTest::newRow("a carriage return inside quotes is text")
        << "\"a\rb\",c\r" << QChar(',') << QList<QStringList>{{"a\rb", "c"}};
}

void TestCsvBankExports::separators()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QFETCH(QList<QStringList>, expected);
    QCOMPARE(ImportService::parseCsv(text, delimiter), expected);
}

void TestCsvBankExports::delimiterDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");

    QTest::newRow("comma") << "Date,Payee,Amount\n1/2/24,Shop,-1.00\n" << QChar(',');
    QTest::newRow("semicolon with decimal commas")
        << "Datum;Text;Betrag;Saldo\n01.02.2024;Laden;-1,50;10,00\n02.02.2024;Bank;2,00;12,00\n"
        << QChar(';');
    QTest::newRow("tab") << "Date\tPayee\tAmount\n1/2/24\tShop, Inc.\t-1.00\n" << QChar('\t');
    QTest::newRow("semicolons inside quotes do not count")
        << "Date,Payee,Amount\n1/2/24,\"A; B; C\",1\n1/3/24,\"D; E\",2\n"
        << QChar(',');
    QTest::newRow("lines above the table")
        << "Konto;DE12\nStand;100,00\n\nDatum;Text;Betrag\n1.2.24;A;1,00\n2.2.24;B;2,00\n"
        << QChar(';');
    QTest::newRow("one column falls back to the comma") << "just text\nmore\n" << QChar(',');
}

void TestCsvBankExports::delimiterDetection()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QCOMPARE(CsvDetector::delimiter(text), delimiter);
}

// Rows without dates: the field counts alone tell where the table starts.
void TestCsvBankExports::tableStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");

    QTest::newRow("header first") << "D,P,A\n1,2,3\n4,5,6\n" << 0;
    QTest::newRow("three lines about the account")
        << "Account,Checking\nBalance,100\nAs of,2024-01-01\nD,P,A,B\n1,2,3,4\n5,6,7,8\n"
        << 3;
    QTest::newRow("a one-line title") << "My Bank export\nD,P,A\n1,2,3\n" << 1;
    QTest::newRow("empty") << "" << 0;
}

void TestCsvBankExports::tableStart()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    const CsvDetector::TableStart found = CsvDetector::tableStart(ImportService::parseCsv(text));
    QCOMPARE(found.row, start);
    QVERIFY(found.hasHeader);
}

// Where the transactions begin, told by what the rows hold: the options offered for the file
// import every transaction, the first one included, and take no other line for one.
void TestCsvBankExports::tableLayouts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<int>("skippedRows");
    QTest::addColumn<bool>("hasHeader");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("header names a trailing empty column")
        << QByteArray("Buchungstag;Empf\xC3\xA4nger;Betrag;\n03.01.2024;B\xC3\xA4"
                      "ckerei;-4,80\n"
                      "05.01.2024;Stadtwerke;-85,00\n15.01.2024;Arbeitgeber;2.450,00\n")
        << QChar(';') << 0 << true << QStringList{"Bäckerei", "Stadtwerke", "Arbeitgeber"};
    QTest::newRow("comma header with a trailing empty column")
        << QByteArray("Date,Payee,Amount,\n01/15/2024,Market,-12.50\n01/16/2024,Shop,-1.00\n")
        << QChar(',') << 0 << true << QStringList{"Market", "Shop"};
    QTest::newRow("lines about the account above the header")
        << QByteArray("Konto;DE12 3456\nZeitraum;01.01.2024 - 31.01.2024\nKontostand;2.104,25 EUR\n"
                      "Datum;Text;Betrag;Saldo;\n02.01.2024;Laden;-1,50;10,00\n"
                      "03.01.2024;Bank;2,00;12,00\n")
        << QChar(';') << 3 << true << QStringList{"Laden", "Bank"};
    QTest::newRow("a line with a date and a balance above the header")
        << QByteArray("Saldo;31.12.2023;2.104,25\nDatum;Text;Betrag\n02.01.2024;Laden;-1,50\n")
        << QChar(';') << 1 << true << QStringList{"Laden"};
    QTest::newRow("no header")
        << QByteArray("01/15/2024,Market,-12.50\n01/16/2024,Shop,-1.00\n01/17/2024,Cafe,-3.00\n")
        << QChar(',') << 0 << false << QStringList{"Market", "Shop", "Cafe"};
    QTest::newRow("no header below a balance line")
        << QByteArray("Kontostand;2.104,25 EUR\n02.01.2024;Laden;-1,50\n03.01.2024;Bank;2,00\n")
        << QChar(';') << 1 << false << QStringList{"Laden", "Bank"};
    QTest::newRow("header with one field fewer than its rows")
        << QByteArray("Date,Payee,Amount\n01/15/2024,Market,-12.50,987.50\n"
                      "01/16/2024,Shop,-1.00,986.50\n")
        << QChar(',') << 0 << true << QStringList{"Market", "Shop"};
    QTest::newRow("a blank line between header and rows")
        << QByteArray("Date,Payee,Amount\n,,\n2024-01-15,Market,-12.50\n2024-01-16,Shop,-1.00\n")
        << QChar(',') << 0 << true << QStringList{"Market", "Shop"};
}

void TestCsvBankExports::tableLayouts()
{
    QFETCH(QByteArray, text);
    QFETCH(QChar, delimiter);
    QFETCH(int, skippedRows);
    QFETCH(bool, hasHeader);
    QFETCH(QStringList, payees);

    const CsvImportOptions offered =
        CsvDetector::suggestedOptions(ImportService::decodeImportText(text));
    QCOMPARE(offered.delimiter, delimiter);
    QCOMPARE(offered.skippedRows, skippedRows);
    QCOMPARE(offered.hasHeader, hasHeader);

    m_import->importCsv(writeFile(text), "chk", offered);
    QStringList imported;
    QSqlQuery query(m_db->database()->connection());
    QVERIFY(query.exec("SELECT payee FROM transactions ORDER BY rowid"));
    while (query.next())
        imported << query.value(0).toString();
    QCOMPARE(imported, payees);
}

void TestCsvBankExports::dateFormatOfTheWholeColumn_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("format");

    QTest::newRow("a day above 12 makes the column day-first")
        << QStringList{"03/04/2024", "05/04/2024", "13/04/2024"} << "dd/MM/yyyy";
    QTest::newRow("all ambiguous stays month-first")
        << QStringList{"03/04/2024", "05/04/2024"} << "MM/dd/yyyy";
    QTest::newRow("unpadded day-first") << QStringList{"3/4/2024", "30/4/2024"} << "d/M/yyyy";
    QTest::newRow("the format that reads the most when none reads all")
        << QStringList{"13.04.2024", "14.04.2024", "garbage"} << "dd.MM.yyyy";
    QTest::newRow("empty cells are not counted")
        << QStringList{"", "2024-04-13", ""} << "yyyy-MM-dd";
    QTest::newRow("nothing reads") << QStringList{"soon", "later"} << "";
}

void TestCsvBankExports::dateFormatOfTheWholeColumn()
{
    QFETCH(QStringList, dates);
    QFETCH(QString, format);
    QCOMPARE(CsvDetector::dateFormat(dates), format);
}

void TestCsvBankExports::datesBanksWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    QTest::newRow("dotted day-first") << "05.03.2024" << QDate(2024, 3, 5);
    QTest::newRow("dotted without zeros") << "5.3.2024" << QDate(2024, 3, 5);
    QTest::newRow("dotted year first") << "2024.03.05" << QDate(2024, 3, 5);
    QTest::newRow("day-first two-digit year") << "25/12/23" << QDate(2023, 12, 25);
    QTest::newRow("English month abbreviation") << "5 Mar 2024" << QDate(2024, 3, 5);
    QTest::newRow("ISO date and time") << "2024-03-05T23:59:59Z" << QDate(2024, 3, 5);
    QTest::newRow("ISO date and time with a blank") << "2024-03-05 08:00" << QDate(2024, 3, 5);
    QTest::newRow("no such day") << "31.02.2024" << QDate();
}

void TestCsvBankExports::datesBanksWrite()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ImportService::detectCsvDate(text), date);
}

void TestCsvBankExports::amountText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("dollar and thousands") << "$1,036.47" << true << qint64(103647);
    QTest::newRow("minus before the symbol") << "-$42.00" << true << qint64(-4200);
    QTest::newRow("euro after, decimal comma") << "-123,45 €" << true << qint64(-12345);
    QTest::newRow("code after") << "100,00 EUR" << true << qint64(10000);
    QTest::newRow("code before") << "USD -7.25" << true << qint64(-725);
    QTest::newRow("country letters on the symbol") << "US$ 5.00" << true << qint64(500);
    QTest::newRow("local abbreviation") << "1 234,50 kr" << true << qint64(123450);
    QTest::newRow("other currency symbols") << "₹1,000.00" << true << qint64(100000);
    QTest::newRow("parentheses around a code") << "(42.00 GBP)" << true << qint64(-4200);
    QTest::newRow("a code alone") << "EUR" << false << qint64(0);
    QTest::newRow("words are no currency") << "12 apples" << false << qint64(0);
    QTest::newRow("a suffix that is no currency") << "1.5k" << false << qint64(0);
    QTest::newRow("not available") << "n/a" << false << qint64(0);
}

void TestCsvBankExports::amountText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, cents);
    const std::optional<qint64> amount = CsvReader::readAmount(text);
    QCOMPARE(amount.has_value(), valid);
    if (valid)
        QCOMPARE(*amount, cents);
}

void TestCsvBankExports::withdrawalAndDepositColumns_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<bool>("importable");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QList<int>>("unreadable");

    // Date, payee, withdrawal, deposit.
    QTest::newRow("withdrawal") << QStringList{"2024-01-02", "Shop", "12.50", ""} << true
                                << qint64(-1250) << QList<int>{};
    QTest::newRow("deposit") << QStringList{"2024-01-02", "Pay", "", "$1,000.00"} << true
                             << qint64(100000) << QList<int>{};
    QTest::newRow("both filled: deposit less withdrawal")
        << QStringList{"2024-01-02", "Swap", "3.00", "5.00"} << true << qint64(200) << QList<int>{};
    QTest::newRow("a negative withdrawal is still money out")
        << QStringList{"2024-01-02", "Shop", "-12.50", ""} << true << qint64(-1250) << QList<int>{};
    QTest::newRow("a deposit column the row does not reach is empty")
        << QStringList{"2024-01-02", "Shop", "4.00"} << true << qint64(-400) << QList<int>{};
    QTest::newRow("both empty") << QStringList{"2024-01-02", "Note", "", ""} << false << qint64(0)
                                << QList<int>{2, 3};
    QTest::newRow("text that is no amount")
        << QStringList{"2024-01-02", "Shop", "twelve", ""} << false << qint64(0) << QList<int>{2};
    QTest::newRow("date that does not read")
        << QStringList{"someday", "Shop", "1.00", ""} << false << qint64(-100) << QList<int>{0};
}

void TestCsvBankExports::withdrawalAndDepositColumns()
{
    QFETCH(QStringList, row);
    QFETCH(bool, importable);
    QFETCH(qint64, amount);
    QFETCH(QList<int>, unreadable);

    CsvImportOptions options = this->options(0, 1, -1);
    options.withdrawalColumn = 2;
    options.depositColumn = 3;
    options.dateFormat = QStringLiteral("yyyy-MM-dd");
    const CsvRowReading reading = CsvRowReader(options, {}, Currency::USD).read(row);
    QCOMPARE(reading.isImportable(), importable);
    QCOMPARE(reading.unreadableColumns, unreadable);
    if (reading.amount)
        QCOMPARE(*reading.amount, amount);
}

void TestCsvBankExports::fixtureFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<CsvImportOptions>("columns");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QString>("firstPayee");

    CsvImportOptions semicolon = options(0, 1, 3);
    semicolon.memoColumn = 2;
    QTest::newRow("semicolons and decimal commas")
        << "semicolon-decimal-comma.csv" << semicolon << 4 << qint64(126020) << QDate(2024, 1, 3)
        << QDate(2024, 1, 31) << "Bäckerei Müller";
    QTest::newRow("dotted dates, tabs, code page 1252")
        << "dot-dates.tsv" << options(0, 1, 2) << 3 << qint64(-508) << QDate(2024, 2, 1)
        << QDate(2024, 2, 29) << "Café Mozart";
    CsvImportOptions debitCredit = options(0, 1, -1);
    debitCredit.withdrawalColumn = 2;
    debitCredit.depositColumn = 3;
    QTest::newRow("withdrawal and deposit columns beside a balance")
        << "debit-credit.csv" << debitCredit << 4 << qint64(-12063) << QDate(2024, 3, 1)
        << QDate(2024, 3, 28) << "Opening deposit";
    CsvImportOptions preamble = options(0, 1, 3);
    preamble.memoColumn = 2;
    preamble.categoryColumn = 4;
    QTest::newRow("three lines above the table")
        << "preamble.csv" << preamble << 3 << qint64(144110) << QDate(2024, 3, 5)
        << QDate(2024, 3, 30) << "Bookshop";
    QTest::newRow("currencies beside the amounts")
        << "currency-text.csv" << options(0, 1, 2) << 4 << qint64(96905) << QDate(2024, 5, 2)
        << QDate(2024, 5, 20) << "Boulangerie";
    QTest::newRow("carriage returns alone")
        << "cr-line-endings.csv" << options(0, 1, 2) << 3 << qint64(214065) << QDate(2024, 6, 1)
        << QDate(2024, 6, 30) << "Farmers Market";
}

void TestCsvBankExports::fixtureFiles()
{
    QFETCH(QString, file);
    QFETCH(CsvImportOptions, columns);
    QFETCH(int, count);
    QFETCH(qint64, sum);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QString, firstPayee);

    const QString path = QFINDTESTDATA(QStringLiteral("fixtures/") + file);
    QFile input(path);
    QVERIFY(input.open(QIODevice::ReadOnly));
    // What the screen offers for the file, with the user's choice of columns.
    CsvImportOptions options =
        CsvDetector::suggestedOptions(ImportService::decodeImportText(input.readAll()));
    options.dateColumn = columns.dateColumn;
    options.payeeColumn = columns.payeeColumn;
    options.amountColumn = columns.amountColumn;
    options.memoColumn = columns.memoColumn;
    options.categoryColumn = columns.categoryColumn;
    options.withdrawalColumn = columns.withdrawalColumn;
    options.depositColumn = columns.depositColumn;

    const ImportResult result = m_import->importCsv(path, "chk", options);
    QCOMPARE(result.imported, count);
    QCOMPARE(result.unparseable, 0);
    QCOMPARE(stored("COUNT(*)", "chk").toInt(), count);
    QCOMPARE(stored("SUM(amount)", "chk").toLongLong(), sum);
    QCOMPARE(stored("MIN(date)", "chk").toDate(), first);
    QCOMPARE(stored("MAX(date)", "chk").toDate(), last);
    QCOMPARE(m_db->scalar("SELECT payee FROM transactions ORDER BY date LIMIT 1").toString(),
             firstPayee);

    const ImportResult again = m_import->importCsv(path, "chk", options);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, count);
    QCOMPARE(stored("COUNT(*)", "chk").toInt(), count);
}

void TestCsvBankExports::amountsInTheAccountCurrency_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QByteArray>("amount");
    QTest::addColumn<qint64>("stored");

    QTest::newRow("yen") << "yen" << QByteArray("\"-1,500\"") << qint64(-1500);
    QTest::newRow("yen with decimals") << "yen" << QByteArray("-980.00") << qint64(-980);
    QTest::newRow("yen symbol") << "yen" << QByteArray("¥12000") << qint64(12000);
    QTest::newRow("dollars") << "chk" << QByteArray("\"-1,500\"") << qint64(-150000);
}

void TestCsvBankExports::amountsInTheAccountCurrency()
{
    QFETCH(QString, accountId);
    QFETCH(QByteArray, amount);
    QFETCH(qint64, stored);

    const QString path = writeFile("Date,Payee,Amount\n2024-04-01,Konbini," + amount + "\n");
    QCOMPARE(m_import->importCsv(path, accountId, CsvImportOptions()).imported, 1);
    QCOMPARE(this->stored("amount", accountId).toLongLong(), stored);
}

QTEST_GUILESS_MAIN(TestCsvBankExports)
#include "tst_csvbankexports.moc"
