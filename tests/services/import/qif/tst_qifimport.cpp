#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/categories/categoryservice.h"
#include "services/import/importservice.h"
#include "tests/common/tabledump.h"
#include "tests/common/testdatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using Mapping = QHash<QString, QString>;

namespace {

const QString householdQif = QStringLiteral(
    "!Type:Cat\nNGroceries\nE\n^\nNSalary\nI\n^\n"
    "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
    "D01/05/2024\nT-50.00\nPMarket\nLGroceries\nCX\n^\n"
    "D01/06/2024\nT-100.00\nPTo savings\nL[Savings]\nMMonthly\n^\n"
    "D01/07/2024\nT2,500.00\nPEmployer\nSSalary\n$3,000.00\nSDining Out\n$-500.00\nEWork lunch\n^\n"
    "!Account\nNSavings\nTBank\n^\n!Type:Bank\n"
    "D01/06/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n"
    "D01/08/2024\nT-20.00\nN42\nLFees:Service\n^\n"
    "D01/09/2024\nPNo amount\n^\n"
    "!Account\nNBrokerage\nTInvst\n^\n!Type:Invst\n"
    "D01/10/2024\nNBuy\nYAcme Corp\nT-1,000.00\n^\n"
    "!Type:Security\nNAcme Corp\nSACME\n^\n");

const QString checkingTransferQif =
    QStringLiteral("!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                   "D01/06/2024\nT-100.00\nPTo savings\nL[Savings]\nMMonthly\n^\n");

const QString savingsTransferQif =
    QStringLiteral("!Account\nNSavings\nTBank\n^\n!Type:Bank\n"
                   "D01/06/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n");

} // namespace

class TestQifImport : public QObject
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

    QString writeFile(const QString& name, const QString& text)
    {
        const QString path = m_files->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(text.toUtf8());
        return path;
    }

    // One line per stored transaction: what the register would show, plus the link.
    QStringList storedTransactions() const
    {
        QStringList rows;
        QSqlQuery query(m_db->database()->connection());
        query.exec("SELECT t.date, t.account_id, t.payee, t.amount, COALESCE(c.name, ''), "
                   "COALESCE(t.memo, ''), COALESCE(t.check_number, ''), t.cleared, t.is_split, "
                   "COALESCE(t.transfer_dest_account_id, ''), t.version, t.sync_status FROM "
                   "transactions t LEFT JOIN categories c ON c.id = t.category_id ORDER BY "
                   "t.date, t.payee");
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < 12; ++i)
                fields << query.value(i).toString();
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

    QString idOf(const QString& payee) const
    {
        return m_db
            ->scalar(QStringLiteral("SELECT id FROM transactions WHERE payee = '%1'").arg(payee))
            .toString();
    }

    QString linkOf(const QString& payee) const
    {
        return m_db
            ->scalar(QStringLiteral("SELECT COALESCE(transfer_link_id, '') FROM transactions "
                                    "WHERE payee = '%1'")
                         .arg(payee))
            .toString();
    }

    static QString counters(const ImportResult& r)
    {
        return QStringLiteral("imported %1, duplicates %2, unparseable %3, metadata %4, "
                              "unmapped %5, linked %6, retroactive %7, failed %8%9")
            .arg(r.imported)
            .arg(r.duplicates)
            .arg(r.unparseable)
            .arg(r.metadataSkipped)
            .arg(r.unmappedSkipped)
            .arg(r.transfersLinked)
            .arg(r.retroactiveLinks)
            .arg(r.failedInserts)
            .arg(r.aborted ? ", aborted" : "");
    }

private slots:
    void init();
    void cleanup();

