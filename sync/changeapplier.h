#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class SyncWireIdRepository;
class TransactionRepository;

// A local edit, not pushed yet, that a pulled record replaced: the change it would have been
// pushed as, and what the user knows the row by.
struct ReplacedEdit
{
    QJsonObject localChange;
    QString description;
};

// Merges pulled server records into the local tables, one entity at a time. Each record finds
// its local row by the server id or else by the device-independent id, is read leniently, is
// skipped when its key date is unusable or an amount lies beyond what a form takes, and
// replaces the local row when its version is not lower. A local edit still waiting to be pushed
// keeps its place against a server copy of the same version: that copy is older than the edit.
// A pulled deletion is final and reaches a live row whatever the versions, since the server
// refuses every later upsert of a deleted row. A local edit waiting to be pushed that a pulled
// record replaces is not simply lost: the merge remembers it, so that it can be put back.
// A record withdrawn from the user (an account no longer shared with them, a row moved out of
// it) removes the local row outright, an account with everything booked to it: the rows were
// never the user's, so they are not kept as deletions the user could restore and push back as
// their own.
// A record the server marks as sharing its client id with another row the user sees never lands
// on a row stored from another server row: it is kept apart under a fresh id, remembered in
// sync_wire_ids, and the rows booked to it follow it by the account's server id the server
// sends along ("account_server_id").
class ChangeApplier : public QObject
{
    Q_OBJECT

public:
    ChangeApplier(AccountRepository* accounts, TransactionRepository* transactions,
                  CategoryRepository* categories, RecurringRepository* recurring,
                  ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
                  QObject* parent = nullptr);

    // Merges one pulled page in entity order: accounts, categories, recurring rows (under either
    // key the servers use), transactions with their split lines, reconciliations.
    void applyPage(const QJsonObject& page);

    void applyAccount(const QJsonArray& records);
    void applyCategory(const QJsonArray& records);
    void applyRecurring(const QJsonArray& records);
    void applyTransactionChange(const QJsonArray& records);
    void applyReconciliation(const QJsonArray& records);

    // The local edits the merges replaced since the last call, in merge order.
    QList<ReplacedEdit> takeReplacedEdits();

private:
    // Merges the records in array order; a value that is not an object reads as an empty one.
    void applyEach(const QJsonArray& records, void (ChangeApplier::*applyOne)(const QJsonObject&));
    void applyAccountRecord(const QJsonObject& object);
    void applyCategoryRecord(const QJsonObject& object);
    void applyRecurringRecord(const QJsonObject& object);
    void applyTransactionRecord(const QJsonObject& object);
    void applyReconciliationRecord(const QJsonObject& object);
    // Remembers the local edit a merge replaced, unless the pulled copy holds what it held.
    void keepReplaced(const QJsonObject& mine, const QJsonObject& theirs,
                      const QString& description);
    // The local account a pulled row is booked to: the one holding the server id the record
    // names for its account ("account_server_id"), else the one of its client id.
    QString bookedAccount(const QJsonObject& object, const QString& accountId) const;
    // A record kept apart was stored under `id`: the server knows it by its client id.
    void rememberWireId(const char* entityType, const QString& id, const QJsonObject& object);
    void removeWithdrawnAccount(const QString& id);
    void removeWithdrawnTransaction(const QString& id);

    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    SyncWireIdRepository* m_wireIds;
    QList<ReplacedEdit> m_replaced;
};
