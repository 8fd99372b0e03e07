// The program the crash-consistency test kills: it prepares the starting state of one of the
// long writes, or runs that write, over the real services on a database file.
//
//   crashdriver prepare <operation> <database> <work folder>
//   crashdriver run <operation> <database> <work folder> [<port>]
//
// Operations: qif-import, restore, reconcile, catch-up, sync-pull. A sync pull runs the real
// engine against the sync server the test serves on 127.0.0.1:<port>, so that the server
// outlives the kill and the next pull resumes against the same pages.

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"
#include "services/backup/backupservice.h"
#include "services/import/importservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "sync/syncengine.h"

#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/memorytokenstore.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTextStream>

namespace {

constexpr int qifRecords = 20000;
constexpr int reconciledRows = 2000;
constexpr int restoredRows = 3000;
constexpr int recurringRows = 5;
constexpr int recurringDaysBehind = 200;
const QString accountId = QStringLiteral("acc-crash");

// The real services on one database, as the application wires them.
struct Services
{
    explicit Services(Database* database)
        : accounts(database), transactions(database), categories(database), splitLines(database),
          recurring(database), reconciliations(database),
          ledger(database, &accounts, &transactions, &splitLines),
          accountService(database, &accounts, &transactions, &recurring, &reconciliations),
          recurringService(&recurring, &ledger),
          importer(&accounts, &transactions, &categories, &splitLines)
    {
    }

    AccountRepository accounts;
    TransactionRepository transactions;
    CategoryRepository categories;
    SplitLineRepository splitLines;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    TransactionService ledger;
    AccountService accountService;
    RecurringService recurringService;
    ImportService importer;
};

bool createAccount(Services& services)
{
    Account account;
    account.id = accountId;
    account.name = QStringLiteral("Checking");
    return services.accountService.create(account, QDate(2024, 1, 1));
}

QString qifPath(const QString& work)
{
    return work + QStringLiteral("/statement.qif");
}
QString backupPath(const QString& work)
{
    return work + QStringLiteral("/backup.zip");
}

bool writeQif(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "!Type:Bank\n";
    const QDate first(2020, 1, 1);
    for (int i = 0; i < qifRecords; ++i) {
        out << 'D' << first.addDays(i / 10).toString(QStringLiteral("MM/dd/yyyy")) << '\n'
            << 'T' << QString::number(-(i % 977 + 1)) << ".25\n"
            << "PPayee " << i << '\n'
            << "LGroceries\n^\n";
    }
    return true;
}

bool addTransactions(Services& services, Database* database, int count, bool split)
{
    UnitOfWork unit(database);
    for (int i = 0; i < count; ++i) {
        Transaction transaction;
        transaction.accountId = accountId;
        transaction.date = QDate(2024, 2, 1).addDays(i % 300);
        transaction.payee = QStringLiteral("Shop %1").arg(i);
        transaction.amount = -100 - i % 50;
        QList<SplitLine> lines;
        if (split) {
            transaction.isSplit = true;
            const QString category = QStringLiteral("cat-crash");
            SplitLine first;
            first.categoryId = category;
            first.amount = transaction.amount / 2;
            SplitLine second = first;
            second.amount = transaction.amount - first.amount;
            lines = {first, second};
        }
        if (!services.ledger.add(transaction, lines))
            return false;
    }
    return unit.commit();
}

// Pulls every page the test's scripted server on 127.0.0.1 holds, from the cursor the
// database has stored, through the real engine and API client of a signed-in user.
bool pullEverything(Services& services, Database* database, quint16 port)
{
    const QUrl server(QStringLiteral("http://127.0.0.1:%1").arg(port));
    TovAccount::Client client(AccountTestBench::configFor(server),
                              new MemoryTokenStore(std::make_shared<StoredTokens>()));
    client.setSyncBaseUrl(QUrl(server.toString() + QStringLiteral("/sync/v1")));
    client.tokenManager()->setTokens(TestTokens::expiringIn(3600), QStringLiteral("refresh"));
    PreferencesRepository preferences(database);
    SyncEngine engine(client.syncApi(), &services.accounts, &services.transactions,
                      &services.categories, &services.recurring, &services.reconciliations,
                      &services.splitLines, &preferences);
    QSignalSpy completed(&engine, &SyncEngine::syncCompleted);
    QSignalSpy failed(&engine, &SyncEngine::syncFailed);
    engine.sync();
    return QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 300000) &&
           completed.count() == 1;
}

