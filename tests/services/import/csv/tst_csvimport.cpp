#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/import/importservice.h"
#include "tests/common/testdatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// Reading CSV text and dates, and importing a bank export into one account.
class TestCsvImport : public QObject
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

    QStringList stored() const
    {
        QStringList rows;
        QSqlQuery query(m_db->database()->connection());
        query.exec("SELECT t.date, t.payee, t.amount, COALESCE(t.memo, ''), COALESCE(c.name, '') "
                   "FROM transactions t LEFT JOIN categories c ON c.id = t.category_id ORDER BY "
                   "t.rowid");
        while (query.next())
            rows << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(query.value(0).toString(), query.value(1).toString(),
                             query.value(2).toString(), query.value(3).toString(),
                             query.value(4).toString())
                        .trimmed();
        return rows;
    }

private slots:
    void init();
    void cleanup();

    void rows_data();
    void rows();
    void dateDetection_data();
    void dateDetection();
    void importRows_data();
    void importRows();
    void secondImportFindsDuplicates();
    void headerOnlyFile();
    void memoAndCategoryColumns();
    void categoriesOfImportedRows();
    void refusedInsertsAreCounted();
    void unreadableFile();
};

void TestCsvImport::init()
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
    m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('chk', 'Checking', "
               "'x', 'x')");
}

void TestCsvImport::cleanup()
{
    m_import.reset();
    m_splitLines.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    m_files.reset();
}

void TestCsvImport::rows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("expected");

    QTest::newRow("quoted comma and doubled quote")
        << "a,\"Joe's, \"\"Best\"\" Diner\",c\n"
        << QList<QStringList>{{"a", "Joe's, \"Best\" Diner", "c"}};
    QTest::newRow("quotes in the middle of a field are dropped")
        << "ab\"cd\"ef,x\n"
        << QList<QStringList>{{"abcdef", "x"}};
    QTest::newRow("CRLF reads like LF") << "1,2\r\n3,4\r\n"
                                        << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("blank lines dropped, short rows kept") << "1,2\n\n   \n3\n\r\n"
                                                          << QList<QStringList>{{"1", "2"}, {"3"}};
    QTest::newRow("line break inside quotes")
        << "\"two\r\nlines\",x" << QList<QStringList>{{"two\r\nlines", "x"}};
    QTest::newRow("fields trimmed, quoted ones too") << "  a , \" b \" ,\n"
                                                     << QList<QStringList>{{"a", "b", ""}};
    QTest::newRow("last row without line feed")
        << "1,2\n3,4" << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("only a comma") << "," << QList<QStringList>{{"", ""}};
    QTest::newRow("empty text") << "" << QList<QStringList>{};
}

void TestCsvImport::rows()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, expected);
    QCOMPARE(ImportService::parseCsv(text), expected);
}

void TestCsvImport::dateDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    QTest::newRow("ISO") << "2024-03-05" << QDate(2024, 3, 5);
    QTest::newRow("compact ISO") << "20240305" << QDate(2024, 3, 5);
    QTest::newRow("ambiguous reads month-first") << "03/04/2024" << QDate(2024, 3, 4);
    QTest::newRow("day above 12 reads day-first") << "13/04/2024" << QDate(2024, 4, 13);
    QTest::newRow("no leading zeros") << "3/4/2024" << QDate(2024, 3, 4);
    QTest::newRow("two-digit year of this century") << "01/15/24" << QDate(2024, 1, 15);
    QTest::newRow("two-digit year 69") << "1/15/69" << QDate(2069, 1, 15);
    QTest::newRow("two-digit year 70") << "1/15/70" << QDate(1970, 1, 15);
    QTest::newRow("slashed ISO") << "2024/03/05" << QDate(2024, 3, 5);
    QTest::newRow("month name") << "March 4, 2024" << QDate(2024, 3, 4);
    QTest::newRow("short month name") << "Mar 4, 2024" << QDate(2024, 3, 4);
    QTest::newRow("not a date") << "yesterday" << QDate();
}

void TestCsvImport::dateDetection()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ImportService::detectCsvDate(text), date);
}