    void multiAccountFileImportsOnce();
    void retroactiveLinking_data();
    void retroactiveLinking();
    void unresolvedTransfersKeepAHint_data();
    void unresolvedTransfersKeepAHint();
    void abortedImportLeavesDatabaseAsBefore();
    void progressAndAnnouncements();
    void fileWithoutAccountHeader();
    void categoriesOfImportedRecords_data();
    void categoriesOfImportedRecords();
    void transferSplitLinesAreKept();
    void transfersCategory_data();
    void transfersCategory();
    void refusedSplitLineTakesItsTransactionBack();
    void analysis();
    void amountsInTheAccountCurrency();
    void transfersStayInOneCurrency();
    void recordsRightAfterAnAccount();
};

void TestQifImport::init()
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
    for (const char* id : {"chk", "sav"})
        m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                  "('%1', '%1', 'x', 'x')")
                       .arg(QLatin1String(id)));
}

void TestQifImport::cleanup()
{
    m_import.reset();
    m_splitLines.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    m_files.reset();
}

void TestQifImport::multiAccountFileImportsOnce()
{
    const QString path = writeFile("household.qif", householdQif);
    // Source keys match whatever their case; the investment account is skipped.
    const Mapping mapping{{"Checking", "chk"}, {"savings", "sav"}, {"Brokerage", ""}};

    const ImportResult first = m_import->importQif({path}, mapping);
    QCOMPARE(counters(first), QString("imported 5, duplicates 0, unparseable 1, metadata 1, "
                                      "unmapped 1, linked 1, retroactive 0, failed 0"));
    QCOMPARE(storedTransactions(),
             (QStringList{"2024-01-05|chk|Market|-5000|Groceries|||1|0||1|pending",
                          "2024-01-06|sav|From checking|10000||||0|0|chk|1|pending",
                          "2024-01-06|chk|To savings|-10000||Monthly||0|0|sav|1|pending",
                          "2024-01-07|chk|Employer|250000||||0|1||1|pending",
                          "2024-01-08|sav|42|-2000|Fees:Service||42|0|0||1|pending"}));
    QCOMPARE(linkOf("To savings"), idOf("From checking"));
    QCOMPARE(linkOf("From checking"), idOf("To savings"));

    QStringList categories;
    for (const Category& c : m_categories->listAll())
        categories << c.name + QLatin1Char(' ') + Enumerations::storageString(c.categoryType);
    QCOMPARE(categories, (QStringList{"Dining Out expense", "Fees:Service expense",
                                      "Groceries expense", "Salary income"}));

    QStringList splits;
    for (const SplitLine& line : m_splitLines->listForTransaction(idOf("Employer")))
        splits << QStringLiteral("%1 %2 %3")
                      .arg(m_categories->byId(line.categoryId)->name)
                      .arg(line.amount)
                      .arg(line.memo);
    QCOMPARE(splits, (QStringList{"Salary 300000 ", "Dining Out -50000 Work lunch"}));

    // The same file again adds nothing, not even a link.
    const QStringList before = storedTransactions();
    const ImportResult second = m_import->importQif({path}, mapping);
    QCOMPARE(counters(second), QString("imported 0, duplicates 5, unparseable 1, metadata 1, "
                                       "unmapped 1, linked 0, retroactive 0, failed 0"));
    QCOMPARE(storedTransactions(), before);
    QCOMPARE(m_categories->count(), 4);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines").toInt(), 2);
}

void TestQifImport::retroactiveLinking_data()
{
    QTest::addColumn<bool>("checkingAgain");
    QTest::addColumn<int>("duplicates");

    QTest::newRow("savings alone") << false << 0;
    // The checking side is a duplicate now: the savings side must link to the stored one,
    // not to the duplicate that is never written.
    QTest::newRow("both files again") << true << 1;
}

