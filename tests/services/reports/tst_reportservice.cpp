#include "services/reports/reportservice.h"
#include "tests/common/testdatabase.h"

#include <QTest>

// Every report runs against one small ledger in which each rule of the reports shows:
// a transfer pair, an uncategorised payment, a refund, a soft-deleted transaction, a
// soft-deleted category still in use, a soft-deleted account, tax-relevant categories and
// transactions in two years.
class TestReportService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;

    void addAccount(const QString& id, const QString& name, const QString& type, qint64 start,
                    int sortOrder, bool deleted = false)
    {
        m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, starting_balance, "
                                  "sort_order, created_at, updated_at, deleted_at) VALUES ('%1', "
                                  "'%2', '%3', %4, %5, 'x', 'x', %6)")
                       .arg(id, name, type)
                       .arg(start)
                       .arg(sortOrder)
                       .arg(deleted ? "'2024-06-01T00:00:00Z'" : "NULL"));
    }

    void addCategory(const QString& id, const QString& name, bool taxRelevant = false,
                     const QString& taxCategory = QString(), bool deleted = false)
    {
        m_db->exec(
            QStringLiteral("INSERT INTO categories (id, name, is_tax_relevant, tax_category, "
                           "created_at, updated_at, deleted_at) VALUES ('%1', '%2', %3, "
                           "%4, 'x', 'x', %5)")
                .arg(id, name)
                .arg(taxRelevant ? 1 : 0)
                .arg(taxCategory.isNull() ? QStringLiteral("NULL")
                                          : QStringLiteral("'%1'").arg(taxCategory))
                .arg(deleted ? "'2024-06-01T00:00:00Z'" : "NULL"));
    }

    struct Row
    {
        const char* id;
        const char* account;
        const char* date;
        const char* payee;
        qint64 amount;
        const char* category; // null for none
        bool cleared;
        const char* link; // null for NULL, "" for an empty text
        const char* memo;
        bool deleted;
    };

    void addTransaction(const Row& r)
    {
        const auto textOrNull = [](const char* value) {
            return value ? QStringLiteral("'%1'").arg(QLatin1String(value))
                         : QStringLiteral("NULL");
        };
        m_db->exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                  "category_id, cleared, transfer_link_id, memo, created_at, "
                                  "updated_at, deleted_at) VALUES ('%1', '%2', '%3', '%4', %5, %6, "
                                  "%7, %8, %9, 'x', 'x', %10)")
                       .arg(QLatin1String(r.id), QLatin1String(r.account), QLatin1String(r.date),
                            QLatin1String(r.payee))
                       .arg(r.amount)
                       .arg(textOrNull(r.category))
                       .arg(r.cleared ? 1 : 0)
                       .arg(textOrNull(r.link), textOrNull(r.memo),
                            r.deleted ? QStringLiteral("'2024-06-01T00:00:00Z'")
                                      : QStringLiteral("NULL")));
    }

    static QDate d(const char* iso) { return QDate::fromString(QLatin1String(iso), Qt::ISODate); }

private slots:
    void init();
    void cleanup();

    void categorySpending_data();
    void categorySpending();
    void payeeSummary_data();
    void payeeSummary();
    void taxReport();
    void monthlyFlows_data();
    void monthlyFlows();
    void yearOverYear_data();
    void yearOverYear();
    void accountSummary();
    void transactionReport_data();
    void transactionReport();
    void failingQueryGivesEmptyList();

    void periodPresets_data();
    void periodPresets();
    void presetLabelsInOrder();
    void comparisonPresets();
    void csv_data();
    void csv();
};

