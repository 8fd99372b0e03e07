#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QString>

// What the user recognises a row by, on one line: a transaction's date, payee and amount, a
// recurring row's payee and amount, a statement's date and balance, the name of an account or
// a category. Amounts are in the currency of the row's account.
namespace ChangeDescription {

QString of(const Account& account);
QString of(const Category& category);
QString of(const RecurringTransaction& recurring, Currency currency);
QString of(const Transaction& transaction, Currency currency);
QString of(const Reconciliation& reconciliation, Currency currency);

} // namespace ChangeDescription