void TestCsvImport::importRows_data()
{
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("expected"); // empty: unparseable

    const QString usual = "MM/dd/yyyy";
    QTest::newRow("plain") << usual << QByteArray("01/15/2024,Market,-12.50")
                           << "2024-01-15 Market -1250";
    QTest::newRow("dollar and thousands")
        << usual << QByteArray("01/15/2024,Rent,\"-$1,234.56\"") << "2024-01-15 Rent -123456";
    QTest::newRow("parentheses are negative")
        << usual << QByteArray("01/15/2024,Fee,(12.00)") << "2024-01-15 Fee -1200";
    QTest::newRow("decimal comma")
        << usual << QByteArray("01/15/2024,Bakery,\"-12,50\"") << "2024-01-15 Bakery -1250";
    QTest::newRow("zero is an amount")
        << usual << QByteArray("01/15/2024,Adjust,0.00") << "2024-01-15 Adjust 0";
    QTest::newRow("amount that is no number") << usual << QByteArray("01/15/2024,Shop,n/a") << "";
    QTest::newRow("empty amount") << usual << QByteArray("01/15/2024,Shop,") << "";
    QTest::newRow("amount beyond what a field takes")
        << usual << QByteArray("01/15/2024,Shop,-100000000.00") << "";
    QTest::newRow("payee over two lines is stored on one")
        << usual << QByteArray("01/15/2024,\"Corner\r\nMarket\",-1.00")
        << "2024-01-15 Corner Market -100";
    QTest::newRow("short row") << usual << QByteArray("01/15/2024,Shop") << "";
    QTest::newRow("no date") << usual << QByteArray("soon,Shop,-1.00") << "";
    QTest::newRow("ISO date despite the format")
        << usual << QByteArray("2024-03-05,Shop,-1.00") << "2024-03-05 Shop -100";
    QTest::newRow("two-digit year detected")
        << usual << QByteArray("01/15/24,Shop,-1.00") << "2024-01-15 Shop -100";
    QTest::newRow("two-digit year in the chosen format")
        << "dd.MM.yy" << QByteArray("15.01.24,Shop,-1.00") << "2024-01-15 Shop -100";
    QTest::newRow("unquoted date with a comma splits the row")
        << "" << QByteArray("Mar 4, 2024,Shop,-1.00") << "";
    QTest::newRow("detection of a quoted date")
        << "" << QByteArray("\"Mar 4, 2024\",Shop,-1.00") << "2024-03-04 Shop -100";
}

void TestCsvImport::importRows()
{
    QFETCH(QString, dateFormat);
    QFETCH(QByteArray, row);
    QFETCH(QString, expected);

    CsvImportOptions options;
    options.dateFormat = dateFormat;
    const QString path = writeFile("Date,Description,Amount\n" + row + "\n");
    const ImportResult result = m_import->importCsv(path, "chk", options);
    QCOMPARE(result.imported, expected.isEmpty() ? 0 : 1);
    QCOMPARE(result.unparseable, expected.isEmpty() ? 1 : 0);
    QCOMPARE(stored(), expected.isEmpty() ? QStringList() : QStringList{expected});
}

void TestCsvImport::secondImportFindsDuplicates()
{
    const QString path = writeFile("\xEF\xBB\xBF"
                                   "Date,Description,Amount\r\n01/15/2024,Market,-12.50\r\n"
                                   "01/15/2024,Market,-12.50\r\n01/16/2024,Caf\xC3\xA9,-3.00\r\n");
    const ImportResult first = m_import->importCsv(path, "chk", CsvImportOptions());
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.duplicates, 1); // the same row twice in one file
    const ImportResult second = m_import->importCsv(path, "chk", CsvImportOptions());
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, 3);
    QCOMPARE(stored(), (QStringList{"2024-01-15 Market -1250", "2024-01-16 Café -300"}));
}