void TestReportService::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_reports = std::make_unique<ReportService>(m_db->database());

    addAccount("chk", "Checking", "checking", 100000, 0);
    addAccount("sav", "Savings", "savings", 0, 1);
    addAccount("cash", "Cash", "cash", 10000, 1);
    addAccount("old", "Closed", "other", 5000, 2, true);

    addCategory("groc", "Groceries");
    addCategory("rent", "Rent");
    addCategory("sal", "Salary");
    addCategory("dine", "dining");
    addCategory("char", "Charity", true, "charitable_contributions");
    addCategory("med", "Medical", true, "medical");
    addCategory("tithe", "Tithe", true);
    addCategory("hob", "Hobbies", false, QString(), true);

    const Row rows[] = {
        {"t1", "chk", "2024-01-05", "Market", -2000, "groc", true, nullptr, nullptr, false},
        {"t2", "chk", "2024-01-10", "Landlord", -100000, "rent", true, nullptr, "Jan", false},
        {"t3", "chk", "2024-01-15", "Employer", 300000, "sal", true, "", nullptr, false},
        {"t4", "chk", "2024-01-20", "Corner Shop", -5000, nullptr, false, nullptr, nullptr, false},
        {"t5", "chk", "2024-02-03", "Transfer to Savings", -50000, nullptr, false, "t6", nullptr,
         false},
        {"t6", "sav", "2024-02-03", "Transfer from Checking", 50000, nullptr, false, "t5", nullptr,
         false},
        {"t7", "chk", "2024-02-10", "Red Cross", -2500, "char", false, nullptr, nullptr, false},
        {"t8", "sav", "2024-02-12", "Clinic", -4000, "med", true, nullptr, nullptr, false},
        {"t9", "chk", "2024-02-15", "Market", -3000, "groc", false, nullptr, nullptr, true},
        {"t10", "chk", "2024-02-20", "Hobby Store", -1500, "hob", false, nullptr, nullptr, false},
        {"t11", "chk", "2023-02-14", "Market", -1800, "groc", false, nullptr, nullptr, false},
        {"t12", "chk", "2023-03-01", "Bistro", -700, "dine", false, nullptr, nullptr, false},
        {"t13", "old", "2024-01-07", "Ghost", -999, "groc", true, nullptr, nullptr, true},
        {"t14", "chk", "2024-03-01", "Market", 400, "groc", false, nullptr, nullptr, false},
        {"t15", "chk", "2024-03-05", "Church", -1000, "tithe", false, nullptr, nullptr, false},
    };
    for (const Row& row : rows)
        addTransaction(row);
}

void TestReportService::cleanup()
{
    m_reports.reset();
    m_db.reset();
}

void TestReportService::categorySpending_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("outflows only, largest first, transfers and no category as Uncategorized")
        << d("2024-01-01") << d("2024-12-31") << QString()
        << QStringList{"Rent -100000",    "Uncategorized -55000", "Medical -4000", "Charity -2500",
                       "Groceries -2000", "Hobbies -1500",        "Tithe -1000"};
    QTest::newRow("one account") << d("2024-01-01") << d("2024-12-31") << "sav"
                                 << QStringList{"Medical -4000"};
    QTest::newRow("both ends inclusive") << d("2024-01-05") << d("2024-01-10") << QString()
                                         << QStringList{"Rent -100000", "Groceries -2000"};
    QTest::newRow("uncategorized beside a category")
        << d("2024-01-11") << d("2024-01-31") << "chk" << QStringList{"Uncategorized -5000"};
    QTest::newRow("empty range") << d("2025-01-01") << d("2025-12-31") << QString()
                                 << QStringList{};
}

void TestReportService::categorySpending()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const CategoryTotal& row : m_reports->categorySpending(start, end, account))
        actual << QStringLiteral("%1 %2").arg(row.categoryName).arg(row.total);
    QCOMPARE(actual, expected);
}

void TestReportService::payeeSummary_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    // Market: the refund nets out against the payment; the deleted payment is absent.
    QTest::newRow("all accounts") << QString()
                                  << QStringList{"Landlord -100000 1",
                                                 "Transfer to Savings -50000 1",
                                                 "Corner Shop -5000 1",
                                                 "Clinic -4000 1",
                                                 "Red Cross -2500 1",
                                                 "Market -1600 2",
                                                 "Hobby Store -1500 1",
                                                 "Church -1000 1",
                                                 "Transfer from Checking 50000 1",
                                                 "Employer 300000 1"};
    QTest::newRow("one account") << "sav"
                                 << QStringList{"Clinic -4000 1", "Transfer from Checking 50000 1"};
}

void TestReportService::payeeSummary()
{
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const PayeeTotal& row : m_reports->payeeSummary(d("2024-01-01"), d("2024-12-31"), account))
        actual << QStringLiteral("%1 %2 %3").arg(row.payee).arg(row.total).arg(row.count);
    QCOMPARE(actual, expected);
}

void TestReportService::taxReport()
{
    QStringList actual;
    for (const TaxLine& row : m_reports->taxReport(d("2024-01-01"), d("2024-12-31")))
        actual << QStringLiteral("%1|%2|%3").arg(row.categoryName, row.taxCategory).arg(row.total);
    // Ordered by tax code, a missing code first; other categories never appear.
    QCOMPARE(actual, (QStringList{"Tithe||-1000", "Charity|charitable_contributions|-2500",
                                  "Medical|medical|-4000"}));
}

void TestReportService::monthlyFlows_data()
{
    QTest::addColumn<bool>("cashFlow");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("income vs expenses leaves transfers out")
        << false << QString()
        << QStringList{"2024-01 300000 -107000 193000", "2024-02 0 -8000 -8000",
                       "2024-03 400 -1000 -600"};
    QTest::newRow("cash flow counts transfers")
        << true << QString()
        << QStringList{"2024-01 300000 -107000 193000", "2024-02 50000 -58000 -8000",
                       "2024-03 400 -1000 -600"};
    QTest::newRow("income vs expenses, receiving account")
        << false << "sav" << QStringList{"2024-02 0 -4000 -4000"};
    QTest::newRow("cash flow, receiving account")
        << true << "sav" << QStringList{"2024-02 50000 -4000 46000"};
}