void TestQifImport::retroactiveLinking()
{
    QFETCH(bool, checkingAgain);
    QFETCH(int, duplicates);
    const QString checking = writeFile("checking.qif", checkingTransferQif);
    const QString savings = writeFile("savings.qif", savingsTransferQif);

    const ImportResult first =
        m_import->importQif({checking}, {{"Checking", "chk"}, {"Savings", ""}});
    QCOMPARE(counters(first), QString("imported 1, duplicates 0, unparseable 0, metadata 0, "
                                      "unmapped 0, linked 0, retroactive 0, failed 0"));
    QCOMPARE(storedTransactions(),
             QStringList{"2024-01-06|chk|To savings|-10000||[→ Savings] Monthly||0|0||1|pending"});
    m_db->exec("UPDATE transactions SET sync_status = 'synced'");

    const QStringList files = checkingAgain ? QStringList{checking, savings} : QStringList{savings};
    const ImportResult second =
        m_import->importQif(files, {{"Checking", "chk"}, {"Savings", "sav"}});
    QCOMPARE(counters(second), QStringLiteral("imported 1, duplicates %1, unparseable 0, "
                                              "metadata 0, unmapped 0, linked 1, retroactive 1, "
                                              "failed 0")
                                   .arg(duplicates));
    // The earlier side loses its hint and becomes a new revision to push.
    QCOMPARE(storedTransactions(),
             (QStringList{"2024-01-06|sav|From checking|10000||||0|0|chk|1|pending",
                          "2024-01-06|chk|To savings|-10000||Monthly||0|0|sav|2|pending"}));
    QCOMPARE(linkOf("To savings"), idOf("From checking"));
    QCOMPARE(linkOf("From checking"), idOf("To savings"));
}

void TestQifImport::unresolvedTransfersKeepAHint_data()
{
    QTest::addColumn<QString>("transfer");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<Mapping>("mapping");
    QTest::addColumn<QString>("storedMemo");

    const Mapping checkingOnly{{"Checking", "chk"}};
    QTest::newRow("other side skipped")
        << "Savings"
        << "Monthly" << Mapping{{"Checking", "chk"}, {"Savings", ""}} << "[→ Savings] Monthly";
    QTest::newRow("other side not in the files")
        << "Credit Union"
        << "Monthly" << checkingOnly << "[→ Credit Union] Monthly";
    QTest::newRow("no memo") << "Credit Union"
                             << "" << checkingOnly << "[→ Credit Union]";
    QTest::newRow("other side stored nothing to link")
        << "Savings"
        << "Monthly" << Mapping{{"Checking", "chk"}, {"Savings", "sav"}} << "[→ Savings] Monthly";
    QTest::newRow("other side mapped to the same account")
        << "Old Checking"
        << "Monthly" << Mapping{{"Checking", "chk"}, {"Old Checking", "chk"}}
        << "[→ Old Checking] Monthly";
    QTest::newRow("transfer to its own account is plain") << "checking"
                                                          << "Monthly" << checkingOnly << "Monthly";
}

void TestQifImport::unresolvedTransfersKeepAHint()
{
    QFETCH(QString, transfer);
    QFETCH(QString, memo);
    QFETCH(Mapping, mapping);
    QFETCH(QString, storedMemo);

    const QString path = writeFile(
        "checking.qif", QStringLiteral("!Account\nNChecking\n^\n!Type:Bank\nD01/06/2024\n"
                                       "T-100.00\nPMove\nL[%1]\n%2^\n")
                            .arg(transfer, memo.isEmpty() ? QString() : "M" + memo + "\n"));
    const ImportResult result = m_import->importQif({path}, mapping);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(m_db->scalar("SELECT memo FROM transactions").toString(), storedMemo);
    QCOMPARE(linkOf("Move"), QString());
}

