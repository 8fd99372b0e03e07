#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QJsonObject>
#include <QList>

// The entity fields of a row as the wire carries them, in a pulled server record and in a
// pushed change's payload alike, read leniently (PulledFields). The records come back with
// their default id and bookkeeping: those depend on where the fields came from.
namespace WireRecords {

Account account(const QJsonObject& fields);
Category category(const QJsonObject& fields);
// "lead_days" is read only when present; absent, the record keeps 0.
RecurringTransaction recurring(const QJsonObject& fields);
Transaction transaction(const QJsonObject& fields);
// The lines of a split transaction, under new ids and the transaction's id and times; none for
// an unsplit one.
QList<SplitLine> splitLines(const QJsonObject& fields, const Transaction& transaction);
Reconciliation reconciliation(const QJsonObject& fields);

} // namespace WireRecords
