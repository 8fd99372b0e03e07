#include "sync/changeapplier.h"

#include "sync/changedescription.h"
#include "sync/wire/changepayload.h"
#include "sync/wire/pulledfields.h"
#include "sync/wire/wirerecords.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncwireidrepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include "app/core/ids.h"
#include "app/core/money.h"

#include <QDebug>

#include <utility>

using namespace PulledFields;

namespace {

// The local row a pulled record stands for, and the id the record is stored under.
template <typename Record> struct LocalMatch
{
    QString id;
    std::optional<Record> row;
    // The row holds the record's client id but was stored from another server row.
    bool otherServerRow = false;
    // The record is stored under a fresh id, apart from the row holding its client id.
    bool keptApart = false;
};

// The local row a pulled record stands for: the one holding its server id, else the one
// holding its client id. The server keeps rows per owner, so a user may see two rows with one
// client id (their own account and one shared with them, left by a server that shared such
// accounts); it marks their records "ambiguous_client_id". Such a record never lands on a row
// stored from another server row: it is kept apart under a fresh id instead, so that neither
// replaces nor deletes the other. Without the mark, the row holding the client id is taken as
// before: a row that was never pushed has no server id yet, and the server ids a device holds
// from a server it used before differ from the current server's.
template <typename Record, typename Repo>
LocalMatch<Record> matchLocal(const QJsonObject& object, const Repo* repository)
{
    LocalMatch<Record> match;
    const QString serverId = text(object, QStringLiteral("id"));
    if (!serverId.isEmpty()) {
        match.id = repository->idForServerId(serverId);
        if (!match.id.isEmpty()) {
            match.row = repository->byId(match.id);
            return match;
        }
    }
    match.id = text(object, QStringLiteral("client_id"));
    if (!match.id.isEmpty())
        match.row = repository->byId(match.id);
    match.otherServerRow = match.row && !serverId.isEmpty() && !match.row->serverId.isEmpty() &&
                           match.row->serverId != serverId;
    if (match.otherServerRow && flag(object, QStringLiteral("ambiguous_client_id"))) {
        qWarning() << "Pulled row" << match.id << "(server id" << serverId
                   << ") has the id of another row here; keeping it apart from that row";
        match.row.reset();
        match.otherServerRow = false;
        match.keptApart = true;
        match.id.clear();
    }
    if (match.id.isEmpty())
        match.id = newId();
    return match;
}

template <typename Repo> constexpr bool softDeletes = requires(Repo* repository, const QString& id)
{
    repository->softDelete(id);
};

// Whether the pulled record replaces the local row. A higher version does, and so does the same
// version over a row that is not waiting to be pushed. A pulled deletion reaches every live row
// that can be deleted, whatever the versions: the server refuses each later upsert of a deleted
// row, so a local edit of it could never be pushed and the devices would disagree for good.
template <typename Repo, typename Record> bool pulledWins(const Record& pulled, const Record& local)
{
    if constexpr (softDeletes<Repo>) {
        if (pulled.isDeleted() && !local.isDeleted())
            return true;
    }
    if (pulled.version != local.version)
        return pulled.version > local.version;
    return local.syncStatus != SyncStatus::Pending; // the local edit is newer; it is pushed next
}

// A live local row still waiting to be pushed that the pulled record is about to replace.
template <typename Repo, typename Record>
bool replacesPendingEdit(const Record& pulled, const std::optional<Record>& local)
{
    return local && local->syncStatus == SyncStatus::Pending && !local->isDeleted() &&
           pulledWins<Repo>(pulled, *local);
}

// Writes the pulled record when it wins over the local row; true when it was written. A
// pulled deletion of a live row goes through the repository's soft delete where it has one.
template <typename Record, typename Repo>
bool store(const Record& pulled, const std::optional<Record>& local, Repo* repository)
{
    if (!local)
        return !pulled.isDeleted() && repository->insert(pulled);
    if (!pulledWins<Repo>(pulled, *local) || !repository->update(pulled))
        return false;
    if constexpr (softDeletes<Repo>) {
        if (pulled.isDeleted() && !local->isDeleted() && repository->softDelete(pulled.id))
            repository->keepPulledDeletion(pulled.id, pulled);
    }
    return true;
}

// What the user entered in a change: its payload without the bookkeeping, and without an
// account's shared flag, which is the server's knowledge; and whether it deletes.
QJsonObject enteredFields(const QJsonObject& change)
{
    QJsonObject fields = change.value(QStringLiteral("payload")).toObject();
    for (const char* key : {"client_id", "server_id", "created_at", "updated_at", "deleted_at",
                            "version", "is_shared"})
        fields.remove(QLatin1String(key));
    fields.insert(QStringLiteral("action"), change.value(QStringLiteral("action")));
    return fields;
}

// The server's word that the user may no longer see the row; only ever on a deleted record.
bool isWithdrawn(const QJsonObject& object)
{
    return flag(object, QStringLiteral("withdrawn")) &&
           !text(object, QStringLiteral("deleted_at")).isEmpty();
}

// A record whose date it is filed under is unusable: logged and left out.
bool brokenKeyDate(const QDate& date)
{
    return !date.isValid() || date.year() < 2000;
}

// An amount beyond what any form takes was never entered on a device, so the record is
// unusable as well: stored, it would carry the register's running balance past 64 bits.
bool usableAmount(const char* operation, const QString& id, qint64 amount, Currency currency)
{
    if (isWithinEnteredRange(amount, currency))
        return true;
    qWarning() << operation
               << "skipping server record with an amount beyond what can be entered:" << id
               << amount;
    return false;
}

// The server's copy of a row under the local id the record is stored under.
template <typename Record>
Record pulledRecord(Record record, const QJsonObject& object, const QString& id)
{
    static_cast<SyncBookkeeping&>(record) = bookkeeping(object);
    record.id = id;
    return record;
}

} // namespace

