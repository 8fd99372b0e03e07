#include "fuzz/fuzzapplication.h"
#include "sync/changeapplier.h"

#include "tests/common/testrecords.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/registerrow.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include "app/core/money.h"

#include <QJsonDocument>
#include <QJsonObject>

// One pulled page merged into a scratch database, the way a sync cycle stores it: inside one
// unit of work. The database holds a few synced and pending rows whose ids and server ids the
// seeds use, so records find local rows by either id and meet the version rule. What was
// stored is then read back and formatted as the register and the reconciliation history show
// it, and a register's running balance must end where the account's balance does. Every input is
// rolled back afterwards, so each one meets the same rows.
namespace {

struct Scratch
{
    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    SplitLineRepository splitLines{&database};
    ChangeApplier applier{&accounts,  &transactions,    &categories,
                          &recurring, &reconciliations, &splitLines};
};

Scratch* scratch = nullptr;

template <typename Record> Record synced(Record record, const QString& serverId, int version)
{
    record.serverId = serverId;
    record.version = version;
    record.syncStatus = SyncStatus::Synced;
    return record;
}

bool addLocalRows(Scratch& s)
{
    const QDate day(2026, 3, 1);
    Transaction split = synced(testTransaction("t-2", "a-1", day, "Split", -300), "srv-t-2", 2);
    split.isSplit = true;
    return s.accounts.insert(synced(testAccount("a-1", "Checking", 1000), "srv-a-1", 2)) &&
           s.accounts.insert(testAccount("a-2", "Savings")) &&
           s.categories.insert(synced(testCategory("c-1", "Food"), "srv-c-1", 1)) &&
           s.transactions.insert(
               synced(testTransaction("t-1", "a-1", day, "Grocer", -250), "srv-t-1", 3)) &&
           s.transactions.insert(split) &&
           s.splitLines.insert({"l-1", "t-2", "c-1", -100, "line", nowUtc(), nowUtc()}) &&
           s.splitLines.insert({"l-2", "t-2", "c-1", -200, "line", nowUtc(), nowUtc()}) &&
           s.recurring.insert(synced(
               testRecurring("r-1", "a-1", "Rent", -900, Frequency::Monthly, day), "srv-r-1", 1));
}

// Every account's register and reconciliation history, as the window shows them after a sync.
void readBack(const Scratch& s)
{
    for (const Account& account : s.accounts.listAll()) {
        const QList<RegisterRow> rows = s.transactions.registerRows(account.id);
        const qint64 closing = rows.isEmpty() ? 0 : rows.last().balance;
        if (!rows.isEmpty() && closing != s.transactions.accountBalance(account.id))
            abort();
        formatMoney(account.startingBalance, account.currency);
        for (const RegisterRow& row : rows) {
            formatMoney(row.transaction.amount, account.currency);
            formatMoney(row.balance, account.currency);
            if (!row.transaction.isSplit)
                continue;
            for (const SplitLine& line : s.splitLines.listForTransaction(row.transaction.id))
                formatMoney(line.amount, account.currency);
        }
        for (const Reconciliation& reconciliation : s.reconciliations.listByAccount(account.id)) {
            formatMoney(reconciliation.statementBalance, account.currency);
            formatMoney(reconciliation.reconciledBalance, account.currency);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    scratch = new Scratch;
    if (!scratch->database.open(QStringLiteral(":memory:")) || !scratch->database.runMigrations() ||
        !addLocalRows(*scratch))
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument page =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!page.isObject())
        return 0;
    UnitOfWork unit(&scratch->database);
    if (!unit.isActive())
        abort();
    scratch->applier.applyPage(page.object());
    readBack(*scratch);
    unit.rollback();
    return 0;
}
