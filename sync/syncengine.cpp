#include "sync/syncengine.h"

#include "sync/changeapplier.h"
#include "sync/syncfailure.h"
#include "sync/wire/changepayload.h"
#include "sync/wire/wireidentities.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncconflictrepository.h"
#include "data/syncwireidrepository.h"
#include "data/transactionrepository.h"
#include "data/unitofwork.h"

#include "app/core/isodates.h"

#include "libs/account/api/apiclient.h"

#include <QDebug>
#include <QJsonDocument>
#include <QMultiHash>
#include <QPointer>
#include <QUrlQuery>

#include <utility>

namespace {

const QString CursorKey = QStringLiteral("syncCursor");
const QString LastSyncKey = QStringLiteral("lastSyncTimestamp");

QString changeKey(const QString& entityType, const QString& entityId)
{
    return entityType + QLatin1Char('/') + entityId;
}

// Which change of the batch a result answers. Results name rows as the server knows them, and
// two changes may name one client id (an account kept apart under an id of its own and the
// user's own account); the result's server id tells them apart. -1 when none fits.
qsizetype answeredChange(const QMultiHash<QString, qsizetype>& sentByKey, const QJsonArray& sent,
                         const QString& key, const QString& serverId)
{
    const QList<qsizetype> candidates = sentByKey.values(key);
    if (candidates.size() <= 1)
        return candidates.isEmpty() ? -1 : candidates.first();
    qsizetype unnamed = -1;
    for (const qsizetype index : candidates) {
        const QString named = sent.at(index)
                                  .toObject()
                                  .value(QStringLiteral("payload"))
                                  .toObject()
                                  .value(QStringLiteral("server_id"))
                                  .toString();
        if (named == serverId)
            return index;
        if (named.isEmpty())
            unnamed = index;
    }
    return unnamed;
}

SyncConflict conflictFrom(const ReplacedEdit& edit)
{
    SyncConflict conflict;
    conflict.entityType = edit.localChange.value(QStringLiteral("entity_type")).toString();
    conflict.entityId = edit.localChange.value(QStringLiteral("entity_id")).toString();
    conflict.localChange =
        QString::fromUtf8(QJsonDocument(edit.localChange).toJson(QJsonDocument::Compact));
    conflict.description = edit.description;
    conflict.replacedAt = nowUtc();
    return conflict;
}

} // namespace

SyncEngine::SyncEngine(TovAccount::ApiClient* api, AccountRepository* accounts,
                       TransactionRepository* transactions, CategoryRepository* categories,
                       RecurringRepository* recurring, ReconciliationRepository* reconciliations,
                       SplitLineRepository* splitLines, PreferencesRepository* preferences,
                       QObject* parent)
    : QObject(parent), m_api(api), m_accounts(accounts), m_transactions(transactions),
      m_categories(categories), m_recurring(recurring), m_reconciliations(reconciliations),
      m_splitLines(splitLines), m_preferences(preferences),
      m_applier(new ChangeApplier(accounts, transactions, categories, recurring, reconciliations,
                                  splitLines, this)),
      m_conflicts(new SyncConflictRepository(preferences->database(), this)),
      m_wireIds(new SyncWireIdRepository(preferences->database(), this))
{
    qRegisterMetaType<SyncState>();
    m_debounceTimer.setSingleShot(true);
    m_debounceTimer.setInterval(DebounceMs);
    connect(&m_debounceTimer, &QTimer::timeout, this, &SyncEngine::sync);
    connect(&m_autoSyncTimer, &QTimer::timeout, this, &SyncEngine::sync);
    connect(m_api, &TovAccount::ApiClient::authenticationRequired, this,
            &SyncEngine::onAuthenticationRequired);
}

void SyncEngine::setCanSync(std::function<bool()> predicate)
{
    m_canSync = std::move(predicate);
}

QString SyncEngine::statusText(SyncState state)
{
    switch (state) {
    case SyncState::Idle:
        return tr("Synced");
    case SyncState::Syncing:
        return tr("Syncing...");
    case SyncState::Error:
        return tr("Sync error");
    }
    return tr("Unknown");
}

void SyncEngine::fullResync()
{
    const int accounts = m_accounts->markAllPendingForResync();
    const int categories = m_categories->markAllPendingForResync();
    const int transactions = m_transactions->markAllPendingForResync();
    const int recurrings = m_recurring->markAllPendingForResync();
    const int reconciliations = m_reconciliations->markAllPendingForResync();
    qInfo() << "Force Full Sync: marked pending —"
            << "accounts:" << accounts << "categories:" << categories
            << "transactions:" << transactions << "recurrings:" << recurrings
            << "reconciliations:" << reconciliations;
    m_preferences->remove(CursorKey);
    m_preferences->remove(LastSyncKey);
    sync();
}

