// The program the crash-consistency test kills: it prepares the starting state of one of the
// long writes, or runs that write, over the real services on a database file.
//
//   crashdriver prepare <operation> <database> <work folder>
//   crashdriver run <operation> <database> <work folder>
//
// Operations: qif-import, restore, reconcile, catch-up, sync-pull. A sync pull runs the real
// engine against a scripted server on 127.0.0.1 inside the driver itself, so that the kill
// takes the server down with the pull.

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
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
#include "tests/libs/account/testtokens.h"

#include "data/preferencesrepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
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
constexpr int pulledPages = 6;
constexpr int pulledRowsPerPage = 200;
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

// Page `number` (1-based) of what the server holds for this user: the account and a category
// first, then 200 split transactions per page. Each page's cursor names the page.
QJsonObject pulledPage(int number)
{
    QJsonObject page;
    if (number == 1) {
        page[QStringLiteral("accounts")] =
            QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("srv-account")},
                                   {QStringLiteral("client_id"), QStringLiteral("acc-pulled")},
                                   {QStringLiteral("name"), QStringLiteral("Pulled")},
                                   {QStringLiteral("account_type"), QStringLiteral("checking")},
                                   {QStringLiteral("currency"), QStringLiteral("USD")},
                                   {QStringLiteral("version"), 1}}};
        page[QStringLiteral("categories")] =
            QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("srv-category")},
                                   {QStringLiteral("client_id"), QStringLiteral("cat-pulled")},
                                   {QStringLiteral("name"), QStringLiteral("Groceries")},
                                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                                   {QStringLiteral("version"), 1}}};
    }
    QJsonArray transactions;
    for (int i = 0; i < pulledRowsPerPage; ++i) {
        const QString id = QStringLiteral("pulled-%1-%2").arg(number).arg(i);
        const int amount = -(number * 1000 + i);
        QJsonArray lines;
        for (int part = 0; part < 2; ++part)
            lines.append(QJsonObject{
                {QStringLiteral("id"), QStringLiteral("%1-%2").arg(id).arg(part)},
                {QStringLiteral("category_id"), QStringLiteral("cat-pulled")},
                {QStringLiteral("amount"), part == 0 ? amount / 2 : amount - amount / 2}});
        transactions.append(QJsonObject{
            {QStringLiteral("id"), QStringLiteral("srv-") + id},
            {QStringLiteral("client_id"), id},
            {QStringLiteral("account_id"), QStringLiteral("acc-pulled")},
            {QStringLiteral("date"), QDate(2025, 1, 1).addDays(i).toString(Qt::ISODate)},
            {QStringLiteral("payee"), QStringLiteral("Shop %1").arg(i)},
            {QStringLiteral("amount"), amount},
            {QStringLiteral("is_split"), true},
            {QStringLiteral("split_lines"), lines},
            {QStringLiteral("version"), 1}});
    }
    page[QStringLiteral("transactions")] = transactions;
    page[QStringLiteral("cursor")] = QStringLiteral("page-%1").arg(number);
    page[QStringLiteral("has_more")] = number < pulledPages;
    return page;
}

// Pulls every page the scripted server holds, from the cursor the database has stored.
bool pullEverything(Database* database, Services& services)
{
    AccountTestBench account;
    account.signIn(TestTokens::expiringIn(3600), QStringLiteral("refresh"));
    account.server.setHandler(
        "GET", QStringLiteral("/sync/v1/sync/pull"), [](const HttpTestRequest& request) {
            const QString cursor = request.query.queryItemValue(QStringLiteral("cursor"));
            const int done = cursor.isEmpty() ? 0 : cursor.mid(5).toInt();
            return HttpTestReply::json(200, pulledPage(done + 1));
        });
    PreferencesRepository preferences(database);
    SyncEngine engine(account.client()->syncApi(), &services.accounts, &services.transactions,
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

bool run(const QString& operation, Database* database, Services& services, const QString& work)
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
        return pullEverything(database, services);
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5) {
        qCritical("usage: crashdriver prepare|run <operation> <database> <work folder>");
        return 2;
    }
    const QString& phase = arguments.at(1);
    const QString& operation = arguments.at(2);
    Database database;
    if (!database.open(arguments.at(3)) || !database.runMigrations())
        return 3;
    Services services(&database);
    const bool done = phase == QLatin1String("prepare")
                          ? prepare(operation, &database, services, arguments.at(4))
                          : run(operation, &database, services, arguments.at(4));
    return done ? 0 : 1;
}