void TestQifImport::abortedImportLeavesDatabaseAsBefore()
{
    const QString checking = writeFile("checking.qif", checkingTransferQif);
    QCOMPARE(m_import->importQif({checking}, {{"Checking", "chk"}}).imported, 1);

    QHash<QString, QStringList> before;
    for (const QString& table : TableDump::ledgerTables())
        before.insert(table, TableDump::rows(*m_db, table));

    // The linking update is refused, after a new category and a new transaction were written.
    m_db->exec("CREATE TRIGGER refuse_updates BEFORE UPDATE ON transactions BEGIN SELECT "
               "RAISE(ABORT, 'refused'); END");
    const QString savings =
        writeFile("savings.qif", "!Type:Cat\nNInterest\nI\n^\n!Account\nNSavings\n^\n!Type:Bank\n"
                                 "D01/02/2024\nT5.00\nPBank\nLInterest\n^\n"
                                 "D01/06/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n"
                                 "D01/07/2024\nT1.00\nPLater\n^\n");
    QSignalSpy transactionsChanged(m_transactions.get(),
                                   &TransactionRepository::transactionsChanged);
    QSignalSpy categoriesChanged(m_categories.get(), &CategoryRepository::categoriesChanged);
    QSignalSpy progress(m_import.get(), &ImportService::importProgress);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^TransactionRepository::update failed:"));
    QTest::ignoreMessage(QtWarningMsg, "QIF import aborted: failed to update retroactive partner");

    const ImportResult result =
        m_import->importQif({savings}, {{"Checking", "chk"}, {"Savings", "sav"}});
    QCOMPARE(counters(result), QString("imported 1, duplicates 0, unparseable 0, metadata 0, "
                                       "unmapped 0, linked 0, retroactive 0, failed 0, aborted"));
    for (const QString& table : TableDump::ledgerTables())
        QCOMPARE(TableDump::rows(*m_db, table), before.value(table));
    QCOMPARE(transactionsChanged.count(), 0);
    QCOMPARE(categoriesChanged.count(), 0);
    QCOMPARE(progress.last(), (QVariantList{3, 3}));
}

void TestQifImport::progressAndAnnouncements()
{
    QString text = "!Account\nNChecking\n^\n!Type:Bank\n";
    for (int i = 1; i <= 250; ++i)
        text += QStringLiteral("D01/01/2024\nT-%1.00\nPShop %1\nLMisc\n^\n").arg(i);
    const QString path = writeFile("many.qif", text);

    QSignalSpy started(m_import.get(), &ImportService::importStarted);
    QSignalSpy progress(m_import.get(), &ImportService::importProgress);
    QSignalSpy transactionsChanged(m_transactions.get(),
                                   &TransactionRepository::transactionsChanged);
    QSignalSpy categoriesChanged(m_categories.get(), &CategoryRepository::categoriesChanged);
    QCOMPARE(m_import->importQif({path}, {{"Checking", "chk"}}).imported, 250);

    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first(), QVariantList{250});
    QCOMPARE(progress.count(), 3);
    QCOMPARE(progress.at(0), (QVariantList{100, 250}));
    QCOMPARE(progress.at(1), (QVariantList{200, 250}));
    QCOMPARE(progress.at(2), (QVariantList{250, 250}));
    // Once per account and once for the categories, after the commit.
    QCOMPARE(transactionsChanged.count(), 1);
    QCOMPARE(transactionsChanged.first(), QVariantList{"chk"});
    QCOMPARE(categoriesChanged.count(), 1);
}

