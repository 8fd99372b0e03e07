#include "data/enumerations.h"
#include "services/reports/reportservice.h"
#include "tests/common/testdatabase.h"

#include <QTest>

// Every report runs against one small ledger in which each rule of the reports shows:
// a transfer pair, an opening balance, an uncategorised payment, a refund, split transactions
// (one with lines of both signs, one without lines, one deleted), a soft-deleted transaction, a
// soft-deleted category still in use, a soft-deleted account, tax-relevant categories and
// transactions in two years.
class TestReportService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;

    void addAccount(const QString& id, const QString& name, const QString& type, qint64 start,
                    int sortOrder, bool deleted = false,
                    const QString& currency = QStringLiteral("USD"))
    {
        m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, starting_balance, "
                                  "sort_order, created_at, updated_at, deleted_at, currency) "
                                  "VALUES ('%1', '%2', '%3', %4, %5, 'x', 'x', %6, '%7')")
                       .arg(id, name, type)
                       .arg(start)
                       .arg(sortOrder)
                       .arg(deleted ? "'2024-06-01T00:00:00Z'" : "NULL", currency));
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
        bool reconciled = false;
        bool split = false;
    };

    void addTransaction(const Row& r)
    {
        const auto textOrNull = [](const char* value) {
            return value ? QStringLiteral("'%1'").arg(QLatin1String(value))
                         : QStringLiteral("NULL");
        };
        m_db->exec(
            QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                           "category_id, cleared, transfer_link_id, memo, created_at, "
                           "updated_at, deleted_at, reconciled, is_split) VALUES ('%1', "
                           "'%2', '%3', '%4', %5, %6, %7, %8, %9, 'x', 'x', %10, %11, %12)")
                .arg(QLatin1String(r.id), QLatin1String(r.account), QLatin1String(r.date),
                     QLatin1String(r.payee))
                .arg(r.amount)
                .arg(textOrNull(r.category))
                .arg(r.cleared ? 1 : 0)
                .arg(textOrNull(r.link), textOrNull(r.memo),
                     r.deleted ? QStringLiteral("'2024-06-01T00:00:00Z'") : QStringLiteral("NULL"))
                .arg(r.reconciled ? 1 : 0)
                .arg(r.split ? 1 : 0));
    }

    void addSplitLine(const char* transaction, const char* category, qint64 amount)
    {
        static int count = 0;
        m_db->exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                  "amount, created_at, updated_at) VALUES ('line%1', '%2', '%3', "
                                  "%4, 'x', 'x')")
                       .arg(++count)
                       .arg(QLatin1String(transaction), QLatin1String(category))
                       .arg(amount));
    }

    static ReportScope usd(const QString& account = QString()) { return {Currency::USD, account}; }

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
    void scopeKeepsToOneCurrency_data();
    void scopeKeepsToOneCurrency();
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
        // What the savings account held when the book began, as an account opened with a
        // balance stores it.
        {"t16", "sav", "2024-01-01", "Opening Balance", 20000, nullptr, true, nullptr, nullptr,
         false, true},
        {"t17", "chk", "2024-02-25", "Superstore", -6000, nullptr, false, nullptr, nullptr, false,
         false, true},
        {"t18", "chk", "2024-02-26", "Superstore", -9999, nullptr, false, nullptr, nullptr, true,
         false, true},
        // Marked split, yet without lines: it counts whole.
        {"t19", "cash", "2024-03-10", "Flea Market", -300, nullptr, false, nullptr, nullptr, false,
         false, true},
        // Pay with a deduction taken from it.
        {"t20", "chk", "2024-03-15", "Employer", 250000, nullptr, false, nullptr, nullptr, false,
         false, true},
    };
    for (const Row& row : rows)
        addTransaction(row);
    addSplitLine("t17", "groc", -4000);
    addSplitLine("t17", "med", -2000);
    addSplitLine("t18", "groc", -9999);
    addSplitLine("t20", "sal", 280000);
    addSplitLine("t20", "med", -30000);
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

    // Split lines count under their categories, a payment line of a deposit too; transfers and
    // opening balances are no spending.
    QTest::newRow("outflows only, largest first, no category as Uncategorized")
        << d("2024-01-01") << d("2024-12-31") << QString()
        << QStringList{"Rent -100000",  "Medical -36000", "Groceries -6000", "Uncategorized -5300",
                       "Charity -2500", "Hobbies -1500",  "Tithe -1000"};
    QTest::newRow("one account, its transfer and opening balance left out")
        << d("2024-01-01") << d("2024-12-31") << "sav" << QStringList{"Medical -4000"};
    QTest::newRow("split lines under their own categories")
        << d("2024-02-25") << d("2024-03-31") << "chk"
        << QStringList{"Medical -32000", "Groceries -4000", "Tithe -1000"};
    QTest::newRow("split without lines counts whole")
        << d("2024-01-01") << d("2024-12-31") << "cash" << QStringList{"Uncategorized -300"};
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
    for (const CategoryTotal& row : m_reports->categorySpending(start, end, usd(account)))
        actual << QStringLiteral("%1 %2").arg(row.categoryName).arg(row.total);
    QCOMPARE(actual, expected);
}

void TestReportService::payeeSummary_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    // Market: the refund nets out against the payment; the deleted payment is absent. A split
    // transaction counts whole under its payee; transfers and opening balances not at all.
    QTest::newRow("all accounts") << QString()
                                  << QStringList{"Landlord -100000 1",  "Superstore -6000 1",
                                                 "Corner Shop -5000 1", "Clinic -4000 1",
                                                 "Red Cross -2500 1",   "Market -1600 2",
                                                 "Hobby Store -1500 1", "Church -1000 1",
                                                 "Flea Market -300 1",  "Employer 550000 2"};
    QTest::newRow("one account") << "sav" << QStringList{"Clinic -4000 1"};
}