void TestReportService::monthlyFlows()
{
    QFETCH(bool, cashFlow);
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    const QDate start = d("2024-01-01");
    const QDate end = d("2024-12-31");
    const QList<MonthlyFlow> rows = cashFlow ? m_reports->cashFlow(start, end, account)
                                             : m_reports->incomeVsExpenses(start, end, account);
    QStringList actual;
    for (const MonthlyFlow& row : rows)
        actual << QStringLiteral("%1 %2 %3 %4")
                      .arg(row.month)
                      .arg(row.inAmount)
                      .arg(row.outAmount)
                      .arg(row.net);
    QCOMPARE(actual, expected);
}

void TestReportService::yearOverYear_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    // Union of both periods, by UTF-16 code units: upper case before "dining".
    QTest::newRow("all accounts") << QString()
                                  << QStringList{
                                         "Charity 0 -2500 -2500",  "Groceries -1800 -1600 200",
                                         "Hobbies 0 -1500 -1500",  "Medical 0 -4000 -4000",
                                         "Rent 0 -100000 -100000", "Salary 0 300000 300000",
                                         "Tithe 0 -1000 -1000",    "Uncategorized 0 -5000 -5000",
                                         "dining -700 0 700"};
    QTest::newRow("one account") << "sav"
                                 << QStringList{"Medical 0 -4000 -4000",
                                                "Uncategorized 0 50000 50000"};
}

void TestReportService::yearOverYear()
{
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const YearOverYearRow& row : m_reports->yearOverYear(
             d("2023-01-01"), d("2023-12-31"), d("2024-01-01"), d("2024-12-31"), account))
        actual << QStringLiteral("%1 %2 %3 %4")
                      .arg(row.categoryName)
                      .arg(row.period1)
                      .arg(row.period2)
                      .arg(row.difference);
    QCOMPARE(actual, expected);
}

void TestReportService::accountSummary()
{
    QStringList actual;
    for (const AccountSummaryRow& row : m_reports->accountSummary())
        actual << QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(row.name, row.accountType)
                      .arg(row.cleared)
                      .arg(row.uncleared)
                      .arg(row.total);
    // By sort order, then name; the starting balance counts as cleared; no deleted account.
    QCOMPARE(actual, (QStringList{"Checking checking 298000 -62100 235900",
                                  "Cash cash 10000 0 10000", "Savings savings -4000 50000 46000"}));
}

void TestReportService::transactionReport_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("by date, then payee")
        << d("2024-02-01") << d("2024-02-29") << QString() << QString()
        << QStringList{"2024-02-03|Savings|Transfer from Checking|||50000",
                       "2024-02-03|Checking|Transfer to Savings|||-50000",
                       "2024-02-10|Checking|Red Cross|Charity||-2500",
                       "2024-02-12|Savings|Clinic|Medical||-4000",
                       "2024-02-20|Checking|Hobby Store|Hobbies||-1500"};
    QTest::newRow("one account") << d("2024-01-01") << d("2024-01-31") << "chk" << QString()
                                 << QStringList{"2024-01-05|Checking|Market|Groceries||-2000",
                                                "2024-01-10|Checking|Landlord|Rent|Jan|-100000",
                                                "2024-01-15|Checking|Employer|Salary||300000",
                                                "2024-01-20|Checking|Corner Shop|||-5000"};
    QTest::newRow("one category") << d("2023-01-01") << d("2024-12-31") << QString() << "groc"
                                  << QStringList{"2023-02-14|Checking|Market|Groceries||-1800",
                                                 "2024-01-05|Checking|Market|Groceries||-2000",
                                                 "2024-03-01|Checking|Market|Groceries||400"};
    QTest::newRow("account and category") << d("2024-01-01") << d("2024-12-31") << "sav"
                                          << "groc" << QStringList{};
}

void TestReportService::transactionReport()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, account);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const TransactionReportRow& row :
         m_reports->transactionReport(start, end, account, category))
        actual << QStringLiteral("%1|%2|%3|%4|%5|%6")
                      .arg(row.date.toString(Qt::ISODate), row.accountName, row.payee,
                           row.categoryName, row.memo)
                      .arg(row.amount);
    QCOMPARE(actual, expected);
}