void SyncEngine::sync()
{
    if (m_canSync && !m_canSync()) {
        m_resyncRequested = false;
        setState(SyncState::Idle);
        return;
    }
    if (m_state == SyncState::Syncing) {
        m_resyncRequested = true;
        return;
    }
    m_resyncRequested = false;
    setState(SyncState::Syncing);
    startCycle();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_autoSyncTimer.start(intervalMs);
    sync();
}

void SyncEngine::stopAutoSync()
{
    m_autoSyncTimer.stop();
}

void SyncEngine::scheduleSync()
{
    m_debounceTimer.start();
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void SyncEngine::startCycle()
{
    const int pending = m_accounts->pendingCount() + m_categories->pendingCount() +
                        m_recurring->pendingCount() + m_transactions->pendingCount() +
                        m_reconciliations->pendingCount();
    if (pending == 0) {
        startPull();
        return;
    }
    qInfo() << "Pushing" << pending << "changes (in batches of" << PushBatchSize << ")";
    m_pushTable = 0;
    m_pushAfterRowId = 0;
    m_pushRemaining = pending;
    pushNextBatch();
}

QJsonArray SyncEngine::collectNextBatch()
{
    QJsonArray batch;
    while (batch.size() < PushBatchSize && m_pushTable < PushedTableCount) {
        const int room = PushBatchSize - int(batch.size());
        if (appendPending(room, batch) < room) {
            ++m_pushTable;
            m_pushAfterRowId = 0;
        }
    }
    return batch;
}

int SyncEngine::appendPending(int limit, QJsonArray& batch)
{
    const qsizetype before = batch.size();
    switch (m_pushTable) {
    case 0:
        for (const Account& account : m_accounts->pendingAfter(&m_pushAfterRowId, limit))
            batch.append(ChangePayload::account(account));
        break;
    case 1:
        for (const Category& category : m_categories->pendingAfter(&m_pushAfterRowId, limit))
            batch.append(ChangePayload::category(category));
        break;
    case 2:
        for (const RecurringTransaction& recurring :
             m_recurring->pendingAfter(&m_pushAfterRowId, limit))
            batch.append(ChangePayload::recurring(recurring));
        break;
    case 3:
        for (const Transaction& transaction :
             m_transactions->pendingAfter(&m_pushAfterRowId, limit)) {
            const QList<SplitLine> lines = transaction.isSplit
                                               ? m_splitLines->listForTransaction(transaction.id)
                                               : QList<SplitLine>();
            batch.append(ChangePayload::transaction(transaction, lines));
        }
        break;
    case 4:
        for (const Reconciliation& reconciliation :
             m_reconciliations->pendingAfter(&m_pushAfterRowId, limit))
            batch.append(ChangePayload::reconciliation(reconciliation));
        break;
    }
    return int(batch.size() - before);
}

void SyncEngine::pushNextBatch()
{
    const QJsonArray batch = collectNextBatch();
    if (batch.isEmpty()) {
        startPull();
        return;
    }
    m_pushRemaining = qMax<qsizetype>(0, m_pushRemaining - batch.size());
    qInfo() << "Push batch:" << batch.size() << "changes," << m_pushRemaining << "remaining";
    const WireIdentities wire(m_wireIds->current(), m_accounts);
    QJsonArray sent;
    for (const QJsonValue& change : batch)
        sent.append(wire.toWire(change.toObject()));
    QPointer<SyncEngine> self(this);
    m_api->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), sent}},
                [self, batch, sent](bool ok, int status, const QJsonObject& body) {
                    if (self)
                        self->onPushResult(batch, sent, ok, status, body);
                });
}

void SyncEngine::onPushResult(const QJsonArray& batch, const QJsonArray& sent, bool ok, int status,
                              const QJsonObject& body)
{
    if (!ok) {
        qWarning() << "Push failed (HTTP" << status << ")";
        failCycle(SyncFailure::describe(status));
        return;
    }
    QMultiHash<QString, qsizetype> sentByKey;
    sentByKey.reserve(sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i) {
        const QJsonObject change = sent.at(i).toObject();
        sentByKey.insert(changeKey(change.value(QStringLiteral("entity_type")).toString(),
                                   change.value(QStringLiteral("entity_id")).toString()),
                         i);
    }
    int accepted = 0;
    int errors = 0;
    // The batch's rows are marked in one commit rather than one each.
    UnitOfWork unit(m_preferences->database());
    for (const QJsonValue& value : body.value(QStringLiteral("results")).toArray()) {
        const QJsonObject result = value.toObject();
        const QString entityType = result.value(QStringLiteral("entity_type")).toString();
        const QString entityId = result.value(QStringLiteral("entity_id")).toString();
        const QString resultStatus = result.value(QStringLiteral("status")).toString();
        if (resultStatus == QLatin1String("ok")) {
            ++accepted;
            const qsizetype index =
                answeredChange(sentByKey, sent, changeKey(entityType, entityId),
                               result.value(QStringLiteral("server_id")).toString());
            markAccepted(result, index < 0 ? QJsonObject() : batch.at(index).toObject());
        } else {
            ++errors;
            qWarning() << "Push result not ok — leaving record pending:" << entityType << entityId
                       << "status=" << resultStatus
                       << "message=" << result.value(QStringLiteral("message")).toString();
        }
    }
    unit.commit();
    if (errors > 0)
        qWarning() << "Push batch:" << accepted << "ok," << errors
                   << "errors — failed records remain pending for next sync";
    pushNextBatch();
}