void TestReportService::payeeSummary()
{
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const PayeeTotal& row :
         m_reports->payeeSummary(d("2024-01-01"), d("2024-12-31"), usd(account)))
        actual << QStringLiteral("%1 %2 %3").arg(row.payee).arg(row.total).arg(row.count);
    QCOMPARE(actual, expected);
}

void TestReportService::taxReport()
{
    QStringList actual;
    for (const TaxLine& row : m_reports->taxReport(d("2024-01-01"), d("2024-12-31"), Currency::USD))
        actual << QStringLiteral("%1|%2|%3").arg(row.categoryName, row.taxCategory).arg(row.total);
    // Ordered by tax code, a missing code first; other categories never appear; split lines
    // count under theirs.
    QCOMPARE(actual, (QStringList{"Tithe||-1000", "Charity|charitable_contributions|-2500",
                                  "Medical|medical|-36000"}));
}

void TestReportService::monthlyFlows_data()
{
    QTest::addColumn<bool>("cashFlow");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    // The opening balance of January is neither; the pay of March counts its deduction as an
    // expense in income vs expenses and only its net in the account's cash flow.
    QTest::newRow("income vs expenses leaves transfers and opening balances out")
        << false << QString()
        << QStringList{"2024-01 300000 -107000 193000", "2024-02 0 -14000 -14000",
                       "2024-03 280400 -31300 249100"};
    QTest::newRow("cash flow counts transfers, not opening balances")
        << true << QString()
        << QStringList{"2024-01 300000 -107000 193000", "2024-02 50000 -64000 -14000",
                       "2024-03 250400 -1300 249100"};
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
    const QList<MonthlyFlow> rows = cashFlow
                                        ? m_reports->cashFlow(start, end, usd(account))
                                        : m_reports->incomeVsExpenses(start, end, usd(account));
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
                                         "Charity 0 -2500 -2500",  "Groceries -1800 -5600 -3800",
                                         "Hobbies 0 -1500 -1500",  "Medical 0 -36000 -36000",
                                         "Rent 0 -100000 -100000", "Salary 0 580000 580000",
                                         "Tithe 0 -1000 -1000",    "Uncategorized 0 -5300 -5300",
                                         "dining -700 0 700"};
    QTest::newRow("one account, its transfer and opening balance left out")
        << "sav" << QStringList{"Medical 0 -4000 -4000"};
}

void TestReportService::yearOverYear()
{
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const YearOverYearRow& row : m_reports->yearOverYear(
             d("2023-01-01"), d("2023-12-31"), d("2024-01-01"), d("2024-12-31"), usd(account)))
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
        actual << QStringLiteral("%1 %2 %3 %4 %5 %6")
                      .arg(row.name, row.accountType, Enumerations::storageString(row.currency))
                      .arg(row.cleared)
                      .arg(row.uncleared)
                      .arg(row.total);
    // By sort order, then name; the starting balance counts as cleared; no deleted account;
    // transfers and opening balances count, as every transaction does.
    QCOMPARE(actual, (QStringList{"Checking checking USD 298000 181900 479900",
                                  "Cash cash USD 10000 -300 9700",
                                  "Savings savings USD 16000 50000 66000"}));
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
                       "2024-02-20|Checking|Hobby Store|Hobbies||-1500",
                       "2024-02-25|Checking|Superstore|||-6000"};
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

void TestReportService::scopeKeepsToOneCurrency_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("dollars, a currency read as dollars among them")
        << int(Currency::USD) << QString()
        << QStringList{"Rent -100000", "Uncategorized -5000", "Groceries -2333"};
    QTest::newRow("euros") << int(Currency::EUR) << QString() << QStringList{"Groceries -700"};
    QTest::newRow("yen") << int(Currency::JPY) << QString() << QStringList{"Groceries -1200"};
    QTest::newRow("an account of the currency")
        << int(Currency::JPY) << "yen" << QStringList{"Groceries -1200"};
    QTest::newRow("an account of another currency") << int(Currency::EUR) << "chk" << QStringList{};
    QTest::newRow("a currency no account holds")
        << int(Currency::GBP) << QString() << QStringList{};
}

// Amounts of different currencies are never added up: each scope reads its currency's accounts.
void TestReportService::scopeKeepsToOneCurrency()
{
    QFETCH(int, currency);
    QFETCH(QString, account);
    QFETCH(QStringList, expected);
    addAccount("eur", "Konto", "checking", 0, 3, false, "EUR");
    addAccount("yen", "Wallet", "cash", 0, 4, false, "JPY");
    addAccount("franc", "Compte", "checking", 0, 5, false, "CHF");
    addTransaction(
        {"e1", "eur", "2024-01-09", "Markt", -700, "groc", false, nullptr, nullptr, false});
    addTransaction(
        {"y1", "yen", "2024-01-09", "Konbini", -1200, "groc", false, nullptr, nullptr, false});
    addTransaction(
        {"f1", "franc", "2024-01-09", "Marche", -333, "groc", false, nullptr, nullptr, false});

    QStringList actual;
    for (const CategoryTotal& row : m_reports->categorySpending(d("2024-01-01"), d("2024-01-31"),
                                                                {Currency(currency), account}))
        actual << QStringLiteral("%1 %2").arg(row.categoryName).arg(row.total);
    QCOMPARE(actual, expected);
}

void TestReportService::failingQueryGivesEmptyList()
{
    m_db->exec("DROP TABLE split_lines");
    m_db->exec("DROP TABLE transactions");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ReportService query failed:"));
    QVERIFY(m_reports->categorySpending(d("2024-01-01"), d("2024-12-31"), usd()).isEmpty());
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
