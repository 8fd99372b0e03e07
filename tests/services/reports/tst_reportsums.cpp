#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/reports/reportservice.h"
#include "tests/common/testdatabase.h"
#include "tests/common/testrecords.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

// Every report over a generated household ledger against sums read from its tables in plain
// SQL: three currencies, accounts opened with a balance, split transactions, transfers and
// deleted transactions.
namespace {

const QDate firstDay(2024, 10, 1);
const QDate lastDay(2024, 12, 31);

struct AccountPlan
{
    const char* id;
    const char* name;
    AccountType type;
    Currency currency;
    qint64 opening;
};

const AccountPlan accountPlans[] = {
    {"usd-checking", "Checking", AccountType::Checking, Currency::USD, 812000},
    {"usd-card", "Card", AccountType::CreditCard, Currency::USD, -45000},
    {"eur-giro", "Girokonto", AccountType::Checking, Currency::EUR, 250000},
    {"eur-savings", "Sparbuch", AccountType::Savings, Currency::EUR, 0},
    {"jpy-wallet", "Wallet", AccountType::Cash, Currency::JPY, 20000},
};

const char* const categoryNames[] = {"Groceries", "Dining", "Salary", "Medical", "Charity", "Rent"};

// The plain reading of what a report counts, for the transactions aliased "t".
QString counted(const QString& accounts, const QDate& start, const QDate& end)
{
    return QStringLiteral("t.deleted_at IS NULL AND IFNULL(t.transfer_link_id, '') = '' AND "
                          "t.payee != 'Opening Balance' AND t.date BETWEEN '%1' AND '%2' AND %3")
        .arg(start.toString(Qt::ISODate), end.toString(Qt::ISODate), accounts);
}

QString amountText(qint64 amount)
{
    return QString::number(amount);
}

} // namespace

class TestReportSums : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<AccountService> m_accountService;
    std::unique_ptr<TransactionService> m_transactionService;
    std::unique_ptr<ReportService> m_reports;

    void generateLedger();
    // Every (date, category name, amount) the plain reading counts as earned or spent: the
    // transactions that are not split and the lines of those that are.
    QList<std::tuple<QDate, QString, qint64>>
    plainEntries(const QString& accounts, const QDate& start, const QDate& end) const;
    QMap<QString, QString> reportLines(const QString& report, const ReportScope& scope) const;
    QMap<QString, QString> plainLines(const QString& report, const QString& accounts) const;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reportsMatchPlainSums_data();
    void reportsMatchPlainSums();
};

void TestReportSums::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    Database* database = m_db->database();
    m_accounts = std::make_unique<AccountRepository>(database);
    m_transactions = std::make_unique<TransactionRepository>(database);
    m_splitLines = std::make_unique<SplitLineRepository>(database);
    m_categories = std::make_unique<CategoryRepository>(database);
    m_recurring = std::make_unique<RecurringRepository>(database);
    m_reconciliations = std::make_unique<ReconciliationRepository>(database);
    m_accountService =
        std::make_unique<AccountService>(database, m_accounts.get(), m_transactions.get(),
                                         m_recurring.get(), m_reconciliations.get());
    m_transactionService = std::make_unique<TransactionService>(
        database, m_accounts.get(), m_transactions.get(), m_splitLines.get());
    m_reports = std::make_unique<ReportService>(database);
    generateLedger();
}