void SyncEngine::markAccepted(const QJsonObject& result, const QJsonObject& change)
{
    const QString entityType = result.value(QStringLiteral("entity_type")).toString();
    Repository* repository = nullptr;
    if (entityType == QLatin1String("account"))
        repository = m_accounts;
    else if (entityType == QLatin1String("transaction"))
        repository = m_transactions;
    else if (entityType == QLatin1String("category"))
        repository = m_categories;
    else if (entityType == QLatin1String("recurring"))
        repository = m_recurring;
    else if (entityType == QLatin1String("reconciliation"))
        repository = m_reconciliations;
    // A result for a change this batch did not carry cannot be checked against the row: the
    // row stays pending and goes out again.
    if (!repository || change.isEmpty())
        return;
    repository->markPushed(change.value(QStringLiteral("entity_id")).toString(),
                           result.value(QStringLiteral("server_id")).toString(),
                           ChangePayload::pushedBookkeeping(change),
                           result.value(QStringLiteral("version")).toInt());
}

void SyncEngine::startPull()
{
    m_pullPages = 0;
    pullChanges(m_preferences->get(CursorKey));
}

void SyncEngine::pullChanges(const QString& cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(PullPageLimit));
    QPointer<SyncEngine> self(this);
    m_api->get(
        QStringLiteral("/sync/pull"),
        [self](bool ok, int status, const QJsonObject& body) {
            if (self)
                self->onPullResult(ok, status, body);
        },
        query);
}

void SyncEngine::onPullResult(bool ok, int status, const QJsonObject& body)
{
    if (!ok) {
        qWarning() << "Pull failed (HTTP" << status << ")";
        failCycle(SyncFailure::describe(status));
        return;
    }
    const QString cursor = body.value(QStringLiteral("cursor")).toString();
    if (!applyPage(body, cursor)) {
        failCycle(tr("Could not store the pulled changes"));
        return;
    }
    if (body.contains(QStringLiteral("integrity")))
        checkIntegrity(body.value(QStringLiteral("integrity")).toObject());
    ++m_pullPages;
    if (body.value(QStringLiteral("has_more")).toBool(false) && m_pullPages < MaxPullPages) {
        pullChanges(cursor);
        return;
    }
    completeCycle();
}

bool SyncEngine::applyPage(const QJsonObject& page, const QString& cursor)
{
    // One page is stored whole or not at all, together with the cursor that follows it and the
    // local edits it replaced, and the tables announce their changes once, after the commit.
    UnitOfWork unit(m_preferences->database());
    if (!unit.isActive())
        return false;
    m_applier->applyPage(page);
    const QList<ReplacedEdit> replaced = m_applier->takeReplacedEdits();
    for (const ReplacedEdit& edit : replaced) {
        if (!m_conflicts->record(conflictFrom(edit)))
            return false;
    }
    if (!cursor.isEmpty() && !m_preferences->set(CursorKey, cursor))
        return false;
    if (!unit.commit())
        return false;
    m_unannouncedReplacements += int(replaced.size());
    return true;
}

void SyncEngine::checkIntegrity(const QJsonObject& integrity) const
{
    const int serverCount = integrity.value(QStringLiteral("category_count")).toInt();
    const int localCount = m_categories->count();
    if (serverCount > 0 && serverCount != localCount)
        qWarning() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                   << "(informational only — use Force Full Sync if data appears wrong)";
}

void SyncEngine::failCycle(const QString& error)
{
    m_pushTable = PushedTableCount;
    m_lastError = error;
    setState(SyncState::Error);
    emit syncFailed(error);
}

void SyncEngine::completeCycle()
{
    m_preferences->set(LastSyncKey, toIsoTimestamp(nowUtc()));
    setState(SyncState::Idle);
    emit syncCompleted();
    emit dataChanged();
    if (m_unannouncedReplacements > 0)
        emit changesReplaced(std::exchange(m_unannouncedReplacements, 0));
    if (m_resyncRequested) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::sync);
    }
}

void SyncEngine::onAuthenticationRequired()
{
    setState(SyncState::Error);
}