ChangeApplier::ChangeApplier(AccountRepository* accounts, TransactionRepository* transactions,
                             CategoryRepository* categories, RecurringRepository* recurring,
                             ReconciliationRepository* reconciliations,
                             SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent), m_accounts(accounts), m_transactions(transactions), m_categories(categories),
      m_recurring(recurring), m_reconciliations(reconciliations), m_splitLines(splitLines),
      m_wireIds(new SyncWireIdRepository(accounts->database(), this))
{
}

void ChangeApplier::applyEach(const QJsonArray& records,
                              void (ChangeApplier::*applyOne)(const QJsonObject&))
{
    for (const QJsonValue& record : records)
        (this->*applyOne)(record.toObject());
}

void ChangeApplier::applyPage(const QJsonObject& page)
{
    applyAccount(page.value(QStringLiteral("accounts")).toArray());
    applyCategory(page.value(QStringLiteral("categories")).toArray());
    const QString recurringKey = page.contains(QStringLiteral("recurring_transactions"))
                                     ? QStringLiteral("recurring_transactions")
                                     : QStringLiteral("recurring");
    applyRecurring(page.value(recurringKey).toArray());
    applyTransactionChange(page.value(QStringLiteral("transactions")).toArray());
    applyReconciliation(page.value(QStringLiteral("reconciliations")).toArray());
}

void ChangeApplier::applyAccount(const QJsonArray& records)
{
    applyEach(records, &ChangeApplier::applyAccountRecord);
}

void ChangeApplier::applyCategory(const QJsonArray& records)
{
    applyEach(records, &ChangeApplier::applyCategoryRecord);
}

void ChangeApplier::applyRecurring(const QJsonArray& records)
{
    applyEach(records, &ChangeApplier::applyRecurringRecord);
}

void ChangeApplier::applyTransactionChange(const QJsonArray& records)
{
    applyEach(records, &ChangeApplier::applyTransactionRecord);
}

void ChangeApplier::applyReconciliation(const QJsonArray& records)
{
    applyEach(records, &ChangeApplier::applyReconciliationRecord);
}