void TestQifImport::fileWithoutAccountHeader()
{
    const QString path =
        writeFile("plain.qif", "D03/04/2024\nT-5\nPCoffee\n^\nD03/05/2024\nT-6\n^\n");
    const ImportResult result =
        m_import->importQif({path, m_files->filePath("missing.qif")}, {{path, "chk"}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(storedTransactions(),
             (QStringList{"2024-03-04|chk|Coffee|-500||||0|0||1|pending",
                          "2024-03-05|chk|Imported transaction|-600||||0|0||1|pending"}));
}

// Insurance with its subcategory Auto, and Gym, whose parent Old is deleted.
void TestQifImport::categoriesOfImportedRecords_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("amounts");
    QTest::addColumn<bool>("topLevelAuto"); // a top-level Auto, added after Insurance's
    QTest::addColumn<QString>("booked");    // path and kind of the category booked
    QTest::addColumn<int>("created");

    QTest::newRow("a bare name is not a subcategory's")
        << "Auto" << QList<int>{-4000} << false << "Auto expense" << 1;
    QTest::newRow("a top-level name wins over a subcategory's")
        << "Auto" << QList<int>{-4000} << true << "Auto expense" << 0;
    QTest::newRow("a QIF path names the subcategory")
        << "Insurance:Auto" << QList<int>{-4000} << true << "Insurance > Auto expense" << 0;
    QTest::newRow("so does the register's path")
        << "Insurance > Auto" << QList<int>{-4000} << false << "Insurance > Auto expense" << 0;
    QTest::newRow("a path to no subcategory is one new category")
        << "Insurance:Boat" << QList<int>{-4000} << false << "Insurance:Boat expense" << 1;
    QTest::newRow("a subcategory whose parent is deleted stands alone")
        << "Gym" << QList<int>{-3000} << false << "Old > Gym expense" << 0;
    QTest::newRow("deposits make an income category")
        << "Salary" << QList<int>{250000} << false << "Salary income" << 1;
    QTest::newRow("payments make an expense category")
        << "Rent" << QList<int>{-90000, -90000} << false << "Rent expense" << 1;
    QTest::newRow("most bookings decide, not one large deposit")
        << "Car" << QList<int>{-1000, -1000, 500000} << false << "Car expense" << 1;
    QTest::newRow("nor one large payment")
        << "Side Job" << QList<int>{10000, 10000, -500000} << false << "Side Job income" << 1;
    QTest::newRow("a tie stays an expense")
        << "Swap" << QList<int>{500, -500} << false << "Swap expense" << 1;
}

void TestQifImport::categoriesOfImportedRecords()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, amounts);
    QFETCH(bool, topLevelAuto);
    QFETCH(QString, booked);
    QFETCH(int, created);

    m_db->exec("INSERT INTO categories (id, name, parent_id, deleted_at, created_at, updated_at) "
               "VALUES ('ins', 'Insurance', NULL, NULL, 'x', 'x'), "
               "('ins-auto', 'Auto', 'ins', NULL, 'x', 'x'), "
               "('old', 'Old', NULL, '2024-01-01T00:00:00Z', 'x', 'x'), "
               "('old-gym', 'Gym', 'old', NULL, 'x', 'x')");
    if (topLevelAuto)
        m_db->exec("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('auto', "
                   "'Auto', 'x', 'x')");
    const int before = m_categories->count();

    QString text = "!Account\nNChecking\n^\n!Type:Bank\n";
    for (int i = 0; i < amounts.size(); ++i)
        text += QStringLiteral("D01/%1/2024\nT%2\nPShop %1\nL%3\n^\n")
                    .arg(i + 1)
                    .arg(amounts.at(i) / 100.0, 0, 'f', 2)
                    .arg(name);
    QCOMPARE(m_import->importQif({writeFile("booked.qif", text)}, {{"Checking", "chk"}}).imported,
             amounts.size());

    QSet<QString> bookedAs;
    for (const Transaction& t : m_transactions->listByAccount("chk")) {
        const std::optional<Category> category = m_categories->byId(t.categoryId);
        QVERIFY(category);
        bookedAs.insert(m_categories->fullPath(t.categoryId) + QLatin1Char(' ') +
                        Enumerations::storageString(category->categoryType));
    }
    QCOMPARE(bookedAs, QSet<QString>{booked});
    QCOMPARE(m_categories->count(), before + created);
}