void TestCsvImport::headerOnlyFile()
{
    const QString path = writeFile("Date,Description,Amount\n");
    QSignalSpy started(m_import.get(), &ImportService::importStarted);
    QSignalSpy progress(m_import.get(), &ImportService::importProgress);
    const ImportResult result = m_import->importCsv(path, "chk", CsvImportOptions());
    QCOMPARE(result.imported + result.unparseable + result.duplicates, 0);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first(), QVariantList{0});
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.first(), (QVariantList{0, 0}));
}

void TestCsvImport::memoAndCategoryColumns()
{
    m_db->exec("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('groc', "
               "'Groceries', 'x', 'x')");
    CsvImportOptions options;
    options.hasHeader = false;
    options.dateColumn = 1;
    options.payeeColumn = 2;
    options.amountColumn = 0;
    options.memoColumn = 3;
    options.categoryColumn = 4;
    const QString path = writeFile("-1.00,2024-01-01,A,note,Groceries\n"
                                   "-2.00,2024-01-02,B,,groceries\n"
                                   "-3.00,2024-01-03,C,short\n"
                                   "-4.00,2024-01-04,D,x,groceries\n");
    QSignalSpy categoriesChanged(m_categories.get(), &CategoryRepository::categoriesChanged);
    const ImportResult result = m_import->importCsv(path, "chk", options);
    QCOMPARE(result.imported, 4);
    // Names match exactly: "groceries" becomes a category of its own, created once.
    QCOMPARE(stored(),
             (QStringList{"2024-01-01 A -100 note Groceries", "2024-01-02 B -200  groceries",
                          "2024-01-03 C -300 short", "2024-01-04 D -400 x groceries"}));
    QCOMPARE(m_categories->count(), 2);
    QCOMPARE(categoriesChanged.count(), 1);
}

// A bank's "Auto" is not Insurance's, and a new category of deposits is an income category.
void TestCsvImport::categoriesOfImportedRows()
{
    m_db->exec("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
               "('ins', 'Insurance', NULL, 'x', 'x'), ('ins-auto', 'Auto', 'ins', 'x', 'x')");
    CsvImportOptions options;
    options.categoryColumn = 3;
    const QString path = writeFile("Date,Payee,Amount,Category\n"
                                   "01/02/2024,Garage,-40.00,Auto\n"
                                   "01/15/2024,Employer,2500.00,Salary\n"
                                   "01/20/2024,Employer,-25.00,Salary\n"
                                   "01/31/2024,Employer,2500.00,Salary\n"
                                   "01/31/2024,Insurer,-12.00,Insurance:Auto\n");
    QCOMPARE(m_import->importCsv(path, "chk", options).imported, 5);

    QStringList booked;
    for (const Transaction& t : m_transactions->listByAccount("chk"))
        booked << QStringLiteral("%1: %2 %3")
                      .arg(t.payee, m_categories->fullPath(t.categoryId),
                           Enumerations::storageString(
                               m_categories->byId(t.categoryId)->categoryType));
    booked.sort();
    QCOMPARE(booked, (QStringList{"Employer: Salary income", "Employer: Salary income",
                                  "Employer: Salary income", "Garage: Auto expense",
                                  "Insurer: Insurance > Auto expense"}));
    QCOMPARE(m_categories->count(), 4);
}

void TestCsvImport::refusedInsertsAreCounted()
{
    const QString path = writeFile("Date,Description,Amount\n01/15/2024,Market,-12.50\n"
                                   "01/16/2024,Shop,-1.00\n");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^TransactionRepository::insert failed:"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CSV import: insert failed for"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^TransactionRepository::insert failed:"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CSV import: insert failed for"));
    // No such account: the foreign key refuses every row.
    const ImportResult result = m_import->importCsv(path, "gone", CsvImportOptions());
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.failedInserts, 2);
}

void TestCsvImport::unreadableFile()
{
    QSignalSpy started(m_import.get(), &ImportService::importStarted);
    const ImportResult result =
        m_import->importCsv(m_files->filePath("missing.csv"), "chk", CsvImportOptions());
    QCOMPARE(result.imported + result.unparseable + result.duplicates + result.failedInserts, 0);
    QVERIFY(!result.aborted);
    QCOMPARE(started.count(), 0);
}

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
