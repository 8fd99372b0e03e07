#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The pushed form of each synchronised row: one change object with its payload.
namespace ChangePayload {

QJsonObject account(const Account& account);
QJsonObject category(const Category& category);
QJsonObject recurring(const RecurringTransaction& recurring);
// The split lines go along only when the transaction is split.
QJsonObject transaction(const Transaction& transaction, const QList<SplitLine>& splitLines);
QJsonObject reconciliation(const Reconciliation& reconciliation);

// What a change object says of the row it carries, to recognise the row when its result
// comes back.
SyncBookkeeping pushedBookkeeping(const QJsonObject& change);

} // namespace ChangePayload