void TestQifImport::transferSplitLinesAreKept()
{
    const QString path = writeFile(
        "split.qif", "!Account\nNChecking\n^\n!Type:Bank\nD1/7/24\n"
                     "T2500\nPEmployer\nSSalary\n$3000\nS[Savings]\n$-500\nEPut aside\n^\n"
                     "D1/8/24\nT-80\nPBank\nS[Credit Union]\n$-80\n^\n");
    const ImportResult result = m_import->importQif({path}, {{"Checking", "chk"}});
    QCOMPARE(counters(result), QString("imported 2, duplicates 0, unparseable 0, metadata 0, "
                                       "unmapped 0, linked 0, retroactive 0, failed 0"));

    // Each line keeps the account in its hint, under the one transfers category; the lines
    // add up to their transaction.
    const Category transfers = CategoryService::transfersCategory();
    const auto lines = [this](const QString& payee) {
        QStringList described;
        for (const SplitLine& line : m_splitLines->listForTransaction(idOf(payee)))
            described
                << QStringLiteral("%1|%2|%3").arg(line.categoryId).arg(line.amount).arg(line.memo);
        return described;
    };
    const QString salaryId = m_categories->byName("Salary")->id;
    QCOMPARE(lines("Employer"),
             (QStringList{salaryId + "|300000|", transfers.id + "|-50000|[→ Savings] Put aside"}));
    QCOMPARE(lines("Bank"), QStringList{transfers.id + "|-8000|[→ Credit Union]"});
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions t WHERE amount = (SELECT SUM(amount) "
                          "FROM split_lines WHERE transaction_id = t.id)")
                 .toInt(),
             2);

    const std::optional<Category> stored = m_categories->byId(transfers.id);
    QVERIFY(stored);
    QCOMPARE(stored->name, QString("Transfers"));
    QCOMPARE(stored->categoryType, CategoryType::Transfer);
    QCOMPARE(stored->parentId, QString());
}

void TestQifImport::transfersCategory_data()
{
    QTest::addColumn<QString>("before"); // statements run before the imports
    QTest::addColumn<QString>("name");   // of the category the transfer lines are filed under
    QTest::addColumn<bool>("builtIn");   // it has the id every installation gives it
    QTest::addColumn<int>("created");

    const QString builtInId = CategoryService::transfersCategory().id;
    QTest::newRow("none yet") << QString() << "Transfers" << true << 1;
    QTest::newRow("renamed by the user")
        << QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, "
                          "updated_at) VALUES ('%1', 'Moves', 'transfer', 'x', 'x')")
               .arg(builtInId)
        << "Moves" << true << 0;
    QTest::newRow("deleted by the user")
        << QStringLiteral("INSERT INTO categories (id, name, category_type, deleted_at, "
                          "created_at, updated_at) VALUES ('%1', 'Transfers', 'transfer', "
                          "'2024-01-01T00:00:00Z', 'x', 'x')")
               .arg(builtInId)
        << "Transfers" << false << 1;
    QTest::newRow("one of the user's by that name")
        << QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                          "('mine', 'Transfers', 'x', 'x')")
        << "Transfers" << false << 0;
}

void TestQifImport::transfersCategory()
{
    QFETCH(QString, before);
    QFETCH(QString, name);
    QFETCH(bool, builtIn);
    QFETCH(int, created);

    if (!before.isEmpty())
        m_db->exec(before);
    const int categoriesBefore = m_categories->count();
    // Two imports, each with a transfer line: the second files it where the first did.
    for (const char* day : {"7", "8"}) {
        const QString text = QStringLiteral("!Account\nNChecking\n^\n!Type:Bank\nD1/%1/24\nT-5\n"
                                            "PMove %1\nS[Savings]\n$-5\n^\n")
                                 .arg(QLatin1String(day));
        QCOMPARE(m_import->importQif({writeFile("move.qif", text)}, {{"Checking", "chk"}}).imported,
                 1);
    }
    const QVariant categoryIds =
        m_db->scalar("SELECT group_concat(DISTINCT category_id) FROM split_lines");
    const std::optional<Category> filedUnder = m_categories->byId(categoryIds.toString());
    QVERIFY(filedUnder && !filedUnder->isDeleted());
    QCOMPARE(filedUnder->name, name);
    QCOMPARE(filedUnder->id == CategoryService::transfersCategory().id, builtIn);
    QCOMPARE(m_categories->count(), categoriesBefore + created);
}