void TestReportSums::cleanupTestCase()
{
    m_reports.reset();
    m_transactionService.reset();
    m_accountService.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_categories.reset();
    m_splitLines.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

void TestReportSums::generateLedger()
{
    for (const AccountPlan& plan : accountPlans) {
        Account account = testAccount(QString::fromLatin1(plan.id), QString::fromLatin1(plan.name),
                                      plan.opening, plan.currency);
        account.accountType = plan.type;
        QVERIFY(m_accountService->create(account, firstDay));
    }
    QStringList categoryIds;
    for (const char* name : categoryNames) {
        Category category =
            testCategory(QString::fromLatin1(name).toLower(), QString::fromLatin1(name));
        category.isTaxRelevant =
            category.name == QLatin1String("Medical") || category.name == QLatin1String("Charity");
        category.taxCategory = category.isTaxRelevant ? category.id : QString();
        QVERIFY(m_categories->insert(category));
        categoryIds << category.id;
    }

    QRandomGenerator random(20241101);
    const auto pick = [&random](const auto& list) {
        return list[random.bounded(int(std::size(list)))];
    };
    const QStringList payees{"Market", "Bistro", "Pharmacy", "Landlord", "Employer", "Kiosk"};
    for (int i = 0; i < 240; ++i) {
        const AccountPlan& plan = pick(accountPlans);
        const qint64 size = plan.currency == Currency::JPY ? 100 : 1;
        Transaction transaction;
        transaction.accountId = QString::fromLatin1(plan.id);
        transaction.date = firstDay.addDays(random.bounded(int(firstDay.daysTo(lastDay)) + 1));
        transaction.payee = pick(payees);
        transaction.amount = -random.bounded(100, 30000) * size;
        const int kind = random.bounded(100);
        if (kind < 10) {
            transaction.amount = random.bounded(50000, 400000) * size;
            transaction.categoryId = QStringLiteral("salary");
            QVERIFY(m_transactionService->add(transaction));
        } else if (kind < 25) {
            // Two or three lines; now and then a refund among the payments.
            QList<SplitLine> lines;
            transaction.amount = 0;
            for (int n = random.bounded(2, 4); n > 0; --n) {
                SplitLine line;
                line.categoryId = pick(categoryIds);
                line.amount = random.bounded(100, 9000) * size * (random.bounded(6) == 0 ? 1 : -1);
                transaction.amount += line.amount;
                lines << line;
            }
            transaction.isSplit = true;
            QVERIFY(m_transactionService->add(transaction, lines));
        } else if (kind < 35 && plan.currency != Currency::JPY) {
            // Between the two accounts of the currency.
            const QString other = plan.currency == Currency::USD ? QStringLiteral("usd-card")
                                                                 : QStringLiteral("eur-savings");
            if (other == transaction.accountId)
                continue;
            transaction.payee = QStringLiteral("Transfer");
            Transaction partner =
                TransactionService::transferPartner(transaction, other, QStringLiteral("Transfer"));
            QVERIFY(m_transactionService->addTransfer(transaction, partner));
        } else {
            if (random.bounded(5) > 0)
                transaction.categoryId = pick(categoryIds);
            QVERIFY(m_transactionService->add(transaction));
        }
    }
    // Removed again, they no longer count: a plain payment, a split one and a transfer.
    for (const char* kind : {"is_split = 0 AND transfer_link_id IS NULL AND amount < 0",
                             "is_split = 1", "transfer_link_id IS NOT NULL"}) {
        const QString id = m_db->scalar(QStringLiteral("SELECT id FROM transactions WHERE payee != "
                                                       "'Opening Balance' AND %1 LIMIT 1")
                                            .arg(QLatin1String(kind)))
                               .toString();
        QVERIFY(m_transactionService->remove(*m_transactions->byId(id)));
    }
}

QList<std::tuple<QDate, QString, qint64>>
TestReportSums::plainEntries(const QString& accounts, const QDate& start, const QDate& end) const
{
    QList<std::tuple<QDate, QString, qint64>> entries;
    const QString where = counted(accounts, start, end);
    for (const QString& sql :
         {QStringLiteral("SELECT t.date, COALESCE(c.name, 'Uncategorized'), t.amount FROM "
                         "transactions t LEFT JOIN categories c ON c.id = t.category_id WHERE "
                         "t.is_split = 0 AND %1"),
          QStringLiteral(
              "SELECT t.date, c.name, s.amount FROM split_lines s JOIN transactions t ON "
              "t.id = s.transaction_id JOIN categories c ON c.id = s.category_id WHERE "
              "%1")}) {
        QSqlQuery query(sql.arg(where), m_db->database()->connection());
        while (query.next())
            entries.append(
                {query.value(0).toDate(), query.value(1).toString(), query.value(2).toLongLong()});
    }
    return entries;
}

QMap<QString, QString> TestReportSums::reportLines(const QString& report,
                                                   const ReportScope& scope) const
{
    QMap<QString, QString> lines;
    const auto flows = [&lines](const QList<MonthlyFlow>& months) {
        for (const MonthlyFlow& month : months)
            lines.insert(
                month.month,
                QStringLiteral("%1 %2 %3").arg(month.inAmount).arg(month.outAmount).arg(month.net));
    };
    if (report == QLatin1String("category spending")) {
        for (const CategoryTotal& row : m_reports->categorySpending(firstDay, lastDay, scope))
            lines.insert(row.categoryName, amountText(row.total));
    } else if (report == QLatin1String("payee summary")) {
        for (const PayeeTotal& row : m_reports->payeeSummary(firstDay, lastDay, scope))
            lines.insert(row.payee, QStringLiteral("%1 %2").arg(row.total).arg(row.count));
    } else if (report == QLatin1String("tax report")) {
        for (const TaxLine& row : m_reports->taxReport(firstDay, lastDay, scope.currency))
            lines.insert(row.categoryName,
                         QStringLiteral("%1 %2").arg(row.taxCategory).arg(row.total));
    } else if (report == QLatin1String("income vs expenses")) {
        flows(m_reports->incomeVsExpenses(firstDay, lastDay, scope));
    } else if (report == QLatin1String("cash flow")) {
        flows(m_reports->cashFlow(firstDay, lastDay, scope));
    } else if (report == QLatin1String("year-over-year")) {
        for (const YearOverYearRow& row : m_reports->yearOverYear(
                 firstDay, QDate(2024, 11, 15), QDate(2024, 11, 16), lastDay, scope))
            lines.insert(
                row.categoryName,
                QStringLiteral("%1 %2 %3").arg(row.period1).arg(row.period2).arg(row.difference));
    } else if (report == QLatin1String("account summary")) {
        for (const AccountSummaryRow& row : m_reports->accountSummary())
            lines.insert(row.name, QStringLiteral("%1 %2 %3")
                                       .arg(Enumerations::storageString(row.currency))
                                       .arg(row.cleared + row.uncleared)
                                       .arg(row.total));
    } else if (report == QLatin1String("transactions")) {
        for (const TransactionReportRow& row :
             m_reports->transactionReport(firstDay, lastDay, scope.accountId)) {
            const QString currency = Enumerations::storageString(row.currency);
            const QStringList sum = lines.value(currency, QStringLiteral("0 0")).split(' ');
            lines.insert(currency, QStringLiteral("%1 %2")
                                       .arg(sum.at(0).toInt() + 1)
                                       .arg(sum.at(1).toLongLong() + row.amount));
        }
    }
    return lines;
}

QMap<QString, QString> TestReportSums::plainLines(const QString& report,
                                                  const QString& accounts) const
{
    QMap<QString, QString> lines;
    const QSqlDatabase connection = m_db->database()->connection();
    const QString inPeriod =
        QStringLiteral("t.date BETWEEN '%1' AND '%2'")
            .arg(firstDay.toString(Qt::ISODate), lastDay.toString(Qt::ISODate));
    if (report == QLatin1String("category spending") || report == QLatin1String("tax report") ||
        report == QLatin1String("year-over-year")) {
        QMap<QString, qint64> first;
        QMap<QString, qint64> second;
        for (const auto& [date, category, amount] : plainEntries(accounts, firstDay, lastDay)) {
            if (report == QLatin1String("category spending") && amount < 0)
                first[category] += amount;
            else if (report == QLatin1String("tax report") &&
                     (category == QLatin1String("Medical") || category == QLatin1String("Charity")))
                first[category] += amount;
            else if (report == QLatin1String("year-over-year"))
                (date <= QDate(2024, 11, 15) ? first : second)[category] += amount;
        }
        for (auto it = first.cbegin(); it != first.cend(); ++it) {
            if (report == QLatin1String("tax report"))
                lines.insert(it.key(),
                             QStringLiteral("%1 %2").arg(it.key().toLower()).arg(it.value()));
            else if (report == QLatin1String("category spending"))
                lines.insert(it.key(), amountText(it.value()));
        }
        if (report == QLatin1String("year-over-year")) {
            QStringList names = first.keys() + second.keys();
            for (const QString& name : names)
                lines.insert(name, QStringLiteral("%1 %2 %3")
                                       .arg(first.value(name))
                                       .arg(second.value(name))
                                       .arg(second.value(name) - first.value(name)));
        }
    } else if (report == QLatin1String("income vs expenses")) {
        QMap<QString, QPair<qint64, qint64>> months;
        for (const auto& [date, category, amount] : plainEntries(accounts, firstDay, lastDay))
            (amount > 0 ? months[date.toString("yyyy-MM")].first
                        : months[date.toString("yyyy-MM")].second) += amount;
        for (auto it = months.cbegin(); it != months.cend(); ++it)
            lines.insert(it.key(), QStringLiteral("%1 %2 %3")
                                       .arg(it.value().first)
                                       .arg(it.value().second)
                                       .arg(it.value().first + it.value().second));
    } else if (report == QLatin1String("cash flow")) {
        QSqlQuery query(QStringLiteral("SELECT substr(t.date, 1, 7), SUM(MAX(t.amount, 0)), "
                                       "SUM(MIN(t.amount, 0)), SUM(t.amount) FROM transactions t "
                                       "WHERE t.deleted_at IS NULL AND t.payee != 'Opening "
                                       "Balance' AND %1 AND %2 GROUP BY 1")
                            .arg(accounts, inPeriod),
                        connection);
        while (query.next())
            lines.insert(query.value(0).toString(), QStringLiteral("%1 %2 %3")
                                                        .arg(query.value(1).toLongLong())
                                                        .arg(query.value(2).toLongLong())
                                                        .arg(query.value(3).toLongLong()));
    } else if (report == QLatin1String("payee summary")) {
        QSqlQuery query(QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM "
                                       "transactions t WHERE %1 GROUP BY t.payee")
                            .arg(counted(accounts, firstDay, lastDay)),
                        connection);
        while (query.next())
            lines.insert(query.value(0).toString(), QStringLiteral("%1 %2")
                                                        .arg(query.value(1).toLongLong())
                                                        .arg(query.value(2).toInt()));
    } else if (report == QLatin1String("account summary")) {
        QSqlQuery query(QStringLiteral("SELECT a.name, a.currency, a.starting_balance + "
                                       "IFNULL((SELECT SUM(t.amount) FROM transactions t WHERE "
                                       "t.account_id = a.id AND t.deleted_at IS NULL), 0) FROM "
                                       "accounts a"),
                        connection);
        while (query.next())
            lines.insert(query.value(0).toString(), QStringLiteral("%1 %2 %2")
                                                        .arg(query.value(1).toString())
                                                        .arg(query.value(2).toLongLong()));
    } else if (report == QLatin1String("transactions")) {
        QSqlQuery query(QStringLiteral("SELECT a.currency, COUNT(*), SUM(t.amount) FROM "
                                       "transactions t JOIN accounts a ON a.id = t.account_id "
                                       "WHERE t.deleted_at IS NULL AND %1 AND %2 GROUP BY "
                                       "a.currency")
                            .arg(accounts, inPeriod),
                        connection);
        while (query.next())
            lines.insert(query.value(0).toString(), QStringLiteral("%1 %2")
                                                        .arg(query.value(1).toInt())
                                                        .arg(query.value(2).toLongLong()));
    }
    return lines;
}

