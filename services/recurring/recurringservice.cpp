#include "services/recurring/recurringservice.h"

#include "services/ledger/localchange.h"
#include "services/ledger/transactionservice.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/recurringrepository.h"
#include "data/unitofwork.h"

#include <QDebug>

#include <algorithm>

namespace {

const QDate earliestSaneDate(2000, 1, 1);
const QString transferSuffix = QStringLiteral("dest");

} // namespace

RecurringService::RecurringService(RecurringRepository* recurring, TransactionService* ledger,
                                   QObject* parent)
    : QObject(parent), m_recurring(recurring), m_ledger(ledger)
{
}

QDate RecurringService::advance(const QDate& date, Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    case Frequency::Monthly:
        break;
    }
    return date.addMonths(1);
}

bool RecurringService::isBrokenDate(const QDate& date)
{
    return !date.isValid() || date < earliestSaneDate;
}

QList<RecurringTransaction> RecurringService::listAll() const
{
    return m_recurring->listAll();
}

int RecurringService::dueCount() const
{
    return int(m_recurring->due().size());
}

Transaction RecurringService::buildSource(const RecurringTransaction& row) const
{
    Transaction source;
    source.id = nameBasedId(recurringNamespace(),
                            QStringLiteral("%1:%2").arg(row.id, toIsoDate(row.nextDueDate)));
    source.accountId = row.accountId;
    source.payee = row.payee;
    source.memo = row.memo;
    source.amount = row.amount;
    source.categoryId = row.categoryId;
    source.date = row.nextDueDate;
    source.recurringId = row.id;
    return source;
}

Transaction RecurringService::buildDestination(const RecurringTransaction& row,
                                               const Transaction& source) const
{
    Transaction destination = source;
    destination.id = nameBasedId(
        recurringNamespace(),
        QStringLiteral("%1:%2:%3").arg(row.id, toIsoDate(row.nextDueDate), transferSuffix));
    destination.accountId = row.transferDestAccountId;
    destination.amount = -row.amount;
    return destination;
}

void RecurringService::advanceRow(RecurringTransaction& row) const
{
    row.nextDueDate = advance(row.nextDueDate, row.frequency);
    row.updatedAt = nowUtc();
    row.syncStatus = SyncStatus::Pending;
    if (row.endDate && row.nextDueDate != *row.endDate && row.nextDueDate > *row.endDate)
        row.isActive = false;
}

// Both sides of a transfer, their link and the advance of the row land together or not at all.
bool RecurringService::postOccurrence(const RecurringTransaction& row)
{
    UnitOfWork unit(m_recurring->database());
    if (!unit.isActive())
        return false;
    const Transaction source = buildSource(row);
    const bool posted = row.transferDestAccountId.isEmpty()
                            ? m_ledger->add(source)
                            : m_ledger->addTransfer(source, buildDestination(row, source));
    if (!posted)
        return false;
    RecurringTransaction advanced = row;
    advanceRow(advanced);
    return m_recurring->update(advanced) && unit.commit();
}

bool RecurringService::confirm(const RecurringTransaction& record)
{
    const std::optional<RecurringTransaction> row = m_recurring->byId(record.id);
    if (!row)
        return false;

    if (isBrokenDate(row->nextDueDate)) {
        qWarning() << "RecurringService::confirm refusing record with broken date:" << row->id
                   << row->payee << row->nextDueDate << "— quarantining (deactivating)";
        deactivate(*row);
        return false;
    }

    // Checked before anything is written: a refused transfer posts neither side and leaves
    // the row where it was.
    if (!row->transferDestAccountId.isEmpty() &&
        m_ledger->currenciesDiffer(row->accountId, row->transferDestAccountId)) {
        qWarning() << "RecurringService: skipping transfer post for" << row->id
                   << "— source and destination currencies differ";
        return false;
    }

    if (!postOccurrence(*row))
        return false;
    emit pendingCountChanged(dueCount());
    return true;
}

bool RecurringService::skip(const RecurringTransaction& record)
{
    std::optional<RecurringTransaction> row = m_recurring->byId(record.id);
    if (!row)
        return false;
    advanceRow(*row);
    m_recurring->update(*row);
    emit pendingCountChanged(dueCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    int posted = 0;
    const QList<RecurringTransaction> due = m_recurring->due();
    for (const RecurringTransaction& row : due) {
        if (confirm(row))
            ++posted;
    }
    return posted;
}

int RecurringService::enterDueThrough(const QDate& limit)
{
    int total = 0;
    const QList<RecurringTransaction> rows = m_recurring->listAll();
    for (const RecurringTransaction& row : rows) {
        if (!row.isActive || isBrokenDate(row.nextDueDate))
            continue;
        QDate previous;
        int postings = 0;
        while (postings < catchUpCap) {
            const std::optional<RecurringTransaction> current = m_recurring->byId(row.id);
            if (!current || !current->isActive)
                break;
            const QDate due = current->nextDueDate;
            if (isBrokenDate(due) || due > limit || due == previous)
                break;
            previous = due;
            if (!confirm(row))
                break;
            ++postings;
        }
        total += postings;
    }
    return total;
}

int RecurringService::autoPostDue()
{
    const QDate today = QDate::currentDate();
    int total = 0;
    const QList<RecurringTransaction> rows = m_recurring->listAll();
    for (const RecurringTransaction& row : rows) {
        if (!row.isActive || !row.autoPost)
            continue;
        if (isBrokenDate(row.nextDueDate)) {
            quarantine(row, QStringLiteral("broken next_due_date"));
            continue;
        }

        const QDate horizon = today.addDays(std::clamp(row.leadDays, 0, leadDayCeiling));
        QDate previous;
        int postings = 0;
        bool capReached = false;
        while (postings < catchUpCap) {
            const std::optional<RecurringTransaction> current = m_recurring->byId(row.id);
            if (!current || !current->isActive)
                break;
            const QDate due = current->nextDueDate;
            if (!due.isValid())
                break;
            if (due < earliestSaneDate) {
                quarantine(*current, QStringLiteral("advanced to broken date during catchup"));
                break;
            }
            if (due > horizon || due == previous)
                break;
            previous = due;
            if (!confirm(row))
                break;
            ++total;
            ++postings;
            if (postings >= catchUpCapFlag)
                capReached = true;
        }

        if (capReached) {
            if (const std::optional<RecurringTransaction> current = m_recurring->byId(row.id))
                quarantine(*current, QStringLiteral("hit catchup cap in single tick"));
        }
    }
    return total;
}

bool RecurringService::add(RecurringTransaction record)
{
    stampNew(record, nowUtc());
    return m_recurring->insert(record);
}

bool RecurringService::edit(RecurringTransaction record)
{
    stampChanged(record, nowUtc());
    return m_recurring->update(record);
}

bool RecurringService::remove(const QString& id)
{
    return m_recurring->softDelete(id);
}

void RecurringService::quarantine(const RecurringTransaction& row, const QString& reason)
{
    qWarning() << "Quarantining recurring" << row.id << row.payee
               << "— auto-deactivating. Reason:" << reason << "nextDueDate=" << row.nextDueDate;
    if (const std::optional<RecurringTransaction> current = m_recurring->byId(row.id))
        deactivate(*current);
}

void RecurringService::deactivate(RecurringTransaction row)
{
    row.isActive = false;
    row.updatedAt = nowUtc();
    row.syncStatus = SyncStatus::Pending;
    m_recurring->update(row);
}