void TestReportService::failingQueryGivesEmptyList()
{
    m_db->exec("DROP TABLE split_lines");
    m_db->exec("DROP TABLE transactions");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ReportService query failed:"));
    QVERIFY(m_reports->categorySpending(d("2024-01-01"), d("2024-12-31")).isEmpty());
}

void TestReportService::periodPresets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");

    const QDate may15 = d("2024-05-15");
    const QDate march31 = d("2024-03-31");
    const struct
    {
        QDate today;
        const char* label;
        const char* start;
        const char* end;
    } cases[] = {
        {may15, "This Month", "2024-05-01", "2024-05-15"},
        {may15, "Last Month", "2024-04-01", "2024-04-30"},
        {may15, "This Quarter", "2024-04-01", "2024-05-15"},
        {may15, "Last Quarter", "2024-01-01", "2024-03-31"},
        {may15, "This Year", "2024-01-01", "2024-05-15"},
        {may15, "Last Year", "2023-01-01", "2023-12-31"},
        {may15, "Last 30 Days", "2024-04-15", "2024-05-15"},
        {may15, "Last 90 Days", "2024-02-15", "2024-05-15"},
        {may15, "Last 12 Months", "2023-05-15", "2024-05-15"},
        {may15, "All Time", "2000-01-01", "2024-05-15"},
        {may15, "Custom", "", ""},
        {march31, "Last Month", "2024-02-01", "2024-02-29"},
        {march31, "This Quarter", "2024-01-01", "2024-03-31"},
        {march31, "Last Quarter", "2023-10-01", "2023-12-31"},
        {march31, "Last 12 Months", "2023-03-31", "2024-03-31"},
        {d("2024-02-29"), "Last 12 Months", "2023-02-28", "2024-02-29"},
    };
    for (const auto& c : cases)
        QTest::addRow("%s on %s", c.label, qPrintable(c.today.toString(Qt::ISODate)))
            << c.today << QString::fromLatin1(c.label) << d(c.start) << d(c.end);
}

void TestReportService::periodPresets()
{
    QFETCH(QDate, today);
    QFETCH(QString, label);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    for (const ReportPeriod& period : ReportService::periodPresets(today)) {
        if (period.label == label) {
            QCOMPARE(period.start, start);
            QCOMPARE(period.end, end);
            return;
        }
    }
    QFAIL("preset missing");
}

void TestReportService::presetLabelsInOrder()
{
    QStringList labels;
    for (const ReportPeriod& period : ReportService::periodPresets())
        labels << period.label;
    QCOMPARE(labels, (QStringList{"This Month", "Last Month", "This Quarter", "Last Quarter",
                                  "This Year", "Last Year", "Last 30 Days", "Last 90 Days",
                                  "Last 12 Months", "All Time", "Custom"}));
}

void TestReportService::comparisonPresets()
{
    QStringList actual;
    for (const PeriodComparison& c : ReportService::comparisonPresets(d("2024-05-15")))
        actual << QStringList{c.label, c.period1Start.toString(Qt::ISODate),
                              c.period1End.toString(Qt::ISODate),
                              c.period2Start.toString(Qt::ISODate),
                              c.period2End.toString(Qt::ISODate)}
                      .join(QLatin1Char(' '));
    QCOMPARE(actual,
             (QStringList{"This Year vs Last Year 2023-01-01 2023-12-31 2024-01-01 2024-05-15",
                          "Last Year vs Year Before 2022-01-01 2022-12-31 2023-01-01 2023-12-31",
                          "This Quarter vs Last Quarter 2024-01-01 2024-03-31 2024-04-01 "
                          "2024-05-15",
                          "Custom    "}));
}

void TestReportService::csv_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every field quoted, numbers too")
        << QStringList{"Category", "Total"} << QList<QStringList>{{"Rent", "-$1,000.00"}}
        << "\"Category\",\"Total\"\n\"Rent\",\"-$1,000.00\"\n";
    QTest::newRow("quotes doubled in cells, not in headers")
        << QStringList{"The \"name\""} << QList<QStringList>{{"Joe's \"Diner\""}}
        << "\"The \"name\"\"\n\"Joe's \"\"Diner\"\"\"\n";
    QTest::newRow("commas, line feeds and empty cells kept inside quotes")
        << QStringList{"A", "B", "C"} << QList<QStringList>{{"a,b", "", "two\nlines"}}
        << "\"A\",\"B\",\"C\"\n\"a,b\",\"\",\"two\nlines\"\n";
    QTest::newRow("no rows") << QStringList{"Only"} << QList<QStringList>{} << "\"Only\"\n";
}

void TestReportService::csv()
{
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, expected);
    QCOMPARE(ReportService::toCsv(headers, rows), expected);
}

QTEST_GUILESS_MAIN(TestReportService)
#include "tst_reportservice.moc"
