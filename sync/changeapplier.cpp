#include "sync/changeapplier.h"

#include "sync/wire/pulledfields.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/enumerations.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include "app/core/ids.h"
#include "app/core/money.h"

#include <QDebug>

using namespace PulledFields;

namespace {

// The local row a pulled record stands for, and the id the record is stored under.
template <typename Record> struct LocalMatch
{
    QString id;
    std::optional<Record> row;
};

template <typename Record, typename Repo>
LocalMatch<Record> matchLocal(const QJsonObject& object, const Repo* repository)
{
    LocalMatch<Record> match;
    match.id = text(object, QStringLiteral("client_id"));
    if (!match.id.isEmpty())
        match.row = repository->byId(match.id);
    const QString serverId = text(object, QStringLiteral("id"));
    if (!match.row && !serverId.isEmpty()) {
        const QString known = repository->idForServerId(serverId);
        if (!known.isEmpty()) {
            match.id = known;
            match.row = repository->byId(known);
        }
    }
    if (match.id.isEmpty())
        match.id = newId();
    return match;
}

// Writes the pulled record when it wins over the local row; true when it was written. A
// pulled deletion of a live row goes through the repository's soft delete where it has one.
template <typename Record, typename Repo>
bool store(const Record& pulled, const std::optional<Record>& local, Repo* repository)
{
    if (!local)
        return !pulled.isDeleted() && repository->insert(pulled);
    if (pulled.version < local->version)
        return false;
    if (pulled.version == local->version && local->syncStatus == SyncStatus::Pending)
        return false; // the local edit is newer than this copy; it is pushed next
    if (!repository->update(pulled))
        return false;
    if constexpr (requires { repository->softDelete(pulled.id); }) {
        if (pulled.isDeleted() && !local->isDeleted() && repository->softDelete(pulled.id))
            repository->keepPulledDeletion(pulled.id, pulled);
    }
    return true;
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

template <typename Record> Record pulledRecord(const QJsonObject& object, const QString& id)
{
    Record record;
    static_cast<SyncBookkeeping&>(record) = bookkeeping(object);
    record.id = id;
    return record;
}

// The lines of a pulled split transaction, under new ids; none for an unsplit one.
QList<SplitLine> pulledSplitLines(const QJsonObject& object, const Transaction& transaction)
{
    QList<SplitLine> lines;
    if (!transaction.isSplit)
        return lines;
    for (const QJsonValue& value : object.value(QStringLiteral("split_lines")).toArray()) {
        const QJsonObject lineObject = value.toObject();
        SplitLine line;
        line.id = newId();
        line.transactionId = transaction.id;
        line.categoryId = text(lineObject, QStringLiteral("category_id"));
        line.amount = money(lineObject, QStringLiteral("amount"));
        line.memo = text(lineObject, QStringLiteral("memo"));
        line.createdAt = transaction.createdAt;
        line.updatedAt = transaction.updatedAt;
        lines.append(line);
    }
    return lines;
}

} // namespace

ChangeApplier::ChangeApplier(AccountRepository* accounts, TransactionRepository* transactions,
                             CategoryRepository* categories, RecurringRepository* recurring,
                             ReconciliationRepository* reconciliations,
                             SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent), m_accounts(accounts), m_transactions(transactions), m_categories(categories),
      m_recurring(recurring), m_reconciliations(reconciliations), m_splitLines(splitLines)
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

void ChangeApplier::applyAccountRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Account>(object, m_accounts);
    if (isWithdrawn(object)) {
        if (match.row)
            removeWithdrawnAccount(match.id);
        return;
    }
    Account account = pulledRecord<Account>(object, match.id);
    account.name = text(object, QStringLiteral("name"));
    account.accountType =
        Enumerations::accountTypeFromStorage(text(object, QStringLiteral("account_type")));
    account.currency = Enumerations::currencyFromStorage(text(object, QStringLiteral("currency")));
    account.institution = text(object, QStringLiteral("institution"));
    account.accountNumberLast4 = text(object, QStringLiteral("account_number_last4"));
    account.startingBalance = money(object, QStringLiteral("starting_balance"));
    account.sortOrder = integer(object, QStringLiteral("sort_order"));
    account.isShared = flag(object, QStringLiteral("is_shared"));
    if (!usableAmount("applyAccount:", account.id, account.startingBalance, account.currency))
        return;
    store(account, match.row, m_accounts);
}

void ChangeApplier::applyCategoryRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Category>(object, m_categories);
    Category category = pulledRecord<Category>(object, match.id);
    category.name = text(object, QStringLiteral("name"));
    category.categoryType =
        Enumerations::categoryTypeFromStorage(text(object, QStringLiteral("category_type")));
    category.parentId = text(object, QStringLiteral("parent_id"));
    category.isTaxRelevant = flag(object, QStringLiteral("is_tax_relevant"));
    category.taxCategory = text(object, QStringLiteral("tax_category"));
    category.icon = text(object, QStringLiteral("icon"));
    category.color = text(object, QStringLiteral("color"));
    category.isDefault = flag(object, QStringLiteral("is_default"));
    category.accountId = text(object, QStringLiteral("account_id"));
    store(category, match.row, m_categories);
}