bool prepare(const QString& operation, Database* database, Services& services, const QString& work)
{
    if (operation == QLatin1String("sync-pull"))
        return true; // a new installation: nothing stored yet
    if (!createAccount(services))
        return false;
    if (operation == QLatin1String("restore")) {
        // The backup holds split transactions; the database restored into starts empty.
        QSqlQuery query(database->connection());
        query.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) "
                                  "VALUES ('cat-crash', 'Groceries', '2024-01-01', '2024-01-01')"));
        if (!addTransactions(services, database, restoredRows, true))
            return false;
        QFile archive(backupPath(work));
        if (!archive.open(QIODevice::WriteOnly) ||
            archive.write(BackupService(database).exportBackup()) <= 0)
            return false;
        for (const char* table :
             {"split_lines", "transactions", "reconciliations", "recurring_transactions",
              "categories", "accounts", "sync_queue"}) {
            if (!query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
                return false;
        }
        return true;
    }
    if (operation == QLatin1String("qif-import"))
        return writeQif(qifPath(work));
    if (operation == QLatin1String("reconcile"))
        return addTransactions(services, database, reconciledRows, false);
    if (operation == QLatin1String("catch-up")) {
        for (int i = 0; i < recurringRows; ++i) {
            RecurringTransaction row;
            row.id = QStringLiteral("rec-%1").arg(i);
            row.accountId = accountId;
            row.payee = QStringLiteral("Daily %1").arg(i);
            row.amount = -(i + 1) * 100;
            row.frequency = Frequency::Daily;
            row.startDate = QDate::currentDate().addDays(-recurringDaysBehind);
            row.nextDueDate = row.startDate;
            if (!services.recurringService.add(row))
                return false;
        }
        return true;
    }
    return false;
}

bool run(const QString& operation, Database* database, Services& services, const QString& work,
         const QString& syncPort)
{
    if (operation == QLatin1String("qif-import")) {
        QHash<QString, QString> mapping;
        for (const QifSourceAccount& source :
             services.importer.analyzeQif({qifPath(work)}).accounts)
            mapping.insert(source.key, accountId);
        const ImportResult result = services.importer.importQif({qifPath(work)}, mapping);
        return !result.aborted && result.imported == qifRecords;
    }
    if (operation == QLatin1String("restore")) {
        QFile archive(backupPath(work));
        if (!archive.open(QIODevice::ReadOnly))
            return false;
        const BackupImportResult result =
            BackupService(database).importBackup(archive.readAll(), BackupImportMode::ReplaceAll);
        return result.errors.isEmpty() && result.transactionsImported == restoredRows;
    }
    if (operation == QLatin1String("reconcile")) {
        Reconciliation statement;
        statement.accountId = accountId;
        statement.statementDate = QDate(2025, 1, 31);
        const QList<Transaction> ticked = services.transactions.listByAccount(accountId);
        for (const Transaction& transaction : ticked)
            statement.statementBalance += transaction.amount;
        return services.accountService.reconcile(statement, ticked);
    }
    if (operation == QLatin1String("catch-up"))
        return services.recurringService.enterDueThrough(QDate::currentDate()) > 0;
    if (operation == QLatin1String("sync-pull"))
        return pullEverything(services, database, syncPort.toUShort());
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5 && arguments.size() != 6) {
        qCritical("usage: crashdriver prepare|run <operation> <database> <work folder> [<port>]");
        return 2;
    }
    const QString& phase = arguments.at(1);
    const QString& operation = arguments.at(2);
    Database database;
    if (!database.open(arguments.at(3)) || !database.runMigrations())
        return 3;
    Services services(&database);
    const bool done =
        phase == QLatin1String("prepare")
            ? prepare(operation, &database, services, arguments.at(4))
            : run(operation, &database, services, arguments.at(4), arguments.value(5));
    return done ? 0 : 1;
}