// A transaction goes in with all its lines or not at all; a refused one leaves its transfer
// partner as it was, free to be linked by another record.
void TestQifImport::refusedSplitLineTakesItsTransactionBack()
{
    QCOMPARE(
        m_import->importQif({writeFile("checking.qif", checkingTransferQif)}, {{"Checking", "chk"}})
            .imported,
        1);
    m_db->exec("CREATE TRIGGER refuse_line BEFORE INSERT ON split_lines WHEN NEW.memo = "
               "'refused' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const QString savings =
        writeFile("savings.qif", "!Account\nNSavings\n^\n!Type:Bank\n"
                                 "D01/06/2024\nT100.00\nPFrom checking\nL[Checking]\n"
                                 "SInterest\n$60.00\nSGift\n$40.00\nErefused\n^\n"
                                 "D01/06/2024\nT100.00\nPFrom checking again\nL[Checking]\n^\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SplitLineRepository::insert failed:"));
    QTest::ignoreMessage(
        QtWarningMsg,
        "QIF import: split line refused for 2024-01-06 From checking amount 10000 account sav");

    const ImportResult result =
        m_import->importQif({savings}, {{"Checking", "chk"}, {"Savings", "sav"}});
    QCOMPARE(counters(result), QString("imported 1, duplicates 0, unparseable 0, metadata 0, "
                                       "unmapped 0, linked 1, retroactive 1, failed 1"));
    QCOMPARE(storedTransactions(),
             (QStringList{"2024-01-06|sav|From checking again|10000||||0|0|chk|1|pending",
                          "2024-01-06|chk|To savings|-10000||Monthly||0|0|sav|2|pending"}));
    QCOMPARE(linkOf("To savings"), idOf("From checking again"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines").toInt(), 0);

    // The ledger keeps no split line without a category: such a record is refused whole.
    const QString uncategorised =
        writeFile("lunch.qif", "!Account\nNSavings\n^\n!Type:Bank\nD01/09/2024\nT-12.00\nPLunch\n"
                               "SDining\n$-7.00\nS\n$-5.00\n^\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SplitLineRepository::insert failed:"));
    QTest::ignoreMessage(QtWarningMsg,
                         "QIF import: split line refused for 2024-01-09 Lunch amount -1200 "
                         "account sav");
    QCOMPARE(m_import->importQif({uncategorised}, {{"Savings", "sav"}}).failedInserts, 1);
    QCOMPARE(idOf("Lunch"), QString());
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines").toInt(), 0);
}

void TestQifImport::analysis()
{
    const QString first =
        writeFile("all.qif", "!Account\nNEveryday Checking\n^\n!Type:Bank\nD1/1/24\nT1\n^\n"
                             "!Account\nNHoliday SAVINGS\n^\n!Type:Bank\nD1/2/24\nT1\n^\n"
                             "!Account\nNVisa\n^\n!Type:CCard\nD1/3/24\nT1\n^\n"
                             "!Account\nNWallet\n^\n!Type:Cash\nD1/4/24\nT1\n^\n"
                             "!Account\nNHouse\n^\n!Type:Oth A\nD1/5/24\nT1\n^\n"
                             "!Account\nNMortgage\n^\n!Type:Oth L\nD1/6/24\nT1\n^\n"
                             "!Account\nNBroker\n^\n!Type:Invst\nD1/7/24\nT1\n^\n");
    const QString second =
        writeFile("visa.qif", "!Account\nNvisa\n^\n!Type:CCard\nD1/8/24\nT1\n^\n");
    const QString plain = writeFile("plain.qif", "D1/9/24\nT1\n^\nD1/10/24\nT2\n^\n");

    const QifAnalysis analysis =
        m_import->analyzeQif({first, second, m_files->filePath("missing.qif"), plain});
    QStringList accounts;
    for (const QifSourceAccount& a : analysis.accounts)
        accounts << QStringLiteral("%1|%2|%3|%4")
                        .arg(a.key, a.displayName, a.isFileEntry ? "file" : "account",
                             Enumerations::storageString(a.suggestedType));
    QCOMPARE(accounts, (QStringList{"Everyday Checking|Everyday Checking|account|checking",
                                    "Holiday SAVINGS|Holiday SAVINGS|account|savings",
                                    "Visa|Visa|account|credit_card", "Wallet|Wallet|account|cash",
                                    "House|House|account|other", "Mortgage|Mortgage|account|other",
                                    "Broker|Broker|account|investment",
                                    plain + "|plain.qif (no account header)|file|checking"}));
    QCOMPARE(analysis.totalTransactions, 10);
}

void TestQifImport::amountsInTheAccountCurrency()
{
    m_db->exec("INSERT INTO accounts (id, name, currency, created_at, updated_at) VALUES ('yen', "
               "'Tokyo', 'JPY', 'x', 'x')");
    const QString path =
        writeFile("tokyo.qif", "!Account\nNTokyo\nTCash\n^\n!Type:Cash\n"
                               "D4/1/24\nT-1,500\nPKonbini\nSFood\n$-1,000\nSHome\n$-500\n^\n"
                               "D4/2/24\nT-980.00\nPRamen\n^\n"
                               "!Account\nNChecking\n^\n!Type:Bank\nD4/3/24\nT-1,500\nPDiner\n^\n");
    const Mapping mapping{{"Tokyo", "yen"}, {"Checking", "chk"}};
    QCOMPARE(m_import->importQif({path}, mapping).imported, 3);
    QCOMPARE(storedTransactions(), (QStringList{"2024-04-01|yen|Konbini|-1500||||0|1||1|pending",
                                                "2024-04-02|yen|Ramen|-980||||0|0||1|pending",
                                                "2024-04-03|chk|Diner|-150000||||0|0||1|pending"}));
    QCOMPARE(m_db->scalar("SELECT group_concat(amount) FROM split_lines").toString(),
             QString("-1000,-500"));

    const ImportResult again = m_import->importQif({path}, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 3);
}

void TestQifImport::transfersStayInOneCurrency()
{
    // The ledger keeps a transfer within one currency; an import does not link across two.
    m_db->exec("INSERT INTO accounts (id, name, currency, created_at, updated_at) VALUES ('yen', "
               "'Tokyo', 'JPY', 'x', 'x')");
    const QString path = writeFile(
        "move.qif", "!Account\nNChecking\n^\n!Type:Bank\nD01/06/2024\nT-100.00\nPTo Tokyo\n"
                    "L[Tokyo]\n^\n!Account\nNTokyo\n^\n!Type:Cash\nD01/06/2024\nT100\n"
                    "PFrom checking\nL[Checking]\n^\n");
    const ImportResult result =
        m_import->importQif({path}, {{"Checking", "chk"}, {"Tokyo", "yen"}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(linkOf("To Tokyo"), QString());
    QCOMPARE(m_db->scalar("SELECT group_concat(memo, ' / ') FROM (SELECT memo FROM transactions "
                          "ORDER BY payee)")
                 .toString(),
             QString("[→ Checking] / [→ Tokyo]"));
}

void TestQifImport::recordsRightAfterAnAccount()
{
    // An export that leaves out the "!Type:" line after each account record.
    const QString path = writeFile("visa.qif", "!Account\nNVisa\nTCCard\n^\n"
                                               "D02/01/2024\nT-45.00\nPCafe\n^\n"
                                               "D02/02/2024\nU-12.00\nPBus\nN7\n^\n"
                                               "D02/03/2024\nPNo amount\n^\n");
    const QifAnalysis analysis = m_import->analyzeQif({path});
    QCOMPARE(analysis.totalTransactions, 2);
    QCOMPARE(analysis.accounts.size(), 1);
    QCOMPARE(analysis.accounts.first().key, QString("Visa"));
    QCOMPARE(analysis.accounts.first().suggestedType, AccountType::CreditCard);

    const ImportResult result = m_import->importQif({path}, {{"Visa", "chk"}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(storedTransactions(), (QStringList{"2024-02-01|chk|Cafe|-4500||||0|0||1|pending",
                                                "2024-02-02|chk|Bus|-1200|||7|0|0||1|pending"}));
}

QTEST_GUILESS_MAIN(TestQifImport)
#include "tst_qifimport.moc"