QList<ReplacedEdit> ChangeApplier::takeReplacedEdits()
{
    return std::exchange(m_replaced, {});
}

void ChangeApplier::keepReplaced(const QJsonObject& mine, const QJsonObject& theirs,
                                 const QString& description)
{
    if (enteredFields(mine) != enteredFields(theirs))
        m_replaced.append({mine, description});
}

void ChangeApplier::applyAccountRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Account>(object, m_accounts);
    if (isWithdrawn(object)) {
        if (match.row && !match.otherServerRow)
            removeWithdrawnAccount(match.id);
        return;
    }
    const Account account = pulledRecord(WireRecords::account(object), object, match.id);
    if (!usableAmount("applyAccount:", account.id, account.startingBalance, account.currency))
        return;
    const bool replacing = replacesPendingEdit<AccountRepository>(account, match.row);
    if (!store(account, match.row, m_accounts))
        return;
    if (replacing)
        keepReplaced(ChangePayload::account(*match.row), ChangePayload::account(account),
                     ChangeDescription::of(*match.row));
    if (match.keptApart)
        rememberWireId("account", account.id, object);
}

void ChangeApplier::applyCategoryRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Category>(object, m_categories);
    const Category category = pulledRecord(WireRecords::category(object), object, match.id);
    const bool replacing = replacesPendingEdit<CategoryRepository>(category, match.row);
    if (!store(category, match.row, m_categories))
        return;
    if (replacing)
        keepReplaced(ChangePayload::category(*match.row), ChangePayload::category(category),
                     ChangeDescription::of(*match.row));
    if (match.keptApart)
        rememberWireId("category", category.id, object);
}

void ChangeApplier::applyRecurringRecord(const QJsonObject& object)
{
    const auto match = matchLocal<RecurringTransaction>(object, m_recurring);
    if (isWithdrawn(object)) {
        if (match.row && !match.otherServerRow)
            m_recurring->remove(match.id);
        return;
    }
    RecurringTransaction recurring = pulledRecord(WireRecords::recurring(object), object, match.id);
    recurring.accountId = bookedAccount(object, recurring.accountId);
    if (!object.contains(QStringLiteral("lead_days")))
        recurring.leadDays = match.row ? match.row->leadDays : 0;
    if (brokenKeyDate(recurring.nextDueDate)) {
        qWarning() << "applyRecurring: skipping server record with broken nextDueDate:"
                   << recurring.id << recurring.payee << recurring.nextDueDate;
        return;
    }
    const Currency currency = m_accounts->currencyOf(recurring.accountId);
    if (!usableAmount("applyRecurring:", recurring.id, recurring.amount, currency))
        return;
    const bool replacing = replacesPendingEdit<RecurringRepository>(recurring, match.row);
    if (!store(recurring, match.row, m_recurring))
        return;
    if (replacing)
        keepReplaced(
            ChangePayload::recurring(*match.row), ChangePayload::recurring(recurring),
            ChangeDescription::of(*match.row, m_accounts->currencyOf(match.row->accountId)));
    if (match.keptApart)
        rememberWireId("recurring", recurring.id, object);
}