void ChangeApplier::applyRecurringRecord(const QJsonObject& object)
{
    const auto match = matchLocal<RecurringTransaction>(object, m_recurring);
    if (isWithdrawn(object)) {
        if (match.row)
            m_recurring->remove(match.id);
        return;
    }
    RecurringTransaction recurring = pulledRecord<RecurringTransaction>(object, match.id);
    recurring.accountId = text(object, QStringLiteral("account_id"));
    recurring.payee = text(object, QStringLiteral("payee"));
    recurring.memo = text(object, QStringLiteral("memo"));
    recurring.amount = money(object, QStringLiteral("amount"));
    recurring.categoryId = text(object, QStringLiteral("category_id"));
    recurring.frequency =
        Enumerations::frequencyFromStorage(text(object, QStringLiteral("frequency")));
    recurring.startDate = date(object, QStringLiteral("start_date"));
    const QString endDate = text(object, QStringLiteral("end_date"));
    if (!endDate.isEmpty())
        recurring.endDate = dateFromText(endDate);
    recurring.nextDueDate = date(object, QStringLiteral("next_due_date"));
    recurring.autoPost = flag(object, QStringLiteral("auto_post"));
    if (object.contains(QStringLiteral("lead_days")))
        recurring.leadDays = integer(object, QStringLiteral("lead_days"));
    else
        recurring.leadDays = match.row ? match.row->leadDays : 0;
    recurring.isActive = flag(object, QStringLiteral("is_active"));
    recurring.transferDestAccountId = text(object, QStringLiteral("transfer_dest_account_id"));
    if (brokenKeyDate(recurring.nextDueDate)) {
        qWarning() << "applyRecurring: skipping server record with broken nextDueDate:"
                   << recurring.id << recurring.payee << recurring.nextDueDate;
        return;
    }
    if (!usableAmount("applyRecurring:", recurring.id, recurring.amount,
                      m_accounts->currencyOf(recurring.accountId)))
        return;
    store(recurring, match.row, m_recurring);
}

void ChangeApplier::applyTransactionRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Transaction>(object, m_transactions);
    if (isWithdrawn(object)) {
        if (match.row)
            removeWithdrawnTransaction(match.id);
        return;
    }
    Transaction transaction = pulledRecord<Transaction>(object, match.id);
    transaction.accountId = text(object, QStringLiteral("account_id"));
    transaction.date = date(object, QStringLiteral("date"));
    transaction.payee = text(object, QStringLiteral("payee"));
    transaction.memo = text(object, QStringLiteral("memo"));
    transaction.amount = money(object, QStringLiteral("amount"));
    transaction.categoryId = text(object, QStringLiteral("category_id"));
    transaction.checkNumber = text(object, QStringLiteral("check_number"));
    transaction.cleared = flag(object, QStringLiteral("cleared"));
    transaction.reconciled = flag(object, QStringLiteral("reconciled"));
    transaction.transferLinkId = text(object, QStringLiteral("transfer_link_id"));
    transaction.transferDestAccountId = text(object, QStringLiteral("transfer_dest_account_id"));
    transaction.isSplit = flag(object, QStringLiteral("is_split"));
    transaction.recurringId = text(object, QStringLiteral("recurring_id"));
    if (brokenKeyDate(transaction.date)) {
        qWarning() << "applyTransactionChange: skipping server record with broken date:"
                   << transaction.id << transaction.payee << transaction.date;
        return;
    }
    const QList<SplitLine> lines = pulledSplitLines(object, transaction);
    const Currency currency = m_accounts->currencyOf(transaction.accountId);
    if (!usableAmount("applyTransactionChange:", transaction.id, transaction.amount, currency))
        return;
    for (const SplitLine& line : lines) {
        if (!usableAmount("applyTransactionChange:", transaction.id, line.amount, currency))
            return;
    }
    if (!store(transaction, match.row, m_transactions))
        return;

    // The pulled lines replace the local ones as a set.
    if (transaction.isSplit || (match.row && match.row->isSplit))
        m_splitLines->deleteForTransaction(transaction.id);
    for (const SplitLine& line : lines)
        m_splitLines->insert(line);
}

void ChangeApplier::applyReconciliationRecord(const QJsonObject& object)
{
    const auto match = matchLocal<Reconciliation>(object, m_reconciliations);
    if (isWithdrawn(object)) {
        if (match.row)
            m_reconciliations->remove(match.id);
        return;
    }
    Reconciliation reconciliation = pulledRecord<Reconciliation>(object, match.id);
    reconciliation.accountId = text(object, QStringLiteral("account_id"));
    reconciliation.statementDate = date(object, QStringLiteral("statement_date"));
    reconciliation.statementBalance = money(object, QStringLiteral("statement_balance"));
    reconciliation.reconciledBalance = money(object, QStringLiteral("reconciled_balance"));
    reconciliation.completedAt = timestamp(object, QStringLiteral("completed_at"));
    if (brokenKeyDate(reconciliation.statementDate)) {
        qWarning() << "applyReconciliation: skipping server record with broken statementDate:"
                   << reconciliation.id << reconciliation.statementDate;
        return;
    }
    store(reconciliation, match.row, m_reconciliations);
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