void TestReportSums::reportsMatchPlainSums_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("account");
    // Whose transactions the plain reading takes, as a condition on "t".
    QTest::addColumn<QString>("accounts");

    const auto inCurrency = [](Currency currency) {
        return QStringLiteral("t.account_id IN (SELECT id FROM accounts WHERE currency = '%1')")
            .arg(Enumerations::storageString(currency));
    };
    const QString card = QStringLiteral("usd-card");
    for (const char* report : {"category spending", "payee summary", "tax report",
                               "income vs expenses", "cash flow", "year-over-year"}) {
        for (const Currency currency : {Currency::USD, Currency::EUR, Currency::JPY})
            QTest::addRow("%s, %s", report, qPrintable(Enumerations::storageString(currency)))
                << report << int(currency) << QString() << inCurrency(currency);
        // The tax report reads every account of the currency.
        QTest::addRow("%s, one account", report)
            << report << int(Currency::USD) << card
            << (report == QLatin1String("tax report")
                    ? inCurrency(Currency::USD)
                    : QStringLiteral("t.account_id = '%1'").arg(card));
    }
    // Every account whatever its currency, each row in its own.
    QTest::newRow("account summary")
        << "account summary" << int(Currency::USD) << QString() << QStringLiteral("1");
    QTest::newRow("transactions") << "transactions" << int(Currency::USD) << QString()
                                  << QStringLiteral("1");
    QTest::newRow("transactions, one account") << "transactions" << int(Currency::USD) << card
                                               << QStringLiteral("t.account_id = '%1'").arg(card);
}

void TestReportSums::reportsMatchPlainSums()
{
    QFETCH(QString, report);
    QFETCH(int, currency);
    QFETCH(QString, account);
    QFETCH(QString, accounts);
    const QMap<QString, QString> expected = plainLines(report, accounts);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(reportLines(report, {Currency(currency), account}), expected);
}

QTEST_GUILESS_MAIN(TestReportSums)
#include "tst_reportsums.moc"
