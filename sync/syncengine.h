#pragma once

#include "sync/syncstate.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class AccountRepository;
class CategoryRepository;
class ChangeApplier;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class SyncConflictRepository;
class SyncWireIdRepository;
class TransactionRepository;

namespace TovAccount {
class ApiClient;
}

// Keeps the local database and the sync server in step. One cycle pushes every pending row in
// batches and marks the accepted ones synced, then pulls the server's changes page by page from
// the stored cursor and merges them. Cycles run on the auto-sync timer, on the debounce timer
// that local changes restart, and on demand; at most one runs at a time, and a request made
// during a cycle runs one more after it.
//
// A local edit that a newer copy from another device replaced (the server refused it as a
// conflict, or the row was deleted there) is kept in the sync conflicts, with the page that
// replaced it, and announced when the cycle completes. A completed cycle is the last sync the
// preferences show ("lastSyncTimestamp").
class SyncEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    static constexpr int PushBatchSize = 500;
    static constexpr int PullPageLimit = 200;
    static constexpr int MaxPullPages = 50;
    static constexpr int DebounceMs = 2000;

    SyncEngine(TovAccount::ApiClient* api, AccountRepository* accounts,
               TransactionRepository* transactions, CategoryRepository* categories,
               RecurringRepository* recurring, ReconciliationRepository* reconciliations,
               SplitLineRepository* splitLines, PreferencesRepository* preferences,
               QObject* parent = nullptr);

    // Without a predicate every sync() runs; with one, only while it holds (signed in).
    void setCanSync(std::function<bool()> predicate);
    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    // True between startAutoSync() and stopAutoSync().
    bool isAutoSyncActive() const { return m_autoSyncTimer.isActive(); }
    static QString statusText(SyncState state);
    // The local versions that pulled copies replaced, kept for the user to look at.
    SyncConflictRepository* conflicts() const { return m_conflicts; }

    // Marks every live row for pushing again and forgets the cursor, then syncs: the next
    // cycle pushes everything and pulls everything from the start.
    void fullResync();

public slots:
    void sync();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    // Restarts the debounce timer, so that a burst of local changes yields one cycle.
    void scheduleSync();

signals:
    void stateChanged(SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    void dataChanged();
    // After a completed cycle, when pulled copies replaced local edits since the last such
    // announcement: how many, each now in conflicts().
    void changesReplaced(int count);

private:
    void setState(SyncState state);
    void startCycle();
    // The next batch of pending rows, read from the database as it is sent rather than all at
    // the start: a first push may cover every row of a large ledger.
    QJsonArray collectNextBatch();
    // Appends up to limit pending rows of the table the push has reached; returns how many.
    int appendPending(int limit, QJsonArray& batch);
    void pushNextBatch();
    // `batch` holds the changes as this device knows its rows, `sent` as the server does.
    void onPushResult(const QJsonArray& batch, const QJsonArray& sent, bool ok, int status,
                      const QJsonObject& body);
    // Marks the row of `change` (this device's form) as the result says.
    void markAccepted(const QJsonObject& result, const QJsonObject& change);
    void startPull();
    void pullChanges(const QString& cursor);
    void onPullResult(bool ok, int status, const QJsonObject& body);
    bool applyPage(const QJsonObject& page, const QString& cursor);
    void checkIntegrity(const QJsonObject& integrity) const;
    void failCycle(const QString& error);
    void completeCycle();
    void onAuthenticationRequired();

    TovAccount::ApiClient* m_api;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    PreferencesRepository* m_preferences;
    ChangeApplier* m_applier;
    SyncConflictRepository* m_conflicts;
    SyncWireIdRepository* m_wireIds;

    QTimer m_autoSyncTimer;
    QTimer m_debounceTimer;
    SyncState m_state = SyncState::Idle;
    QString m_lastError;
    int m_pullPages = 0;
    // Kept through failed cycles until a completed one announces them.
    int m_unannouncedReplacements = 0;
    bool m_resyncRequested = false;
    std::function<bool()> m_canSync;
    // Where the push stands: the tables in the order they are pushed (accounts, categories,
    // recurring, transactions, reconciliations), and the last row sent of the current one.
    static constexpr int PushedTableCount = 5;
    int m_pushTable = PushedTableCount;
    qint64 m_pushAfterRowId = 0;
    qsizetype m_pushRemaining = 0;
};