void ChangeApplier::applyTransactionRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Transaction>(object, m_transactions);
    if (isWithdrawn(object)) {
        if (match.row && !match.otherServerRow)
            removeWithdrawnTransaction(match.id);
        return;
    }
    Transaction transaction = pulledRecord(WireRecords::transaction(object), object, match.id);
    transaction.accountId = bookedAccount(object, transaction.accountId);
    if (brokenKeyDate(transaction.date)) {
        qWarning() << "applyTransactionChange: skipping server record with broken date:"
                   << transaction.id << transaction.payee << transaction.date;
        return;
    }
    const QList<SplitLine> lines = WireRecords::splitLines(object, transaction);
    const Currency currency = m_accounts->currencyOf(transaction.accountId);
    if (!usableAmount("applyTransactionChange:", transaction.id, transaction.amount, currency))
        return;
    for (const SplitLine& line : lines) {
        if (!usableAmount("applyTransactionChange:", transaction.id, line.amount, currency))
            return;
    }
    // The local edit as it would have been pushed, read before the merge replaces its lines.
    QJsonObject mine;
    if (replacesPendingEdit<TransactionRepository>(transaction, match.row))
        mine = ChangePayload::transaction(
            *match.row, match.row->isSplit ? m_splitLines->listForTransaction(match.row->id)
                                           : QList<SplitLine>());
    if (!store(transaction, match.row, m_transactions))
        return;

    // The pulled lines replace the local ones as a set.
    if (transaction.isSplit || (match.row && match.row->isSplit))
        m_splitLines->deleteForTransaction(transaction.id);
    for (const SplitLine& line : lines)
        m_splitLines->insert(line);
    if (!mine.isEmpty())
        keepReplaced(
            mine, ChangePayload::transaction(transaction, lines),
            ChangeDescription::of(*match.row, m_accounts->currencyOf(match.row->accountId)));
    if (match.keptApart)
        rememberWireId("transaction", transaction.id, object);
}

void ChangeApplier::applyReconciliationRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Reconciliation>(object, m_reconciliations);
    if (isWithdrawn(object)) {
        if (match.row && !match.otherServerRow)
            m_reconciliations->remove(match.id);
        return;
    }
    Reconciliation reconciliation =
        pulledRecord(WireRecords::reconciliation(object), object, match.id);
    reconciliation.accountId = bookedAccount(object, reconciliation.accountId);
    if (brokenKeyDate(reconciliation.statementDate)) {
        qWarning() << "applyReconciliation: skipping server record with broken statementDate:"
                   << reconciliation.id << reconciliation.statementDate;
        return;
    }
    const bool replacing = replacesPendingEdit<ReconciliationRepository>(reconciliation, match.row);
    if (!store(reconciliation, match.row, m_reconciliations))
        return;
    if (replacing)
        keepReplaced(
            ChangePayload::reconciliation(*match.row),
            ChangePayload::reconciliation(reconciliation),
            ChangeDescription::of(*match.row, m_accounts->currencyOf(match.row->accountId)));
    if (match.keptApart)
        rememberWireId("reconciliation", reconciliation.id, object);
}

QString ChangeApplier::bookedAccount(const QJsonObject& object, const QString& accountId) const
{
    const QString accountServerId = text(object, QStringLiteral("account_server_id"));
    const QString local =
        accountServerId.isEmpty() ? QString() : m_accounts->idForServerId(accountServerId);
    return local.isEmpty() ? accountId : local;
}

void ChangeApplier::rememberWireId(const char* entityType, const QString& id,
                                   const QJsonObject& object)
{
    m_wireIds->record({QLatin1String(entityType), id, text(object, QStringLiteral("id")),
                       text(object, QStringLiteral("client_id"))});
}

void ChangeApplier::removeWithdrawnAccount(const QString& id)
{
    // Rows added here and never pushed go with it: the server refuses them now.
    UnitOfWork unit(m_accounts->database());
    if (!unit.isActive() || !m_splitLines->deleteForAccount(id))
        return;
    const int transactions = m_transactions->removeByAccount(id);
    const int recurring = m_recurring->removeByAccount(id);
    const int reconciliations = m_reconciliations->removeByAccount(id);
    if (transactions < 0 || recurring < 0 || reconciliations < 0 || !m_accounts->remove(id) ||
        !unit.commit()) {
        qWarning() << "applyAccount: could not remove the withdrawn account" << id;
        return;
    }
    qInfo() << "Access to account" << id << "was withdrawn: removed it with" << transactions
            << "transactions," << recurring << "recurring rows and" << reconciliations
            << "reconciliations";
}

void ChangeApplier::removeWithdrawnTransaction(const QString& id)
{
    UnitOfWork unit(m_transactions->database());
    if (!unit.isActive() || !m_splitLines->deleteForTransaction(id) ||
        !m_transactions->remove(id) || !unit.commit())
        qWarning() << "applyTransactionChange: could not remove the withdrawn transaction" << id;
}
